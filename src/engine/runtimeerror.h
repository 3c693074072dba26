#pragma once

#include <stdexcept>
#include <string>

namespace engine {

// A failure of the numeric rules, carrying the number and description that the
// "Fatal Error" message shows (6 / "Overflow" for a value that does not fit its type).
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string &description)
        : std::runtime_error(description), m_number(number) {}

    int number() const { return m_number; }
    std::string description() const { return what(); }

    static RuntimeError overflow() { return RuntimeError(6, "Overflow"); }
    static RuntimeError outOfMemory() { return RuntimeError(7, "Out of memory"); }
    // Any other unexpected failure inside a run.
    static RuntimeError internalError() { return RuntimeError(51, "Internal error"); }

private:
    int m_number;
};

} // namespace engine
