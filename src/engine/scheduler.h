#pragma once

#include "engine/processset.h"

#include <cstdint>
#include <string>

namespace engine {

class ScheduleSink;

// The main window's two working values: the running total or clock, and the value just
// computed for one process.
struct WorkingValues {
    double buffer = 0;
    std::int16_t stepValue = 0;
};

// Both runs are pure functions of the process set: every write, message and the enabling of
// the blink timer goes to the sink, in order. The working values are left as the run leaves
// them (also when it stops on a failure). Neither throws: a failure ends in
// sink.showFatalError.
void runFcfs(const ProcessSet &processes, WorkingValues &values, ScheduleSink &sink,
             const std::string &decimalSeparator);
void runSjf(const ProcessSet &processes, WorkingValues &values, ScheduleSink &sink,
            const std::string &decimalSeparator);

// Either run, for code that does the same around both.
using ScheduleRun = void (*)(const ProcessSet &processes, WorkingValues &values, ScheduleSink &sink,
                             const std::string &decimalSeparator);

} // namespace engine
