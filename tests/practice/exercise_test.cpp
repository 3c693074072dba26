// Exercise codes and the exercises they make: fixed codes give fixed exercises, codes read and
// write back, every level keeps its promises, and worksheet variants are fixed by their class.
#include "practice/exercise.h"

#include "common/paramnames.h"
#include "lab/labtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

using lab::Policy;
using lab::Time;
using practice::ExerciseKey;
using practice::Level;
using labtest::Row;
using labtest::settingsOf;
using labtest::workloadOf;

constexpr std::uint32_t kLargestSerial = (1u << 25) - 1;

// --- golden codes --------------------------------------------------------------------------------

struct Golden {
    const char *code;
    Time quantum;
    lab::PriorityOrder order;
    lab::RoundRobinRule rule;
    Time switchCost;
    std::vector<Row> rows;
    const char *timeline;
};

std::string goldenName(const testing::TestParamInfo<Golden> &info)
{
    return testsupport::paramName(info.param.code);
}

void expectSameSchedule(const lab::Schedule &a, const lab::Schedule &b)
{
    EXPECT_EQ(a.settings, b.settings);
    EXPECT_EQ(a.processes, b.processes);
    EXPECT_EQ(a.segments, b.segments);
    EXPECT_EQ(a.decisions, b.decisions);
    EXPECT_EQ(a.totals, b.totals);
}

class GoldenCode : public testing::TestWithParam<Golden> {};

// Each table was made by the generator once and checked by hand against its level: a change to
// the drafting (its ranges, its order of draws, the mixing of the serial) changes them.
TEST_P(GoldenCode, GivesItsExercise)
{
    const Golden &golden = GetParam();
    const auto key = practice::parseExerciseCode(golden.code);
    ASSERT_TRUE(key);
    const practice::Exercise exercise = practice::makeExercise(*key);
    EXPECT_EQ(exercise.code, golden.code);
    EXPECT_EQ(exercise.settings.policy, key->policy);
    EXPECT_EQ(exercise.settings.quantum, golden.quantum);
    EXPECT_EQ(exercise.settings.priorityOrder, golden.order);
    EXPECT_EQ(exercise.settings.roundRobinRule, golden.rule);
    EXPECT_EQ(exercise.settings.switchCost, golden.switchCost);
    EXPECT_EQ(exercise.workload, workloadOf(golden.rows));
    EXPECT_EQ(lab::describeSegments(exercise.workload, exercise.solution), golden.timeline);
    expectSameSchedule(exercise.solution, lab::solve(exercise.workload, exercise.settings));
}

