#include "ui/gantt/timelinechart.h"

#include "engine/processset.h"
#include "engine/timeline.h"

namespace gantt {

ChartData chartFromTimeline(const QString &title, const engine::Timeline &timeline,
                            const engine::ProcessSet &processes)
{
    ChartData chart;
    chart.title = title;
    chart.description = QString::fromStdString(engine::describeTimeline(timeline));
    for (int i = 0; i < 5; ++i) {
        ChartLane lane;
        lane.name = QStringLiteral("P%1").arg(i + 1);
        lane.arrival = processes.arrival(i + 1);
        chart.lanes.push_back(lane);
    }
    for (const engine::TimelineBar &bar : timeline.bars) {
        chart.processor.push_back({bar.start, bar.finish, PieceKind::Run, bar.index});
        if (bar.index < 0 || bar.index >= 5)
            continue;
        ChartLane &lane = chart.lanes[static_cast<std::size_t>(bar.index)];
        if (lane.arrival < bar.start)
            lane.pieces.push_back({lane.arrival, bar.start, false});
        lane.pieces.push_back({bar.start, bar.finish, true});
    }
    return chart;
}

} // namespace gantt
