// The laboratory's values around the engine: reading a time cell, checking a workload and its
// settings, the texts of averages and the identifiers of policies, orders and rules, and the
// largest schedule the limits allow.
#include "lab/schedule.h"
#include "lab/settings.h"
#include "lab/workload.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using lab::Field;
using lab::Problem;
using lab::Time;

// ---- parseTime -------------------------------------------------------------------------

void expectValue(std::string_view text, Field field, Time value)
{
    const lab::ParsedTime parsed = lab::parseTime(text, field);
    ASSERT_TRUE(parsed.value.has_value()) << '"' << text << '"';
    EXPECT_EQ(*parsed.value, value) << '"' << text << '"';
}

void expectProblem(std::string_view text, Field field, Problem problem)
{
    const lab::ParsedTime parsed = lab::parseTime(text, field);
    EXPECT_FALSE(parsed.value.has_value()) << '"' << text << '"';
    EXPECT_EQ(parsed.problem, problem) << '"' << text << '"';
}

TEST(ParseTime, WholeNumbersWithBlanksAround)
{
    expectValue("0", Field::Arrival, 0);
    expectValue("7", Field::Burst, 7);
    expectValue("  12  ", Field::Arrival, 12);
    expectValue("007", Field::Priority, 7);
    expectValue("1000000", Field::Burst, lab::kMaxTime);
    expectValue("0", Field::Priority, 0);
}

TEST(ParseTime, EmptyAndBlank)
{
    expectProblem("", Field::Arrival, Problem::Empty);
    expectProblem("   ", Field::Burst, Problem::Empty);
}

TEST(ParseTime, Negative)
{
    expectProblem("-1", Field::Arrival, Problem::Negative);
    expectProblem(" -25 ", Field::Priority, Problem::Negative);
}

TEST(ParseTime, NotWhole)
{
    for (const char *text : {"1.5", "1,5", "abc", "5a", "1e3", "0x10", "5 5", "5-", "3+1", "½"})
        expectProblem(text, Field::Arrival, Problem::NotWhole);
}

TEST(ParseTime, TooLarge)
{
    expectProblem("1000001", Field::Arrival, Problem::TooLarge);
    expectProblem("1000001", Field::Burst, Problem::TooLarge);
    expectProblem("1000001", Field::Priority, Problem::TooLarge);
    // Far past what the clock holds: refused, not wrapped.
    expectProblem("99999999999999999999999999", Field::Arrival, Problem::TooLarge);
}

TEST(ParseTime, ZeroBurstOnlyForTheBurst)
{
    expectProblem("0", Field::Burst, Problem::ZeroBurst);
    expectProblem(" 000 ", Field::Burst, Problem::ZeroBurst);
    expectValue("0", Field::Arrival, 0);
}

TEST(Trimmed, BlanksAroundOnly)
{
    EXPECT_EQ(lab::trimmed("  P 1  "), "P 1");
    EXPECT_EQ(lab::trimmed("P1"), "P1");
    EXPECT_EQ(lab::trimmed("   "), "");
}

// ---- validate --------------------------------------------------------------------------

lab::Workload threeGood()
{
    return {{"A", 0, 3, 1}, {"B", 2, 4, 0}, {"C", 4, 1, 2}};
}

TEST(Validate, GoodWorkload)
{
    EXPECT_EQ(lab::validate(threeGood()), std::nullopt);
}

TEST(Validate, NoProcesses)
{
    EXPECT_EQ(lab::validate({}), (lab::InputError{0, Field::Name, Problem::NoProcesses}));
}

TEST(Validate, ProcessCountLimit)
{
    lab::Workload workload;
    for (std::size_t i = 0; i < lab::kMaxProcesses; ++i)
        workload.push_back({"P" + std::to_string(i + 1), Time(i % 100), 1, 0});
    EXPECT_EQ(lab::validate(workload), std::nullopt);
    workload.push_back({"extra", 0, 1, 0});
    EXPECT_EQ(lab::validate(workload),
              (lab::InputError{lab::kMaxProcesses + 1, Field::Name, Problem::TooManyProcesses}));
}

TEST(Validate, EachBadValue)
{
    struct Case {
        lab::Process process;
        Field field;
        Problem problem;
    };
    const Case cases[] = {
        {{"", 0, 1, 0}, Field::Name, Problem::Empty},
        {{"X", -1, 1, 0}, Field::Arrival, Problem::Negative},
        {{"X", lab::kMaxTime + 1, 1, 0}, Field::Arrival, Problem::TooLarge},
        {{"X", 0, 0, 0}, Field::Burst, Problem::ZeroBurst},
        {{"X", 0, -3, 0}, Field::Burst, Problem::Negative},
        {{"X", 0, lab::kMaxTime + 1, 0}, Field::Burst, Problem::TooLarge},
        {{"X", 0, 1, -1}, Field::Priority, Problem::Negative},
        {{"X", 0, 1, lab::kMaxTime + 1}, Field::Priority, Problem::TooLarge},
    };
    for (const Case &c : cases) {
        lab::Workload workload = threeGood();
        workload.insert(workload.begin() + 1, c.process);
        EXPECT_EQ(lab::validate(workload), (lab::InputError{1, c.field, c.problem}))
            << lab::fieldId(c.field) << ' ' << lab::problemText(c.problem);
    }
}

