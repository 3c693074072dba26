#pragma once

#include <QString>

#include <vector>

// What a Gantt chart shows, whichever window made it: the main window's five-process runs
// (built from engine::Timeline) and the laboratory's schedules (built from lab::Schedule) both
// become one of these, and one painter draws it.
namespace gantt {

enum class PieceKind { Run, Idle, Switch };

// One piece of the processor row. A Run piece names its lane (the process); Idle and Switch
// pieces have lane -1 and are drawn in their own look, labelled.
struct ProcessorPiece {
    double start = 0;
    double end = 0;
    PieceKind kind = PieceKind::Run;
    int lane = -1;
};

// One span of a process's lane: waiting for the processor, or running on it.
struct LanePiece {
    double start = 0;
    double end = 0;
    bool running = false;
};

// One process: its name, its arrival (marked with a triangle) and its pieces in time order. A
// running piece that starts before the arrival is hatched up to it (the main window's model can
// run a process before it arrives).
struct ChartLane {
    QString name;
    double arrival = 0;
    std::vector<LanePiece> pieces;
};

struct ChartData {
    QString title;                           // wraps onto further lines when it does not fit
    std::vector<ProcessorPiece> processor;   // in time order
    std::vector<ChartLane> lanes;            // in the list order of the processes
    QString description;                     // for screen readers: "P1 0-4, P2 4-7, idle 7-9"
    bool empty() const { return processor.empty() && lanes.empty(); }
};

} // namespace gantt
