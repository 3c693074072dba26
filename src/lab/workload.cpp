#include "lab/workload.h"

#include <unordered_set>

namespace lab {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string nameOnOneLine(std::string_view name, bool quoted)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    if (quoted)
        out.push_back('"');
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (quoted && (c == '"' || c == '\\')) {
            out.push_back('\\');
            out.push_back(c);
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            out += "\\x";
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 0xf]);
        } else {
            out.push_back(c);
        }
    }
    if (quoted)
        out.push_back('"');
    return out;
}

ParsedTime parseTime(std::string_view text, Field field)
{
    const std::string value = trimmed(text);
    if (value.empty())
        return {std::nullopt, Problem::Empty};

    std::string_view digits = value;
    const bool negative = digits.front() == '-';
    if (negative)
        digits.remove_prefix(1);
    if (digits.empty())
        return {std::nullopt, Problem::NotWhole};
    for (char c : digits) {
        if (!isDigit(c))
            return {std::nullopt, Problem::NotWhole};
    }
    // "-0" and "-000" are zero written with a sign; any other sign is a negative number.
    const bool allZero = digits.find_first_not_of('0') == std::string_view::npos;
    if (negative && !allZero)
        return {std::nullopt, Problem::Negative};

    Time number = 0;
    for (char c : digits) {
        number = number * 10 + (c - '0');
        if (number > kMaxTime)
            return {std::nullopt, Problem::TooLarge};
    }
    if (field == Field::Burst && number == 0)
        return {std::nullopt, Problem::ZeroBurst};
    return {number, Problem::Empty};
}

std::optional<InputError> validate(const Workload &workload)
{
    if (workload.empty())
        return InputError{0, Field::Name, Problem::NoProcesses};
    if (workload.size() > kMaxProcesses)
        return InputError{workload.size(), Field::Name, Problem::TooManyProcesses};

    std::unordered_set<std::string_view> names;
    names.reserve(workload.size());
    Time total = 0;
    for (std::size_t row = 0; row < workload.size(); ++row) {
        const Process &process = workload[row];
        if (trimmed(process.name).empty())
            return InputError{row, Field::Name, Problem::Empty};
        if (!names.insert(process.name).second)
            return InputError{row, Field::Name, Problem::DuplicateName};
        const struct {
            Field field;
            Time value;
        } times[] = {{Field::Arrival, process.arrival},
                     {Field::Burst, process.burst},
                     {Field::Priority, process.priority}};
        for (const auto &[field, value] : times) {
            if (value < 0)
                return InputError{row, field, Problem::Negative};
            if (value > kMaxTime)
                return InputError{row, field, Problem::TooLarge};
        }
        if (process.burst == 0)
            return InputError{row, Field::Burst, Problem::ZeroBurst};
        if (process.burst > kMaxTotalTime - total)
            return InputError{row, Field::Burst, Problem::TotalTooLarge};
        total += process.burst;
    }
    return std::nullopt;
}

std::string_view fieldId(Field field)
{
    switch (field) {
    case Field::Name:
        return "name";
    case Field::Arrival:
        return "arrival";
    case Field::Burst:
        return "burst";
    case Field::Priority:
        return "priority";
    }
    return "name";
}

std::string_view problemText(Problem problem)
{
    switch (problem) {
    case Problem::Empty:
        return "is empty";
    case Problem::Negative:
        return "is negative";
    case Problem::NotWhole:
        return "is not a whole number";
    case Problem::TooLarge:
        return "is larger than 1000000";
    case Problem::ZeroBurst:
        return "must be at least 1";
    case Problem::DuplicateName:
        return "is used by an earlier process";
    case Problem::NoProcesses:
        return "no processes";
    case Problem::TooManyProcesses:
        return "more than 100000 processes";
    case Problem::TotalTooLarge:
        return "the bursts add up to more than the clock holds";
    }
    return "is not valid";
}

} // namespace lab
