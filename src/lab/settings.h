#pragma once

#include "lab/workload.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace lab {

// The seven policies, in the order every list and comparison shows them.
enum class Policy { Fcfs, Sjf, Srtf, RoundRobin, Priority, PriorityPreemptive, Hrrn };
inline constexpr std::array<Policy, 7> kAllPolicies{Policy::Fcfs, Policy::Sjf, Policy::Srtf,
                                                    Policy::RoundRobin, Policy::Priority,
                                                    Policy::PriorityPreemptive, Policy::Hrrn};

// Which priority numbers come first.
enum class PriorityOrder {
    LowFirst,    // a smaller number is a higher priority (the default)
    HighFirst,   // a larger number is a higher priority
};

// Round robin: who is queued first when a newcomer arrives at the very instant a quantum runs out.
enum class RoundRobinRule {
    NewcomerFirst,    // the newcomer, then the preempted process (the default)
    PreemptedFirst,   // the preempted process, then the newcomer
};

struct Settings {
    Policy policy = Policy::Fcfs;
    Time quantum = 2;                       // round robin only, at least 1
    PriorityOrder priorityOrder = PriorityOrder::LowFirst;
    RoundRobinRule roundRobinRule = RoundRobinRule::NewcomerFirst;
    Time switchCost = 0;                    // dispatcher time per context switch, at least 0

    bool operator==(const Settings &) const = default;
};

// What a policy uses and does.
bool usesQuantum(Policy policy);            // round robin
bool usesPriority(Policy policy);           // both priority policies
bool isPreemptive(Policy policy);           // SRTF, priority preemptive, round robin

// Identifiers of the command line and of JSON: "fcfs", "sjf", "srtf", "rr", "priority",
// "priority-preemptive", "hrrn"; "low-first", "high-first"; "newcomer-first", "preempted-first".
std::string_view policyId(Policy policy);
std::optional<Policy> policyFromId(std::string_view id);
std::string_view priorityOrderId(PriorityOrder order);
std::optional<PriorityOrder> priorityOrderFromId(std::string_view id);
std::string_view roundRobinRuleId(RoundRobinRule rule);
std::optional<RoundRobinRule> roundRobinRuleFromId(std::string_view id);

// The names the windows and the solver's table show: "FCFS", "SJF Non Preemptive",
// "SRTF (SJF Preemptive)", "Round Robin", "Priority Non Preemptive", "Priority Preemptive", "HRRN".
std::string_view policyName(Policy policy);

// The rules the engine applies. Each has a short name that every output shows beside it.
enum class Rule {
    IdleUntilArrival,       // nothing ready: the processor idles until the next arrival
    ArrivalJoinsChoice,     // a process arriving as the processor becomes free takes part in that choice
    TieEarlierArrival,      // equal keys: the earlier (original) arrival first, then the list order
    PreemptStrictlyBetter,  // SRTF / priority preemptive: only a strictly better newcomer preempts
    PriorityLowFirst,       // a smaller priority number is a higher priority
    PriorityHighFirst,      // a larger priority number is a higher priority
    RoundRobinFifo,         // one FIFO queue; newcomers and expired processes join at the tail
    RoundRobinNewcomerFirst,  // a newcomer at the instant a quantum runs out is queued first
    RoundRobinPreemptedFirst, // ... or after the preempted process
    RoundRobinEarlyRelease, // a process finishing inside its quantum gives up the processor at once
    RoundRobinLoneContinues,// an empty queue at the quantum's end: the same process goes on
    HighestResponseRatio,   // HRRN: the highest (waiting + burst) / burst
    SwitchCost,             // s units of dispatcher time on every change of process
};

// Short names, such as "tie-arrival-then-list"; English one-line descriptions for the solver.
std::string_view ruleId(Rule rule);
std::string_view ruleText(Rule rule);

// The rules in force for these settings, in the order outputs list them.
std::vector<Rule> rulesInForce(const Settings &settings);

// Checks the settings themselves: a quantum of at least 1 and at most kMaxTime, a switch cost
// of 0 to kMaxTime. The field of the returned problem is unused (Name).
std::optional<Problem> validateSettings(const Settings &settings);

} // namespace lab