TEST(Validate, LargestValuesAreGood)
{
    EXPECT_EQ(lab::validate({{"X", lab::kMaxTime, lab::kMaxTime, lab::kMaxTime}}), std::nullopt);
}

TEST(Validate, DuplicateNameOnTheLaterRow)
{
    lab::Workload workload = threeGood();
    workload.push_back({"B", 9, 1, 0});
    EXPECT_EQ(lab::validate(workload), (lab::InputError{3, Field::Name, Problem::DuplicateName}));
}

TEST(Validate, FirstProblemByRowThenColumn)
{
    lab::Workload workload = threeGood();
    workload[1].burst = 0;      // row 1, burst
    workload[1].arrival = -2;   // row 1, arrival: comes first
    workload[2].name = "";      // row 2: later
    EXPECT_EQ(lab::validate(workload), (lab::InputError{1, Field::Arrival, Problem::Negative}));
}

TEST(Validate, TextsOfFieldsAndProblems)
{
    EXPECT_EQ(lab::fieldId(Field::Name), "name");
    EXPECT_EQ(lab::fieldId(Field::Arrival), "arrival");
    EXPECT_EQ(lab::fieldId(Field::Burst), "burst");
    EXPECT_EQ(lab::fieldId(Field::Priority), "priority");
    EXPECT_EQ(lab::problemText(Problem::Empty), "is empty");
    EXPECT_EQ(lab::problemText(Problem::Negative), "is negative");
    std::set<std::string_view> texts;
    for (Problem p : {Problem::Empty, Problem::Negative, Problem::NotWhole, Problem::TooLarge, Problem::ZeroBurst,
                      Problem::DuplicateName, Problem::NoProcesses, Problem::TooManyProcesses,
                      Problem::TotalTooLarge}) {
        EXPECT_FALSE(lab::problemText(p).empty());
        texts.insert(lab::problemText(p));
    }
    EXPECT_EQ(texts.size(), 9u) << "every problem has its own text";
}

// ---- settings --------------------------------------------------------------------------

TEST(Settings, ValidRanges)
{
    lab::Settings s;
    EXPECT_EQ(lab::validateSettings(s), std::nullopt);
    s.quantum = 1;
    s.switchCost = 0;
    EXPECT_EQ(lab::validateSettings(s), std::nullopt);
    s.quantum = lab::kMaxTime;
    s.switchCost = lab::kMaxTime;
    EXPECT_EQ(lab::validateSettings(s), std::nullopt);
}

TEST(Settings, BadQuantumOrSwitchCost)
{
    for (Time quantum : {Time{0}, Time{-1}, lab::kMaxTime + 1}) {
        lab::Settings s;
        s.policy = lab::Policy::RoundRobin;
        s.quantum = quantum;
        EXPECT_TRUE(lab::validateSettings(s).has_value()) << "quantum " << quantum;
    }
    for (Time cost : {Time{-1}, lab::kMaxTime + 1}) {
        lab::Settings s;
        s.switchCost = cost;
        EXPECT_TRUE(lab::validateSettings(s).has_value()) << "switch cost " << cost;
    }
}

TEST(Settings, WhatEachPolicyUses)
{
    for (lab::Policy p : lab::kAllPolicies) {
        EXPECT_EQ(lab::usesQuantum(p), p == lab::Policy::RoundRobin) << lab::policyId(p);
        EXPECT_EQ(lab::usesPriority(p), p == lab::Policy::Priority || p == lab::Policy::PriorityPreemptive)
            << lab::policyId(p);
        EXPECT_EQ(lab::isPreemptive(p), p == lab::Policy::Srtf || p == lab::Policy::RoundRobin
                                            || p == lab::Policy::PriorityPreemptive)
            << lab::policyId(p);
    }
}

