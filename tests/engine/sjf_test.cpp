#include "engine/processset.h"
#include "engine/scheduler.h"

#include "recordingsink.h"

#include <gtest/gtest.h>

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

RunOutcome runSjf(const engine::BoxTexts &texts, bool messages = true, const std::string &separator = ".")
{
    return enginetest::runSchedule(engine::runSjf, texts, messages, separator);
}

TEST(Sjf, WorkedExampleWritesEveryStepInOrder)
{
    const auto run = runSjf(kWorkedExample);
    const Lines expected = {
        "AWTDetail(0): P1 = 0",
        "message: SJF Non Preeemptive Wating Time P1 = 0, AT Position: 5, Total : 0",
        "AWTDetail(4): P5 = 1",
        "message: SJF Non Preeemptive Wating Time P5 = 1, AT Position : 7, Total : 1",
        "AWTDetail(1): P2 = 6",
        "message: SJF Non Preeemptive Wating Time P2 = 6, AT Position : 10, Total : 7",
        "AWTDetail(3): P4 = 7",
        "message: SJF Non Preeemptive Wating Time P4 = 7, AT Position : 16, Total : 14",
        "AWTDetail(2): P3 = 14",
        "message: SJF Non Preeemptive Wating Time P3 = 14, AT Postion : 24, Total : 28",
        "HasilAWT: 28/5 = 5.6 satuan waktu",
        "Timer1",
        "TurnAround(0): P1 = 5",
        "message: SJF Non Preemptive Turnaround P1 = 5",
        "TurnAround(4): P5 = 3",
        "message: SJF Non Preemptive Turnaround P5 = 3",
        "TurnAround(1): P2 = 9",
        "message: SJF Non Preemptive Turnaround P2 = 9",
        "TurnAround(3): P4 = 13",
        "message: SJF Non Preemptive Turnaround P4 = 13",
        "TurnAround(2): P3 = 22",
        "message: SJF Non Preemptive Turnaround P3 = 22",
        "HasilATT: 52/5 = 10.4 satuan waktu",
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.sink.asksRightBeforeMessages(), 10);
    // Buffer is the clock at the end; P5's value is the 16-bit value just computed.
    EXPECT_EQ(run.values.buffer, 24);
    EXPECT_EQ(run.values.stepValue, 3);
}

TEST(Sjf, WithoutMessagesTheSameTextsAreWritten)
{
    const auto withMessages = runSjf(kWorkedExample, true, ",");
    const auto without = runSjf(kWorkedExample, false, ",");
    EXPECT_TRUE(without.sink.starting("message").empty());
    EXPECT_EQ(without.sink.asksRightBeforeMessages(), 10);
    EXPECT_EQ(without.sink.calls(), withMessages.sink.writes());
    EXPECT_EQ(without.sink.tails("HasilAWT"), Lines{"28/5 = 5,6 satuan waktu"});
    EXPECT_EQ(without.sink.tails("HasilATT"), Lines{"52/5 = 10,4 satuan waktu"});
}

TEST(Sjf, ShortProcessArrivingLateGetsNegativeTimes)
{
    const auto run = runSjf(boxes({"0", "1", "2", "3", "20"}, {"5", "3", "8", "6", "2"}));
    EXPECT_EQ(run.sink.tails("AWTDetail"),
              (Lines{"P1 = 0", "P5 = -15", "P2 = 6", "P4 = 7", "P3 = 14"}));
    EXPECT_EQ(run.sink.tails("TurnAround"),
              (Lines{"P1 = 5", "P5 = -13", "P2 = 9", "P4 = 13", "P3 = 22"}));
    EXPECT_EQ(run.sink.tails("HasilAWT"), Lines{"12/5 = 2.4 satuan waktu"});
    EXPECT_EQ(run.sink.tails("HasilATT"), Lines{"36/5 = 7.2 satuan waktu"});
    EXPECT_EQ(run.sink.starting("message")[1],
              "message: SJF Non Preeemptive Wating Time P5 = -15, AT Position : 7, Total : -15");
}

// Rows of burst times for P2..P5 (P1 burst and all arrivals fixed) with the order and the
// captions they must give.
struct OrderCase {
    const char *name;
    engine::BoxTexts texts;
    Lines waiting;
    Lines turnaround;
    std::string awt;
    std::string att;
};

void PrintTo(const OrderCase &c, std::ostream *os)
{
    *os << c.name;
}

class SjfOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(SjfOrder, EveryProcessOncePerPhaseShortestFirst)
{
    const OrderCase &c = GetParam();
    const auto run = runSjf(c.texts, false);
    EXPECT_EQ(run.sink.tails("AWTDetail"), c.waiting);
    EXPECT_EQ(run.sink.tails("TurnAround"), c.turnaround);
    EXPECT_EQ(run.sink.tails("HasilAWT"), Lines{c.awt});
    EXPECT_EQ(run.sink.tails("HasilATT"), Lines{c.att});
    // Each label written exactly once, and the timer between the phases.
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(run.sink.starting("AWTDetail(" + std::to_string(i) + ")").size(), 1u) << i;
        EXPECT_EQ(run.sink.starting("TurnAround(" + std::to_string(i) + ")").size(), 1u) << i;
    }
    const Lines calls = run.sink.calls();
    ASSERT_EQ(calls.size(), 13u);
    EXPECT_EQ(calls[5], "HasilAWT: " + c.awt);
    EXPECT_EQ(calls[6], "Timer1");
}

