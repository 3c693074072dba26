// quorvel-solve run as a user runs it: the built program with arguments, a file or standard
// input, and its standard output, standard error and exit status.
#include "lab/csv.h"
#include "lab/output.h"
#include "lab/random.h"
#include "lab/schedule.h"

#include "common/jsonreader.h"
#include "tools/solverrun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace json = testsupport::json;
using solverrun::Result;

const std::string kExample = "name,arrival,burst\nA,0,8\nB,1,4\n";

class Solver : public solverrun::SolverTest {
protected:
    Solver() : SolverTest("quorvel-solve-test-") {}
};

lab::Workload workloadOf(const std::string &text)
{
    return std::get<lab::csv::Parsed>(lab::csv::read(text)).workload;
}

std::size_t countLines(const std::string &text)
{
    std::size_t lines = 0;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    return lines;
}

// ---- success ----------------------------------------------------------------------------------

TEST_F(Solver, ExampleFromStandardInputAsJson)
{
    const Result result = run({"--policy", "srtf", "--format", "json"}, kExample);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    const json::Value root = json::parse(result.out);
    EXPECT_EQ(root["policy"].string(), "srtf");
    EXPECT_EQ(root["processes"][0]["completion"].integer(), 12);
    EXPECT_EQ(root["processes"][0]["waiting"].integer(), 4);
    EXPECT_EQ(root["processes"][1]["completion"].integer(), 5);
    EXPECT_EQ(root["processes"][1]["turnaround"].integer(), 4);
    ASSERT_EQ(root["segments"].array().size(), 3u);
    EXPECT_EQ(root["segments"][0]["end"].integer(), 1);
    EXPECT_EQ(root["segments"][1]["process"].string(), "B");
    EXPECT_EQ(root["segments"][2]["start"].integer(), 5);
    EXPECT_EQ(root["averages"]["waiting"].number(), 2.0);
    EXPECT_EQ(root["contextSwitches"].integer(), 2);

    lab::Settings settings;
    settings.policy = lab::Policy::Srtf;
    const lab::Workload workload = workloadOf(kExample);
    EXPECT_EQ(result.out, lab::output::json(workload, lab::solve(workload, settings)));
}

