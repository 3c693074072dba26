// The worked examples of the usual operating-systems textbooks, solved by the laboratory's
// engine and checked against the numbers written out by hand: per process, totals, averages
// and the time line. Every expected number below was worked out on paper from the rules.
#include "lab/schedule.h"
#include "labtest.h"
#include "reference_scheduler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lab::Policy;
using lab::Time;
using labtest::settingsOf;
using labtest::workloadOf;

struct Expected {
    std::vector<Time> completion;
    std::vector<Time> waiting;
    std::vector<Time> turnaround;
    std::vector<Time> response;
    std::string averageWaiting;
    std::string averageTurnaround;
    std::string timeline;
};

// Checks the engine (and, as a second opinion, the reference scheduler) against the numbers.
void expectSchedule(const lab::Workload &workload, const lab::Settings &settings, const Expected &e)
{
    const lab::Schedule schedule = lab::solve(workload, settings);
    ASSERT_EQ(schedule.count(), workload.size());
    std::vector<Time> completion, waiting, turnaround, response;
    for (const lab::ProcessResult &r : schedule.processes) {
        completion.push_back(r.completion);
        waiting.push_back(r.waiting);
        turnaround.push_back(r.turnaround);
        response.push_back(r.response);
    }
    EXPECT_EQ(completion, e.completion);
    EXPECT_EQ(waiting, e.waiting);
    EXPECT_EQ(turnaround, e.turnaround);
    if (!e.response.empty()) {
        EXPECT_EQ(response, e.response);
    }
    EXPECT_EQ(lab::averageText(schedule.totals.waiting, schedule.count()), e.averageWaiting);
    EXPECT_EQ(lab::averageText(schedule.totals.turnaround, schedule.count()), e.averageTurnaround);
    EXPECT_EQ(lab::describeSegments(workload, schedule), e.timeline);

    const labtest::ReferenceRun reference = labtest::referenceSolve(workload, settings);
    std::vector<Time> referenceCompletion;
    for (const lab::ProcessResult &r : reference.processes)
        referenceCompletion.push_back(r.completion);
    EXPECT_EQ(referenceCompletion, e.completion) << "reference scheduler";
}

// Silberschatz: P1 24, P2 3, P3 3, all at 0.
const lab::Workload kConvoy = workloadOf({{"P1", 0, 24}, {"P2", 0, 3}, {"P3", 0, 3}});

TEST(TextbookFcfs, ConvoyOfOneLongProcess)
{
    expectSchedule(kConvoy, settingsOf(Policy::Fcfs),
                   {{24, 27, 30}, {0, 24, 27}, {24, 27, 30}, {0, 24, 27},
                    "51/3 = 17", "81/3 = 27", "P1 0-24, P2 24-27, P3 27-30"});
}

TEST(TextbookFcfs, ShortProcessesFirstInTheList)
{
    const lab::Workload workload = workloadOf({{"P2", 0, 3}, {"P3", 0, 3}, {"P1", 0, 24}});
    expectSchedule(workload, settingsOf(Policy::Fcfs),
                   {{3, 6, 30}, {0, 3, 6}, {3, 6, 30}, {0, 3, 6},
                    "9/3 = 3", "39/3 = 13", "P2 0-3, P3 3-6, P1 6-30"});
}

// Silberschatz: P1 6, P2 8, P3 7, P4 3, all at 0.
TEST(TextbookSjf, FourProcessesAtZero)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 6}, {"P2", 0, 8}, {"P3", 0, 7}, {"P4", 0, 3}});
    expectSchedule(workload, settingsOf(Policy::Sjf),
                   {{9, 24, 16, 3}, {3, 16, 9, 0}, {9, 24, 16, 3}, {3, 16, 9, 0},
                    "28/4 = 7", "52/4 = 13", "P4 0-3, P1 3-9, P3 9-16, P2 16-24"});
}

// Silberschatz: arrivals 0, 1, 2, 3 and bursts 8, 4, 9, 5.
TEST(TextbookSrtf, FourStaggeredArrivals)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 8}, {"P2", 1, 4}, {"P3", 2, 9}, {"P4", 3, 5}});
    expectSchedule(workload, settingsOf(Policy::Srtf),
                   {{17, 5, 26, 10}, {9, 0, 15, 2}, {17, 4, 24, 7}, {0, 0, 15, 2},
                    "26/4 = 6.5", "52/4 = 13", "P1 0-1, P2 1-5, P4 5-10, P1 10-17, P3 17-26"});
}

