#pragma once

#include <QString>

namespace platform {

// Starting another program and the file test that goes with it, behind an interface so that
// windows can be tested without starting anything.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;

    // True when a file (not a folder) of this full name exists.
    virtual bool fileExists(const QString &fullName) const = 0;

    // Starts the program at fullPath on its own, in a normal window, without waiting for it.
    // False when it could not be started.
    virtual bool startProgram(const QString &fullPath) = 0;

protected:
    ProgramLauncher() = default;
    ProgramLauncher(const ProgramLauncher &) = default;
    ProgramLauncher &operator=(const ProgramLauncher &) = default;
};

} // namespace platform
