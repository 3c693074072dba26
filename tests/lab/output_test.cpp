// The solver's output formats: the JSON shape and its escaping (read back with a strict
// reader), the table and the CSV rows of small schedules worked out by hand.
#include "lab/output.h"
#include "lab/schedule.h"
#include "lab/settings.h"

#include "common/jsonreader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using lab::Process;
using lab::Schedule;
using lab::Segment;
using lab::SegmentKind;
using lab::Workload;
namespace json = testsupport::json;
namespace output = lab::output;

// A 0-8, B 1-4 under SRTF, by hand: A runs 0-1, B (4 < 7 remaining) preempts and runs 1-5,
// A finishes 5-12. A: completion 12, turnaround 12, waiting 4, response 0; B: 5, 4, 0, 0.
const Workload kSrtfWorkload{{"A", 0, 8, 0}, {"B", 1, 4, 0}};

Schedule srtfByHand()
{
    Schedule schedule;
    schedule.settings.policy = lab::Policy::Srtf;
    schedule.processes = {{0, 12, 12, 4, 0}, {1, 5, 4, 0, 0}};
    schedule.segments = {{0, 1, SegmentKind::Run, 0}, {1, 5, SegmentKind::Run, 1}, {5, 12, SegmentKind::Run, 0}};
    schedule.totals = {4, 16, 0};
    schedule.totalBurst = 12;
    schedule.firstArrival = 0;
    schedule.lastCompletion = 12;
    schedule.contextSwitches = 2;
    return schedule;
}

// Round robin, quantum 2, switch cost 1: A 0-3, B 0-2, C 10-1. A runs 0-2, its quantum runs out
// with B waiting: switch 2-3, B 3-5 and done, switch 5-6, A 6-7, idle 7-10, C 10-11 (no switch
// after idle time). A: 7, 7, 4, 0; B: 5, 5, 3, 3; C: 11, 1, 0, 0.
const Workload kRoundRobinWorkload{{"A", 0, 3, 2}, {"B", 0, 2, 1}, {"C", 10, 1, 0}};

Schedule roundRobinByHand()
{
    Schedule schedule;
    schedule.settings.policy = lab::Policy::RoundRobin;
    schedule.settings.quantum = 2;
    schedule.settings.switchCost = 1;
    schedule.processes = {{0, 7, 7, 4, 0}, {3, 5, 5, 3, 3}, {10, 11, 1, 0, 0}};
    schedule.segments = {{0, 2, SegmentKind::Run, 0},    {2, 3, SegmentKind::Switch, 1},
                         {3, 5, SegmentKind::Run, 1},    {5, 6, SegmentKind::Switch, 0},
                         {6, 7, SegmentKind::Run, 0},    {7, 10, SegmentKind::Idle, lab::kNoProcess},
                         {10, 11, SegmentKind::Run, 2}};
    schedule.totals = {7, 13, 3};
    schedule.totalBurst = 6;
    schedule.firstArrival = 0;
    schedule.lastCompletion = 11;
    schedule.idleTime = 3;
    schedule.switchTime = 2;
    schedule.contextSwitches = 2;
    return schedule;
}

bool hasLine(const std::string &text, const std::string &line)
{
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        if (text.substr(start, end - start) == line)
            return true;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return false;
}

// ---- JSON ---------------------------------------------------------------------------------------