TEST(TextbookRoundRobin, QuantumFourOnTheConvoy)
{
    expectSchedule(kConvoy, settingsOf(Policy::RoundRobin, 4),
                   {{30, 7, 10}, {6, 4, 7}, {30, 7, 10}, {0, 4, 7},
                    "17/3 = 5.67", "47/3 = 15.67", "P1 0-4, P2 4-7, P3 7-10, P1 10-30"});
}

// Silberschatz: bursts 10, 1, 2, 1, 5 and priorities 3, 1, 4, 5, 2, all at 0.
const lab::Workload kPriorityFive = workloadOf(
    {{"P1", 0, 10, 3}, {"P2", 0, 1, 1}, {"P3", 0, 2, 4}, {"P4", 0, 1, 5}, {"P5", 0, 5, 2}});

TEST(TextbookPriority, FiveProcessesAtZero)
{
    expectSchedule(kPriorityFive, settingsOf(Policy::Priority),
                   {{16, 1, 18, 19, 6}, {6, 0, 16, 18, 1}, {16, 1, 18, 19, 6}, {6, 0, 16, 18, 1},
                    "41/5 = 8.2", "60/5 = 12", "P2 0-1, P5 1-6, P1 6-16, P3 16-18, P4 18-19"});
}

TEST(TextbookPriority, LargerNumberFirst)
{
    lab::Settings settings = settingsOf(Policy::Priority);
    settings.priorityOrder = lab::PriorityOrder::HighFirst;
    expectSchedule(kPriorityFive, settings,
                   {{13, 19, 3, 1, 18}, {3, 18, 1, 0, 13}, {13, 19, 3, 1, 18}, {3, 18, 1, 0, 13},
                    "35/5 = 7", "54/5 = 10.8", "P4 0-1, P3 1-3, P1 3-13, P5 13-18, P2 18-19"});
}

// Arrivals 0..4, bursts 5, 4, 2, 1, 3, priorities 3, 2, 1, 4, 2 (smaller first). At 4 P2 and
// P5 have the same priority: P2 arrived earlier.
TEST(TextbookPriorityPreemptive, NewcomersWithBetterPriority)
{
    const lab::Workload workload = workloadOf(
        {{"P1", 0, 5, 3}, {"P2", 1, 4, 2}, {"P3", 2, 2, 1}, {"P4", 3, 1, 4}, {"P5", 4, 3, 2}});
    expectSchedule(workload, settingsOf(Policy::PriorityPreemptive),
                   {{14, 7, 4, 15, 10}, {9, 2, 0, 11, 3}, {14, 6, 2, 12, 6}, {0, 0, 0, 11, 3},
                    "25/5 = 5", "40/5 = 8",
                    "P1 0-1, P2 1-2, P3 2-4, P2 4-7, P5 7-10, P1 10-14, P4 14-15"});
}

// Stallings: A..E arriving at 0, 2, 4, 6, 8 with service times 3, 6, 4, 5, 2.
const lab::Workload kStallings = workloadOf(
    {{"A", 0, 3}, {"B", 2, 6}, {"C", 4, 4}, {"D", 6, 5}, {"E", 8, 2}});

TEST(TextbookStallings, Fcfs)
{
    expectSchedule(kStallings, settingsOf(Policy::Fcfs),
                   {{3, 9, 13, 18, 20}, {0, 1, 5, 7, 10}, {3, 7, 9, 12, 12}, {0, 1, 5, 7, 10},
                    "23/5 = 4.6", "43/5 = 8.6", "A 0-3, B 3-9, C 9-13, D 13-18, E 18-20"});
}

TEST(TextbookStallings, RoundRobinQuantumOne)
{
    expectSchedule(kStallings, settingsOf(Policy::RoundRobin, 1),
                   {{4, 18, 17, 20, 15}, {1, 10, 9, 9, 5}, {4, 16, 13, 14, 7}, {0, 0, 1, 1, 2},
                    "34/5 = 6.8", "54/5 = 10.8",
                    "A 0-2, B 2-3, A 3-4, B 4-5, C 5-6, B 6-7, D 7-8, C 8-9, B 9-10, E 10-11, "
                    "D 11-12, C 12-13, B 13-14, E 14-15, D 15-16, C 16-17, B 17-18, D 18-20"});
}

