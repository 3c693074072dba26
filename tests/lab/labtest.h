#pragma once

// Workloads and settings written out in a test as the textbooks write them: a row per process,
// and a policy with the quantum and switch cost the examples use unless a test gives others.
// Shared by the engine's tests and the practice exercises' tests.

#include "lab/schedule.h"

#include <vector>

namespace labtest {

struct Row {
    const char *name;
    lab::Time arrival;
    lab::Time burst;
    lab::Time priority = 0;
};

inline lab::Workload workloadOf(const std::vector<Row> &rows)
{
    lab::Workload workload;
    for (const Row &row : rows)
        workload.push_back({row.name, row.arrival, row.burst, row.priority});
    return workload;
}

inline lab::Settings settingsOf(lab::Policy policy, lab::Time quantum = 2, lab::Time switchCost = 0)
{
    lab::Settings settings;
    settings.policy = policy;
    settings.quantum = quantum;
    settings.switchCost = switchCost;
    return settings;
}

} // namespace labtest