TEST(OutputJson, ShapeOfOneSchedule)
{
    const json::Value root = json::parse(output::json(kSrtfWorkload, srtfByHand()));
    EXPECT_EQ(root.keys(), (std::vector<std::string>{"policy", "priorityOrder", "rrRule", "switchCost", "processes",
                                                     "segments", "totals", "averages", "utilisation", "throughput",
                                                     "contextSwitches"}));
    EXPECT_EQ(root["policy"].string(), "srtf");
    EXPECT_EQ(root["priorityOrder"].string(), "low-first");
    EXPECT_EQ(root["rrRule"].string(), "newcomer-first");
    EXPECT_EQ(root["switchCost"].integer(), 0);

    const json::Array &processes = root["processes"].array();
    ASSERT_EQ(processes.size(), 2u);
    const std::vector<std::string> processKeys{"name", "arrival", "burst", "priority", "completion",
                                               "turnaround", "waiting", "response"};
    EXPECT_EQ(processes[0].keys(), processKeys);
    EXPECT_EQ(processes[0]["name"].string(), "A");
    const std::int64_t expectedA[] = {0, 8, 0, 12, 12, 4, 0};
    const std::int64_t expectedB[] = {1, 4, 0, 5, 4, 0, 0};
    for (std::size_t k = 1; k < processKeys.size(); ++k) {
        EXPECT_EQ(processes[0][processKeys[k]].integer(), expectedA[k - 1]) << processKeys[k];
        EXPECT_EQ(processes[1][processKeys[k]].integer(), expectedB[k - 1]) << processKeys[k];
    }

    const json::Array &segments = root["segments"].array();
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[1].keys(), (std::vector<std::string>{"start", "end", "kind", "process"}));
    EXPECT_EQ(segments[1]["start"].integer(), 1);
    EXPECT_EQ(segments[1]["end"].integer(), 5);
    EXPECT_EQ(segments[1]["kind"].string(), "run");
    EXPECT_EQ(segments[1]["process"].string(), "B");
    EXPECT_EQ(segments[2]["process"].string(), "A");

    EXPECT_EQ(root["totals"].keys(), (std::vector<std::string>{"waiting", "turnaround", "response"}));
    EXPECT_EQ(root["totals"]["waiting"].integer(), 4);
    EXPECT_EQ(root["totals"]["turnaround"].integer(), 16);
    EXPECT_EQ(root["totals"]["response"].integer(), 0);
    EXPECT_EQ(root["averages"]["waiting"].number(), 2.0);
    EXPECT_EQ(root["averages"]["turnaround"].number(), 8.0);
    EXPECT_EQ(root["averages"]["response"].number(), 0.0);
    EXPECT_EQ(root["utilisation"].number(), 1.0);
    EXPECT_EQ(root["throughput"].number(), 2.0 / 12.0);
    EXPECT_EQ(root["throughput"].numberText, "0.16666666666666666");
    EXPECT_EQ(root["contextSwitches"].integer(), 2);
}

TEST(OutputJson, RoundRobinHasQuantumAndEveryKindOfSegment)
{
    const json::Value root = json::parse(output::json(kRoundRobinWorkload, roundRobinByHand()));
    EXPECT_EQ(root.keys()[0], "policy");
    EXPECT_EQ(root.keys()[1], "quantum");
    EXPECT_EQ(root["policy"].string(), "rr");
    EXPECT_EQ(root["quantum"].integer(), 2);
    EXPECT_EQ(root["switchCost"].integer(), 1);
    EXPECT_EQ(root["processes"][1]["priority"].integer(), 1);

    const json::Array &segments = root["segments"].array();
    ASSERT_EQ(segments.size(), 7u);
    EXPECT_EQ(segments[1].keys(), (std::vector<std::string>{"start", "end", "kind"}));
    EXPECT_EQ(segments[1]["kind"].string(), "switch");
    EXPECT_EQ(segments[5].keys(), (std::vector<std::string>{"start", "end", "kind"}));
    EXPECT_EQ(segments[5]["kind"].string(), "idle");
    EXPECT_EQ(segments[5]["start"].integer(), 7);
    EXPECT_EQ(segments[5]["end"].integer(), 10);
    EXPECT_EQ(segments[6]["process"].string(), "C");

    EXPECT_EQ(root["averages"]["waiting"].number(), 7.0 / 3.0);
    EXPECT_EQ(root["averages"]["turnaround"].number(), 13.0 / 3.0);
    EXPECT_EQ(root["averages"]["response"].number(), 1.0);
    EXPECT_EQ(root["utilisation"].number(), 6.0 / 11.0);
    EXPECT_EQ(root["throughput"].number(), 3.0 / 11.0);
}

TEST(OutputJson, OtherPoliciesHaveNoQuantum)
{
    Schedule schedule = srtfByHand();
    for (lab::Policy policy : lab::kAllPolicies) {
        schedule.settings.policy = policy;
        const json::Value root = json::parse(output::json(kSrtfWorkload, schedule));
        EXPECT_EQ(root.has("quantum"), policy == lab::Policy::RoundRobin) << lab::policyId(policy);
        EXPECT_EQ(root["policy"].string(), lab::policyId(policy));
    }
}

