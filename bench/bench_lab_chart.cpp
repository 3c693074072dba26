// The laboratory's Gantt chart for long round-robin schedules: building the chart's data from a
// schedule, and one whole paint of the chart fitted to an ordinary window's width (every piece
// visible, most narrower than a pixel) and in the comparison's compact look.
#include "qtbenchmain.h"

#include "lab/random.h"
#include "lab/schedule.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/labchartdata.h"

#include <QImage>
#include <QPainter>

namespace {

struct LongSchedule {
    lab::Workload workload;
    lab::Schedule schedule;
};

// Round robin with quantum 2 over random processes: about three pieces per process.
LongSchedule longSchedule(std::size_t processes)
{
    lab::RandomShape shape;
    shape.count = processes;
    shape.maxArrival = static_cast<lab::Time>(processes) * 4;
    shape.maxBurst = 10;
    LongSchedule run;
    run.workload = lab::randomWorkload(20261207, shape);
    lab::Settings settings;
    settings.policy = lab::Policy::RoundRobin;
    settings.quantum = 2;
    run.schedule = lab::solve(run.workload, settings, lab::Options{false, 0});
    return run;
}

void BM_ChartData(benchmark::State &state)
{
    const LongSchedule run = longSchedule(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        gantt::ChartData data = labui::chartData(run.workload, run.schedule, QStringLiteral("RR"));
        benchmark::DoNotOptimize(data.processor.data());
    }
    state.counters["pieces"] = static_cast<double>(run.schedule.segments.size());
}

void paintChart(benchmark::State &state, bool compact)
{
    const LongSchedule run = longSchedule(static_cast<std::size_t>(state.range(0)));
    gantt::GanttChart chart;
    chart.setCompact(compact);
    chart.showChart(labui::chartData(run.workload, run.schedule, QStringLiteral("RR")));
    const QSize size(900, compact ? chart.minimumSizeHint().height() : 600);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        chart.paint(painter, size, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    state.counters["pieces"] = static_cast<double>(run.schedule.segments.size());
}

void BM_PaintFitted(benchmark::State &state)
{
    paintChart(state, false);
}

void BM_PaintCompact(benchmark::State &state)
{
    paintChart(state, true);
}

} // namespace

BENCHMARK(BM_ChartData)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintFitted)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintCompact)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

QUORVEL_QT_BENCHMARK_MAIN()
