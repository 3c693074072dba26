#pragma once

#include <QString>

namespace report {

// The folder the Save command writes into. The program's own folder when the user may write
// there; otherwise the user's documents folder, created when missing, because a program
// installed for everyone sits in a folder that only root may write. When neither can be
// written the program's folder is kept, so that the failure is reported for it as before.
QString reportFolder(const QString &programFolder, const QString &documentsFolder);

// The same for this program: the folder of its executable and QStandardPaths' documents folder.
QString reportFolder();

} // namespace report
