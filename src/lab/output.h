#pragma once

#include "lab/schedule.h"
#include "lab/workload.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The solver's three ways of writing schedules: an aligned table for people, CSV rows and JSON.
// Each writes one schedule, or several of one workload (the seven policies side by side).
namespace lab::output {

enum class Format { Table, Csv, Json };

// "table", "csv", "json".
std::string_view formatId(Format format);
std::optional<Format> formatFromId(std::string_view id);

// Members written before the schedule's own, as key and JSON value ({"code", "\"RR4-...\""}).
using JsonMembers = std::vector<std::pair<std::string, std::string>>;

// One schedule: {"policy": ..., "processes": [...], "segments": [...], ...}, after `leading`.
std::string json(const Workload &workload, const Schedule &schedule, const JsonMembers &leading = {});
// Several: {"policies": [ one object per schedule, in the given order ]}.
std::string json(const Workload &workload, const std::vector<Schedule> &schedules);

// The table of the processes with totals, averages, figures, the rules in force and a text
// Gantt line; several schedules one after the other, then a comparison of their averages.
std::string table(const Workload &workload, const Schedule &schedule);
std::string table(const Workload &workload, const std::vector<Schedule> &schedules);

// A header, then one row per process; several schedules with a first column "policy".
std::string csv(const Workload &workload, const Schedule &schedule);
std::string csv(const Workload &workload, const std::vector<Schedule> &schedules);

// Several schedules in a format: with `several` false there must be one schedule, written alone.
std::string write(Format format, const Workload &workload, const std::vector<Schedule> &schedules,
                  bool several);

// Pieces the formats are made of.
// A JSON string with its quotes; bytes that are not UTF-8 become U+FFFD.
std::string jsonString(std::string_view text);
// The shortest decimal that reads back to the same double ("0.6666666666666666", "8", "1e-07");
// null when it is not finite, which JSON cannot hold.
std::string jsonNumber(double value);
// The processor's time line as "| P1 0-4 | P2 4-7 | idle 7-9 | switch 9-10 |".
std::string ganttLine(const Workload &workload, const Schedule &schedule);

} // namespace lab::output
