// Invariants of the laboratory's engine on a large random set of runs: small workloads full of
// ties and larger ones with a few hundred processes and longer times, under every policy with
// random settings, with and without decisions. The checks themselves are in
// schedule_invariants.h; the last tests show that they catch a damaged schedule.
#include "lab/random.h"
#include "lab/schedule.h"
#include "reference_scheduler.h"
#include "schedule_invariants.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using lab::Policy;
using lab::Time;

lab::Workload randomWorkload(lab::Random &random, std::size_t count, Time maxArrival, Time maxBurst,
                             Time maxPriority)
{
    lab::Workload workload;
    for (std::size_t i = 0; i < count; ++i) {
        workload.push_back({"P" + std::to_string(i + 1), random.between(0, maxArrival),
                            random.between(1, maxBurst), random.between(0, maxPriority)});
    }
    return workload;
}

lab::Settings randomSettings(lab::Random &random, Policy policy)
{
    lab::Settings s;
    s.policy = policy;
    s.quantum = random.between(1, 8);
    s.switchCost = random.between(0, 3);
    s.priorityOrder = random.between(0, 1) ? lab::PriorityOrder::HighFirst : lab::PriorityOrder::LowFirst;
    s.roundRobinRule = random.between(0, 1) ? lab::RoundRobinRule::PreemptedFirst : lab::RoundRobinRule::NewcomerFirst;
    return s;
}

// Solves and checks; false (with a failure naming the case) on the first broken invariant.
bool holds(const lab::Workload &workload, const lab::Settings &settings, const lab::Options &options = {})
{
    const lab::Schedule schedule = lab::solve(workload, settings, options);
    const std::string problems = labtest::scheduleProblems(workload, settings, schedule, options);
    if (problems.empty())
        return true;
    ADD_FAILURE() << problems << "for\n"
                  << (workload.size() <= 40 ? labtest::describeCase(workload, settings)
                                            : "a workload of " + std::to_string(workload.size()) + " processes, "
                                                  + std::string(lab::policyId(settings.policy)));
    return false;
}

class Invariants : public ::testing::TestWithParam<Policy> {};

TEST_P(Invariants, SmallWorkloadsWithTies)
{
    lab::Random random(9000 + std::uint64_t(GetParam()));
    for (int i = 0; i < 3000; ++i) {
        const auto count = static_cast<std::size_t>(random.between(1, 10));
        const lab::Workload workload = randomWorkload(random, count, random.between(0, 12), 6, 3);
        if (!holds(workload, randomSettings(random, GetParam())))
            return;
    }
}

TEST_P(Invariants, LargerWorkloads)
{
    lab::Random random(7000 + std::uint64_t(GetParam()));
    for (int i = 0; i < 40; ++i) {
        const auto count = static_cast<std::size_t>(random.between(20, 300));
        // From crowded (everything early) to sparse (idle gaps).
        const Time maxArrival = random.between(0, 40) * Time(count);
        const lab::Workload workload = randomWorkload(random, count, maxArrival, random.between(1, 60), 20);
        if (!holds(workload, randomSettings(random, GetParam())))
            return;
    }
}

TEST_P(Invariants, WithoutDecisionsAndWithFewCandidates)
{
    lab::Random random(5000 + std::uint64_t(GetParam()));
    for (int i = 0; i < 300; ++i) {
        const lab::Workload workload = randomWorkload(random, std::size_t(random.between(1, 30)), 20, 8, 3);
        const lab::Settings settings = randomSettings(random, GetParam());
        lab::Options quiet;
        quiet.recordDecisions = false;
        lab::Options few;
        few.candidateLimit = std::size_t(random.between(1, 3));
        if (!holds(workload, settings, quiet) || !holds(workload, settings, few))
            return;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPolicy, Invariants, ::testing::ValuesIn(lab::kAllPolicies),
                         [](const ::testing::TestParamInfo<Policy> &info) {
                             std::string id(lab::policyId(info.param));
                             std::erase(id, '-');
                             return id;
                         });

// The checks are not blind: each kind of damage to a correct schedule is reported.
class DamagedSchedule : public ::testing::Test {
protected:
    const lab::Workload workload{{"P1", 0, 3, 1}, {"P2", 1, 4, 0}, {"P3", 9, 2, 2}, {"P4", 9, 2, 2}};
    lab::Settings settings = [] {
        lab::Settings s;
        s.policy = Policy::PriorityPreemptive;
        s.switchCost = 1;
        return s;
    }();
    lab::Schedule schedule = lab::solve(workload, settings);

    std::string problems() const { return labtest::scheduleProblems(workload, settings, schedule); }
};

TEST_F(DamagedSchedule, IntactIsClean)
{
    EXPECT_EQ(problems(), "");
}

TEST_F(DamagedSchedule, ShortenedRun)
{
    ASSERT_FALSE(schedule.segments.empty());
    schedule.segments.back().end -= 1;
    EXPECT_NE(problems(), "");
}

TEST_F(DamagedSchedule, WrongWaitingTime)
{
    schedule.processes[1].waiting += 1;
    EXPECT_NE(problems(), "");
}

TEST_F(DamagedSchedule, WrongTotals)
{
    schedule.totals.turnaround += 1;
    EXPECT_NE(problems(), "");
}

TEST_F(DamagedSchedule, WrongSwitchCount)
{
    schedule.contextSwitches += 1;
    EXPECT_NE(problems(), "");
}

TEST_F(DamagedSchedule, CandidatesOutOfOrder)
{
    for (lab::Decision &d : schedule.decisions) {
        if (d.candidates.size() > 1) {
            std::swap(d.candidates[0], d.candidates[1]);
            break;
        }
    }
    EXPECT_NE(problems(), "");
}

TEST_F(DamagedSchedule, TieNotReported)
{
    bool damaged = false;
    for (lab::Decision &d : schedule.decisions) {
        if (d.tie == lab::TieBreak::EarlierArrival || d.tie == lab::TieBreak::ListOrder) {
            d.tie = lab::TieBreak::None;
            damaged = true;
        }
    }
    ASSERT_TRUE(damaged) << "P3 and P4 arrive together with equal priorities: a tie";
    EXPECT_NE(problems(), "");
}

TEST_F(DamagedSchedule, IdleWhileAProcessIsReady)
{
    // Shift P3 and P4 earlier: the idle gap before them is then idle while they are ready.
    lab::Workload earlier = workload;
    earlier[2].arrival = 5;
    EXPECT_NE(labtest::scheduleProblems(earlier, settings, schedule), "");
}

} // namespace