const Golden kGolden[] = {
    // Basic FCFS: no idle time, arrivals all different, P1 at 0.
    {"FCFS-5D-K3PX9", 2, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 6, 1}, {"P2", 2, 4, 0}, {"P3", 5, 9, 1}, {"P4", 7, 2, 3}, {"P5", 8, 4, 3}},
     "P1 0-6, P2 6-10, P3 10-19, P4 19-21, P5 21-25"},
    // Intermediate SJF: idle 3-6; at 11 P3 and P5 both have burst 1, P3 arrived first.
    {"SJF-6M-7QW2A", 2, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 3, 3}, {"P2", 6, 5, 0}, {"P3", 7, 1, 0}, {"P4", 8, 5, 5}, {"P5", 10, 1, 4}, {"P6", 11, 8, 4}},
     "P1 0-3, idle 3-6, P2 6-11, P3 11-12, P5 12-13, P4 13-18, P6 18-26"},
    // Intermediate round robin, quantum 4: idle gaps, P5 and P6 arrive together at 17.
    {"RR4-7M-K3PX9", 4, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 8, 1}, {"P2", 10, 1, 2}, {"P3", 13, 1, 4}, {"P4", 16, 1, 2}, {"P5", 17, 5, 4}, {"P6", 17, 8, 4},
      {"P7", 18, 3, 0}},
     "P1 0-8, idle 8-10, P2 10-11, idle 11-13, P3 13-14, idle 14-16, P4 16-17, P5 17-21, P6 21-25, P7 25-28, "
     "P5 28-29, P6 29-33"},
    // Advanced SRTF: P5 (2) takes the processor from P4 (5 left) at 11.
    {"SRTF-5L-00042", 2, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 1, 2}, {"P2", 2, 7, 0}, {"P3", 5, 9, 3}, {"P4", 8, 7, 2}, {"P5", 11, 2, 3}},
     "P1 0-1, idle 1-2, P2 2-9, P4 9-11, P5 11-13, P4 13-18, P3 18-27"},
    // Advanced priority preemptive: P5 (0) preempts P2 (2) at 6, P8 (0) preempts P6 (1) at 13.
    {"PRIP-8L-HZ9TE", 2, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 1, 2}, {"P2", 2, 6, 2}, {"P3", 3, 6, 4}, {"P4", 3, 1, 2}, {"P5", 6, 6, 0}, {"P6", 9, 6, 1},
      {"P7", 10, 6, 5}, {"P8", 13, 9, 0}},
     "P1 0-1, idle 1-2, P2 2-6, P5 6-12, P6 12-13, P8 13-22, P6 22-27, P2 27-29, P4 29-30, P3 30-36, P7 36-42"},
    // Advanced round robin, quantum 3, preempted first, switch cost 1: P3 arrives at 10 as P2's
    // quantum runs out; P2, queued first, goes on.
    {"RR3-4L-B7C1D", 3, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::PreemptedFirst, 1,
     {{"P1", 0, 4, 3}, {"P2", 7, 9, 3}, {"P3", 10, 1, 3}, {"P4", 12, 4, 4}},
     "P1 0-4, idle 4-7, P2 7-13, switch 13-14, P3 14-15, switch 15-16, P4 16-19, switch 19-20, P2 20-23, "
     "switch 23-24, P4 24-25"},
    // Intermediate HRRN: P2 and P3 arrive together with the same burst; the list order decides.
    {"HRRN-4M-ZZZZZ", 2, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 4, 5}, {"P2", 7, 4, 5}, {"P3", 7, 4, 4}, {"P4", 9, 8, 5}},
     "P1 0-4, idle 4-7, P2 7-11, P3 11-15, P4 15-23"},
    // Basic priority, ten processes: no two equal priorities ever meet.
    {"PRI-10D-M4G8R", 2, lab::PriorityOrder::LowFirst, lab::RoundRobinRule::NewcomerFirst, 0,
     {{"P1", 0, 1, 1}, {"P2", 1, 4, 5}, {"P3", 3, 3, 4}, {"P4", 4, 3, 0}, {"P5", 6, 8, 5}, {"P6", 9, 6, 2},
      {"P7", 12, 8, 1}, {"P8", 13, 1, 2}, {"P9", 14, 1, 0}, {"P10", 18, 6, 3}},
     "P1 0-1, P2 1-5, P4 5-8, P3 8-11, P6 11-17, P9 17-18, P7 18-26, P8 26-27, P10 27-33, P5 33-41"},
};

INSTANTIATE_TEST_SUITE_P(Practice, GoldenCode, testing::ValuesIn(kGolden), goldenName);

// --- codes ---------------------------------------------------------------------------------------

TEST(ExerciseCode, WritesEachPart)
{
    EXPECT_EQ(practice::exerciseCode({Policy::RoundRobin, 4, 7, Level::Intermediate, 0}), "RR4-7M-00000");
    EXPECT_EQ(practice::exerciseCode({Policy::Fcfs, 2, 10, Level::Basic, kLargestSerial}), "FCFS-10D-ZZZZZ");
    EXPECT_EQ(practice::exerciseCode({Policy::Sjf, 2, 3, Level::Advanced, 1}), "SJF-3L-00001");
    EXPECT_EQ(practice::exerciseCode({Policy::Srtf, 2, 5, Level::Basic, 32}), "SRTF-5D-00010");
    EXPECT_EQ(practice::exerciseCode({Policy::Priority, 2, 6, Level::Basic, 31u << 20}), "PRI-6D-Z0000");
    EXPECT_EQ(practice::exerciseCode({Policy::PriorityPreemptive, 2, 8, Level::Advanced, 0}), "PRIP-8L-00000");
    EXPECT_EQ(practice::exerciseCode({Policy::Hrrn, 2, 9, Level::Intermediate, 18}), "HRRN-9M-0000J");
    // The serial's alphabet skips I, L, O and U: 18 is J, 27 is V.
    EXPECT_EQ(practice::exerciseCode({Policy::Hrrn, 2, 9, Level::Intermediate, 27}), "HRRN-9M-0000V");
}

