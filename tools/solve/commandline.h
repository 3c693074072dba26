#pragma once

// What the solver's modes share on the command line: exit statuses, writing to the standard
// streams and reading an option word.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace solvecli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitOutput = 1;   // the output could not be written
inline constexpr int kExitBad = 2;      // bad input or bad usage

// A command line that cannot be used; the message says why.
struct UsageError {
    std::string message;
};

inline bool writeAll(std::FILE *stream, std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

// One line "quorvel-solve: MESSAGE" on standard error; returns the status given.
inline int fail(int status, const std::string &message)
{
    writeAll(stderr, "quorvel-solve: " + message + "\n");
    return status;
}

// Writes the result to standard output: kExitOk, or kExitOutput with the reason on standard error.
inline int writeOutput(std::string_view text)
{
    if (!writeAll(stdout, text) || std::fflush(stdout) != 0)
        return fail(kExitOutput, std::string("cannot write the output: ") + std::strerror(errno));
    return kExitOk;
}

// An option word as given: "--name VALUE" has no value in the word itself, "--name=VALUE" has.
struct OptionWord {
    std::string_view name;
    std::optional<std::string_view> value;
};

inline OptionWord splitOption(std::string_view arg)
{
    if (const auto equals = arg.find('='); equals != std::string_view::npos)
        return {arg.substr(0, equals), arg.substr(equals + 1)};
    return {arg, std::nullopt};
}

} // namespace solvecli
