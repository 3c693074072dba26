#pragma once

#include "engine/processset.h"

#include <string>
#include <vector>

namespace engine {

// The two policies a run can follow.
enum class Policy { Fcfs, Sjf };

// One process on the processor: P(index+1) runs from start to finish on the run's clock.
struct TimelineBar {
    int index = 0;
    double start = 0;
    double finish = 0;

    bool operator==(const TimelineBar &) const = default;
};

// What one run put on the processor, in the order it scheduled the processes, with the two
// result texts once the run has written them (empty until then, and after a failure that
// stopped the run before them).
struct Timeline {
    std::vector<TimelineBar> bars;
    std::string waitingResult;
    std::string turnaroundResult;
    // The description of the failure that stopped the run ("Overflow"), empty otherwise.
    std::string stoppedBy;

    // The finish of the last process on the processor, 0 when none was scheduled.
    double end() const;
};

// The bars in time order as "P1 0-5, P2 5-8": process, start, hyphen, finish, joined by a
// comma and a blank; empty when nothing was scheduled.
std::string describeTimeline(const Timeline &timeline);

// Runs the policy on the processes without messages and returns what it scheduled, the same
// bars and result texts the window would receive. A refused run gives an empty timeline; a run
// stopped by a failure keeps the bars scheduled before it.
Timeline computeTimeline(Policy policy, const ProcessSet &processes,
                         const std::string &decimalSeparator);

// FCFS for SJF and SJF for FCFS.
Policy otherPolicy(Policy policy);

} // namespace engine