TEST(ExerciseCode, EveryKeyReadsBack)
{
    const std::uint32_t serials[] = {0, 1, 31, 32, 0x155555, 0x0AAAAAA, 0x1234567, kLargestSerial};
    for (Policy policy : lab::kAllPolicies) {
        for (Time quantum = 2; quantum <= 5; ++quantum) {
            if (quantum != 2 && policy != Policy::RoundRobin)
                continue;
            for (int count = practice::kMinProcesses; count <= practice::kMaxProcesses; ++count) {
                for (Level level : {Level::Basic, Level::Intermediate, Level::Advanced}) {
                    for (std::uint32_t serial : serials) {
                        const ExerciseKey key{policy, quantum, count, level, serial};
                        const std::string code = practice::exerciseCode(key);
                        const auto parsed = practice::parseExerciseCode(code);
                        ASSERT_TRUE(parsed) << code;
                        EXPECT_EQ(*parsed, key) << code;
                        EXPECT_EQ(practice::exerciseCode(*parsed), code);
                    }
                }
            }
        }
    }
}

TEST(ExerciseCode, CanonicalCodesWriteBackUnchanged)
{
    for (const char *code : {"RR4-7M-K3PX9", "FCFS-3D-00000", "PRIP-10L-ZZZZZ", "HRRN-6M-ABCDE", "SJF-4D-VWXYZ"}) {
        const auto key = practice::parseExerciseCode(code);
        ASSERT_TRUE(key) << code;
        EXPECT_EQ(practice::exerciseCode(*key), code);
    }
}

TEST(ExerciseCode, CaseBlanksAndLookAlikes)
{
    const auto canonical = practice::parseExerciseCode("RR4-7M-K3PX9");
    ASSERT_TRUE(canonical);
    EXPECT_EQ(practice::parseExerciseCode("rr4-7m-k3px9"), canonical);
    EXPECT_EQ(practice::parseExerciseCode("  Rr4-7m-K3pX9 \n"), canonical);
    EXPECT_EQ(practice::parseExerciseCode("\tRR4-7M-K3PX9\t"), canonical);
    // O reads as 0, I and L as 1, in either case.
    const auto withDigits = practice::parseExerciseCode("SJF-5D-10101");
    ASSERT_TRUE(withDigits);
    for (const char *alike : {"SJF-5D-IOLOI", "SJF-5D-iolol", "SJF-5D-1o1O1", "sjf-5d-LOIOL"}) {
        const auto parsed = practice::parseExerciseCode(alike);
        ASSERT_TRUE(parsed) << alike;
        EXPECT_EQ(*parsed, *withDigits) << alike;
        EXPECT_EQ(practice::exerciseCode(*parsed), "SJF-5D-10101");
    }
}

class MalformedCode : public testing::TestWithParam<const char *> {};

