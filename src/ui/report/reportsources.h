#pragma once

#include <QString>

#include <array>
#include <optional>

class QWidget;

namespace report {

// The policy chosen with the main window's option buttons (Option1 wins when both are set).
enum class Policy { None, Fcfs, Sjf };

// Everything both reports read back from the main window, as the controls hold it.
// Index i belongs to process P(i+1); the fifth arrival time is Text10, the fifth burst time Text9.
struct ReportSources {
    Policy policy = Policy::None;
    std::array<QString, 5> arrival;    // Text1, Text2, Text3, Text4, Text10
    std::array<QString, 5> burst;      // Text5, Text6, Text7, Text8, Text9
    std::array<QString, 5> waiting;    // captions of AWTDetail_0 .. AWTDetail_4
    std::array<QString, 5> turnaround; // captions of TurnAround_0 .. TurnAround_4
    QString averageWaiting;            // HasilAWT
    QString averageTurnaround;         // HasilATT
};

// Reads the controls of the main window by their object names. A control that is missing is a
// failure: nothing is returned and errorString names the control.
std::optional<ReportSources> readReportSources(const QWidget *mainWindow, QString *errorString);

} // namespace report
