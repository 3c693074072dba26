// quorvel-solve: schedules a workload from a CSV file under one policy or all seven and writes
// the result as a table, CSV or JSON.
//
// Exit status: 0 on success, 2 for bad input (one line "FILE:LINE: message" on standard error)
// and for bad usage (the usage on standard error), 1 when the output cannot be written.
#include "lab/csv.h"
#include "lab/output.h"
#include "lab/schedule.h"
#include "lab/settings.h"
#include "lab/workload.h"
#include "commandline.h"
#include "practicemodes.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifndef QUORVEL_SOLVE_VERSION
#error "QUORVEL_SOLVE_VERSION must be defined by the build"
#endif

namespace {

using solvecli::kExitBad;
using solvecli::kExitOk;
using solvecli::kExitOutput;
using solvecli::UsageError;
using solvecli::writeAll;

constexpr std::string_view kUsage =
    "Usage: quorvel-solve [FILE] --policy POLICY [OPTIONS]\n"
    "\n"
    "Schedules the processes of a CSV file (name,arrival,burst or name,arrival,burst,priority)\n"
    "on one processor and prints every process's completion, turnaround, waiting and response\n"
    "time, their totals and averages, utilisation, throughput, context switches, the rules in\n"
    "force and the Gantt chart. Without FILE, or with FILE -, the file is read from standard input.\n"
    "\n"
    "Options (--opt VALUE or --opt=VALUE):\n"
    "  --policy POLICY          fcfs, sjf, srtf, rr, priority, priority-preemptive, hrrn or all\n"
    "  --quantum N              round robin quantum, 1 to 1000000 (default 2)\n"
    "  --priority-order ORDER   low-first (a smaller number is a higher priority, default)\n"
    "                           or high-first\n"
    "  --rr-rule RULE           newcomer-first (default) or preempted-first: who is queued\n"
    "                           first when a newcomer arrives as a quantum runs out\n"
    "  --switch-cost N          time units per context switch, 0 to 1000000 (default 0)\n"
    "  --format FORMAT          table (default), csv or json\n"
    "  --help                   print this help and exit\n"
    "  --version                print the version and exit\n"
    "\n"
    "Exit status: 0 on success, 2 for bad input or bad usage.\n";

struct Command {
    std::string file = "-";
    bool all = false;
    lab::Settings settings;
    lab::output::Format format = lab::output::Format::Table;
};

int usageError(const std::string &message)
{
    const std::string text = "quorvel-solve: " + message + "\n";
    writeAll(stderr, text);
    writeAll(stderr, kUsage);
    return kExitBad;
}

lab::Time wholeNumber(std::string_view option, std::string_view value, lab::Time low)
{
    const lab::ParsedTime parsed = lab::parseTime(value, lab::Field::Arrival);
    if (!parsed.value || *parsed.value < low) {
        throw UsageError{"bad value \"" + std::string(value) + "\" for " + std::string(option)
                         + ": expected a whole number from " + std::to_string(low) + " to "
                         + std::to_string(lab::kMaxTime)};
    }
    return *parsed.value;
}

Command parseCommandLine(const std::vector<std::string_view> &args)
{
    Command command;
    bool policyGiven = false;
    bool fileGiven = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg == "-" || arg.substr(0, 2) != "--") {
            if (!optionsEnded && arg.size() > 1 && arg.front() == '-')
                throw UsageError{"unknown option " + std::string(arg)};
            if (fileGiven)
                throw UsageError{"more than one file given"};
            command.file = std::string(arg);
            fileGiven = true;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        auto [name, value] = solvecli::splitOption(arg);
        const bool takesValue = name == "--policy" || name == "--quantum" || name == "--priority-order"
            || name == "--rr-rule" || name == "--switch-cost" || name == "--format";
        if (!takesValue)
            throw UsageError{"unknown option " + std::string(arg)};
        if (!value) {
            if (i + 1 >= args.size())
                throw UsageError{"option " + std::string(name) + " needs a value"};
            value = args[++i];
        }
        if (name == "--policy") {
            if (*value == "all") {
                command.all = true;
            } else if (const auto policy = lab::policyFromId(*value)) {
                command.all = false;
                command.settings.policy = *policy;
            } else {
                throw UsageError{"unknown policy \"" + std::string(*value) + "\""};
            }
            policyGiven = true;
        } else if (name == "--quantum") {
            command.settings.quantum = wholeNumber(name, *value, 1);
        } else if (name == "--switch-cost") {
            command.settings.switchCost = wholeNumber(name, *value, 0);
        } else if (name == "--priority-order") {
            const auto order = lab::priorityOrderFromId(*value);
            if (!order)
                throw UsageError{"unknown priority order \"" + std::string(*value) + "\""};
            command.settings.priorityOrder = *order;
        } else if (name == "--rr-rule") {
            const auto rule = lab::roundRobinRuleFromId(*value);
            if (!rule)
                throw UsageError{"unknown round robin rule \"" + std::string(*value) + "\""};
            command.settings.roundRobinRule = *rule;
        } else if (name == "--format") {
            const auto format = lab::output::formatFromId(*value);
            if (!format)
                throw UsageError{"unknown format \"" + std::string(*value) + "\""};
            command.format = *format;
        }
    }
    if (!policyGiven)
        throw UsageError{"--policy is missing"};
    if (const auto problem = lab::validateSettings(command.settings))
        throw UsageError{"bad settings: " + std::string(lab::problemText(*problem))};
    return command;
}

