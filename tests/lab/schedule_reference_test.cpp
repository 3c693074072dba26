// The engine against the unit-by-unit reference scheduler: thousands of small random
// workloads (ties, idle gaps, priorities) under every policy and every setting must give the
// same time line, the same numbers per process, totals, figures and decisions.
#include "lab/random.h"
#include "lab/schedule.h"
#include "reference_scheduler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using lab::Policy;
using lab::Time;

// Small workloads with many ties: arrivals drawn from a few values, from a wide range (idle
// gaps) or from 0..10; bursts 1..6; priorities 0..3.
lab::Workload smallWorkload(lab::Random &random)
{
    const auto count = static_cast<std::size_t>(random.between(1, 8));
    const auto style = random.between(0, 3);
    lab::Workload workload;
    for (std::size_t i = 0; i < count; ++i) {
        lab::Process p;
        p.name = "P" + std::to_string(i + 1);
        switch (style) {
        case 0: p.arrival = 3 * random.between(0, 2); break;   // a few shared instants
        case 1: p.arrival = random.between(0, 30); break;      // gaps likely
        default: p.arrival = random.between(0, 10); break;
        }
        p.burst = random.between(1, 6);
        p.priority = random.between(0, 3);
        workload.push_back(p);
    }
    return workload;
}

// Every setting that changes something for the policy, with switch costs 0, 1 and 2.
std::vector<lab::Settings> settingsFor(Policy policy)
{
    std::vector<lab::Settings> all;
    for (Time switchCost = 0; switchCost <= 2; ++switchCost) {
        lab::Settings s;
        s.policy = policy;
        s.switchCost = switchCost;
        if (policy == Policy::RoundRobin) {
            for (Time quantum = 1; quantum <= 4; ++quantum) {
                for (lab::RoundRobinRule rule :
                     {lab::RoundRobinRule::NewcomerFirst, lab::RoundRobinRule::PreemptedFirst}) {
                    s.quantum = quantum;
                    s.roundRobinRule = rule;
                    all.push_back(s);
                }
            }
        } else if (lab::usesPriority(policy)) {
            for (lab::PriorityOrder order : {lab::PriorityOrder::LowFirst, lab::PriorityOrder::HighFirst}) {
                s.priorityOrder = order;
                all.push_back(s);
            }
        } else {
            all.push_back(s);
        }
    }
    return all;
}

// Runs `workloads` random workloads under every setting of the policy; reports at most a few
// mismatches, each with the workload as solver CSV and the settings.
void agreeOnRandomWorkloads(Policy policy, std::uint64_t start, int workloads)
{
    lab::Random random(start);
    const std::vector<lab::Settings> settings = settingsFor(policy);
    int failures = 0;
    for (int w = 0; w < workloads && failures < 3; ++w) {
        const lab::Workload workload = smallWorkload(random);
        for (const lab::Settings &s : settings) {
            const lab::Schedule engine = lab::solve(workload, s);
            const labtest::ReferenceRun reference = labtest::referenceSolve(workload, s);
            const std::string diff = labtest::differencesFromReference(workload, engine, reference);
            if (!diff.empty()) {
                ADD_FAILURE() << "engine and reference differ for\n"
                              << labtest::describeCase(workload, s) << diff;
                if (++failures == 3)
                    break;
            }
            // Without decisions the schedule is the same.
            lab::Options quiet;
            quiet.recordDecisions = false;
            lab::Schedule withoutDecisions = lab::solve(workload, s, quiet);
            EXPECT_TRUE(withoutDecisions.decisions.empty());
            withoutDecisions.decisions = engine.decisions;
            if (!(withoutDecisions.segments == engine.segments && withoutDecisions.processes == engine.processes
                  && withoutDecisions.totals == engine.totals
                  && withoutDecisions.contextSwitches == engine.contextSwitches)) {
                ADD_FAILURE() << "recording decisions changes the schedule for\n"
                              << labtest::describeCase(workload, s);
                ++failures;
            }
        }
    }
}

