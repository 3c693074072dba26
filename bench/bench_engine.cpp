#include "engine/processset.h"
#include "engine/scheduler.h"
#include "engine/schedulesink.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace {

// Stands in for the window: counts what a run hands over, with step messages wanted.
class CountingSink : public engine::ScheduleSink {
public:
    void setWaitingCaption(int, const std::string &caption) override { count(caption); }
    void setTurnaroundCaption(int, const std::string &caption) override { count(caption); }
    void setWaitingResult(const std::string &text) override { count(text); }
    void setTurnaroundResult(const std::string &text) override { count(text); }
    bool stepMessagesWanted() override { return true; }
    void showStepMessage(const std::string &text) override { count(text); }
    void refuseSchedule(const std::string &, const std::string &text) override { count(text); }
    void showFatalError(int, const std::string &description) override { count(description); }
    void enableBlinkTimer() override { ++calls; }

    std::size_t calls = 0;
    std::size_t characters = 0;

private:
    void count(const std::string &text)
    {
        ++calls;
        characters += text.size();
    }
};

const engine::ProcessSet &workedExample()
{
    static const engine::ProcessSet set = engine::ProcessSet::read(
        engine::BoxTexts{{"0", "1", "2", "3", "4"}, {"5", "3", "8", "6", "2"}});
    return set;
}

// One whole run of the worked example per iteration, from fresh working values.
void measureRun(benchmark::State &state, engine::ScheduleRun run)
{
    CountingSink sink;
    for (auto _ : state) {
        engine::WorkingValues values;
        run(workedExample(), values, sink, ".");
        benchmark::DoNotOptimize(values);
    }
    benchmark::DoNotOptimize(sink.characters);
    state.counters["calls/run"] = double(sink.calls) / double(state.iterations());
}

void BM_FcfsRun(benchmark::State &state) { measureRun(state, engine::runFcfs); }
BENCHMARK(BM_FcfsRun);

void BM_SjfRun(benchmark::State &state) { measureRun(state, engine::runSjf); }
BENCHMARK(BM_SjfRun);

} // namespace

BENCHMARK_MAIN();