TEST(TextbookStallings, RoundRobinQuantumFour)
{
    expectSchedule(kStallings, settingsOf(Policy::RoundRobin, 4),
                   {{3, 17, 11, 20, 19}, {0, 9, 3, 9, 9}, {3, 15, 7, 14, 11}, {0, 1, 3, 5, 9},
                    "30/5 = 6", "50/5 = 10", "A 0-3, B 3-7, C 7-11, D 11-15, B 15-17, E 17-19, D 19-20"});
}

TEST(TextbookStallings, ShortestProcessNext)
{
    expectSchedule(kStallings, settingsOf(Policy::Sjf),
                   {{3, 9, 15, 20, 11}, {0, 1, 7, 9, 1}, {3, 7, 11, 14, 3}, {0, 1, 7, 9, 1},
                    "18/5 = 3.6", "38/5 = 7.6", "A 0-3, B 3-9, E 9-11, C 11-15, D 15-20"});
}

// At 10 B and D both have 5 left: B arrived earlier.
TEST(TextbookStallings, ShortestRemainingTime)
{
    expectSchedule(kStallings, settingsOf(Policy::Srtf),
                   {{3, 15, 8, 20, 10}, {0, 7, 0, 9, 0}, {3, 13, 4, 14, 2}, {0, 1, 0, 9, 0},
                    "16/5 = 3.2", "36/5 = 7.2", "A 0-3, B 3-4, C 4-8, E 8-10, B 10-15, D 15-20"});
}

// At 9: C (5 + 4) / 4, D (3 + 5) / 5, E (1 + 2) / 2: C. At 13: D 12/5, E 7/2: E.
TEST(TextbookStallings, HighestResponseRatioNext)
{
    expectSchedule(kStallings, settingsOf(Policy::Hrrn),
                   {{3, 9, 13, 20, 15}, {0, 1, 5, 9, 5}, {3, 7, 9, 14, 7}, {0, 1, 5, 9, 5},
                    "20/5 = 4", "40/5 = 8", "A 0-3, B 3-9, C 9-13, E 13-15, D 15-20"});
}

// The quantum of A runs out at 2 as B arrives: with the preempted process queued first A
// is the head and goes on; at 4 the same happens to B and C.
TEST(TextbookStallings, RoundRobinQuantumOnePreemptedFirst)
{
    lab::Settings settings = settingsOf(Policy::RoundRobin, 1);
    settings.roundRobinRule = lab::RoundRobinRule::PreemptedFirst;
    expectSchedule(kStallings, settings,
                   {{3, 18, 15, 20, 16}, {0, 10, 7, 9, 6}, {3, 16, 11, 14, 8}, {0, 1, 1, 2, 3},
                    "32/5 = 6.4", "52/5 = 10.4",
                    "A 0-3, B 3-5, C 5-6, B 6-7, C 7-8, D 8-9, B 9-10, C 10-11, E 11-12, "
                    "D 12-13, B 13-14, C 14-15, E 15-16, D 16-17, B 17-18, D 18-20"});
}

// The processor idles from 3 to 5: nothing has arrived.
TEST(TextbookIdle, GapBetweenArrivals)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 3}, {"P2", 5, 2}, {"P3", 6, 4}});
    expectSchedule(workload, settingsOf(Policy::Fcfs),
                   {{3, 7, 11}, {0, 0, 1}, {3, 2, 5}, {0, 0, 1},
                    "1/3 = 0.33", "10/3 = 3.33", "P1 0-3, idle 3-5, P2 5-7, P3 7-11"});
    const lab::Schedule schedule = lab::solve(workload, settingsOf(Policy::Fcfs));
    EXPECT_EQ(schedule.idleTime, 2);
    EXPECT_EQ(schedule.span(), 11);
    EXPECT_DOUBLE_EQ(schedule.utilisation(), 9.0 / 11.0);
    EXPECT_DOUBLE_EQ(schedule.throughput(), 3.0 / 11.0);
    EXPECT_EQ(schedule.contextSwitches, 1u);
}