TEST(Identifiers, PoliciesRoundTrip)
{
    const char *ids[] = {"fcfs", "sjf", "srtf", "rr", "priority", "priority-preemptive", "hrrn"};
    const char *names[] = {"FCFS", "SJF Non Preemptive", "SRTF (SJF Preemptive)", "Round Robin",
                           "Priority Non Preemptive", "Priority Preemptive", "HRRN"};
    for (std::size_t i = 0; i < lab::kAllPolicies.size(); ++i) {
        const lab::Policy p = lab::kAllPolicies[i];
        EXPECT_EQ(lab::policyId(p), ids[i]);
        EXPECT_EQ(lab::policyName(p), names[i]);
        EXPECT_EQ(lab::policyFromId(ids[i]), p);
    }
    EXPECT_EQ(lab::policyFromId(""), std::nullopt);
    EXPECT_EQ(lab::policyFromId("round-robin-x"), std::nullopt);
    EXPECT_EQ(lab::policyFromId("fcfs "), std::nullopt);
}

TEST(Identifiers, OrdersAndRoundRobinRulesRoundTrip)
{
    EXPECT_EQ(lab::priorityOrderId(lab::PriorityOrder::LowFirst), "low-first");
    EXPECT_EQ(lab::priorityOrderId(lab::PriorityOrder::HighFirst), "high-first");
    EXPECT_EQ(lab::priorityOrderFromId("low-first"), lab::PriorityOrder::LowFirst);
    EXPECT_EQ(lab::priorityOrderFromId("high-first"), lab::PriorityOrder::HighFirst);
    EXPECT_EQ(lab::priorityOrderFromId("high"), std::nullopt);
    EXPECT_EQ(lab::roundRobinRuleId(lab::RoundRobinRule::NewcomerFirst), "newcomer-first");
    EXPECT_EQ(lab::roundRobinRuleId(lab::RoundRobinRule::PreemptedFirst), "preempted-first");
    EXPECT_EQ(lab::roundRobinRuleFromId("newcomer-first"), lab::RoundRobinRule::NewcomerFirst);
    EXPECT_EQ(lab::roundRobinRuleFromId("preempted-first"), lab::RoundRobinRule::PreemptedFirst);
    EXPECT_EQ(lab::roundRobinRuleFromId("Newcomer-First"), std::nullopt);
}

TEST(Identifiers, RulesHaveDistinctIdsAndTexts)
{
    std::set<std::string_view> ids, texts;
    const lab::Rule rules[] = {lab::Rule::IdleUntilArrival, lab::Rule::ArrivalJoinsChoice, lab::Rule::TieEarlierArrival,
                               lab::Rule::PreemptStrictlyBetter, lab::Rule::PriorityLowFirst,
                               lab::Rule::PriorityHighFirst, lab::Rule::RoundRobinFifo,
                               lab::Rule::RoundRobinNewcomerFirst, lab::Rule::RoundRobinPreemptedFirst,
                               lab::Rule::RoundRobinEarlyRelease, lab::Rule::RoundRobinLoneContinues,
                               lab::Rule::HighestResponseRatio, lab::Rule::SwitchCost};
    for (lab::Rule r : rules) {
        EXPECT_FALSE(lab::ruleId(r).empty());
        EXPECT_FALSE(lab::ruleText(r).empty());
        ids.insert(lab::ruleId(r));
        texts.insert(lab::ruleText(r));
    }
    EXPECT_EQ(ids.size(), std::size(rules));
    EXPECT_EQ(texts.size(), std::size(rules));
}

bool inForce(const lab::Settings &s, lab::Rule rule)
{
    const std::vector<lab::Rule> rules = lab::rulesInForce(s);
    return std::find(rules.begin(), rules.end(), rule) != rules.end();
}

TEST(Identifiers, RulesInForceFollowTheSettings)
{
    lab::Settings s;
    s.policy = lab::Policy::RoundRobin;
    s.roundRobinRule = lab::RoundRobinRule::PreemptedFirst;
    EXPECT_TRUE(inForce(s, lab::Rule::RoundRobinPreemptedFirst));
    EXPECT_FALSE(inForce(s, lab::Rule::RoundRobinNewcomerFirst));
    EXPECT_FALSE(inForce(s, lab::Rule::HighestResponseRatio));
    s.policy = lab::Policy::Priority;
    s.priorityOrder = lab::PriorityOrder::HighFirst;
    EXPECT_TRUE(inForce(s, lab::Rule::PriorityHighFirst));
    EXPECT_FALSE(inForce(s, lab::Rule::PriorityLowFirst));
    EXPECT_FALSE(inForce(s, lab::Rule::RoundRobinFifo));
    s.policy = lab::Policy::Hrrn;
    EXPECT_TRUE(inForce(s, lab::Rule::HighestResponseRatio));
    EXPECT_TRUE(inForce(s, lab::Rule::IdleUntilArrival));
}

// ---- averages --------------------------------------------------------------------------

