#include "engine/timeline.h"

#include "engine/numeric.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"

#include <algorithm>

namespace engine {

namespace {

// Keeps what a run puts on the processor and its two results; everything else a run does to
// the window (captions, messages, the refusal, the failure message, the blink) is dropped,
// so a run through it changes nothing the user sees.
class TimelineRecorder : public ScheduleSink {
public:
    const Timeline &timeline() const { return m_timeline; }

    void setWaitingCaption(int, const std::string &) override {}
    void setTurnaroundCaption(int, const std::string &) override {}
    void setWaitingResult(const std::string &text) override { m_timeline.waitingResult = text; }
    void setTurnaroundResult(const std::string &text) override
    {
        m_timeline.turnaroundResult = text;
    }
    bool stepMessagesWanted() override { return false; }
    void showStepMessage(const std::string &) override {}
    void refuseSchedule(const std::string &, const std::string &) override {}
    void showFatalError(int, const std::string &description) override { m_timeline.stoppedBy = description; }
    void enableBlinkTimer() override {}
    void processScheduled(int index, double start, double finish) override
    {
        m_timeline.bars.push_back(TimelineBar{index, start, finish});
    }

private:
    Timeline m_timeline;
};

} // namespace

double Timeline::end() const
{
    double last = 0;
    for (const TimelineBar &bar : bars)
        last = std::max(last, bar.finish);
    return last;
}

std::string describeTimeline(const Timeline &timeline)
{
    // Both policies run the processes back to back, so the order of scheduling is the order
    // in time.
    std::string text;
    for (const TimelineBar &bar : timeline.bars) {
        if (!text.empty())
            text += ", ";
        text += 'P';
        text += std::to_string(bar.index + 1);
        text += ' ';
        text += numeric::format(bar.start);
        text += '-';
        text += numeric::format(bar.finish);
    }
    return text;
}

Timeline computeTimeline(Policy policy, const ProcessSet &processes,
                         const std::string &decimalSeparator)
{
    TimelineRecorder recorder;
    WorkingValues values;
    const ScheduleRun run = policy == Policy::Fcfs ? runFcfs : runSjf;
    run(processes, values, recorder, decimalSeparator);
    return recorder.timeline();
}

Policy otherPolicy(Policy policy)
{
    return policy == Policy::Fcfs ? Policy::Sjf : Policy::Fcfs;
}

} // namespace engine