// A first arrival after 0: the span starts there, no idle before it.
TEST(TextbookIdle, FirstArrivalLate)
{
    const lab::Workload workload = workloadOf({{"P1", 4, 2}, {"P2", 4, 1}});
    expectSchedule(workload, settingsOf(Policy::Sjf),
                   {{7, 5}, {1, 0}, {3, 1}, {1, 0}, "1/2 = 0.5", "4/2 = 2", "P2 4-5, P1 5-7"});
    EXPECT_EQ(lab::solve(workload, settingsOf(Policy::Sjf)).span(), 3);
}

// One unit of dispatcher time between processes.
TEST(TextbookSwitchCost, FcfsWithOneUnitPerSwitch)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 5}, {"P2", 1, 3}, {"P3", 2, 8}});
    expectSchedule(workload, settingsOf(Policy::Fcfs, 2, 1),
                   {{5, 9, 18}, {0, 5, 8}, {5, 8, 16}, {0, 5, 8},
                    "13/3 = 4.33", "29/3 = 9.67", "P1 0-5, switch 5-6, P2 6-9, switch 9-10, P3 10-18"});
    const lab::Schedule schedule = lab::solve(workload, settingsOf(Policy::Fcfs, 2, 1));
    EXPECT_EQ(schedule.contextSwitches, 2u);
    EXPECT_EQ(schedule.switchTime, 2);
    EXPECT_DOUBLE_EQ(schedule.utilisation(), 16.0 / 18.0);
}

// P3 arrives at 4, during the switch 3-5 that loads P2: it counts as arriving at 5 and, being
// shorter, takes the processor from P2 before P2 runs, through a second switch.
TEST(TextbookSwitchCost, ArrivalDuringSwitchPreemptsTheLoadedProcess)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 3}, {"P2", 0, 5}, {"P3", 4, 1}});
    const lab::Settings settings = settingsOf(Policy::Srtf, 2, 2);
    expectSchedule(workload, settings,
                   {{3, 15, 8}, {0, 10, 3}, {3, 15, 4}, {0, 10, 3},
                    "13/3 = 4.33", "22/3 = 7.33",
                    "P1 0-3, switch 3-5, switch 5-7, P3 7-8, switch 8-10, P2 10-15"});
    const lab::Schedule schedule = lab::solve(workload, settings);
    EXPECT_EQ(schedule.contextSwitches, 3u);
    EXPECT_EQ(schedule.switchTime, 6);
    ASSERT_EQ(schedule.segments.size(), 6u);
    EXPECT_EQ(schedule.segments[1].process, 1u);   // the first switch loads P2
    EXPECT_EQ(schedule.segments[2].process, 2u);   // the second loads P3
}

// Round robin with q = 2 and a switch cost of 1: no switch when the lone process goes on.
TEST(TextbookSwitchCost, RoundRobinLoneProcessGoesOnWithoutSwitch)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 3}, {"P2", 1, 5}});
    expectSchedule(workload, settingsOf(Policy::RoundRobin, 2, 1),
                   {{7, 11}, {4, 5}, {7, 10}, {0, 2},
                    "9/2 = 4.5", "17/2 = 8.5",
                    "P1 0-2, switch 2-3, P2 3-5, switch 5-6, P1 6-7, switch 7-8, P2 8-11"});
}

// Equal remaining times: the running process keeps the processor.
TEST(TextbookTies, SrtfRunningKeepsOnEqualRemaining)
{
    const lab::Workload workload = workloadOf({{"P1", 0, 4}, {"P2", 2, 2}});
    expectSchedule(workload, settingsOf(Policy::Srtf),
                   {{4, 6}, {0, 2}, {4, 4}, {0, 2}, "2/2 = 1", "8/2 = 4", "P1 0-4, P2 4-6"});
}

// Equal bursts and arrivals: the list order decides.
TEST(TextbookTies, SjfListOrderOnEqualBurstAndArrival)
{
    const lab::Workload workload = workloadOf({{"X", 1, 2}, {"Y", 0, 5}, {"Z", 1, 2}});
    expectSchedule(workload, settingsOf(Policy::Sjf),
                   {{7, 5, 9}, {4, 0, 6}, {6, 5, 8}, {4, 0, 6}, "10/3 = 3.33", "19/3 = 6.33",
                    "Y 0-5, X 5-7, Z 7-9"});
}

} // namespace
