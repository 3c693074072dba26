#pragma once

#include "engine/processset.h"
#include "engine/timeline.h"

#include <QColor>

#include <optional>
#include <string>

namespace gantt {

// What a run started from: the processes as the boxes gave them, the policy it followed and
// the decimal separator its result texts use.
struct RunInputs {
    engine::ProcessSet processes;
    engine::Policy policy = engine::Policy::Fcfs;
    std::string decimalSeparator = ".";
};

// What the Gantt chart window reads from the window that runs the schedules. That window
// hands itself in when it creates the chart window, and calls frmGantt::timelineChanged
// whenever what it answers here has changed.
class TimelineSource {
public:
    virtual ~TimelineSource() = default;

    // What the last run has put on the processor so far, with its result texts once written.
    // Empty before the first run, after Reset and after a refused run.
    virtual const engine::Timeline &lastTimeline() const = 0;

    // The inputs and policy of the last run; none before the first run, after Reset and after
    // a refused run.
    virtual std::optional<RunInputs> lastRunInputs() const = 0;

    // The background colour the program's windows share.
    virtual QColor backColor() const = 0;
};

} // namespace gantt