TEST(OutputJson, SeveralSchedulesInOrder)
{
    std::vector<Schedule> schedules;
    for (lab::Policy policy : lab::kAllPolicies) {
        Schedule schedule = srtfByHand();
        schedule.settings.policy = policy;
        schedule.settings.priorityOrder = lab::PriorityOrder::HighFirst;
        schedules.push_back(schedule);
    }
    const json::Value root = json::parse(output::json(kSrtfWorkload, schedules));
    EXPECT_EQ(root.keys(), std::vector<std::string>{"policies"});
    const json::Array &policies = root["policies"].array();
    ASSERT_EQ(policies.size(), 7u);
    const char *ids[] = {"fcfs", "sjf", "srtf", "rr", "priority", "priority-preemptive", "hrrn"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(policies[i]["policy"].string(), ids[i]);
        EXPECT_EQ(policies[i]["priorityOrder"].string(), "high-first");
        EXPECT_EQ(policies[i]["processes"].array().size(), 2u);
    }
}

TEST(OutputJson, NamesAreEscaped)
{
    const std::vector<std::string> names = {
        "quote \" here", "back\\slash", "new\nline", "tab\tcr\r", std::string("nul\0x", 5), "bell\x07\x1f\x7f",
        "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "/slash", "\xE2\x80\xA8"};
    Workload workload;
    Schedule schedule;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto time = static_cast<lab::Time>(i);
        workload.push_back({names[i], time, 1, 0});
        schedule.processes.push_back({time, time + 1, 1, 0, 0});
        schedule.segments.push_back({time, time + 1, SegmentKind::Run, i});
    }
    schedule.totals = {0, static_cast<lab::Time>(names.size()), 0};
    schedule.totalBurst = static_cast<lab::Time>(names.size());
    schedule.lastCompletion = schedule.totalBurst;
    const std::string text = output::json(workload, schedule);
    const json::Value root = json::parse(text);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(root["processes"][i]["name"].string(), names[i]);
        EXPECT_EQ(root["segments"][i]["process"].string(), names[i]);
    }
}

