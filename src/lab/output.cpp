#include "lab/output.h"

#include "lab/csv.h"
#include "lab/settings.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

namespace lab::output {

namespace {

constexpr char kHex[] = "0123456789abcdef";

// The length of the valid UTF-8 sequence at the start of `text`, or 0 when it is not one.
std::size_t utf8Length(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0)
            low = 0xa0;      // no overlong forms
        else if (lead == 0xed)
            high = 0x9f;     // no surrogates
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0)
            low = 0x90;
        else if (lead == 0xf4)
            high = 0x8f;     // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    if (byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    }
    return length;
}

// Characters on a terminal, counting each UTF-8 sequence as one.
std::size_t shownWidth(std::string_view text)
{
    std::size_t width = 0;
    for (char c : text)
        width += (static_cast<unsigned char>(c) & 0xc0) != 0x80 ? 1 : 0;
    return width;
}

std::string padded(std::string_view text, std::size_t width, bool right)
{
    const std::size_t shown = shownWidth(text);
    const std::string fill(shown < width ? width - shown : 0, ' ');
    return right ? fill + std::string(text) : std::string(text) + fill;
}

// Every writer refuses a schedule computed for another workload.
void checkOfWorkload(const Workload &workload, const Schedule &schedule)
{
    if (schedule.count() != workload.size())
        throw std::invalid_argument("a schedule of another workload");
}

void checkSeveral(const Workload &workload, const std::vector<Schedule> &schedules)
{
    for (const Schedule &schedule : schedules)
        checkOfWorkload(workload, schedule);
}

// ---- JSON -----------------------------------------------------------------------------------

std::string number(Time value)
{
    return std::to_string(value);
}

std::string jsonObject(const Workload &workload, const Schedule &schedule, const std::string &indent,
                       const JsonMembers &leading = {})
{
    checkOfWorkload(workload, schedule);
    const Settings &settings = schedule.settings;
    const std::string in = indent + "  ";
    const std::string in2 = in + "  ";
    std::string out = "{\n";
    const auto member = [&](std::string_view key, const std::string &value, bool last = false) {
        out += in;
        out += jsonString(key);
        out += ": ";
        out += value;
        out += last ? "\n" : ",\n";
    };
    for (const auto &[key, value] : leading)
        member(key, value);
    member("policy", jsonString(policyId(settings.policy)));
    if (usesQuantum(settings.policy))
        member("quantum", number(settings.quantum));
    member("priorityOrder", jsonString(priorityOrderId(settings.priorityOrder)));
    member("rrRule", jsonString(roundRobinRuleId(settings.roundRobinRule)));
    member("switchCost", number(settings.switchCost));

    out += in + "\"processes\": [";
    for (std::size_t i = 0; i < workload.size(); ++i) {
        const Process &process = workload[i];
        const ProcessResult &result = schedule.processes[i];
        out += i == 0 ? "\n" : ",\n";
        out += in2 + "{\"name\": " + jsonString(process.name) + ", \"arrival\": " + number(process.arrival)
            + ", \"burst\": " + number(process.burst) + ", \"priority\": " + number(process.priority)
            + ", \"completion\": " + number(result.completion) + ", \"turnaround\": "
            + number(result.turnaround) + ", \"waiting\": " + number(result.waiting)
            + ", \"response\": " + number(result.response) + "}";
    }
    out += workload.empty() ? "],\n" : "\n" + in + "],\n";

    out += in + "\"segments\": [";
    for (std::size_t i = 0; i < schedule.segments.size(); ++i) {
        const Segment &segment = schedule.segments[i];
        out += i == 0 ? "\n" : ",\n";
        out += in2 + "{\"start\": " + number(segment.start) + ", \"end\": " + number(segment.end) + ", \"kind\": ";
        switch (segment.kind) {
        case SegmentKind::Run:
            out += "\"run\", \"process\": ";
            out += segment.process < workload.size() ? jsonString(workload[segment.process].name) : "null";
            break;
        case SegmentKind::Idle:
            out += "\"idle\"";
            break;
        case SegmentKind::Switch:
            out += "\"switch\"";
            break;
        }
        out += "}";
    }
    out += schedule.segments.empty() ? "],\n" : "\n" + in + "],\n";

    const Totals &totals = schedule.totals;
    member("totals", "{\"waiting\": " + number(totals.waiting) + ", \"turnaround\": "
                         + number(totals.turnaround) + ", \"response\": " + number(totals.response) + "}");
    member("averages", "{\"waiting\": " + jsonNumber(schedule.averageWaiting()) + ", \"turnaround\": "
                           + jsonNumber(schedule.averageTurnaround()) + ", \"response\": "
                           + jsonNumber(schedule.averageResponse()) + "}");
    member("utilisation", jsonNumber(schedule.utilisation()));
    member("throughput", jsonNumber(schedule.throughput()));
    member("contextSwitches", std::to_string(schedule.contextSwitches), true);
    out += indent + "}";
    return out;
}

// ---- table ----------------------------------------------------------------------------------

