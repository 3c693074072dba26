// libFuzzer target: the laboratory's CSV files from arbitrary bytes.
//
// Every input is either refused with one error, whose line lies within the file and whose
// message is one line of text, or read into a valid workload; a workload read is written and
// read back unchanged. Small workloads (at most 200 processes) are then solved under every
// policy, with settings drawn from the input, and written in the solver's three formats: each
// process's figures must agree with each other and the JSON must read back with the names.
#include "lab/csv.h"
#include "lab/output.h"
#include "lab/schedule.h"
#include "lab/settings.h"

#include "../tests/common/jsonreader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

namespace {

[[noreturn]] void failure(const std::string &what)
{
    std::fprintf(stderr, "fuzz_lab_csv: %s\n", what.c_str());
    std::abort();
}

constexpr std::size_t kMaxSolved = 200;

void checkRefusal(std::string_view text, const lab::csv::Error &error)
{
    std::size_t lines = 1;
    for (char c : text)
        lines += c == '\n' ? 1 : 0;
    if (error.line < 1 || error.line > lines + 1)
        failure("error line " + std::to_string(error.line) + " of a text of " + std::to_string(lines) + " lines");
    const std::string message = lab::csv::errorText(error);
    if (message.empty() || message.find_first_of("\r\n") != std::string::npos)
        failure("error message not one line: " + message);
}

lab::Settings settingsFrom(std::string_view text)
{
    std::uint64_t hash = 1469598103934665603ull;
    for (char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    lab::Settings settings;
    settings.quantum = static_cast<lab::Time>(1 + hash % 5);
    settings.switchCost = static_cast<lab::Time>((hash >> 8) % 3);
    settings.priorityOrder = (hash >> 16) % 2 ? lab::PriorityOrder::HighFirst : lab::PriorityOrder::LowFirst;
    settings.roundRobinRule = (hash >> 17) % 2 ? lab::RoundRobinRule::PreemptedFirst : lab::RoundRobinRule::NewcomerFirst;
    return settings;
}

void checkSchedule(const lab::Workload &workload, const lab::Schedule &schedule)
{
    lab::Totals totals;
    for (std::size_t i = 0; i < workload.size(); ++i) {
        const lab::Process &process = workload[i];
        const lab::ProcessResult &result = schedule.processes[i];
        if (result.turnaround != result.completion - process.arrival
            || result.waiting != result.turnaround - process.burst || result.waiting < 0
            || result.response != result.firstStart - process.arrival || result.response < 0
            || result.response > result.waiting)
            failure("figures of " + process.name + " disagree");
        totals.waiting += result.waiting;
        totals.turnaround += result.turnaround;
        totals.response += result.response;
    }
    if (!(totals == schedule.totals))
        failure("totals are not the sums of the processes");
}

void checkOutputs(const lab::Workload &workload, const std::vector<lab::Schedule> &schedules)
{
    namespace json = testsupport::json;
    json::Value root;
    try {
        root = json::parse(lab::output::json(workload, schedules));
    } catch (const std::exception &error) {
        failure(std::string("JSON output does not read back: ") + error.what());
    }
    const json::Array &policies = root["policies"].array();
    if (policies.size() != schedules.size())
        failure("JSON holds another number of schedules");
    for (std::size_t p = 0; p < schedules.size(); ++p) {
        const json::Array &processes = policies[p]["processes"].array();
        if (processes.size() != workload.size())
            failure("JSON holds another number of processes");
        for (std::size_t i = 0; i < workload.size(); ++i) {
            // Names that are UTF-8 come back as they are.
            const std::string &name = workload[i].name;
            const std::string back = processes[i]["name"].string();
            if (back.find("\xEF\xBF\xBD") == std::string::npos && back != name)
                failure("name changed in JSON: " + name);
            if (processes[i]["completion"].integer() != schedules[p].processes[i].completion)
                failure("completion changed in JSON");
        }
    }
    const std::string table = lab::output::table(workload, schedules);
    if (table.find("== Comparison ==") == std::string::npos)
        failure("table without its comparison");
    const std::string csv = lab::output::csv(workload, schedules);
    std::size_t lines = 0;
    for (char c : csv)
        lines += c == '\n' ? 1 : 0;
    std::size_t nameLines = 0;
    for (const lab::Process &process : workload) {
        for (char c : process.name)
            nameLines += c == '\n' ? 1 : 0;
    }
    if (lines != 1 + schedules.size() * (workload.size() + nameLines))
        failure("CSV output has " + std::to_string(lines) + " lines");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    (void)lab::csv::splitRows(text);

    auto result = lab::csv::read(text);
    if (const auto *error = std::get_if<lab::csv::Error>(&result)) {
        checkRefusal(text, *error);
        return 0;
    }
    const lab::csv::Parsed &parsed = std::get<lab::csv::Parsed>(result);
    if (lab::validate(parsed.workload))
        failure("a workload read that validate() refuses");

    auto again = lab::csv::read(lab::csv::write(parsed.workload));
    if (!std::holds_alternative<lab::csv::Parsed>(again))
        failure("a written workload is refused: " + lab::csv::errorText(std::get<lab::csv::Error>(again)));
    if (std::get<lab::csv::Parsed>(again).workload != parsed.workload)
        failure("a written workload reads back changed");

    if (parsed.workload.size() > kMaxSolved)
        return 0;
    lab::Settings settings = settingsFrom(text);
    lab::Options options;
    options.recordDecisions = (settings.quantum % 2) == 0;
    std::vector<lab::Schedule> schedules;
    for (lab::Policy policy : lab::kAllPolicies) {
        settings.policy = policy;
        schedules.push_back(lab::solve(parsed.workload, settings, options));
        checkSchedule(parsed.workload, schedules.back());
    }
    checkOutputs(parsed.workload, schedules);
    return 0;
}
