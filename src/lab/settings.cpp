#include "lab/settings.h"

#include <algorithm>

namespace lab {

namespace {

struct PolicyNames {
    Policy policy;
    std::string_view id;
    std::string_view name;
};

constexpr std::array<PolicyNames, 7> kPolicyNames{{
    {Policy::Fcfs, "fcfs", "FCFS"},
    {Policy::Sjf, "sjf", "SJF Non Preemptive"},
    {Policy::Srtf, "srtf", "SRTF (SJF Preemptive)"},
    {Policy::RoundRobin, "rr", "Round Robin"},
    {Policy::Priority, "priority", "Priority Non Preemptive"},
    {Policy::PriorityPreemptive, "priority-preemptive", "Priority Preemptive"},
    {Policy::Hrrn, "hrrn", "HRRN"},
}};

struct RuleNames {
    Rule rule;
    std::string_view id;
    std::string_view text;
};

constexpr std::array<RuleNames, 13> kRuleNames{{
    {Rule::IdleUntilArrival, "idle-until-arrival",
     "when no process is ready the processor idles until the next arrival"},
    {Rule::ArrivalJoinsChoice, "arrival-joins-choice",
     "a process arriving as the processor becomes free takes part in that choice"},
    {Rule::TieEarlierArrival, "tie-arrival-then-list",
     "equal keys: the earlier arrival first, then the earlier place in the list"},
    {Rule::PreemptStrictlyBetter, "preempt-strictly-better",
     "only a strictly better newcomer preempts; on equal keys the running process keeps the processor"},
    {Rule::PriorityLowFirst, "priority-low-first", "a smaller priority number is a higher priority"},
    {Rule::PriorityHighFirst, "priority-high-first", "a larger priority number is a higher priority"},
    {Rule::RoundRobinFifo, "rr-fifo",
     "one FIFO ready queue; newcomers and processes whose quantum ran out join at the tail"},
    {Rule::RoundRobinNewcomerFirst, "rr-newcomer-first",
     "a newcomer arriving as a quantum runs out is queued before the preempted process"},
    {Rule::RoundRobinPreemptedFirst, "rr-preempted-first",
     "a newcomer arriving as a quantum runs out is queued after the preempted process"},
    {Rule::RoundRobinEarlyRelease, "rr-early-release",
     "a process that finishes inside its quantum gives up the processor at once"},
    {Rule::RoundRobinLoneContinues, "rr-lone-continues",
     "when the queue is empty as a quantum runs out, the same process goes on without a switch"},
    {Rule::HighestResponseRatio, "hrrn-highest-ratio",
     "the ready process with the highest (waiting + burst) / burst runs next"},
    {Rule::SwitchCost, "switch-cost",
     "each change from one process directly to another costs the switch time; none at the start, after idle time or when the same process goes on"},
}};


} // namespace

bool usesQuantum(Policy policy)
{
    return policy == Policy::RoundRobin;
}

bool usesPriority(Policy policy)
{
    return policy == Policy::Priority || policy == Policy::PriorityPreemptive;
}

bool isPreemptive(Policy policy)
{
    return policy == Policy::Srtf || policy == Policy::PriorityPreemptive || policy == Policy::RoundRobin;
}

std::string_view policyId(Policy policy)
{
    for (const PolicyNames &entry : kPolicyNames) {
        if (entry.policy == policy)
            return entry.id;
    }
    return "fcfs";
}

std::optional<Policy> policyFromId(std::string_view id)
{
    for (const PolicyNames &entry : kPolicyNames) {
        if (entry.id == id)
            return entry.policy;
    }
    return std::nullopt;
}

std::string_view policyName(Policy policy)
{
    for (const PolicyNames &entry : kPolicyNames) {
        if (entry.policy == policy)
            return entry.name;
    }
    return "FCFS";
}

std::string_view priorityOrderId(PriorityOrder order)
{
    return order == PriorityOrder::LowFirst ? "low-first" : "high-first";
}

std::optional<PriorityOrder> priorityOrderFromId(std::string_view id)
{
    if (id == "low-first")
        return PriorityOrder::LowFirst;
    if (id == "high-first")
        return PriorityOrder::HighFirst;
    return std::nullopt;
}

std::string_view roundRobinRuleId(RoundRobinRule rule)
{
    return rule == RoundRobinRule::NewcomerFirst ? "newcomer-first" : "preempted-first";
}

std::optional<RoundRobinRule> roundRobinRuleFromId(std::string_view id)
{
    if (id == "newcomer-first")
        return RoundRobinRule::NewcomerFirst;
    if (id == "preempted-first")
        return RoundRobinRule::PreemptedFirst;
    return std::nullopt;
}

std::string_view ruleId(Rule rule)
{
    for (const RuleNames &entry : kRuleNames) {
        if (entry.rule == rule)
            return entry.id;
    }
    return "";
}

std::string_view ruleText(Rule rule)
{
    for (const RuleNames &entry : kRuleNames) {
        if (entry.rule == rule)
            return entry.text;
    }
    return "";
}

std::vector<Rule> rulesInForce(const Settings &settings)
{
    std::vector<Rule> rules{Rule::IdleUntilArrival, Rule::ArrivalJoinsChoice};
    switch (settings.policy) {
    case Policy::Fcfs:
    case Policy::Sjf:
        rules.push_back(Rule::TieEarlierArrival);
        break;
    case Policy::Srtf:
        rules.push_back(Rule::TieEarlierArrival);
        rules.push_back(Rule::PreemptStrictlyBetter);
        break;
    case Policy::RoundRobin:
        rules.push_back(Rule::RoundRobinFifo);
        rules.push_back(Rule::TieEarlierArrival);   // newcomers arriving together
        rules.push_back(settings.roundRobinRule == RoundRobinRule::NewcomerFirst
                            ? Rule::RoundRobinNewcomerFirst
                            : Rule::RoundRobinPreemptedFirst);
        rules.push_back(Rule::RoundRobinEarlyRelease);
        rules.push_back(Rule::RoundRobinLoneContinues);
        break;
    case Policy::Priority:
    case Policy::PriorityPreemptive:
        rules.push_back(settings.priorityOrder == PriorityOrder::LowFirst ? Rule::PriorityLowFirst
                                                                          : Rule::PriorityHighFirst);
        rules.push_back(Rule::TieEarlierArrival);
        if (settings.policy == Policy::PriorityPreemptive)
            rules.push_back(Rule::PreemptStrictlyBetter);
        break;
    case Policy::Hrrn:
        rules.push_back(Rule::HighestResponseRatio);
        rules.push_back(Rule::TieEarlierArrival);
        break;
    }
    rules.push_back(Rule::SwitchCost);
    return rules;
}

std::optional<Problem> validateSettings(const Settings &settings)
{
    if (settings.quantum < 1)
        return settings.quantum < 0 ? Problem::Negative : Problem::ZeroBurst;
    if (settings.quantum > kMaxTime)
        return Problem::TooLarge;
    if (settings.switchCost < 0)
        return Problem::Negative;
    if (settings.switchCost > kMaxTime)
        return Problem::TooLarge;
    return std::nullopt;
}

} // namespace lab
