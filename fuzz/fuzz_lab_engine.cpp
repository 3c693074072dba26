// libFuzzer target: the laboratory's engine on small workloads decoded from the input, under
// every policy and setting. Each run must satisfy the schedule invariants and agree with the
// unit-by-unit reference scheduler of the tests; the same run without decisions must give the
// same schedule.
//
// Input: three bytes of settings, then four bytes per process (at most 12):
//   byte 0  policy (mod 7)          byte 1  quantum 1..8
//   byte 2  bit 0 priority order (high first), bit 1 round-robin rule (preempted first),
//           bits 2-3 switch cost 0..3
//   then per process: arrival 0..40, burst 1..40, priority 0..5, and a byte that, when odd,
//   copies the arrival of the process before (ties).
#include "lab/reference_scheduler.h"
#include "lab/schedule.h"
#include "lab/schedule_invariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void failure(const lab::Workload &workload, const lab::Settings &settings, const std::string &what)
{
    std::fprintf(stderr, "fuzz_lab_engine: %s\n%s", what.c_str(), labtest::describeCase(workload, settings).c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3 + 4)
        return 0;
    lab::Settings settings;
    settings.policy = lab::kAllPolicies[data[0] % lab::kAllPolicies.size()];
    settings.quantum = 1 + data[1] % 8;
    settings.priorityOrder = (data[2] & 1) ? lab::PriorityOrder::HighFirst : lab::PriorityOrder::LowFirst;
    settings.roundRobinRule = (data[2] & 2) ? lab::RoundRobinRule::PreemptedFirst : lab::RoundRobinRule::NewcomerFirst;
    settings.switchCost = (data[2] >> 2) & 3;

    lab::Workload workload;
    for (std::size_t at = 3; at + 4 <= size && workload.size() < 12; at += 4) {
        lab::Process p;
        p.name = "P" + std::to_string(workload.size() + 1);
        p.arrival = data[at] % 41;
        if ((data[at + 3] & 1) && !workload.empty())
            p.arrival = workload.back().arrival;
        p.burst = 1 + data[at + 1] % 40;
        p.priority = data[at + 2] % 6;
        workload.push_back(p);
    }

    lab::Schedule schedule;
    lab::Schedule quietSchedule;
    lab::Options quiet;
    quiet.recordDecisions = false;
    try {
        schedule = lab::solve(workload, settings);
        quietSchedule = lab::solve(workload, settings, quiet);
    } catch (const std::exception &error) {
        failure(workload, settings, std::string("solve threw on a valid workload: ") + error.what());
    }

    const std::string problems = labtest::scheduleProblems(workload, settings, schedule);
    if (!problems.empty())
        failure(workload, settings, "broken invariants:\n" + problems);
    const std::string quietProblems = labtest::scheduleProblems(workload, settings, quietSchedule, quiet);
    if (!quietProblems.empty())
        failure(workload, settings, "broken invariants without decisions:\n" + quietProblems);
    if (quietSchedule.segments != schedule.segments || quietSchedule.processes != schedule.processes
        || quietSchedule.contextSwitches != schedule.contextSwitches)
        failure(workload, settings, "recording decisions changes the schedule");

    const labtest::ReferenceRun reference = labtest::referenceSolve(workload, settings);
    const std::string diff = labtest::differencesFromReference(workload, schedule, reference);
    if (!diff.empty())
        failure(workload, settings, "engine and reference differ:\n" + diff);
    return 0;
}
