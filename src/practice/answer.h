#pragma once

#include "lab/schedule.h"
#include "lab/workload.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A student's answer to an exercise, and how it is checked against the engine's solution.
namespace practice {

// One piece of the processor row as the student gave it.
struct AnswerSegment {
    lab::SegmentKind kind = lab::SegmentKind::Run;
    std::size_t process = lab::kNoProcess;   // Run: the process (index into the workload)
    lab::Time start = 0;
    lab::Time end = 0;

    bool operator==(const AnswerSegment &) const = default;
};

// Reads "P1 0-4, P2 4-7, idle 7-9, switch 9-10" (commas or semicolons or new lines between
// pieces; names as in the workload, case-insensitive; "idle"/"kosong" and "switch"/"cs" for the
// other kinds). On a fault: the 0-based piece and what is wrong. Blank lines and a separator at
// the start, at the end or at the end of a line are nothing; an empty piece between two others on
// one line (", ,") is the fault Empty. The times may have blanks around the hyphen, or an en dash;
// a colon may follow the name ("P1: 0-4"), and a blank or the colon must part the name from the
// start ("P10-4" is not read as P1 from 0). Empty text is no pieces and no fault. A switch's
// AnswerSegment names no process (the student does not say which process it loads).
struct SegmentParseError {
    std::size_t piece = 0;
    enum class Kind { Empty, UnknownName, BadTimes, EndNotAfterStart } kind = Kind::Empty;
    std::string text;   // the piece as typed
};
struct ParsedSegments {
    std::vector<AnswerSegment> segments;   // on a fault, the pieces before it
    std::optional<SegmentParseError> error;
};
ParsedSegments parseSegments(std::string_view text, const lab::Workload &workload);
// The inverse, in the same notation: "P1 0-4, P2 4-7, idle 7-9".
std::string segmentsText(const std::vector<AnswerSegment> &segments, const lab::Workload &workload);

// The numbers of one process as the student gave them; a missing one is not answered.
struct AnswerNumbers {
    std::optional<lab::Time> completion;
    std::optional<lab::Time> turnaround;
    std::optional<lab::Time> waiting;
    std::optional<lab::Time> response;   // asked only for preemptive policies and round robin
};

struct Answer {
    std::vector<AnswerSegment> segments;
    std::vector<AnswerNumbers> processes;   // in the workload's order (missing rows: not answered)
    std::optional<double> averageWaiting;
    std::optional<double> averageTurnaround;
    std::optional<double> averageResponse;
};

// Whether the response column is asked for under these settings.
bool asksResponse(const lab::Settings &settings);

enum class Mark {
    Right,
    Wrong,
    FollowsFromSchedule,   // wrong, but exactly what the student's own schedule gives: one cause
    Missing,               // not answered
};

// Which number of a process a cell holds.
enum class Column { Completion, Turnaround, Waiting, Response };

// The first place where the student's schedule leaves the solution.
struct FirstMistake {
    enum class Kind {
        WrongProcess,   // at `time` the solution gives the processor to `expected`, the answer to `given`
        WrongEnd,       // the right process, but its piece ends at `givenEnd` instead of `expectedEnd`
        MissingIdle,    // the solution idles at `time`, the answer runs `given`
        ExtraIdle,      // the answer idles at `time`, the solution runs `expected`
        MissingSwitch,  // the solution has a context switch at `time` the answer leaves out
        ExtraSwitch,    // the answer has a switch the solution does not
        TooShort,       // the answer stops at `time`, the solution goes on
        TooLong,        // the answer goes on after the solution's end
    } kind = Kind::WrongProcess;
    lab::Time time = 0;   // the first instant where the time lines differ (for WrongEnd the
                          // earlier of the two ends)
    std::size_t expected = lab::kNoProcess;   // the solution's process there (a switch: the one it loads)
    std::size_t given = lab::kNoProcess;      // the answer's (none for idle, a switch or a gap)
    lab::Time expectedEnd = 0;
    lab::Time givenEnd = 0;
    // The solution's decision that settles the point, when one does (an index into
    // solution.decisions): the decision at `time` (the one choosing `expected` first; for a run
    // loaded by a switch, the decision as the switch began), or for WrongEnd the one at the
    // expected end; a piece that ends too early where the solution recorded the running process
    // keeping the processor (Keep, Continue) points at that decision instead.
    std::optional<std::size_t> decision;
};

struct CheckResult {
    std::vector<Mark> segments;                       // one per answer segment
    std::vector<std::vector<Mark>> cells;             // per process: Completion, Turnaround, Waiting (, Response)
    Mark averageWaiting = Mark::Missing;
    Mark averageTurnaround = Mark::Missing;
    Mark averageResponse = Mark::Missing;             // Missing also when not asked
    // The score: right marks of everything asked. The schedule counts as its pieces, adjacent
    // pieces of one process (or of idle time) taken together as the solution takes them:
    //   total = max(answer pieces, solution pieces) + cells (3 or 4 per process) + averages (2 or 3)
    // so a piece missing from the answer counts against it as a wrong one would; right counts the
    // answer's pieces that match an unclaimed piece of the solution, the right cells and averages.
    // FollowsFromSchedule and Missing marks are not right.
    int right = 0;
    int total = 0;
    // None when the schedule is right: the answer's time line is the solution's (a piece given
    // twice over is marked wrong above but changes nothing of the time line).
    std::optional<FirstMistake> firstMistake;
};

// Checks an answer against the exercise's solution. A segment is right when the solution has the
// same piece (kind, process, start and end; for a switch kind, start and end, as the answer does
// not name the process it loads). A number is right when it equals the solution's;
// when it is wrong but equals what the student's own schedule gives (completion from the last
// piece of that process, turnaround = completion - arrival, waiting = turnaround - burst,
// response = first start - arrival; the averages from the student's own numbers), it is marked as
// following from the schedule. Averages are compared rounded to two decimals; a wrong average
// follows from the schedule when it equals the average of the student's own numbers (every process
// run in their schedule) or of the numbers they typed in that column (every row given).
// Each answer segment is marked with its group: pieces that join (one process's adjacent runs,
// adjacent idle pieces) are right together when, joined, they are a piece of the solution.
// The first mistake compares the two time lines in time order (the answer's pieces sorted by start,
// an overlapped piece cut where the next begins) and reports the first instant where they differ
// in what the processor does or in where a piece begins; a gap in the answer where the solution
// runs is ExtraIdle, where it idles MissingIdle, and TooShort when nothing of the answer follows.
// A piece begun at the right time that ends at the wrong time is WrongEnd, except when the answer
// ends it early for a switch, idle time or a gap: then ExtraSwitch, ExtraIdle (or TooShort).
CheckResult check(const lab::Workload &workload, const lab::Schedule &solution, const Answer &answer);

} // namespace practice
