#include "ui/report/reportfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

namespace report {

namespace {

// Asked with the effective user's rights, the ones open() will be checked against; so root
// passes everywhere except on read-only media, and a normal user only where the modes allow.
bool isWritableFolder(const QString &folder)
{
    return !folder.isEmpty()
           && ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

} // namespace

QString reportFolder(const QString &programFolder, const QString &documentsFolder)
{
    if (isWritableFolder(programFolder))
        return programFolder;
    if (!documentsFolder.isEmpty() && QDir().mkpath(documentsFolder) && isWritableFolder(documentsFolder))
        return documentsFolder;
    return programFolder;
}

QString reportFolder()
{
    return reportFolder(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

} // namespace report