TEST(AverageText, RoundedHalfAwayFromZeroToTwoDecimals)
{
    EXPECT_EQ(lab::averageText(41, 5), "41/5 = 8.2");
    EXPECT_EQ(lab::averageText(10, 3), "10/3 = 3.33");
    EXPECT_EQ(lab::averageText(2, 3), "2/3 = 0.67");
    EXPECT_EQ(lab::averageText(5, 8), "5/8 = 0.63");
    EXPECT_EQ(lab::averageText(1, 8), "1/8 = 0.13");
    EXPECT_EQ(lab::averageText(3, 8), "3/8 = 0.38");
    EXPECT_EQ(lab::averageText(1, 200), "1/200 = 0.01");
    EXPECT_EQ(lab::averageText(1, 201), "1/201 = 0");
    EXPECT_EQ(lab::averageText(0, 4), "0/4 = 0");
    EXPECT_EQ(lab::averageText(6, 3), "6/3 = 2");
    EXPECT_EQ(lab::averageText(17, 3), "17/3 = 5.67");
    EXPECT_EQ(lab::averageText(199, 2), "199/2 = 99.5");
    EXPECT_EQ(lab::averageText(1999999, 2), "1999999/2 = 999999.5");
}

TEST(AverageText, DecimalSeparator)
{
    EXPECT_EQ(lab::averageText(41, 5, ","), "41/5 = 8,2");
    EXPECT_EQ(lab::averageText(10, 3, ","), "10/3 = 3,33");
    EXPECT_EQ(lab::averageText(6, 3, ","), "6/3 = 2");
}

TEST(RoundedText, SameRounding)
{
    EXPECT_EQ(lab::roundedText(5.0 / 6.0), "0.83");
    EXPECT_EQ(lab::roundedText(1.0), "1");
    EXPECT_EQ(lab::roundedText(12.5), "12.5");
    EXPECT_EQ(lab::roundedText(0.625), "0.63");
    EXPECT_EQ(lab::roundedText(0.0), "0");
    EXPECT_EQ(lab::roundedText(2.0 / 3.0, ","), "0,67");
}

// ---- refusals and limits ---------------------------------------------------------------

TEST(SolveRefuses, BadWorkloadOrSettings)
{
    lab::Settings good;
    EXPECT_THROW(lab::solve({}, good), std::invalid_argument);
    EXPECT_THROW(lab::solve({{"A", 0, 0, 0}}, good), std::invalid_argument);
    EXPECT_THROW(lab::solve({{"A", 0, 1, 0}, {"A", 1, 1, 0}}, good), std::invalid_argument);
    lab::Settings rr;
    rr.policy = lab::Policy::RoundRobin;
    rr.quantum = 0;
    EXPECT_THROW(lab::solve({{"A", 0, 1, 0}}, rr), std::invalid_argument);
    lab::Settings negativeSwitch;
    negativeSwitch.switchCost = -1;
    EXPECT_THROW(lab::solve({{"A", 0, 1, 0}}, negativeSwitch), std::invalid_argument);
}

// The largest schedule the limits allow: every burst and the switch cost at their largest,
// the most processes. Its numbers fit the clock without wrapping. (A total past
// kMaxTotalTime cannot be built from valid values, so the overflow refusal cannot be reached
// from here.)
TEST(SolveLimits, LargestScheduleKeepsExactNumbers)
{
    lab::Workload workload;
    for (std::size_t i = 0; i < lab::kMaxProcesses; ++i)
        workload.push_back({"P" + std::to_string(i + 1), 0, lab::kMaxTime, 0});
    lab::Settings settings;
    settings.switchCost = lab::kMaxTime;
    lab::Options quiet;
    quiet.recordDecisions = false;
    const lab::Schedule schedule = lab::solve(workload, settings, quiet);
    const Time n = Time(lab::kMaxProcesses);
    // Process i (from 0) completes at (i + 1) bursts plus i switches.
    EXPECT_EQ(schedule.processes.back().completion, n * lab::kMaxTime + (n - 1) * lab::kMaxTime);
    EXPECT_EQ(schedule.lastCompletion, (2 * n - 1) * lab::kMaxTime);
    EXPECT_EQ(schedule.contextSwitches, std::size_t(n - 1));
    EXPECT_EQ(schedule.switchTime, (n - 1) * lab::kMaxTime);
    // Sum of (2i + 1) * kMaxTime over i = 0..n-1 is n^2 * kMaxTime.
    EXPECT_EQ(schedule.totals.turnaround, n * n * lab::kMaxTime);
    EXPECT_EQ(schedule.totals.waiting, n * n * lab::kMaxTime - n * lab::kMaxTime);
    EXPECT_EQ(schedule.totalBurst, n * lab::kMaxTime);
    EXPECT_LT(schedule.lastCompletion, lab::kMaxTotalTime);
}

} // namespace
