#include "engine/processset.h"
#include "engine/scheduler.h"

#include "recordingsink.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <ostream>
#include <string>
#include <vector>

using engine::ProcessSet;
using engine::WorkingValues;
using enginetest::boxes;
using enginetest::kOverflowText;
using enginetest::kWorkedExample;
using enginetest::RunOutcome;
using enginetest::RecordingSink;
using Lines = std::vector<std::string>;

namespace {

RunOutcome runFcfs(const engine::BoxTexts &texts, bool messages = true, const std::string &separator = ".")
{
    return enginetest::runSchedule(engine::runFcfs, texts, messages, separator);
}

TEST(Fcfs, WorkedExampleWritesEveryStepInOrder)
{
    const auto run = runFcfs(kWorkedExample);
    const Lines expected = {
        "AWTDetail(0): P1 = 0",
        "message: FCFS Waiting Time P1 = 0 AT Position : 0",
        "AWTDetail(1): P2 = 4",
        "message: FCFS Waiting Time P2 = 4 Total : 4",
        "AWTDetail(2): P3 = 6",
        "message: FCFS Waiting Time P3 = 6 Total : 10",
        "AWTDetail(3): P4 = 13",
        "message: FCFS Waiting Time P4 = 13 Total : 23",
        "AWTDetail(4): P5 = 18",
        "message: FCFS Waiting Time P5 = 18 Total : 41",
        "HasilAWT: 41/5 = 8.2 satuan waktu",
        "TurnAround(0): P1 = 5",
        "TurnAround(1): P2 = 7",
        "TurnAround(2): P3 = 14",
        "TurnAround(3): P4 = 19",
        "TurnAround(4): P5 = 20",
        "HasilATT: 65/5 = 13 satuan waktu",
        "Timer1",
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.sink.asksRightBeforeMessages(), 5);
    EXPECT_EQ(run.values.buffer, 65);
    EXPECT_EQ(run.values.stepValue, 20);
}

TEST(Fcfs, WithoutMessagesTheSameTextsAreWritten)
{
    const auto withMessages = runFcfs(kWorkedExample, true);
    const auto without = runFcfs(kWorkedExample, false);
    EXPECT_TRUE(without.sink.starting("message").empty());
    EXPECT_EQ(without.sink.asksRightBeforeMessages(), 5);   // still asked at every step

    EXPECT_EQ(without.sink.calls(), withMessages.sink.writes());
}

TEST(Fcfs, AverageUsesTheCallersSeparator)
{
    const auto run = runFcfs(kWorkedExample, false, ",");
    EXPECT_EQ(run.sink.starting("HasilAWT"), Lines{"HasilAWT: 41/5 = 8,2 satuan waktu"});
    EXPECT_EQ(run.sink.starting("HasilATT"), Lines{"HasilATT: 65/5 = 13 satuan waktu"});
}

// Rows of inputs with the captions and result boxes they must give.
struct FcfsCase {
    const char *name;
    engine::BoxTexts texts;
    Lines waiting;      // AWTDetail captions in order
    Lines turnaround;   // TurnAround captions in order
    std::string awt;
    std::string att;
    Lines messages;     // empty: not checked
};

void PrintTo(const FcfsCase &c, std::ostream *os)
{
    *os << c.name;
}

class FcfsResults : public ::testing::TestWithParam<FcfsCase> {};

TEST_P(FcfsResults, CaptionsAndTotals)
{
    const FcfsCase &c = GetParam();
    const auto run = runFcfs(c.texts);
    EXPECT_EQ(run.sink.tails("AWTDetail"), c.waiting);
    EXPECT_EQ(run.sink.tails("TurnAround"), c.turnaround);
    EXPECT_EQ(run.sink.tails("HasilAWT"), Lines{c.awt});
    EXPECT_EQ(run.sink.tails("HasilATT"), Lines{c.att});
    EXPECT_EQ(run.sink.calls().back(), "Timer1");
    if (!c.messages.empty()) {
        EXPECT_EQ(run.sink.tails("message"), c.messages);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, FcfsResults, ::testing::Values(
    FcfsCase{"LateLastProcess",
             boxes({"0", "1", "2", "3", "25"}, {"5", "3", "8", "6", "2"}),
             {"P1 = 0", "P2 = 4", "P3 = 6", "P4 = 13", "P5 = 0"},
             {"P1 = 5", "P2 = 7", "P3 = 14", "P4 = 19", "P5 = -1"},
             "23/5 = 4.6 satuan waktu", "44/5 = 8.8 satuan waktu",
             {"FCFS Waiting Time P1 = 0 AT Position : 0", "FCFS Waiting Time P2 = 4 Total : 4",
              "FCFS Waiting Time P3 = 6 Total : 10", "FCFS Waiting Time P4 = 13 Total : 23",
              "FCFS Waiting Time P5 = 0 Total : 23"}},
    FcfsCase{"SecondStartsExactlyOnArrival",
             boxes({"0", "5", "5", "5", "5"}, {"5", "1", "1", "1", "1"}),
             {"P1 = 0", "P2 = 0", "P3 = 1", "P4 = 2", "P5 = 3"},
             {"P1 = 5", "P2 = 1", "P3 = 2", "P4 = 3", "P5 = 4"},
             "6/5 = 1.2 satuan waktu", "15/5 = 3 satuan waktu", {}},
    FcfsCase{"SecondArrivesAfterTheProcessorIsFree",
             boxes({"0", "7", "0", "0", "0"}, {"5", "3", "1", "1", "1"}),
             // P2 waits 5 - 7 = -2, shown as 0; the later starts are not moved.
             {"P1 = 0", "P2 = 0", "P3 = 8", "P4 = 9", "P5 = 10"},
             {"P1 = 5", "P2 = 1", "P3 = 9", "P4 = 10", "P5 = 11"},
             "27/5 = 5.4 satuan waktu", "36/5 = 7.2 satuan waktu", {}},
    FcfsCase{"AllBoxesEmpty",
             boxes({"", "", "", "", ""}, {"", "", "", "", ""}),
             {"P1 = 0", "P2 = 0", "P3 = 0", "P4 = 0", "P5 = 0"},
             {"P1 = 0", "P2 = 0", "P3 = 0", "P4 = 0", "P5 = 0"},
             "0/5 = 0 satuan waktu", "0/5 = 0 satuan waktu",
             {"FCFS Waiting Time P1 = 0 AT Position : 0", "FCFS Waiting Time P2 = 0 Total : 0",
              "FCFS Waiting Time P3 = 0 Total : 0", "FCFS Waiting Time P4 = 0 Total : 0",
              "FCFS Waiting Time P5 = 0 Total : 0"}},
    FcfsCase{"HalfUnitsRoundToEven",
             // P5's burst is single precision: 0.5 stays exact.
             boxes({"0", "0", "0", "0", "0"}, {"0.5", "2", "1", "0", "0.5"}),
             // starts 0, 0.5, 2.5, 3.5, 3.5 -> 0, 0, 2, 4, 4
             {"P1 = 0", "P2 = 0", "P3 = 2", "P4 = 4", "P5 = 4"},
             // finishes 0.5, 2.5, 3.5, 3.5, 4 -> 0, 2, 4, 4, 4
             {"P1 = 0", "P2 = 2", "P3 = 4", "P4 = 4", "P5 = 4"},
             "10/5 = 2 satuan waktu", "14/5 = 2.8 satuan waktu", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FcfsRefusal, FirstProcessArrivingLateIsRefusedWithoutWriting)
{
    WorkingValues values{0, 7};
    RecordingSink sink;
    engine::runFcfs(ProcessSet::read(boxes({"5", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"})),
                    values, sink, ".");
    EXPECT_EQ(sink.all(),
              Lines{"refuse: FCFS Prosess Terminated | Schedule tidak dapat diproses karena "
                    "proses pertama di mulai dari ( 5 ) !"});
    EXPECT_EQ(values.stepValue, 0);
    EXPECT_EQ(values.buffer, 0);
}

TEST(FcfsOverflow, StopsAtTheFailingProcessAndKeepsWhatWasWritten)
{
    // Four bursts of 9999: P5 would wait 39996, which does not fit 16 bits. Buffer itself has
    // gone past 16 bits already (59994) without harm.
    const auto run = runFcfs(boxes({"0", "0", "0", "0", "0"}, {"9999", "9999", "9999", "9999", "1"}));
    const Lines expected = {
        "AWTDetail(0): P1 = 0",
        "message: FCFS Waiting Time P1 = 0 AT Position : 0",
        "AWTDetail(1): P2 = 9999",
        "message: FCFS Waiting Time P2 = 9999 Total : 9999",
        "AWTDetail(2): P3 = 19998",
        "message: FCFS Waiting Time P3 = 19998 Total : 29997",
        "AWTDetail(3): P4 = 29997",
        "message: FCFS Waiting Time P4 = 29997 Total : 59994",
        kOverflowText,
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.values.buffer, 59994);
    EXPECT_EQ(run.values.stepValue, 0);
}

TEST(FcfsOverflow, InTheTurnaroundPhaseTheWaitingResultStays)
{
    // Waiting times fit (0, 9999, 19998, 19998, 29997), P5's turnaround 49995 - 9999 does not.
    const auto run = runFcfs(boxes({"0", "0", "0", "9999", "9999"},
                                   {"9999", "9999", "9999", "9999", "9999"}), false);
    const Lines expected = {
        "AWTDetail(0): P1 = 0", "AWTDetail(1): P2 = 9999", "AWTDetail(2): P3 = 19998",
        "AWTDetail(3): P4 = 19998", "AWTDetail(4): P5 = 29997",
        "HasilAWT: 79992/5 = 15998.4 satuan waktu",
        "TurnAround(0): P1 = 9999", "TurnAround(1): P2 = 19998", "TurnAround(2): P3 = 29997",
        "TurnAround(3): P4 = 29997",
        kOverflowText,
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.values.buffer, 89991);
    EXPECT_EQ(run.values.stepValue, 29997);
}

// A window whose message box fails in some other way: the run still ends in one report.
class FailingSink : public RecordingSink {
public:
    void showStepMessage(const std::string &) override { throw std::runtime_error("gone"); }
};

TEST(FcfsOverflow, AnyOtherFailureIsReportedNotThrown)
{
    FailingSink sink;
    WorkingValues values;
    EXPECT_NO_THROW(engine::runFcfs(ProcessSet::read(kWorkedExample), values, sink, "."));
    EXPECT_EQ(sink.calls(),
              (Lines{"AWTDetail(0): P1 = 0",
                     "fatal: Program error !!. Error Number : 51\r\nDekripsi Error : Internal error"}));
}

} // namespace
