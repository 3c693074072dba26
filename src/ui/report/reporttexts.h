#pragma once

#include <QString>

#include <array>

namespace report {

// The policy chosen with the main window's option buttons (Option1 wins when both are set).
enum class Policy { None, Fcfs, Sjf };

// Everything both reports show of the schedule, as the main window's controls hold it.
// Index i belongs to process P(i+1); the fifth arrival time is Text10, the fifth burst time Text9.
struct ReportTexts {
    Policy policy = Policy::None;
    std::array<QString, 5> arrival;    // Text1, Text2, Text3, Text4, Text10
    std::array<QString, 5> burst;      // Text5, Text6, Text7, Text8, Text9
    std::array<QString, 5> waiting;    // captions of AWTDetail_0 .. AWTDetail_4
    std::array<QString, 5> turnaround; // captions of TurnAround_0 .. TurnAround_4
    QString averageWaiting;            // HasilAWT
    QString averageTurnaround;         // HasilATT
};

} // namespace report
