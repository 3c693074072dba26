#pragma once

#include "lab/settings.h"
#include "lab/workload.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace lab {

inline constexpr std::size_t kNoProcess = std::numeric_limits<std::size_t>::max();

enum class SegmentKind { Run, Idle, Switch };

// One piece of the processor's time line. A Run names the process that runs; a Switch names
// the process being loaded (the dispatcher's time before it); an Idle names none.
struct Segment {
    Time start = 0;
    Time end = 0;
    SegmentKind kind = SegmentKind::Run;
    std::size_t process = kNoProcess;

    bool operator==(const Segment &) const = default;
};

struct ProcessResult {
    Time firstStart = 0;   // when it first ran
    Time completion = 0;
    Time turnaround = 0;   // completion - arrival
    Time waiting = 0;      // turnaround - burst
    Time response = 0;     // first start - arrival

    bool operator==(const ProcessResult &) const = default;
};

struct Totals {
    Time waiting = 0;
    Time turnaround = 0;
    Time response = 0;

    bool operator==(const Totals &) const = default;
};

// What a decision compared.
enum class KeyKind {
    Arrival,        // FCFS
    Burst,          // SJF
    Remaining,      // SRTF
    Priority,       // both priority policies
    ResponseRatio,  // HRRN: (waited + burst) / burst
    QueuePosition,  // round robin: 0 is the head
};

// One ready process as a decision saw it.
struct Candidate {
    std::size_t process = kNoProcess;
    Time key = 0;       // arrival, burst, remaining, priority or queue position
    Time waited = 0;    // HRRN: the time waited so far (the ratio is (waited + burst) / burst)

    bool operator==(const Candidate &) const = default;
};

enum class DecisionKind {
    Dispatch,   // the processor was free and was given to `chosen`
    Preempt,    // a strictly better newcomer, `chosen`, took the processor from `displaced`
    Keep,       // a newcomer as good as the running `displaced` arrived; it keeps the processor
    Continue,   // round robin: the quantum ran out with the queue empty; `chosen` goes on
};

// Which rule settled a choice between equal keys.
enum class TieBreak {
    None,            // the chosen key was strictly the best
    EarlierArrival,  // equal keys, the earlier arrival
    ListOrder,       // equal keys and arrivals, the earlier place in the list
    RunningKeeps,    // equal keys, the running process keeps the processor
};

struct Decision {
    Time time = 0;
    DecisionKind kind = DecisionKind::Dispatch;
    KeyKind keyKind = KeyKind::Arrival;
    std::size_t chosen = kNoProcess;
    std::size_t displaced = kNoProcess;   // Preempt and Keep: the running process
    TieBreak tie = TieBreak::None;
    // The ready processes compared, best first (the chosen one first), at most
    // Options::candidateLimit of them; readyCount says how many there were. For Preempt and
    // Keep the running process is listed too, with its key at that instant.
    std::vector<Candidate> candidates;
    std::size_t readyCount = 0;

    bool operator==(const Decision &) const = default;
};

struct Options {
    bool recordDecisions = true;
    std::size_t candidateLimit = 16;
};

// A whole run: per process (in the workload's order), the processor's segments in time order
// (adjacent pieces of one process merged, switches of length 0 left out), totals and figures.
struct Schedule {
    Settings settings;
    std::vector<ProcessResult> processes;
    std::vector<Segment> segments;
    std::vector<Decision> decisions;
    Totals totals;
    Time totalBurst = 0;
    Time firstArrival = 0;
    Time lastCompletion = 0;
    Time idleTime = 0;
    Time switchTime = 0;
    std::size_t contextSwitches = 0;   // every change of process, also those of length 0

    std::size_t count() const { return processes.size(); }
    // last completion - first arrival, the span utilisation and throughput are measured over
    Time span() const { return lastCompletion - firstArrival; }
    double utilisation() const;        // totalBurst / span
    double throughput() const;         // processes / span
    double averageWaiting() const;     // exact quotient of the total by the count
    double averageTurnaround() const;
    double averageResponse() const;
};

// Schedules a valid workload (validate() finds nothing) under valid settings. Throws
// std::invalid_argument otherwise, and std::overflow_error when the schedule would run past
// kMaxTotalTime. Event-driven: its cost grows with the processes and segments, not with time.
Schedule solve(const Workload &workload, const Settings &settings, const Options &options = {});

// One piece as every output writes it: "P1 0-4", "idle 7-9", "switch 9-10"; `name` is the running
// process's (not used for idle and switch pieces).
std::string segmentText(SegmentKind kind, std::string_view name, Time start, Time end);

// The processor's segments as "P1 0-4, P2 4-7, idle 7-9, switch 9-10" (names from the workload).
std::string describeSegments(const Workload &workload, const Schedule &schedule);

// An average as "total/n = value", the value rounded half away from zero to two decimals,
// trailing zeros dropped ("41/5 = 8.2", "10/3 = 3.33", "6/3 = 2"), with the given separator.
std::string averageText(Time total, std::size_t count, std::string_view decimalSeparator = ".");
// The same rounding as a whole number of hundredths (41/5 gives 820, 10/3 gives 333), exact for
// any total; none when the count is 0 or the result does not fit the time type.
std::optional<Time> roundedHundredths(Time total, std::size_t count);
// A value rounded the same way, without the fraction: "0.83", "1", "12.5".
std::string roundedText(double value, std::string_view decimalSeparator = ".");

} // namespace lab