std::string settingsLine(const Settings &settings)
{
    std::string line = "Policy:   " + std::string(policyName(settings.policy)) + "\nSettings: ";
    if (usesQuantum(settings.policy)) {
        line += "quantum " + number(settings.quantum) + ", "
            + std::string(roundRobinRuleId(settings.roundRobinRule)) + ", ";
    }
    if (usesPriority(settings.policy))
        line += "priority " + std::string(priorityOrderId(settings.priorityOrder)) + ", ";
    line += "switch cost " + number(settings.switchCost);
    return line;
}

std::string processTable(const Workload &workload, const Schedule &schedule)
{
    const bool priority = usesPriority(schedule.settings.policy);
    std::vector<std::string> headings = {"Process", "Arrival", "Burst"};
    if (priority)
        headings.emplace_back("Priority");
    for (const char *heading : {"Completion", "Turnaround", "Waiting", "Response"})
        headings.emplace_back(heading);

    std::vector<std::vector<std::string>> rows;
    rows.reserve(workload.size() + 1);
    for (std::size_t i = 0; i < workload.size(); ++i) {
        const Process &process = workload[i];
        const ProcessResult &result = schedule.processes[i];
        std::vector<std::string> row = {nameOnOneLine(process.name, false), number(process.arrival),
                                        number(process.burst)};
        if (priority)
            row.push_back(number(process.priority));
        for (Time value : {result.completion, result.turnaround, result.waiting, result.response})
            row.push_back(number(value));
        rows.push_back(std::move(row));
    }
    std::vector<std::string> total(headings.size());
    total[0] = "Total";
    total[headings.size() - 3] = number(schedule.totals.turnaround);
    total[headings.size() - 2] = number(schedule.totals.waiting);
    total[headings.size() - 1] = number(schedule.totals.response);
    rows.push_back(std::move(total));

    std::vector<std::size_t> widths(headings.size());
    for (std::size_t c = 0; c < headings.size(); ++c) {
        widths[c] = shownWidth(headings[c]);
        for (const auto &row : rows)
            widths[c] = std::max(widths[c], shownWidth(row[c]));
    }
    const auto line = [&widths](const std::vector<std::string> &cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += "  ";
            text += padded(cells[c], widths[c], c > 0);
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text + "\n";
    };
    std::string out = line(headings);
    std::size_t ruleWidth = 0;
    for (std::size_t width : widths)
        ruleWidth += width;
    ruleWidth += 2 * (widths.size() - 1);
    const std::string rule(ruleWidth, '-');
    out += rule + "\n";
    for (std::size_t r = 0; r + 1 < rows.size(); ++r)
        out += line(rows[r]);
    out += rule + "\n";
    out += line(rows.back());
    return out;
}

std::string scheduleTable(const Workload &workload, const Schedule &schedule)
{
    checkOfWorkload(workload, schedule);
    const std::size_t n = schedule.count();
    const auto span = static_cast<std::size_t>(std::max<Time>(schedule.span(), 0));
    std::string out = settingsLine(schedule.settings) + "\n\n";
    out += processTable(workload, schedule);
    out += "\n";
    out += "Average waiting:     " + averageText(schedule.totals.waiting, n) + "\n";
    out += "Average turnaround:  " + averageText(schedule.totals.turnaround, n) + "\n";
    out += "Average response:    " + averageText(schedule.totals.response, n) + "\n";
    out += "Utilisation:         " + averageText(schedule.totalBurst, span) + "\n";
    out += "Throughput:          " + averageText(static_cast<Time>(n), span) + " processes per time unit\n";
    out += "Context switches:    " + std::to_string(schedule.contextSwitches) + "\n";
    out += "\nGantt: " + ganttLine(workload, schedule) + "\n";
    out += "\nRules:\n";
    const std::vector<Rule> rules = rulesInForce(schedule.settings);
    std::size_t idWidth = 0;
    for (Rule rule : rules)
        idWidth = std::max(idWidth, ruleId(rule).size());
    for (Rule rule : rules)
        out += "  " + padded(ruleId(rule), idWidth, false) + "  " + std::string(ruleText(rule)) + "\n";
    return out;
}

std::string comparisonTable(const std::vector<Schedule> &schedules)
{
    const std::vector<std::string> headings = {"Policy", "Avg waiting", "Avg turnaround", "Avg response",
                                               "Switches", "Last completion"};
    std::vector<std::vector<std::string>> rows;
    for (const Schedule &schedule : schedules) {
        rows.push_back({std::string(policyName(schedule.settings.policy)),
                        roundedText(schedule.averageWaiting()), roundedText(schedule.averageTurnaround()),
                        roundedText(schedule.averageResponse()), std::to_string(schedule.contextSwitches),
                        number(schedule.lastCompletion)});
    }
    std::vector<std::size_t> widths(headings.size());
    for (std::size_t c = 0; c < headings.size(); ++c) {
        widths[c] = headings[c].size();
        for (const auto &row : rows)
            widths[c] = std::max(widths[c], shownWidth(row[c]));
    }
    std::string out;
    const auto line = [&](const std::vector<std::string> &cells) {
        std::string text;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (c > 0)
                text += "  ";
            text += padded(cells[c], widths[c], c > 0);
        }
        out += text + "\n";
    };
    line(headings);
    for (const auto &row : rows)
        line(row);
    return out;
}