TEST(OutputJson, StringEscapes)
{
    EXPECT_EQ(output::jsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(output::jsonString("\n\r\t\b\f"), "\"\\n\\r\\t\\b\\f\"");
    EXPECT_EQ(output::jsonString(std::string("\0\x01\x1f", 3)), "\"\\u0000\\u0001\\u001f\"");
    EXPECT_EQ(output::jsonString("\xC3\xA9"), "\"\xC3\xA9\"");
}

TEST(OutputJson, BytesThatAreNotUtf8BecomeReplacementCharacters)
{
    const std::string bad[] = {"\xff", "\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80"};
    for (const std::string &bytes : bad) {
        const std::string text = output::jsonString("a" + bytes + "b");
        const json::Value value = json::parse(text);
        ASSERT_TRUE(value.isString());
        EXPECT_EQ(value.string().substr(0, 1), "a");
        EXPECT_EQ(value.string().substr(value.string().size() - 1), "b");
        EXPECT_NE(value.string().find("\xEF\xBF\xBD"), std::string::npos) << text;
    }
}

TEST(OutputJson, NumbersAreShortestAndReadBack)
{
    EXPECT_EQ(output::jsonNumber(8.0), "8");
    EXPECT_EQ(output::jsonNumber(0.1), "0.1");
    EXPECT_EQ(output::jsonNumber(2.5), "2.5");
    EXPECT_EQ(output::jsonNumber(std::nan("")), "null");
    EXPECT_EQ(output::jsonNumber(INFINITY), "null");
    for (int n = 1; n < 200; ++n) {
        for (int d = 1; d < 50; d += 7) {
            const double value = static_cast<double>(n) / d;
            const std::string text = output::jsonNumber(value);
            EXPECT_EQ(json::parse(text).number(), value) << text;
            EXPECT_EQ(text.find_first_of("eE"), std::string::npos) << text;
        }
    }
}

// ---- table --------------------------------------------------------------------------------------

TEST(OutputTable, SrtfByHand)
{
    const std::string text = output::table(kSrtfWorkload, srtfByHand());
    EXPECT_TRUE(hasLine(text, "Policy:   SRTF (SJF Preemptive)")) << text;
    EXPECT_TRUE(hasLine(text, "Settings: switch cost 0")) << text;
    EXPECT_TRUE(hasLine(text, "Process  Arrival  Burst  Completion  Turnaround  Waiting  Response")) << text;
    EXPECT_TRUE(hasLine(text, "A              0      8          12          12        4         0")) << text;
    EXPECT_TRUE(hasLine(text, "B              1      4           5           4        0         0")) << text;
    EXPECT_TRUE(hasLine(text, "Total                                        16        4         0")) << text;
    EXPECT_TRUE(hasLine(text, "Average waiting:     4/2 = 2")) << text;
    EXPECT_TRUE(hasLine(text, "Average turnaround:  16/2 = 8")) << text;
    EXPECT_TRUE(hasLine(text, "Average response:    0/2 = 0")) << text;
    EXPECT_TRUE(hasLine(text, "Utilisation:         12/12 = 1")) << text;
    EXPECT_TRUE(hasLine(text, "Throughput:          2/12 = 0.17 processes per time unit")) << text;
    EXPECT_TRUE(hasLine(text, "Context switches:    2")) << text;
    EXPECT_TRUE(hasLine(text, "Gantt: | A 0-1 | B 1-5 | A 5-12 |")) << text;
    EXPECT_EQ(text.find("Priority"), std::string::npos) << "no priority column for SRTF";
    // Every rule in force, by its short name and its text.
    for (lab::Rule rule : lab::rulesInForce(srtfByHand().settings)) {
        EXPECT_NE(text.find(std::string(lab::ruleId(rule)) + "  "), std::string::npos) << lab::ruleId(rule);
        EXPECT_NE(text.find(lab::ruleText(rule)), std::string::npos) << lab::ruleId(rule);
    }
}

TEST(OutputTable, RoundRobinByHand)
{
    const std::string text = output::table(kRoundRobinWorkload, roundRobinByHand());
    EXPECT_TRUE(hasLine(text, "Policy:   Round Robin")) << text;
    EXPECT_TRUE(hasLine(text, "Settings: quantum 2, newcomer-first, switch cost 1")) << text;
    EXPECT_TRUE(hasLine(text, "Gantt: | A 0-2 | switch 2-3 | B 3-5 | switch 5-6 | A 6-7 | idle 7-10 | C 10-11 |"))
        << text;
    EXPECT_TRUE(hasLine(text, "Average waiting:     7/3 = 2.33")) << text;
    EXPECT_TRUE(hasLine(text, "Average response:    3/3 = 1")) << text;
    EXPECT_TRUE(hasLine(text, "Utilisation:         6/11 = 0.55")) << text;
    EXPECT_TRUE(hasLine(text, "Throughput:          3/11 = 0.27 processes per time unit")) << text;
    EXPECT_NE(text.find(lab::ruleId(lab::Rule::RoundRobinNewcomerFirst)), std::string::npos);
}

TEST(OutputTable, PriorityColumnWhenThePolicyUsesIt)
{
    Schedule schedule = roundRobinByHand();
    schedule.settings.policy = lab::Policy::Priority;
    const std::string text = output::table(kRoundRobinWorkload, schedule);
    EXPECT_TRUE(hasLine(text, "Process  Arrival  Burst  Priority  Completion  Turnaround  Waiting  Response")) << text;
    EXPECT_TRUE(hasLine(text, "B              0      2         1           5           5        3         3")) << text;
    EXPECT_TRUE(hasLine(text, "Settings: priority low-first, switch cost 1")) << text;
}

TEST(OutputTable, WideAndAwkwardNamesStayAligned)
{
    const Workload workload{{"caf\xC3\xA9", 0, 8, 0}, {"line\nbreak", 1, 4, 0}};
    const std::string text = output::table(workload, srtfByHand());
    EXPECT_TRUE(hasLine(text, "Process      Arrival  Burst  Completion  Turnaround  Waiting  Response")) << text;
    EXPECT_TRUE(hasLine(text, "caf\xC3\xA9               0      8          12          12        4         0")) << text;
    EXPECT_TRUE(hasLine(text, "line\\nbreak        1      4           5           4        0         0")) << text;
}

TEST(OutputTable, SeveralSchedulesAndTheirComparison)
{
    std::vector<Schedule> schedules{srtfByHand(), srtfByHand()};
    schedules[0].settings.policy = lab::Policy::Fcfs;
    schedules[1].totals = {2, 14, 1};
    schedules[1].contextSwitches = 5;
    const std::string text = output::table(kSrtfWorkload, schedules);
    EXPECT_TRUE(hasLine(text, "== FCFS ==")) << text;
    EXPECT_TRUE(hasLine(text, "== SRTF (SJF Preemptive) ==")) << text;
    EXPECT_TRUE(hasLine(text, "== Comparison ==")) << text;
    EXPECT_TRUE(hasLine(text, "Policy                 Avg waiting  Avg turnaround  Avg response  Switches  Last completion"))
        << text;
    EXPECT_TRUE(hasLine(text, "FCFS                             2               8             0         2               12"))
        << text;
    EXPECT_TRUE(hasLine(text, "SRTF (SJF Preemptive)            1               7           0.5         5               12"))
        << text;
}

// ---- CSV ----------------------------------------------------------------------------------------

TEST(OutputCsv, OneSchedule)
{
    EXPECT_EQ(output::csv(kSrtfWorkload, srtfByHand()),
              "name,arrival,burst,priority,completion,turnaround,waiting,response\n"
              "A,0,8,0,12,12,4,0\n"
              "B,1,4,0,5,4,0,0\n");
}

TEST(OutputCsv, SeveralSchedulesWithPolicyColumnAndQuotedNames)
{
    const Workload workload{{"a,b", 0, 8, 0}, {"say \"x\"", 1, 4, 0}};
    Schedule fcfs = srtfByHand();
    fcfs.settings.policy = lab::Policy::Fcfs;
    EXPECT_EQ(output::csv(workload, std::vector<Schedule>{fcfs, srtfByHand()}),
              "policy,name,arrival,burst,priority,completion,turnaround,waiting,response\n"
              "fcfs,\"a,b\",0,8,0,12,12,4,0\n"
              "fcfs,\"say \"\"x\"\"\",1,4,0,5,4,0,0\n"
              "srtf,\"a,b\",0,8,0,12,12,4,0\n"
              "srtf,\"say \"\"x\"\"\",1,4,0,5,4,0,0\n");
}

// ---- the formats over the engine's own schedules --------------------------------------------------

TEST(OutputWithEngine, SolvedSrtfMatchesTheHandSchedule)
{
    const Schedule solved = lab::solve(kSrtfWorkload, srtfByHand().settings);
    EXPECT_EQ(output::json(kSrtfWorkload, solved), output::json(kSrtfWorkload, srtfByHand()));
    EXPECT_EQ(output::table(kSrtfWorkload, solved), output::table(kSrtfWorkload, srtfByHand()));
}

TEST(OutputWithEngine, SolvedRoundRobinMatchesTheHandSchedule)
{
    const Schedule solved = lab::solve(kRoundRobinWorkload, roundRobinByHand().settings);
    EXPECT_EQ(output::json(kRoundRobinWorkload, solved), output::json(kRoundRobinWorkload, roundRobinByHand()));
}

TEST(OutputFormats, Identifiers)
{
    for (output::Format format : {output::Format::Table, output::Format::Csv, output::Format::Json})
        EXPECT_EQ(output::formatFromId(output::formatId(format)), format);
    EXPECT_FALSE(output::formatFromId("xml"));
    EXPECT_FALSE(output::formatFromId("JSON"));
}

TEST(OutputFormats, WriteRefusesASchedulesCountMismatch)
{
    EXPECT_THROW(output::write(output::Format::Json, kSrtfWorkload, {}, false), std::invalid_argument);
    EXPECT_THROW(output::json(kRoundRobinWorkload, srtfByHand()), std::invalid_argument);
}

} // namespace