// The whole input, or the reason it cannot be read.
std::optional<std::string> readInput(const std::string &file, std::string &reason)
{
    const bool standardInput = file == "-";
    std::FILE *stream = standardInput ? stdin : std::fopen(file.c_str(), "rb");
    if (!stream) {
        reason = std::strerror(errno);
        return std::nullopt;
    }
    std::string text;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, stream);
        text.append(buffer, got);
        if (got < sizeof buffer)
            break;
    }
    const bool failed = std::ferror(stream) != 0;
    const int error = errno;
    if (!standardInput)
        std::fclose(stream);
    if (failed) {
        reason = std::strerror(error);
        return std::nullopt;
    }
    return text;
}

int run(const std::vector<std::string_view> &args)
{
    for (const std::string_view arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h") {
            return writeAll(stdout, kUsage) && writeAll(stdout, "\n") && writeAll(stdout, practicemodes::kUsage)
                    && std::fflush(stdout) == 0
                ? kExitOk
                : kExitOutput;
        }
        if (arg == "--version") {
            const std::string text = "quorvel-solve " QUORVEL_SOLVE_VERSION "\n";
            return writeAll(stdout, text) && std::fflush(stdout) == 0 ? kExitOk : kExitOutput;
        }
    }

    // --exercise and --worksheets: the practice exercises' own modes.
    if (practicemodes::requested(args))
        return practicemodes::run(args);

    Command command;
    try {
        command = parseCommandLine(args);
    } catch (const UsageError &error) {
        return usageError(error.message);
    }

    std::string reason;
    const std::optional<std::string> text = readInput(command.file, reason);
    if (!text) {
        writeAll(stderr, command.file + ": cannot read: " + reason + "\n");
        return kExitBad;
    }

    auto parsed = lab::csv::read(*text);
    if (const auto *error = std::get_if<lab::csv::Error>(&parsed)) {
        writeAll(stderr, command.file + ":" + std::to_string(error->line) + ": "
                             + lab::csv::errorText(*error) + "\n");
        return kExitBad;
    }
    const lab::Workload &workload = std::get<lab::csv::Parsed>(parsed).workload;

    lab::Options options;
    options.recordDecisions = false;
    std::vector<lab::Schedule> schedules;
    std::string output;
    try {
        if (command.all) {
            for (lab::Policy policy : lab::kAllPolicies) {
                lab::Settings settings = command.settings;
                settings.policy = policy;
                schedules.push_back(lab::solve(workload, settings, options));
            }
        } else {
            schedules.push_back(lab::solve(workload, command.settings, options));
        }
        output = lab::output::write(command.format, workload, schedules, command.all);
    } catch (const std::exception &error) {
        writeAll(stderr, command.file + ": " + error.what() + "\n");
        return kExitBad;
    }

    return solvecli::writeOutput(output);
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    return run(args);
}
