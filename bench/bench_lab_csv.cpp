// The laboratory's files and the solver's output on large workloads: reading and writing CSV,
// and writing one schedule as a table, CSV and JSON. The argument is the number of processes.
#include "lab/csv.h"
#include "lab/output.h"
#include "lab/random.h"
#include "lab/schedule.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>
#include <variant>

namespace {

lab::Workload workloadOf(std::int64_t count)
{
    lab::RandomShape shape;
    shape.count = static_cast<std::size_t>(count);
    shape.maxArrival = lab::kMaxTime;
    shape.maxBurst = 1000;
    shape.maxPriority = 100;
    return lab::randomWorkload(42, shape);
}

void BM_CsvRead(benchmark::State &state)
{
    const std::string text = lab::csv::write(workloadOf(state.range(0)));
    for (auto _ : state) {
        auto result = lab::csv::read(text);
        if (!std::holds_alternative<lab::csv::Parsed>(result))
            throw std::logic_error("a written workload was refused");
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_CsvRead)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_CsvWrite(benchmark::State &state)
{
    const lab::Workload workload = workloadOf(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(lab::csv::write(workload));
}
BENCHMARK(BM_CsvWrite)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SplitRows(benchmark::State &state)
{
    std::string text;
    for (std::int64_t i = 0; i < state.range(0); ++i)
        text += "P" + std::to_string(i) + "\t" + std::to_string(i % 97) + "\t" + std::to_string(1 + i % 13) + "\n";
    for (auto _ : state)
        benchmark::DoNotOptimize(lab::csv::splitRows(text));
}
BENCHMARK(BM_SplitRows)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

template <lab::output::Format format>
void BM_Output(benchmark::State &state)
{
    const lab::Workload workload = workloadOf(state.range(0));
    lab::Settings settings;
    settings.policy = lab::Policy::Srtf;
    lab::Options options;
    options.recordDecisions = false;
    const std::vector<lab::Schedule> schedules{lab::solve(workload, settings, options)};
    for (auto _ : state)
        benchmark::DoNotOptimize(lab::output::write(format, workload, schedules, false));
}
BENCHMARK(BM_Output<lab::output::Format::Table>)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Output<lab::output::Format::Csv>)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Output<lab::output::Format::Json>)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