TEST_F(Solver, FileAsTableByDefault)
{
    const fs::path path = file("example.csv", kExample);
    const Result result = run({path.string(), "--policy", "srtf"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_NE(result.out.find("Policy:   SRTF (SJF Preemptive)\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\nA              0      8          12          12        4         0\n"),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("\nGantt: | A 0-1 | B 1-5 | A 5-12 |\n"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\nAverage waiting:     4/2 = 2\n"), std::string::npos) << result.out;
}

TEST_F(Solver, DashIsStandardInputAndOptionsMayFollowTheFile)
{
    const Result viaDash = run({"-", "--policy=fcfs", "--format=csv"}, kExample);
    ASSERT_EQ(viaDash.status, 0) << viaDash.err;
    EXPECT_EQ(viaDash.out, "name,arrival,burst,priority,completion,turnaround,waiting,response\n"
                           "A,0,8,0,8,8,0,0\n"
                           "B,1,4,0,12,11,7,7\n");
    const Result optionsFirst = run({"--format", "csv", "--policy", "fcfs", "-"}, kExample);
    EXPECT_EQ(optionsFirst.out, viaDash.out);
}

TEST_F(Solver, OptionsReachTheEngine)
{
    const std::string input = "name,arrival,burst,priority\nA,0,5,1\nB,0,3,9\nC,2,2,5\n";
    const auto jsonOf = [&](const std::vector<std::string> &args) {
        const Result result = run(args, input);
        EXPECT_EQ(result.status, 0) << result.err;
        return json::parse(result.out);
    };
    const lab::Workload workload = workloadOf(input);
    lab::Settings settings;
    settings.policy = lab::Policy::RoundRobin;
    settings.quantum = 4;
    settings.roundRobinRule = lab::RoundRobinRule::PreemptedFirst;
    settings.switchCost = 2;
    const json::Value rr = jsonOf({"--policy", "rr", "--quantum=4", "--rr-rule", "preempted-first",
                                   "--switch-cost=2", "--format", "json"});
    EXPECT_EQ(rr["quantum"].integer(), 4);
    EXPECT_EQ(rr["rrRule"].string(), "preempted-first");
    EXPECT_EQ(rr["switchCost"].integer(), 2);
    const lab::Schedule expected = lab::solve(workload, settings);
    EXPECT_EQ(rr["contextSwitches"].integer(), static_cast<std::int64_t>(expected.contextSwitches));
    ASSERT_EQ(rr["segments"].array().size(), expected.segments.size());
    bool sawSwitch = false;
    for (const json::Value &segment : rr["segments"].array())
        sawSwitch = sawSwitch || segment["kind"].string() == "switch";
    EXPECT_TRUE(sawSwitch);

    // B has the highest number: first under high-first, last under low-first.
    const json::Value high = jsonOf({"--policy", "priority", "--priority-order", "high-first", "--format", "json"});
    const json::Value low = jsonOf({"--policy", "priority", "--format", "json"});
    EXPECT_EQ(high["priorityOrder"].string(), "high-first");
    EXPECT_EQ(high["segments"][0]["process"].string(), "B");
    EXPECT_EQ(low["segments"][0]["process"].string(), "A");
    EXPECT_EQ(low["segments"].array().back()["process"].string(), "B");
}

TEST_F(Solver, AllPoliciesAsJson)
{
    const Result result = run({"--policy", "all", "--format", "json", "--quantum", "3"}, kExample);
    ASSERT_EQ(result.status, 0) << result.err;
    const json::Value root = json::parse(result.out);
    const json::Array &policies = root["policies"].array();
    ASSERT_EQ(policies.size(), 7u);
    const char *ids[] = {"fcfs", "sjf", "srtf", "rr", "priority", "priority-preemptive", "hrrn"};
    for (std::size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(policies[i]["policy"].string(), ids[i]);
        EXPECT_EQ(policies[i]["processes"].array().size(), 2u);
    }
    EXPECT_EQ(policies[3]["quantum"].integer(), 3);
    EXPECT_EQ(policies[2]["averages"]["waiting"].number(), 2.0);
}

TEST_F(Solver, AllPoliciesAsCsvAndTable)
{
    const Result csv = run({"--policy", "all", "--format", "csv"}, kExample);
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(countLines(csv.out), 1u + 7 * 2);
    EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
              "policy,name,arrival,burst,priority,completion,turnaround,waiting,response");
    EXPECT_NE(csv.out.find("\nsrtf,A,0,8,0,12,12,4,0\n"), std::string::npos) << csv.out;
    EXPECT_NE(csv.out.find("\nhrrn,B,1,4,0,12,11,7,7\n"), std::string::npos) << csv.out;

    const Result table = run({"--policy", "all"}, kExample);
    ASSERT_EQ(table.status, 0) << table.err;
    for (const char *heading : {"== FCFS ==", "== SJF Non Preemptive ==", "== SRTF (SJF Preemptive) ==",
                                "== Round Robin ==", "== Priority Non Preemptive ==", "== Priority Preemptive ==",
                                "== HRRN ==", "== Comparison =="})
        EXPECT_NE(("\n" + table.out).find(std::string("\n") + heading + "\n"), std::string::npos) << heading;
}

TEST_F(Solver, QuotedNamesSurviveEveryFormat)
{
    const std::string input = "\xEF\xBB\xBFName,Arrival,Burst\r\n\"a,\"\"b\"\"\",0,2\r\n\"caf\xC3\xA9\",1,1\r\n";
    const Result csv = run({"--policy", "fcfs", "--format", "csv"}, input);
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find("\n\"a,\"\"b\"\"\",0,2,0,2,2,0,0\n"), std::string::npos) << csv.out;
    const Result js = run({"--policy", "fcfs", "--format", "json"}, input);
    ASSERT_EQ(js.status, 0) << js.err;
    EXPECT_EQ(json::parse(js.out)["processes"][0]["name"].string(), "a,\"b\"");
    EXPECT_EQ(json::parse(js.out)["processes"][1]["name"].string(), "caf\xC3\xA9");
}

TEST_F(Solver, LargestWorkload)
{
    lab::RandomShape shape;
    shape.count = lab::kMaxProcesses;
    shape.maxArrival = lab::kMaxTime;
    shape.maxBurst = 1000;
    const lab::Workload workload = lab::randomWorkload(20261207, shape);
    const Result result = run({"--policy", "srtf", "--format", "csv"}, lab::csv::write(workload));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(countLines(result.out), lab::kMaxProcesses + 1);
}

TEST_F(Solver, HelpAndVersion)
{
    for (const char *option : {"--help", "-h"}) {
        const Result help = run({option});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.err, "");
        EXPECT_EQ(help.out.rfind("Usage: quorvel-solve [FILE] --policy", 0), 0u) << help.out;
        for (const char *word : {"--quantum", "--priority-order", "--rr-rule", "--switch-cost", "--format",
                                 "priority-preemptive", "preempted-first", "high-first"})
            EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    const Result version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quorvel-solve " QUORVEL_VERSION_TEXT "\n");
    EXPECT_EQ(version.err, "");
}

// ---- bad input: status 2, one line FILE:LINE: message, nothing on standard output ----------------

struct BadInput {
    const char *label;
    const char *text;
    const char *where;   // ":LINE: message" after the file's name
};

class SolverBadInput : public Solver, public ::testing::WithParamInterface<BadInput> {};

TEST_P(SolverBadInput, OneLineOnStandardError)
{
    const BadInput &bad = GetParam();
    const Result fromInput = run({"--policy", "fcfs"}, bad.text);
    EXPECT_EQ(fromInput.status, 2);
    EXPECT_EQ(fromInput.out, "");
    EXPECT_EQ(fromInput.err, std::string("-") + bad.where + "\n");

    const fs::path path = file("bad.csv", bad.text);
    const Result fromFile = run({path.string(), "--policy", "all", "--format", "json"});
    EXPECT_EQ(fromFile.status, 2);
    EXPECT_EQ(fromFile.out, "");
    EXPECT_EQ(fromFile.err, path.string() + bad.where + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, SolverBadInput,
    ::testing::Values(
        BadInput{"Empty", "", ":1: bad header: expected name,arrival,burst or name,arrival,burst,priority"},
        BadInput{"HeaderOnly", "name,arrival,burst\n", ":2: no processes after the header"},
        BadInput{"NegativeArrival", "name,arrival,burst\nA,0,8\nB,-1,4\n", ":3: arrival is negative"},
        BadInput{"ZeroBurst", "name,arrival,burst\nA,0,0\n", ":2: burst must be at least 1"},
        BadInput{"Fraction", "name,arrival,burst\nA,0.5,1\n", ":2: arrival is not a whole number"},
        BadInput{"TooLarge", "name,arrival,burst\nA,0,2000000\n", ":2: burst is larger than 1000000"},
        BadInput{"Duplicate", "name,arrival,burst\nP1,0,1\nP1,1,1\n", ":3: duplicate name \"P1\""},
        BadInput{"FieldCount", "name,arrival,burst\nA,0\n", ":2: expected 3 fields, found 2"},
        BadInput{"Quotes", "name,arrival,burst\nA,0,1\n\"B,0,1\n",
                 ":3: bad quotes: a quoted field is not closed or has text after its closing quote"}),
    [](const ::testing::TestParamInfo<BadInput> &info) { return std::string(info.param.label); });

TEST_F(Solver, MissingFile)
{
    const fs::path path = m_dir / "no-such.csv";
    const Result result = run({path.string(), "--policy", "fcfs"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, path.string() + ": cannot read: No such file or directory\n");
}

TEST_F(Solver, DirectoryInsteadOfFile)
{
    const Result result = run({m_dir.string(), "--policy", "fcfs"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, m_dir.string() + ": cannot read: Is a directory\n");
}

// ---- bad usage: status 2, the usage on standard error ---------------------------------------------

struct BadUsage {
    const char *label;
    std::vector<std::string> args;
    const char *reason;   // the first line of standard error
};

class SolverBadUsage : public Solver, public ::testing::WithParamInterface<BadUsage> {};

TEST_P(SolverBadUsage, UsageOnStandardError)
{
    const BadUsage &bad = GetParam();
    const Result result = run(bad.args, kExample);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err.substr(0, result.err.find('\n')), std::string("quorvel-solve: ") + bad.reason);
    EXPECT_NE(result.err.find("\nUsage: quorvel-solve [FILE] --policy"), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, SolverBadUsage,
    ::testing::Values(
        BadUsage{"NoArguments", {}, "--policy is missing"},
        BadUsage{"NoPolicy", {"--format", "json"}, "--policy is missing"},
        BadUsage{"UnknownOption", {"--policy", "fcfs", "--verbose"}, "unknown option --verbose"},
        BadUsage{"UnknownShortOption", {"-x", "--policy", "fcfs"}, "unknown option -x"},
        BadUsage{"UnknownPolicy", {"--policy", "lottery"}, "unknown policy \"lottery\""},
        BadUsage{"PolicyWithoutValue", {"--policy"}, "option --policy needs a value"},
        BadUsage{"QuantumZero", {"--policy", "rr", "--quantum", "0"},
                 "bad value \"0\" for --quantum: expected a whole number from 1 to 1000000"},
        BadUsage{"QuantumNotANumber", {"--policy", "rr", "--quantum=two"},
                 "bad value \"two\" for --quantum: expected a whole number from 1 to 1000000"},
        BadUsage{"QuantumTooLarge", {"--policy", "rr", "--quantum=1000001"},
                 "bad value \"1000001\" for --quantum: expected a whole number from 1 to 1000000"},
        BadUsage{"NegativeSwitchCost", {"--policy", "fcfs", "--switch-cost", "-1"},
                 "bad value \"-1\" for --switch-cost: expected a whole number from 0 to 1000000"},
        BadUsage{"UnknownFormat", {"--policy", "fcfs", "--format", "xml"}, "unknown format \"xml\""},
        BadUsage{"UnknownPriorityOrder", {"--policy", "priority", "--priority-order", "up"},
                 "unknown priority order \"up\""},
        BadUsage{"UnknownRoundRobinRule", {"--policy", "rr", "--rr-rule=fair"},
                 "unknown round robin rule \"fair\""},
        BadUsage{"TwoFiles", {"a.csv", "b.csv", "--policy", "fcfs"}, "more than one file given"},
        BadUsage{"ValueOnAFlag", {"--policy", "fcfs", "--help=yes"}, "unknown option --help=yes"}),
    [](const ::testing::TestParamInfo<BadUsage> &info) { return std::string(info.param.label); });

} // namespace