INSTANTIATE_TEST_SUITE_P(Bursts, SjfOrder, ::testing::Values(
    OrderCase{"Descending",
              boxes({"0", "0", "0", "0", "0"}, {"5", "9", "7", "5", "3"}),
              {"P1 = 0", "P5 = 5", "P4 = 8", "P3 = 13", "P2 = 20"},
              {"P1 = 5", "P5 = 8", "P4 = 13", "P3 = 20", "P2 = 29"},
              "46/5 = 9.2 satuan waktu", "75/5 = 15 satuan waktu"},
    OrderCase{"AllEqual",
              boxes({"0", "0", "0", "0", "0"}, {"4", "4", "4", "4", "4"}),
              {"P1 = 0", "P2 = 4", "P3 = 8", "P4 = 12", "P5 = 16"},
              {"P1 = 4", "P2 = 8", "P3 = 12", "P4 = 16", "P5 = 20"},
              "40/5 = 8 satuan waktu", "60/5 = 12 satuan waktu"},
    OrderCase{"TwoEqualPairs",
              boxes({"0", "0", "0", "0", "0"}, {"1", "6", "2", "6", "2"}),
              {"P1 = 0", "P3 = 1", "P5 = 3", "P2 = 5", "P4 = 11"},
              {"P1 = 1", "P3 = 3", "P5 = 5", "P2 = 11", "P4 = 17"},
              "20/5 = 4 satuan waktu", "37/5 = 7.4 satuan waktu"},
    OrderCase{"TieBehindADistinctShortest",
              boxes({"0", "1", "1", "1", "1"}, {"2", "5", "5", "5", "1"}),
              // clock 2 -> P5 (3) -> P2 (8) -> P3 (13) -> P4 (18)
              {"P1 = 0", "P5 = 1", "P2 = 2", "P3 = 7", "P4 = 12"},
              {"P1 = 2", "P5 = 2", "P2 = 7", "P3 = 12", "P4 = 17"},
              "22/5 = 4.4 satuan waktu", "40/5 = 8 satuan waktu"},
    OrderCase{"AllEmpty",
              boxes({"", "", "", "", ""}, {"", "", "", "", ""}),
              {"P1 = 0", "P2 = 0", "P3 = 0", "P4 = 0", "P5 = 0"},
              {"P1 = 0", "P2 = 0", "P3 = 0", "P4 = 0", "P5 = 0"},
              "0/5 = 0 satuan waktu", "0/5 = 0 satuan waktu"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SjfRefusal, FirstProcessArrivingLateIsRefusedWithoutWriting)
{
    WorkingValues values{3, 7};
    RecordingSink sink;
    engine::runSjf(ProcessSet::read(boxes({"3", "0", "0", "0", "0"}, {"1", "1", "1", "1", "1"})),
                   values, sink, ".");
    EXPECT_EQ(sink.all(), Lines{"refuse: SJF Non Preemptive Prosess Terminated | Schedule tidak "
                                "dapat diproses karena proses pertama di mulai dari ( 3 ) !"});
    EXPECT_EQ(values.buffer, 3);
    EXPECT_EQ(values.stepValue, 7);
}

TEST(SjfOverflow, RunningTotalLeavingSixteenBitsStopsTheRun)
{
    // Waiting times 9999, 19998, 29997: the total passes 32767 at P4.
    const auto run = runSjf(boxes({"0", "0", "0", "0", "0"}, {"9999", "9999", "9999", "9999", "9999"}));
    const Lines expected = {
        "AWTDetail(0): P1 = 0",
        "message: SJF Non Preeemptive Wating Time P1 = 0, AT Position: 9999, Total : 0",
        "AWTDetail(1): P2 = 9999",
        "message: SJF Non Preeemptive Wating Time P2 = 9999, AT Position : 19998, Total : 9999",
        "AWTDetail(2): P3 = 19998",
        "message: SJF Non Preeemptive Wating Time P3 = 19998, AT Postion : 29997, Total : 29997",
        "AWTDetail(3): P4 = 29997",
        kOverflowText,
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.values.buffer, 39996);
    EXPECT_EQ(run.values.stepValue, 0);
}

TEST(SjfOverflow, LastProcessValueLeavingSixteenBitsStopsBeforeItsCaption)
{
    // Totals stay small thanks to the late arrivals of P2..P4; P5 (tied, so last) arrives at
    // 0 and would wait 39996.
    const auto run = runSjf(boxes({"0", "9999", "9999", "9999", "0"},
                                  {"9999", "9999", "9999", "9999", "9999"}), false);
    const Lines expected = {
        "AWTDetail(0): P1 = 0", "AWTDetail(1): P2 = 0", "AWTDetail(2): P3 = 9999",
        "AWTDetail(3): P4 = 19998", kOverflowText,
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.values.buffer, 39996);
}

TEST(SjfOverflow, InTheTurnaroundPhaseTheWaitingResultAndTimerStay)
{
    // Waiting total 14008 fits; turnaround total 1 - 998 + 8002 + 17002 + 26002 does not.
    const auto run = runSjf(boxes({"0", "9999", "9999", "9999", "9999"},
                                  {"1", "9000", "9001", "9002", "9003"}), false);
    // clock 1 -> 9001 -> 18002 -> 27004 -> 36007
    const Lines expected = {
        "AWTDetail(0): P1 = 0", "AWTDetail(1): P2 = -9998", "AWTDetail(2): P3 = -998",
        "AWTDetail(3): P4 = 8003", "AWTDetail(4): P5 = 17005",
        "HasilAWT: 14012/5 = 2802.4 satuan waktu", "Timer1",
        "TurnAround(0): P1 = 1", "TurnAround(1): P2 = -998", "TurnAround(2): P3 = 8003",
        "TurnAround(3): P4 = 17005", "TurnAround(4): P5 = 26008", kOverflowText,
    };
    EXPECT_EQ(run.sink.calls(), expected);
    EXPECT_EQ(run.values.buffer, 36007);
    EXPECT_EQ(run.values.stepValue, 26008);
}

} // namespace
