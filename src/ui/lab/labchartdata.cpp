#include "ui/lab/labchartdata.h"

#include "lab/settings.h"

#include <QCoreApplication>

#include <vector>

namespace labui {

QString policyTitle(const lab::Settings &settings)
{
    const QString policy = QString::fromUtf8(lab::policyName(settings.policy));
    if (!lab::usesQuantum(settings.policy))
        return policy;
    //: The policy's name with its quantum, such as "Round Robin (q = 2)".
    return QCoreApplication::translate("LabChart", "%1 (q = %2)").arg(policy).arg(settings.quantum);
}

QString chartTitle(const lab::Schedule &schedule, const std::string &decimalSeparator)
{
    const QString policy = policyTitle(schedule.settings);
    const std::size_t count = schedule.count();
    const auto average = [&](lab::Time total) {
        return QString::fromStdString(lab::averageText(total, count, decimalSeparator));
    };
    //: A laboratory chart's title: the policy, then the averages of waiting, turnaround and response.
    return QCoreApplication::translate("LabChart", "%1   Waiting: %2   Turnaround: %3   Response: %4")
        .arg(policy, average(schedule.totals.waiting), average(schedule.totals.turnaround),
             average(schedule.totals.response));
}

gantt::ChartData chartData(const lab::Workload &workload, const lab::Schedule &schedule, const QString &title)
{
    gantt::ChartData data;
    data.title = title;
    data.description = QString::fromStdString(lab::describeSegments(workload, schedule));

    data.processor.reserve(schedule.segments.size());
    data.lanes.resize(workload.size());
    for (std::size_t i = 0; i < workload.size(); ++i) {
        data.lanes[i].name = QString::fromStdString(workload[i].name);
        data.lanes[i].arrival = static_cast<double>(workload[i].arrival);
    }
    // Where each process's next waiting piece starts: its arrival, then the end of its last run.
    std::vector<lab::Time> waitingSince(workload.size());
    for (std::size_t i = 0; i < workload.size(); ++i)
        waitingSince[i] = workload[i].arrival;

    for (const lab::Segment &segment : schedule.segments) {
        gantt::ProcessorPiece piece;
        piece.start = static_cast<double>(segment.start);
        piece.end = static_cast<double>(segment.end);
        switch (segment.kind) {
        case lab::SegmentKind::Run:
            piece.kind = gantt::PieceKind::Run;
            piece.lane = static_cast<int>(segment.process);
            break;
        case lab::SegmentKind::Idle:
            piece.kind = gantt::PieceKind::Idle;
            break;
        case lab::SegmentKind::Switch:
            piece.kind = gantt::PieceKind::Switch;
            break;
        }
        data.processor.push_back(piece);

        if (segment.kind != lab::SegmentKind::Run || segment.process >= workload.size())
            continue;
        gantt::ChartLane &lane = data.lanes[segment.process];
        lab::Time &since = waitingSince[segment.process];
        if (segment.start > since) {
            lane.pieces.push_back({static_cast<double>(since), static_cast<double>(segment.start), false});
        }
        lane.pieces.push_back({static_cast<double>(segment.start), static_cast<double>(segment.end), true});
        since = segment.end;
    }
    return data;
}

} // namespace labui
