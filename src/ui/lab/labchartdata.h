#pragma once

#include "lab/schedule.h"
#include "lab/workload.h"
#include "ui/gantt/chartdata.h"

#include <QString>

#include <string>

namespace labui {

// A policy's name as the laboratory shows it, with the quantum for round robin ("Round Robin
// (q = 2)").
QString policyTitle(const lab::Settings &settings);

// The title of a laboratory chart: the policy's name (with the quantum for round robin) and
// the three averages, such as "FCFS   Waiting: 41/5 = 8.2   Turnaround: ...   Response: ...".
QString chartTitle(const lab::Schedule &schedule, const std::string &decimalSeparator);

// A laboratory schedule as the Gantt chart draws it: the processor row from the segments (run,
// idle and switch pieces), one lane per process in the workload's order with its arrival, its
// waiting pieces (from its arrival, or the end of its previous run, to each run) and its running
// pieces, and the segments as the description for screen readers ("P1 0-4, idle 4-6, ...").
gantt::ChartData chartData(const lab::Workload &workload, const lab::Schedule &schedule, const QString &title);

} // namespace labui
