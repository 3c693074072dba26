// The laboratory's engine on large random workloads: every policy at 1,000 to 100,000
// processes, with decisions recorded (the default) and without. Bursts 1..20 (10.5 on
// average) and arrivals spread over 10 units per process (at 100,000 that is kMaxTime), the
// same shape at every size: the processor is just overloaded, ready queues build up, and
// idle gaps remain where arrivals thin out. Round robin with a quantum of 4.
#include "lab/random.h"
#include "lab/schedule.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <map>
#include <utility>

namespace {

const lab::Workload &workloadOf(std::size_t count)
{
    static std::map<std::size_t, lab::Workload> cache;
    auto it = cache.find(count);
    if (it == cache.end()) {
        lab::RandomShape shape;
        shape.count = count;
        shape.maxArrival = lab::Time(10 * count);
        shape.minBurst = 1;
        shape.maxBurst = 20;
        shape.maxPriority = 10;
        it = cache.emplace(count, lab::randomWorkload(20261207, shape)).first;
    }
    return it->second;
}

// state.range(0): the process count; range(1): the policy; range(2): 1 to record decisions.
void BM_Solve(benchmark::State &state)
{
    const lab::Workload &workload = workloadOf(std::size_t(state.range(0)));
    lab::Settings settings;
    settings.policy = lab::kAllPolicies[std::size_t(state.range(1))];
    settings.quantum = 4;
    lab::Options options;
    options.recordDecisions = state.range(2) != 0;
    std::size_t segments = 0;
    std::size_t decisions = 0;
    double idle = 0;
    for (auto _ : state) {
        const lab::Schedule schedule = lab::solve(workload, settings, options);
        segments = schedule.segments.size();
        decisions = schedule.decisions.size();
        idle = double(schedule.idleTime);
        benchmark::DoNotOptimize(schedule.totals);
    }
    state.SetLabel(std::string(lab::policyId(settings.policy)) + (options.recordDecisions ? " decisions" : " quiet"));
    state.counters["segments"] = double(segments);
    state.counters["decisions"] = double(decisions);
    state.counters["idle"] = idle;
}

void everyCase(benchmark::internal::Benchmark *bench)
{
    for (std::int64_t decisions : {1, 0}) {
        for (std::int64_t policy = 0; policy < std::int64_t(lab::kAllPolicies.size()); ++policy) {
            for (std::int64_t count : {1'000, 10'000, 50'000, 100'000})
                bench->Args({count, policy, decisions});
        }
    }
}

BENCHMARK(BM_Solve)->Apply(everyCase)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