TEST_P(MalformedCode, IsRefused)
{
    EXPECT_FALSE(practice::parseExerciseCode(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Practice, MalformedCode,
                         testing::Values("", "   ", "RR4", "RR4-7M", "RR4-7M-", "-7M-K3PX9", "RR4--K3PX9",
                                         // the serial: too short, too long, U, other characters
                                         "RR4-7M-K3PX", "RR4-7M-K3PX99", "RR4-7M-K3PU9", "RR4-7M-K3P!9",
                                         "RR4-7M-K3P 9", "RR4-7M-K3PX9-", "RR4-7M--K3PX9", "RR4-7M-K3PX9-1",
                                         // the policy: unknown, a quantum out of range or missing
                                         "XYZ-7M-K3PX9", "RR-7M-K3PX9", "RR1-7M-K3PX9", "RR6-7M-K3PX9",
                                         "RR0-7M-K3PX9", "RR44-7M-K3PX9", "FCFS4-7M-K3PX9", "PRIPP-7M-K3PX9",
                                         "SJ F-7M-K3PX9", "R R4-7M-K3PX9", "RRA-7M-K3PX9",
                                         // the count and level: out of range, leading zero, no letter
                                         "RR4-2M-K3PX9", "RR4-11M-K3PX9", "RR4-0M-K3PX9", "RR4-07M-K3PX9",
                                         "RR4-7-K3PX9", "RR4-M-K3PX9", "RR4-7X-K3PX9", "RR4-7MM-K3PX9",
                                         "RR4-100M-K3PX9", "RR4-7 M-K3PX9", "RR4-M7-K3PX9", "RR4-1OM-K3PX9",
                                         // blanks inside
                                         "RR4 -7M-K3PX9", "RR4- 7M-K3PX9"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::to_string(info.index) + "_" + testsupport::paramName(info.param);
                         });

TEST(LevelIds, ReadBack)
{
    for (Level level : {Level::Basic, Level::Intermediate, Level::Advanced})
        EXPECT_EQ(practice::levelFromId(practice::levelId(level)), level);
    EXPECT_EQ(practice::levelId(Level::Basic), "dasar");
    EXPECT_EQ(practice::levelId(Level::Intermediate), "menengah");
    EXPECT_EQ(practice::levelId(Level::Advanced), "lanjut");
    EXPECT_EQ(practice::levelFromId("Lanjut"), Level::Advanced);
    EXPECT_FALSE(practice::levelFromId(""));
    EXPECT_FALSE(practice::levelFromId("basic"));
    EXPECT_FALSE(practice::levelFromId("dasar "));
}

// --- making exercises ------------------------------------------------------------------------------

TEST(MakeExercise, SameKeySameExercise)
{
    const ExerciseKey key{Policy::RoundRobin, 3, 8, Level::Advanced, 0x0F0F0F};
    const practice::Exercise first = practice::makeExercise(key);
    const practice::Exercise second = practice::makeExercise(key);
    EXPECT_EQ(first.code, second.code);
    EXPECT_EQ(first.settings, second.settings);
    EXPECT_EQ(first.workload, second.workload);
    expectSameSchedule(first.solution, second.solution);
    EXPECT_EQ(first.attempts, second.attempts);
}

TEST(MakeExercise, NeighbouringKeysDiffer)
{
    // The serial, the policy, the count and the level all go into the drafts.
    const ExerciseKey key{Policy::Sjf, 2, 6, Level::Intermediate, 12345};
    const lab::Workload base = practice::makeExercise(key).workload;
    ExerciseKey other = key;
    other.serial = 12346;
    EXPECT_NE(practice::makeExercise(other).workload, base);
    other = key;
    other.policy = Policy::Hrrn;
    EXPECT_NE(practice::makeExercise(other).workload, base);
    other = key;
    other.processes = 7;
    EXPECT_NE(practice::makeExercise(other).workload, base);
}

TEST(MakeExercise, OtherPoliciesIgnoreTheQuantum)
{
    const practice::Exercise a = practice::makeExercise({Policy::Fcfs, 2, 5, Level::Basic, 99});
    const practice::Exercise b = practice::makeExercise({Policy::Fcfs, 5, 5, Level::Basic, 99});
    EXPECT_EQ(b.key.quantum, 2);
    EXPECT_EQ(b.code, "FCFS-5D-00033");
    EXPECT_EQ(a.workload, b.workload);
}

TEST(MakeExercise, RefusesKeysNoCodeHas)
{
    EXPECT_THROW(practice::makeExercise({Policy::Fcfs, 2, 2, Level::Basic, 0}), std::invalid_argument);
    EXPECT_THROW(practice::makeExercise({Policy::Fcfs, 2, 11, Level::Basic, 0}), std::invalid_argument);
    EXPECT_THROW(practice::makeExercise({Policy::RoundRobin, 1, 5, Level::Basic, 0}), std::invalid_argument);
    EXPECT_THROW(practice::makeExercise({Policy::RoundRobin, 6, 5, Level::Basic, 0}), std::invalid_argument);
}

// --- the level's facts, on hand-made schedules ------------------------------------------------------

practice::LevelFacts factsOf(const lab::Workload &workload, const lab::Settings &settings)
{
    return practice::levelFacts(workload, lab::solve(workload, settings));
}

TEST(LevelFacts, IdleTieAndPreemption)
{
    // FCFS: P1 0-2, idle 2-4, P2 and P3 arrive together at 4 (list order).
    const lab::Workload fcfs{{"P1", 0, 2, 0}, {"P2", 4, 3, 0}, {"P3", 4, 1, 0}};
    auto facts = factsOf(fcfs, settingsOf(Policy::Fcfs));
    EXPECT_TRUE(facts.idle);
    EXPECT_TRUE(facts.tie);
    EXPECT_FALSE(facts.preemption);
    EXPECT_TRUE(facts.firstArrivalZero);
    // SRTF: P2 (1) arrives at 2 while P1 (4 left) runs and takes the processor; P1 came at 1.
    facts = factsOf({{"P1", 1, 5, 0}, {"P2", 2, 1, 0}}, settingsOf(Policy::Srtf));
    EXPECT_FALSE(facts.idle);
    EXPECT_FALSE(facts.tie);
    EXPECT_TRUE(facts.preemption);
    EXPECT_FALSE(facts.firstArrivalZero);
    // SRTF: a newcomer equal to the running process's remaining time: it keeps the processor.
    facts = factsOf({{"P1", 0, 4, 0}, {"P2", 1, 3, 0}}, settingsOf(Policy::Srtf));
    EXPECT_TRUE(facts.tie);
    EXPECT_FALSE(facts.preemption);
}

TEST(LevelFacts, RoundRobinNewcomerAtExpiry)
{
    // Quantum 2: P1's quantum runs out at 2, as P2 arrives.
    EXPECT_TRUE(factsOf({{"P1", 0, 5, 0}, {"P2", 2, 2, 0}}, settingsOf(Policy::RoundRobin)).newcomerAtExpiry);
    // P2 at 1 or 3: not at the instant.
    EXPECT_FALSE(factsOf({{"P1", 0, 5, 0}, {"P2", 1, 2, 0}}, settingsOf(Policy::RoundRobin)).newcomerAtExpiry);
    EXPECT_FALSE(factsOf({{"P1", 0, 5, 0}, {"P2", 3, 2, 0}}, settingsOf(Policy::RoundRobin)).newcomerAtExpiry);
    // P1 alone goes on over 2 (one merged piece 0-5); P2 arriving at 4 meets its second expiry.
    EXPECT_TRUE(factsOf({{"P1", 0, 5, 0}, {"P2", 4, 2, 0}}, settingsOf(Policy::RoundRobin)).newcomerAtExpiry);
    // P1 finishes at 2 exactly: no quantum ran out.
    EXPECT_FALSE(factsOf({{"P1", 0, 2, 0}, {"P2", 2, 2, 0}}, settingsOf(Policy::RoundRobin)).newcomerAtExpiry);
    // After a switch of 1 the quantum starts at 3: P1 0-2, switch, P2 3-5 runs out at 5 as P3 arrives.
    const lab::Workload switched{{"P1", 0, 4, 0}, {"P2", 1, 4, 0}, {"P3", 5, 1, 0}};
    EXPECT_TRUE(factsOf(switched, settingsOf(Policy::RoundRobin, 2, 1)).newcomerAtExpiry);
    // Equal arrivals are round robin's tie.
    EXPECT_TRUE(factsOf({{"P1", 0, 3, 0}, {"P2", 0, 2, 0}}, settingsOf(Policy::RoundRobin)).tie);
    EXPECT_FALSE(factsOf({{"P1", 0, 3, 0}, {"P2", 1, 2, 0}}, settingsOf(Policy::RoundRobin)).tie);
}

TEST(KeepsPromises, EachLevelAsksItsOwn)
{
    practice::LevelFacts none;
    none.firstArrivalZero = true;
    const lab::Settings fcfs = settingsOf(Policy::Fcfs);
    EXPECT_TRUE(practice::keepsPromises(Level::Basic, fcfs, none));
    practice::LevelFacts idle = none;
    idle.idle = true;
    EXPECT_FALSE(practice::keepsPromises(Level::Basic, fcfs, idle));
    EXPECT_FALSE(practice::keepsPromises(Level::Intermediate, fcfs, idle));
    practice::LevelFacts idleTie = idle;
    idleTie.tie = true;
    EXPECT_TRUE(practice::keepsPromises(Level::Intermediate, fcfs, idleTie));
    EXPECT_FALSE(practice::keepsPromises(Level::Intermediate, settingsOf(Policy::Fcfs, 2, 1), idleTie));
    // Advanced FCFS: idle or tie, and a switch cost of 1.
    EXPECT_FALSE(practice::keepsPromises(Level::Advanced, fcfs, idle));
    EXPECT_TRUE(practice::keepsPromises(Level::Advanced, settingsOf(Policy::Fcfs, 2, 1), idle));
    EXPECT_FALSE(practice::keepsPromises(Level::Advanced, settingsOf(Policy::Fcfs, 2, 1), none));
    // Advanced SRTF: a preemption; advanced round robin: a newcomer at a quantum's end.
    practice::LevelFacts preempt = none;
    preempt.preemption = true;
    EXPECT_TRUE(practice::keepsPromises(Level::Advanced, settingsOf(Policy::Srtf), preempt));
    EXPECT_FALSE(practice::keepsPromises(Level::Advanced, settingsOf(Policy::Srtf), idleTie));
    practice::LevelFacts expiry = none;
    expiry.newcomerAtExpiry = true;
    EXPECT_TRUE(practice::keepsPromises(Level::Advanced, settingsOf(Policy::RoundRobin, 3, 1), expiry));
    EXPECT_FALSE(practice::keepsPromises(Level::Advanced, settingsOf(Policy::RoundRobin, 3, 2), expiry));
    EXPECT_FALSE(practice::keepsPromises(Level::Basic, settingsOf(Policy::RoundRobin, 3), expiry));
    EXPECT_FALSE(practice::keepsPromises(Level::Basic, settingsOf(Policy::RoundRobin, 6), none));
    // Basic: the default rules and a start at 0.
    lab::Settings high = settingsOf(Policy::Priority);
    high.priorityOrder = lab::PriorityOrder::HighFirst;
    EXPECT_FALSE(practice::keepsPromises(Level::Basic, high, none));
    practice::LevelFacts late = none;
    late.firstArrivalZero = false;
    EXPECT_FALSE(practice::keepsPromises(Level::Basic, fcfs, late));
}

// --- the promises over many exercises ---------------------------------------------------------------

// A newcomer at a quantum's end, read from the decisions alone: at a decision's instant a process
// arrives, and the process that ran up to that instant is in the queue, not finished.
bool newcomerAtExpiryByDecisions(const lab::Workload &workload, const lab::Schedule &schedule)
{
    for (const lab::Decision &decision : schedule.decisions) {
        const Time t = decision.time;
        const bool arrival = std::any_of(workload.begin(), workload.end(),
                                         [t](const lab::Process &p) { return p.arrival == t; });
        if (!arrival)
            continue;
        for (const lab::Segment &segment : schedule.segments) {
            if (segment.kind != lab::SegmentKind::Run || segment.start >= t || segment.end < t)
                continue;
            for (const lab::Candidate &candidate : decision.candidates) {
                if (candidate.process == segment.process && schedule.processes[segment.process].completion > t)
                    return true;
            }
        }
    }
    return false;
}

struct Sweep {
    Policy policy;
    Level level;
};

std::string sweepName(const testing::TestParamInfo<Sweep> &info)
{
    return std::string(lab::policyId(info.param.policy) == "priority-preemptive" ? "prip"
                                                                                 : lab::policyId(info.param.policy))
        + "_" + std::string(practice::levelId(info.param.level));
}

std::vector<Sweep> allSweeps()
{
    std::vector<Sweep> sweeps;
    for (Policy policy : lab::kAllPolicies) {
        for (Level level : {Level::Basic, Level::Intermediate, Level::Advanced})
            sweeps.push_back({policy, level});
    }
    return sweeps;
}

class LevelPromises : public testing::TestWithParam<Sweep> {};

// Every count 3..10 with 24 serials each (fixed: the keys come from newKey with fixed entropies),
// checked against the level by looking at the schedule directly, not through levelFacts alone.
TEST_P(LevelPromises, HoldOverManyExercises)
{
    const Sweep sweep = GetParam();
    int worstAttempts = 0;
    std::set<Time> quanta;
    for (int count = practice::kMinProcesses; count <= practice::kMaxProcesses; ++count) {
        for (std::uint64_t entropy = 0; entropy < 24; ++entropy) {
            const ExerciseKey key = practice::newKey(sweep.policy, count, sweep.level, entropy * 7919 + count);
            const practice::Exercise exercise = practice::makeExercise(key);
            SCOPED_TRACE(exercise.code);
            worstAttempts = std::max(worstAttempts, exercise.attempts);
            const lab::Workload &w = exercise.workload;
            const lab::Settings &s = exercise.settings;
            const lab::Schedule &solution = exercise.solution;
            quanta.insert(s.quantum);

            // The table: P1..Pn in arrival order from 0, small numbers.
            ASSERT_EQ(w.size(), static_cast<std::size_t>(count));
            EXPECT_EQ(w.front().arrival, 0);
            for (std::size_t i = 0; i < w.size(); ++i) {
                EXPECT_EQ(w[i].name, "P" + std::to_string(i + 1));
                EXPECT_GE(w[i].burst, 1);
                EXPECT_LE(w[i].burst, 9);
                EXPECT_GE(w[i].priority, 0);
                EXPECT_LE(w[i].priority, 5);
                EXPECT_LE(w[i].arrival, 6 * count);
                if (i > 0) {
                    EXPECT_LE(w[i - 1].arrival, w[i].arrival);
                }
            }
            EXPECT_EQ(s.policy, sweep.policy);
            EXPECT_EQ(s.quantum, sweep.policy == Policy::RoundRobin ? key.quantum : 2);
            expectSameSchedule(solution, lab::solve(w, s));
            EXPECT_TRUE(practice::keepsPromises(sweep.level, s, practice::levelFacts(w, solution)));

            const bool idle = std::any_of(solution.segments.begin(), solution.segments.end(),
                                          [](const lab::Segment &seg) { return seg.kind == lab::SegmentKind::Idle; });
            const bool decidedByTie = std::any_of(solution.decisions.begin(), solution.decisions.end(),
                                                  [](const lab::Decision &d) { return d.tie != lab::TieBreak::None; });
            bool equalArrivals = false;
            for (std::size_t i = 1; i < w.size(); ++i)
                equalArrivals = equalArrivals || w[i].arrival == w[i - 1].arrival;
            const bool tie = decidedByTie || (sweep.policy == Policy::RoundRobin && equalArrivals);
            const bool preempt = std::any_of(solution.decisions.begin(), solution.decisions.end(),
                                             [](const lab::Decision &d) { return d.kind == lab::DecisionKind::Preempt; });
            const bool expiry = sweep.policy == Policy::RoundRobin && newcomerAtExpiryByDecisions(w, solution);

            switch (sweep.level) {
            case Level::Basic:
                EXPECT_FALSE(idle);
                EXPECT_FALSE(decidedByTie);
                EXPECT_EQ(s.switchCost, 0);
                EXPECT_EQ(s.priorityOrder, lab::PriorityOrder::LowFirst);
                EXPECT_EQ(s.roundRobinRule, lab::RoundRobinRule::NewcomerFirst);
                if (sweep.policy == Policy::Fcfs || sweep.policy == Policy::RoundRobin) {
                    EXPECT_FALSE(equalArrivals);
                }
                if (sweep.policy == Policy::RoundRobin) {
                    EXPECT_FALSE(expiry);
                }
                break;
            case Level::Intermediate:
                EXPECT_TRUE(idle);
                EXPECT_TRUE(tie);
                EXPECT_EQ(s.switchCost, 0);
                EXPECT_EQ(s.priorityOrder, lab::PriorityOrder::LowFirst);
                EXPECT_EQ(s.roundRobinRule, lab::RoundRobinRule::NewcomerFirst);
                break;
            case Level::Advanced:
                if (sweep.policy == Policy::Srtf || sweep.policy == Policy::PriorityPreemptive) {
                    EXPECT_TRUE(preempt);
                    EXPECT_TRUE(s.switchCost == 0 || s.switchCost == 1);
                } else if (sweep.policy == Policy::RoundRobin) {
                    EXPECT_TRUE(expiry);
                    EXPECT_TRUE(s.switchCost == 0 || s.switchCost == 1);
                } else {
                    EXPECT_TRUE(idle || tie);
                    EXPECT_EQ(s.switchCost, 1);
                }
                break;
            }
        }
    }
    // Far inside the cap of 10,000 drafts.
    EXPECT_LT(worstAttempts, 2500);
    if (sweep.policy == Policy::RoundRobin) {
        EXPECT_EQ(quanta, (std::set<Time>{2, 3, 4, 5}));
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, LevelPromises, testing::ValuesIn(allSweeps()), sweepName);

TEST(LevelPromises, AdvancedDrawsItsSettings)
{
    // Over many advanced exercises both priority orders, both round robin rules and both switch
    // costs of the preemptive policies appear.
    std::set<lab::PriorityOrder> orders;
    std::set<lab::RoundRobinRule> rules;
    std::set<Time> costs;
    for (std::uint64_t entropy = 0; entropy < 40; ++entropy) {
        orders.insert(practice::makeExercise(practice::newKey(Policy::PriorityPreemptive, 5, Level::Advanced, entropy))
                          .settings.priorityOrder);
        const practice::Exercise rr = practice::makeExercise(practice::newKey(Policy::RoundRobin, 5, Level::Advanced, entropy));
        rules.insert(rr.settings.roundRobinRule);
        costs.insert(rr.settings.switchCost);
    }
    EXPECT_EQ(orders.size(), 2u);
    EXPECT_EQ(rules.size(), 2u);
    EXPECT_EQ(costs, (std::set<Time>{0, 1}));
}

// --- new keys and worksheet variants ---------------------------------------------------------------

TEST(NewKey, FixedByItsEntropy)
{
    const ExerciseKey a = practice::newKey(std::nullopt, 6, Level::Intermediate, 424242);
    EXPECT_EQ(a, practice::newKey(std::nullopt, 6, Level::Intermediate, 424242));
    EXPECT_EQ(a.processes, 6);
    EXPECT_EQ(a.level, Level::Intermediate);
    EXPECT_LE(a.serial, kLargestSerial);
    const ExerciseKey given = practice::newKey(Policy::Hrrn, 4, Level::Basic, 424242);
    EXPECT_EQ(given.policy, Policy::Hrrn);
    EXPECT_EQ(given.quantum, 2);
    EXPECT_THROW(practice::newKey(Policy::Hrrn, 2, Level::Basic, 1), std::invalid_argument);
    EXPECT_THROW(practice::newKey(Policy::Hrrn, 11, Level::Basic, 1), std::invalid_argument);
}

TEST(NewKey, DrawsEveryPolicyAndQuantum)
{
    std::set<Policy> policies;
    std::set<Time> quanta;
    std::set<std::uint32_t> serials;
    for (std::uint64_t entropy = 0; entropy < 200; ++entropy) {
        const ExerciseKey key = practice::newKey(std::nullopt, 5, Level::Basic, entropy);
        policies.insert(key.policy);
        serials.insert(key.serial);
        EXPECT_LE(key.serial, kLargestSerial);
        if (key.policy == Policy::RoundRobin) {
            quanta.insert(key.quantum);
        } else {
            EXPECT_EQ(key.quantum, 2);
        }
    }
    EXPECT_EQ(policies.size(), lab::kAllPolicies.size());
    EXPECT_EQ(quanta, (std::set<Time>{2, 3, 4, 5}));
    EXPECT_GT(serials.size(), 195u);
}

TEST(VariantKey, FixedByClassAndNumber)
{
    for (int variant = 1; variant <= 60; ++variant) {
        const ExerciseKey key = practice::variantKey("TI2A", variant, std::nullopt, 5, Level::Intermediate);
        EXPECT_EQ(key, practice::variantKey("TI2A", variant, std::nullopt, 5, Level::Intermediate));
        // The class code is read in upper case.
        EXPECT_EQ(key, practice::variantKey("ti2a", variant, std::nullopt, 5, Level::Intermediate));
        EXPECT_EQ(key, practice::variantKey("Ti2A", variant, std::nullopt, 5, Level::Intermediate));
    }
    // Frozen: the FNV-1a hash of the class and number and the draws after it.
    EXPECT_EQ(practice::exerciseCode(practice::variantKey("TI2A", 1, std::nullopt, 5, Level::Intermediate)),
              "FCFS-5M-QTFDM");
    EXPECT_EQ(practice::exerciseCode(practice::variantKey("TI2A", 2, std::nullopt, 5, Level::Intermediate)),
              "HRRN-5M-FX7ZD");
    EXPECT_EQ(practice::exerciseCode(practice::variantKey("OS-2026", 60, Policy::Srtf, 7, Level::Advanced)),
              "SRTF-7L-8YRK7");
    EXPECT_THROW(practice::variantKey("TI2A", 0, std::nullopt, 5, Level::Basic), std::invalid_argument);
}

TEST(VariantKey, AClassOfSixtyHasSixtyExercises)
{
    for (const char *classCode : {"TI2A", "SI3B", "A", "KELAS12", "2026"}) {
        for (std::optional<Policy> policy : {std::optional<Policy>{}, std::optional<Policy>{Policy::Fcfs}}) {
            std::set<std::string> codes;
            std::set<Policy> policies;
            for (int variant = 1; variant <= 60; ++variant) {
                const ExerciseKey key = practice::variantKey(classCode, variant, policy, 6, Level::Basic);
                codes.insert(practice::exerciseCode(key));
                policies.insert(key.policy);
                if (policy) {
                    EXPECT_EQ(key.policy, *policy);
                }
            }
            EXPECT_EQ(codes.size(), 60u) << classCode;
            // Without a policy the class gets a mix of them.
            if (!policy) {
                EXPECT_GE(policies.size(), 5u) << classCode;
            }
        }
    }
}

TEST(VariantKey, ClassesDiffer)
{
    std::set<std::uint32_t> firstSerials;
    for (const char *classCode : {"TI2A", "TI2B", "TI2C", "SI3A", "A", "B", "AB", "BA"})
        firstSerials.insert(practice::variantKey(classCode, 1, Policy::Fcfs, 5, Level::Basic).serial);
    EXPECT_EQ(firstSerials.size(), 8u);
}

} // namespace