constexpr int kWorkloads = 2500;

TEST(ReferenceAgreement, Fcfs) { agreeOnRandomWorkloads(Policy::Fcfs, 101, kWorkloads); }
TEST(ReferenceAgreement, Sjf) { agreeOnRandomWorkloads(Policy::Sjf, 202, kWorkloads); }
TEST(ReferenceAgreement, Srtf) { agreeOnRandomWorkloads(Policy::Srtf, 303, kWorkloads); }
// Round robin has eight settings per switch cost: fewer workloads for the same time.
TEST(ReferenceAgreement, RoundRobin) { agreeOnRandomWorkloads(Policy::RoundRobin, 404, kWorkloads / 2); }
TEST(ReferenceAgreement, Priority) { agreeOnRandomWorkloads(Policy::Priority, 505, kWorkloads); }
TEST(ReferenceAgreement, PriorityPreemptive)
{
    agreeOnRandomWorkloads(Policy::PriorityPreemptive, 606, kWorkloads);
}
TEST(ReferenceAgreement, Hrrn) { agreeOnRandomWorkloads(Policy::Hrrn, 707, kWorkloads); }

// Fewer, longer runs: 10 to 40 processes, longer bursts, quanta up to 6 and switch costs up
// to 4, every policy.
TEST(ReferenceAgreement, MediumWorkloadsWithWiderSettings)
{
    lab::Random random(808);
    int failures = 0;
    for (int w = 0; w < 300 && failures < 3; ++w) {
        lab::Workload workload;
        const auto count = random.between(10, 40);
        const Time spread = random.between(0, 12) * count;
        for (std::int64_t i = 0; i < count; ++i) {
            workload.push_back({"P" + std::to_string(i + 1), random.between(0, spread), random.between(1, 15),
                                random.between(0, 6)});
        }
        for (Policy policy : lab::kAllPolicies) {
            lab::Settings s;
            s.policy = policy;
            s.quantum = random.between(1, 6);
            s.switchCost = random.between(0, 4);
            s.priorityOrder = random.between(0, 1) ? lab::PriorityOrder::HighFirst : lab::PriorityOrder::LowFirst;
            s.roundRobinRule =
                random.between(0, 1) ? lab::RoundRobinRule::PreemptedFirst : lab::RoundRobinRule::NewcomerFirst;
            const std::string diff = labtest::differencesFromReference(workload, lab::solve(workload, s),
                                                                       labtest::referenceSolve(workload, s));
            if (!diff.empty()) {
                ADD_FAILURE() << "engine and reference differ for\n" << labtest::describeCase(workload, s) << diff;
                ++failures;
            }
        }
    }
}

// The reference itself on a case small enough to follow: a switch loads P2, P3 arrives during
// it and is shorter, so a second switch loads P3 before P2 ever runs.
TEST(ReferenceScheduler, SecondSwitchForABetterNewcomer)
{
    const lab::Workload workload{{"P1", 0, 3, 0}, {"P2", 0, 5, 0}, {"P3", 4, 1, 0}};
    lab::Settings settings;
    settings.policy = Policy::Srtf;
    settings.switchCost = 2;
    const labtest::ReferenceRun run = labtest::referenceSolve(workload, settings);
    EXPECT_EQ(labtest::segmentsText(workload, run.segments),
              "P1 0-3, switch>P2 3-5, switch>P3 5-7, P3 7-8, switch>P2 8-10, P2 10-15");
    EXPECT_EQ(run.contextSwitches, 3u);
    EXPECT_EQ(run.processes[2].waiting, 3);
    using lab::DecisionKind;
    const std::vector<labtest::Handover> expected{{0, DecisionKind::Dispatch, 0, lab::kNoProcess},
                                                  {3, DecisionKind::Dispatch, 1, lab::kNoProcess},
                                                  {5, DecisionKind::Preempt, 2, 1},
                                                  {8, DecisionKind::Dispatch, 1, lab::kNoProcess}};
    EXPECT_EQ(run.handovers, expected);
}

} // namespace
