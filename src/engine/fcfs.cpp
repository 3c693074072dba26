#include "engine/numeric.h"
#include "engine/runguard.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"
#include "engine/scheduletexts.h"

#include <string>

namespace engine {

namespace {

std::string waitingMessage(int process, std::int16_t waiting, double buffer,
                           const std::string &sep)
{
    // P1 shows the position, the others the running total; the value after it is Buffer
    // either way.
    const char *middle = process == 1 ? " AT Position : " : " Total : ";
    return "FCFS Waiting Time P" + std::to_string(process) + " = " + numeric::format(waiting, sep)
        + middle + numeric::format(buffer, sep);
}

} // namespace

void runFcfs(const ProcessSet &processes, WorkingValues &values, ScheduleSink &sink,
             const std::string &decimalSeparator)
{
    const std::string &sep = decimalSeparator;
    runGuarded(sink, [&] {
        values.stepValue = 0;

        if (processes.arrival(1) > 0) {
            sink.refuseSchedule(std::string(texts::kFcfsRefusalTitle),
                                texts::refusalText(processes.arrival(1), sep));
            return;
        }

        // Processes run in index order, back to back from time 0, whatever their arrival.
        double start = 0;
        for (int i = 1; i <= 5; ++i) {
            std::int16_t waiting = 0;
            if (i == 1) {
                waiting = processes.arrival(1) > 0 ? numeric::toInt16(processes.arrival(1)) : 0;
            } else {
                waiting = numeric::toInt16(start - processes.arrival(i));
                if (waiting < 0)
                    waiting = 0;   // arrived after the processor became free
            }
            sink.processScheduled(i - 1, start, start + processes.burst(i));
            values.stepValue = waiting;
            sink.setWaitingCaption(i - 1, texts::detailCaption(i - 1, waiting, sep));
            values.buffer += waiting;
            if (sink.stepMessagesWanted())
                sink.showStepMessage(waitingMessage(i, waiting, values.buffer, sep));
            values.stepValue = 0;
            start += processes.burst(i);
        }
        sink.setWaitingResult(texts::resultText(values.buffer, sep));

        values.buffer = 0;
        values.stepValue = 0;

        double finish = 0;
        for (int i = 1; i <= 5; ++i) {
            finish += processes.burst(i);
            // Not clamped: a process arriving after its own finish gets a negative value.
            const std::int16_t turnaround = numeric::toInt16(finish - processes.arrival(i));
            values.stepValue = turnaround;
            values.buffer += turnaround;
            sink.setTurnaroundCaption(i - 1, texts::detailCaption(i - 1, turnaround, sep));
        }
        sink.setTurnaroundResult(texts::resultText(values.buffer, sep));

        sink.enableBlinkTimer();
    });
}

} // namespace engine
