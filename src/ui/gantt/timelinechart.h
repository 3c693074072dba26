#pragma once

#include "ui/gantt/chartdata.h"

#include <QString>

namespace engine {
class ProcessSet;
struct Timeline;
} // namespace engine

namespace gantt {

// The chart of a main-window run: its bars as Run pieces of the processor row, one lane per
// process P1..P5 with its arrival, the wait from its arrival to its start and its run, and the
// bars in time order as the description ("P1 0-5, P2 5-8").
ChartData chartFromTimeline(const QString &title, const engine::Timeline &timeline,
                            const engine::ProcessSet &processes);

} // namespace gantt
