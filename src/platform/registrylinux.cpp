#include "platform/registrylinux.h"

#include <QStandardPaths>

namespace platform {

namespace {

const QString &msinfoKey()
{
    static const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
    return key;
}

const QString &msinfoValue()
{
    static const QString value = QStringLiteral("PATH");
    return value;
}

} // namespace

LinuxRegistry::LinuxRegistry()
{
    // The store is an implementation detail here; nobody reads its call log.
    m_store.setRecording(false);
}

const QStringList &LinuxRegistry::systemInformationPrograms()
{
    static const QStringList programs = {
        QStringLiteral("hardinfo"),
        QStringLiteral("kinfocenter"),
        QStringLiteral("gnome-system-monitor"),
        QStringLiteral("mate-system-monitor"),
        QStringLiteral("xfce4-taskmanager"),
        QStringLiteral("lxtask"),
    };
    return programs;
}

QString LinuxRegistry::findSystemInformationProgram()
{
    for (const QString &program : systemInformationPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

void LinuxRegistry::refresh()
{
    const QString program = findSystemInformationProgram();
    if (program.isEmpty())
        m_store.removeKey(win32::HKEY_LOCAL_MACHINE, msinfoKey());
    else
        m_store.setString(win32::HKEY_LOCAL_MACHINE, msinfoKey(), msinfoValue(), program);
}

std::int32_t LinuxRegistry::openKey(Handle root, const QString &subKey, std::uint32_t options,
                                    std::uint32_t samDesired, Handle &result)
{
    refresh();
    return m_store.openKey(root, subKey, options, samDesired, result);
}

std::int32_t LinuxRegistry::queryValue(Handle key, const QString &valueName, std::uint32_t &type,
                                       std::uint8_t *data, std::uint32_t &size)
{
    return m_store.queryValue(key, valueName, type, data, size);
}

std::int32_t LinuxRegistry::closeKey(Handle key)
{
    return m_store.closeKey(key);
}

} // namespace platform
