#pragma once

#include "platform/programlauncher.h"

namespace platform {

// Starts programs as detached processes of the operating system.
class SystemProgramLauncher : public ProgramLauncher {
public:
    SystemProgramLauncher() = default;

    bool fileExists(const QString &fullName) const override;
    bool startProgram(const QString &fullPath) override;
};

} // namespace platform
