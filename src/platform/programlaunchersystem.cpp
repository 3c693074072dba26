#include "platform/programlaunchersystem.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool SystemProgramLauncher::fileExists(const QString &fullName) const
{
    if (fullName.isEmpty())
        return false;
    const QFileInfo info(fullName);
    return info.exists() && info.isFile();
}

bool SystemProgramLauncher::startProgram(const QString &fullPath)
{
    if (fullPath.isEmpty())
        return false;
    // The started program belongs to the user from now on: it keeps running when we end.
    return QProcess::startDetached(fullPath, {});
}

} // namespace platform
