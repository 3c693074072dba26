#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The textbook model of a scheduling problem: any number of processes, each with a name, an
// arrival time, a burst time and a priority, on one processor that idles when nothing is ready.
namespace lab {

// Every time on the schedule's clock is a whole number of time units.
using Time = std::int64_t;

// The largest arrival, burst, priority, quantum or switch cost a workload or setting may hold.
inline constexpr Time kMaxTime = 1'000'000;
// The most processes one workload may hold.
inline constexpr std::size_t kMaxProcesses = 100'000;
// The largest sum of all bursts and switch time a schedule may reach. With every value at most
// kMaxTime this is never reached by a valid workload; it is checked all the same, so that a
// total that would not fit the clock is refused instead of wrapping.
inline constexpr Time kMaxTotalTime = Time{1} << 60;

struct Process {
    std::string name;
    Time arrival = 0;
    Time burst = 1;
    Time priority = 0;

    bool operator==(const Process &) const = default;
};

using Workload = std::vector<Process>;

// The columns of a process, as tables and files show them.
enum class Field { Name, Arrival, Burst, Priority };

// What is wrong with one value.
enum class Problem {
    Empty,           // nothing given
    Negative,        // below zero
    NotWhole,        // not a whole number (letters, a fraction, a sign in the middle ...)
    TooLarge,        // above kMaxTime
    ZeroBurst,       // a burst of 0
    DuplicateName,   // a name an earlier process already has
    NoProcesses,     // the workload is empty
    TooManyProcesses,// more than kMaxProcesses
    TotalTooLarge,   // the bursts add up to more than the clock holds
};

// A problem found in a workload: the process (0-based row) and the column it is in. For
// NoProcesses and TooManyProcesses the row is the count and the field Name.
struct InputError {
    std::size_t row = 0;
    Field field = Field::Name;
    Problem problem = Problem::Empty;

    bool operator==(const InputError &) const = default;
};

// Reads one cell of a time column (arrival, burst, priority): blanks around the digits are
// allowed, nothing else. A burst must also be at least 1.
struct ParsedTime {
    std::optional<Time> value;
    Problem problem = Problem::Empty;   // meaningful only without a value
};
ParsedTime parseTime(std::string_view text, Field field);

// Names are taken with the blanks around them removed; an empty name is Problem::Empty.
std::string trimmed(std::string_view text);

// A name as it can stand on one line of text: line breaks, tabs and other control characters
// written as escapes (\n, \t, \x1b). Quoted, it is also put in double quotes, with quotes and
// backslashes inside escaped.
std::string nameOnOneLine(std::string_view name, bool quoted);

// The first problem of the workload in row order, then column order; none when it can be
// scheduled. Duplicate names are reported on the later row.
std::optional<InputError> validate(const Workload &workload);

// Short English texts, for the command-line solver and logs.
std::string_view fieldId(Field field);            // "name", "arrival", "burst", "priority"
std::string_view problemText(Problem problem);    // "is empty", "is negative", ...

} // namespace lab