// ---- CSV ------------------------------------------------------------------------------------

void csvRows(std::string &out, const Workload &workload, const Schedule &schedule, bool withPolicy)
{
    checkOfWorkload(workload, schedule);
    for (std::size_t i = 0; i < workload.size(); ++i) {
        const Process &process = workload[i];
        const ProcessResult &result = schedule.processes[i];
        if (withPolicy) {
            out += policyId(schedule.settings.policy);
            out.push_back(',');
        }
        out += csv::quoteField(process.name);
        for (Time value : {process.arrival, process.burst, process.priority, result.completion,
                           result.turnaround, result.waiting, result.response}) {
            out.push_back(',');
            out += number(value);
        }
        out.push_back('\n');
    }
}

constexpr std::string_view kCsvHeader = "name,arrival,burst,priority,completion,turnaround,waiting,response\n";

} // namespace

std::string_view formatId(Format format)
{
    switch (format) {
    case Format::Table:
        return "table";
    case Format::Csv:
        return "csv";
    case Format::Json:
        return "json";
    }
    return "table";
}

std::optional<Format> formatFromId(std::string_view id)
{
    for (Format format : {Format::Table, Format::Csv, Format::Json}) {
        if (formatId(format) == id)
            return format;
    }
    return std::nullopt;
}

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    out.reserve(text.size() + 2);
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8Length(text);
        if (length == 0) {
            out += "\\ufffd";
            text.remove_prefix(1);
            continue;
        }
        if (length > 1) {
            out.append(text.substr(0, length));
        } else if (byte == '"' || byte == '\\') {
            out.push_back('\\');
            out.push_back(static_cast<char>(byte));
        } else if (byte == '\n') {
            out += "\\n";
        } else if (byte == '\r') {
            out += "\\r";
        } else if (byte == '\t') {
            out += "\\t";
        } else if (byte == '\b') {
            out += "\\b";
        } else if (byte == '\f') {
            out += "\\f";
        } else if (byte < 0x20) {
            out += "\\u00";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xf]);
        } else {
            out.push_back(static_cast<char>(byte));
        }
        text.remove_prefix(length);
    }
    out.push_back('"');
    return out;
}

std::string jsonNumber(double value)
{
    if (!std::isfinite(value))
        return "null";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::string ganttLine(const Workload &workload, const Schedule &schedule)
{
    std::string out = "|";
    for (const Segment &segment : schedule.segments) {
        // Only a run names its process.
        std::string name;
        if (segment.kind == SegmentKind::Run)
            name = segment.process < workload.size() ? nameOnOneLine(workload[segment.process].name, false) : "?";
        out += ' ';
        out += segmentText(segment.kind, name, segment.start, segment.end);
        out += " |";
    }
    return out;
}

std::string json(const Workload &workload, const Schedule &schedule, const JsonMembers &leading)
{
    return jsonObject(workload, schedule, "", leading) + "\n";
}

std::string json(const Workload &workload, const std::vector<Schedule> &schedules)
{
    checkSeveral(workload, schedules);
    std::string out = "{\n  \"policies\": [";
    for (std::size_t i = 0; i < schedules.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        out += jsonObject(workload, schedules[i], "    ");
    }
    out += schedules.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string table(const Workload &workload, const Schedule &schedule)
{
    return scheduleTable(workload, schedule);
}

std::string table(const Workload &workload, const std::vector<Schedule> &schedules)
{
    checkSeveral(workload, schedules);
    std::string out;
    for (const Schedule &schedule : schedules) {
        out += "== " + std::string(policyName(schedule.settings.policy)) + " ==\n\n";
        out += scheduleTable(workload, schedule);
        out += "\n";
    }
    out += "== Comparison ==\n\n";
    out += comparisonTable(schedules);
    return out;
}

std::string csv(const Workload &workload, const Schedule &schedule)
{
    std::string out(kCsvHeader);
    csvRows(out, workload, schedule, false);
    return out;
}

std::string csv(const Workload &workload, const std::vector<Schedule> &schedules)
{
    checkSeveral(workload, schedules);
    std::string out = "policy," + std::string(kCsvHeader);
    for (const Schedule &schedule : schedules)
        csvRows(out, workload, schedule, true);
    return out;
}

std::string write(Format format, const Workload &workload, const std::vector<Schedule> &schedules,
                  bool several)
{
    if (!several) {
        if (schedules.size() != 1)
            throw std::invalid_argument("one schedule expected");
        switch (format) {
        case Format::Table:
            return table(workload, schedules.front());
        case Format::Csv:
            return csv(workload, schedules.front());
        case Format::Json:
            return json(workload, schedules.front());
        }
    }
    switch (format) {
    case Format::Table:
        return table(workload, schedules);
    case Format::Csv:
        return csv(workload, schedules);
    case Format::Json:
        return json(workload, schedules);
    }
    return {};
}

} // namespace lab::output
