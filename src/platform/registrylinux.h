#pragma once

#include "platform/registry.h"
#include "platform/registrymemory.h"

#include <QStringList>

namespace platform {

// The registry as far as this program needs it on Linux. There is no registry here, so the
// only entry it answers is the one that names the system-information program:
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO, value "PATH" (REG_SZ), holding the
// full path of the first program of systemInformationPrograms() found on the PATH. Without
// such a program that key does not exist, and neither does any other.
class LinuxRegistry : public Registry {
public:
    LinuxRegistry();

    // The programs that can stand in for the system-information tool, most wanted first.
    static const QStringList &systemInformationPrograms();
    // Full path of the first of them on the PATH, empty when none is installed.
    static QString findSystemInformationProgram();

    std::int32_t openKey(Handle root, const QString &subKey, std::uint32_t options,
                         std::uint32_t samDesired, Handle &result) override;
    std::int32_t queryValue(Handle key, const QString &valueName, std::uint32_t &type,
                            std::uint8_t *data, std::uint32_t &size) override;
    std::int32_t closeKey(Handle key) override;

private:
    // Looks for the program again, so that one installed while the program runs is found.
    void refresh();

    MemoryRegistry m_store;
};

} // namespace platform
