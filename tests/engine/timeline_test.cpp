// What each run puts on the processor, as the Gantt chart draws it: the bars the sink hears
// about and when, the timeline the engine computes for either policy, and its text form.
#include "engine/processset.h"
#include "engine/scheduler.h"
#include "engine/timeline.h"

#include "recordingsink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using engine::Policy;
using engine::ProcessSet;
using engine::Timeline;
using enginetest::boxes;
using enginetest::kOverflowText;
using enginetest::kWorkedExample;
using enginetest::runSchedule;
using Lines = std::vector<std::string>;

namespace {

Timeline timelineOf(Policy policy, const engine::BoxTexts &texts)
{
    return engine::computeTimeline(policy, ProcessSet::read(texts), ".");
}

// The run's calls from the first bar on, without the questions for the message switch.
Lines barsAndMessages(const enginetest::RecordingSink &sink)
{
    Lines result;
    for (const auto &line : sink.all()) {
        if (line.rfind("bar: ", 0) == 0 || line.rfind("message: ", 0) == 0)
            result.push_back(line);
    }
    return result;
}

TEST(TimelineBars, FcfsRunsInIndexOrderBackToBackEachBarBeforeItsMessage)
{
    const auto run = runSchedule(engine::runFcfs, kWorkedExample, true, ".");
    EXPECT_EQ(barsAndMessages(run.sink),
              (Lines{"bar: P1 0-5", "message: FCFS Waiting Time P1 = 0 AT Position : 0",
                     "bar: P2 5-8", "message: FCFS Waiting Time P2 = 4 Total : 4",
                     "bar: P3 8-16", "message: FCFS Waiting Time P3 = 6 Total : 10",
                     "bar: P4 16-22", "message: FCFS Waiting Time P4 = 13 Total : 23",
                     "bar: P5 22-24", "message: FCFS Waiting Time P5 = 18 Total : 41"}));
}

TEST(TimelineBars, SjfFinishesAreTheStepMessagesPositionsAndTheSecondPhaseAddsNone)
{
    const auto run = runSchedule(engine::runSjf, kWorkedExample, true, ".");
    const Lines lines = barsAndMessages(run.sink);
    ASSERT_EQ(lines.size(), 15u);
    const Lines waitingPhase(lines.begin(), lines.begin() + 10);
    EXPECT_EQ(waitingPhase,
              (Lines{"bar: P1 0-5",
                     "message: SJF Non Preeemptive Wating Time P1 = 0, AT Position: 5, Total : 0",
                     "bar: P5 5-7",
                     "message: SJF Non Preeemptive Wating Time P5 = 1, AT Position : 7, Total : 1",
                     "bar: P2 7-10",
                     "message: SJF Non Preeemptive Wating Time P2 = 6, AT Position : 10, Total : 7",
                     "bar: P4 10-16",
                     "message: SJF Non Preeemptive Wating Time P4 = 7, AT Position : 16, Total : 14",
                     "bar: P3 16-24",
                     "message: SJF Non Preeemptive Wating Time P3 = 14, AT Postion : 24, Total : 28"}));
    for (auto it = lines.begin() + 10; it != lines.end(); ++it)
        EXPECT_EQ(it->rfind("message: SJF Non Preemptive Turnaround", 0), 0u) << *it;
}

TEST(TimelineBars, OverflowKeepsTheBarsScheduledBeforeIt)
{
    // FCFS fails on P5's waiting time, SJF on its running total at P4 (after P4's caption).
    const auto texts = boxes({"0", "0", "0", "0", "0"}, {"9999", "9999", "9999", "9999", "9999"});
    const auto fcfs = runSchedule(engine::runFcfs, texts, false, ".");
    EXPECT_EQ(fcfs.sink.starting("bar"),
              (Lines{"bar: P1 0-9999", "bar: P2 9999-19998", "bar: P3 19998-29997",
                     "bar: P4 29997-39996"}));
    EXPECT_EQ(fcfs.sink.all().back(), kOverflowText);

    const auto sjf = runSchedule(engine::runSjf, texts, false, ".");
    EXPECT_EQ(sjf.sink.starting("bar"),
              (Lines{"bar: P1 0-9999", "bar: P2 9999-19998", "bar: P3 19998-29997",
                     "bar: P4 29997-39996"}));
    EXPECT_EQ(sjf.sink.all().back(), kOverflowText);
}

TEST(ComputedTimeline, WorkedExampleUnderBothPoliciesWithTheirResults)
{
    const Timeline fcfs = timelineOf(Policy::Fcfs, kWorkedExample);
    EXPECT_EQ(engine::describeTimeline(fcfs), "P1 0-5, P2 5-8, P3 8-16, P4 16-22, P5 22-24");
    EXPECT_EQ(fcfs.waitingResult, "41/5 = 8.2 satuan waktu");
    EXPECT_EQ(fcfs.turnaroundResult, "65/5 = 13 satuan waktu");
    EXPECT_EQ(fcfs.end(), 24);

    const Timeline sjf = timelineOf(Policy::Sjf, kWorkedExample);
    EXPECT_EQ(engine::describeTimeline(sjf), "P1 0-5, P5 5-7, P2 7-10, P4 10-16, P3 16-24");
    EXPECT_EQ(sjf.waitingResult, "28/5 = 5.6 satuan waktu");
    EXPECT_EQ(sjf.turnaroundResult, "52/5 = 10.4 satuan waktu");
    EXPECT_EQ(engine::otherPolicy(Policy::Fcfs), Policy::Sjf);
    EXPECT_EQ(engine::otherPolicy(Policy::Sjf), Policy::Fcfs);
}

TEST(ComputedTimeline, TiesGoToTheLowerIndexAndLateArrivalsDoNotMoveTheBars)
{
    EXPECT_EQ(engine::describeTimeline(timelineOf(
                  Policy::Sjf, boxes({"0", "0", "0", "0", "0"}, {"1", "6", "2", "6", "2"}))),
              "P1 0-1, P3 1-3, P5 3-5, P2 5-11, P4 11-17");
    // P5 arrives at 20 and is still run second: the model picks by burst alone.
    EXPECT_EQ(engine::describeTimeline(timelineOf(
                  Policy::Sjf, boxes({"0", "1", "2", "3", "20"}, {"5", "3", "8", "6", "2"}))),
              "P1 0-5, P5 5-7, P2 7-10, P4 10-16, P3 16-24");
}

TEST(ComputedTimeline, RefusedOrStoppedRuns)
{
    const Timeline refused = timelineOf(Policy::Sjf, boxes({"4", "1", "2", "3", "4"}, {"5", "3", "8", "6", "2"}));
    EXPECT_TRUE(refused.bars.empty());
    EXPECT_EQ(engine::describeTimeline(refused), "");
    EXPECT_EQ(refused.end(), 0);

    // Stopped in the turnaround phase: every bar, the waiting result, no turnaround result.
    const Timeline stopped = timelineOf(Policy::Fcfs, boxes({"0", "0", "0", "9999", "9999"},
                                                            {"9999", "9999", "9999", "9999", "9999"}));
    EXPECT_EQ(stopped.bars.size(), 5u);
    EXPECT_EQ(stopped.waitingResult, "79992/5 = 15998.4 satuan waktu");
    EXPECT_EQ(stopped.turnaroundResult, "");
}

} // namespace
