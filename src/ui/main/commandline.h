#pragma once

#include <QStringList>

#include <optional>

// The program's command line: --help, --version and --lang id|en, which chooses the windows'
// language before the first window opens (without it they are Indonesian, whatever the system's
// locale). The options are English, as any command-line tool's.
namespace commandline {

// Reads the arguments (program name first) and applies --lang. Returns the exit status when the
// program must end now: 0 after --help or --version (printed on standard output), 2 after an
// unknown option or language (a message on standard error). Needs the QCoreApplication.
std::optional<int> apply(const QStringList &arguments);

} // namespace commandline
