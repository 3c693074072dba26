#include "lab/csv.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <utility>

namespace lab::csv {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kShortHeader = "name,arrival,burst";
constexpr std::string_view kLongHeader = "name,arrival,burst,priority";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool onlyWhitespace(std::string_view text)
{
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

struct Cell {
    std::string text;
    bool quoted = false;
};

// One record of comma- or tab-separated text, read from `pos` on. A record ends at a line end
// outside quotes or at the end of the text; `pos` is left behind its line end.
class RecordReader {
public:
    RecordReader(std::string_view text, char delimiter) : m_text(text), m_delimiter(delimiter) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    std::size_t position() const { return m_pos; }
    // Line ends passed so far: the record read next starts on line newlines() + 1.
    std::size_t newlines() const { return m_newlines; }
    std::string_view rest() const { return m_text.substr(m_pos); }

    // Reads one record. Strict: returns false on a quoted field that is not closed or has text
    // after its closing quote. Lenient: such a field is taken as plain text instead.
    bool read(std::vector<Cell> &cells, bool lenient)
    {
        cells.clear();
        for (;;) {
            Cell cell;
            if (!readQuoted(cell)) {
                if (!lenient)
                    return false;
                readPlain(cell);
            }
            cells.push_back(std::move(cell));
            if (m_pos < m_text.size() && m_text[m_pos] == m_delimiter) {
                ++m_pos;
                continue;
            }
            if (m_pos < m_text.size()) {   // the line end
                ++m_pos;
                ++m_newlines;
            }
            return true;
        }
    }

private:
    // A field from m_pos to the next delimiter or line end, as it stands (a CR before the line
    // end belongs to the line end).
    void readPlain(Cell &cell)
    {
        std::size_t end = m_pos;
        while (end < m_text.size() && m_text[end] != m_delimiter && m_text[end] != '\n')
            ++end;
        std::size_t stop = end;
        if (stop > m_pos && m_text[stop - 1] == '\r' && (stop == m_text.size() || m_text[stop] == '\n'))
            --stop;
        cell.text.assign(m_text.substr(m_pos, stop - m_pos));
        cell.quoted = false;
        m_pos = end;
    }

    // A field whose first character after blanks is a quote. Returns true when the field was
    // read (quoted or plain), false when its quotes are bad; m_pos is then unchanged.
    bool readQuoted(Cell &cell)
    {
        std::size_t p = m_pos;
        while (p < m_text.size() && isBlank(m_text[p]) && m_text[p] != m_delimiter)
            ++p;
        if (p >= m_text.size() || m_text[p] != '"') {
            readPlain(cell);
            return true;
        }
        ++p;
        std::string value;
        std::size_t newlines = 0;
        for (;;) {
            // Once no quote is left, every later field that opens one fails at once, so that
            // lines of unclosed quotes cost no more than one pass over the text.
            const std::size_t quote = p >= m_lastQuoteEnd ? std::string_view::npos : m_text.find('"', p);
            if (quote == std::string_view::npos) {
                m_lastQuoteEnd = std::min(m_lastQuoteEnd, p);
                return false;   // never closed
            }
            const std::string_view piece = m_text.substr(p, quote - p);
            for (char c : piece)
                newlines += c == '\n' ? 1 : 0;
            value.append(piece);
            if (quote + 1 < m_text.size() && m_text[quote + 1] == '"') {
                value.push_back('"');
                p = quote + 2;
                continue;
            }
            p = quote + 1;
            break;
        }
        while (p < m_text.size() && isBlank(m_text[p]) && m_text[p] != m_delimiter)
            ++p;
        if (p < m_text.size() && m_text[p] == '\r' && (p + 1 == m_text.size() || m_text[p + 1] == '\n'))
            ++p;
        if (p < m_text.size() && m_text[p] != m_delimiter && m_text[p] != '\n')
            return false;   // text after the closing quote
        cell.text = std::move(value);
        cell.quoted = true;
        m_newlines += newlines;
        m_pos = p;
        return true;
    }

    std::string_view m_text;
    char m_delimiter;
    std::size_t m_pos = 0;
    std::size_t m_newlines = 0;
    std::size_t m_lastQuoteEnd = std::string_view::npos;   // no quote at or after this place
};

std::string lowered(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

Error badValue(std::size_t line, Field field, Problem problem)
{
    Error error;
    error.kind = Error::Kind::BadValue;
    error.line = line;
    error.field = field;
    error.problem = problem;
    return error;
}

} // namespace

std::string errorText(const Error &error)
{
    switch (error.kind) {
    case Error::Kind::BadHeader:
        return "bad header: expected " + std::string(kShortHeader) + " or " + std::string(kLongHeader);
    case Error::Kind::FieldCount:
        return "expected " + std::to_string(error.expectedFields) + " fields, found "
            + std::to_string(error.foundFields);
    case Error::Kind::BadQuotes:
        return "bad quotes: a quoted field is not closed or has text after its closing quote";
    case Error::Kind::NoProcesses:
        return "no processes after the header";
    case Error::Kind::TooManyProcesses:
        return "more than " + std::to_string(kMaxProcesses) + " processes";
    case Error::Kind::BadValue:
        if (error.problem == Problem::DuplicateName)
            return "duplicate name " + nameOnOneLine(error.name, true);
        if (error.problem == Problem::TotalTooLarge || error.problem == Problem::NoProcesses
            || error.problem == Problem::TooManyProcesses)
            return std::string(problemText(error.problem));
        return std::string(fieldId(error.field)) + " " + std::string(problemText(error.problem));
    }
    return "unreadable file";
}

std::variant<Parsed, Error> read(std::string_view text)
{
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());

    RecordReader reader(text, ',');
    std::vector<Cell> cells;
    const auto failure = [](Error::Kind kind, std::size_t line) {
        Error error;
        error.kind = kind;
        error.line = line;
        return error;
    };

    // The header.
    if (reader.atEnd() || !reader.read(cells, false))
        return failure(Error::Kind::BadHeader, 1);
    std::string header;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            header.push_back(',');
        header += lowered(trimmed(cells[i].text));
    }
    Parsed parsed;
    if (header == kLongHeader)
        parsed.hasPriority = true;
    else if (header != kShortHeader)
        return failure(Error::Kind::BadHeader, 1);
    const std::size_t columns = parsed.hasPriority ? 4 : 3;

    std::unordered_set<std::string> names;
    std::vector<std::size_t> lines;   // the line of every process, for the final check
    while (!reader.atEnd()) {
        const std::size_t line = reader.newlines() + 1;
        const std::string_view before = reader.rest();
        if (!reader.read(cells, false))
            return failure(Error::Kind::BadQuotes, line);
        if (cells.size() == 1 && !cells[0].quoted && onlyWhitespace(cells[0].text)
            && onlyWhitespace(before)) {
            break;   // blank lines up to the end
        }
        if (cells.size() != columns) {
            Error error = failure(Error::Kind::FieldCount, line);
            error.expectedFields = columns;
            error.foundFields = cells.size();
            return error;
        }
        if (parsed.workload.size() == kMaxProcesses)
            return failure(Error::Kind::TooManyProcesses, line);

        Process process;
        process.name = trimmed(cells[0].text);
        if (process.name.empty())
            return badValue(line, Field::Name, Problem::Empty);
        if (!names.insert(process.name).second) {
            Error error = badValue(line, Field::Name, Problem::DuplicateName);
            error.name = process.name;
            return error;
        }
        const Field timeFields[] = {Field::Arrival, Field::Burst, Field::Priority};
        Time *targets[] = {&process.arrival, &process.burst, &process.priority};
        for (std::size_t column = 1; column < columns; ++column) {
            const ParsedTime value = parseTime(cells[column].text, timeFields[column - 1]);
            if (!value.value)
                return badValue(line, timeFields[column - 1], value.problem);
            *targets[column - 1] = *value.value;
        }
        parsed.workload.push_back(std::move(process));
        lines.push_back(line);
    }

    if (parsed.workload.empty())
        return failure(Error::Kind::NoProcesses, 2);
    // What the lines cannot show on their own, such as a total beyond the clock.
    if (const auto problem = validate(parsed.workload)) {
        if (problem->problem == Problem::NoProcesses)
            return failure(Error::Kind::NoProcesses, 2);
        if (problem->problem == Problem::TooManyProcesses)
            return failure(Error::Kind::TooManyProcesses, lines.back());
        const std::size_t line = problem->row < lines.size() ? lines[problem->row] : lines.back();
        Error error = badValue(line, problem->field, problem->problem);
        if (problem->problem == Problem::DuplicateName && problem->row < parsed.workload.size())
            error.name = parsed.workload[problem->row].name;
        return error;
    }
    return parsed;
}

std::string quoteField(std::string_view text)
{
    bool needed = text.empty();
    for (char c : text) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n' || c == '\t')
            needed = true;
    }
    if (!text.empty() && (isBlank(text.front()) || isBlank(text.back())))
        needed = true;
    if (!needed)
        return std::string(text);
    std::string out = "\"";
    for (char c : text) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

std::string write(const Workload &workload)
{
    std::string out(kLongHeader);
    out.push_back('\n');
    for (const Process &process : workload) {
        out += quoteField(process.name);
        out.push_back(',');
        out += std::to_string(process.arrival);
        out.push_back(',');
        out += std::to_string(process.burst);
        out.push_back(',');
        out += std::to_string(process.priority);
        out.push_back('\n');
    }
    return out;
}

std::vector<std::vector<std::string>> splitRows(std::string_view text)
{
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());
    const char delimiter = text.find('\t') != std::string_view::npos ? '\t' : ',';
    RecordReader reader(text, delimiter);
    std::vector<std::vector<std::string>> rows;
    std::vector<Cell> cells;
    while (!reader.atEnd()) {
        reader.read(cells, true);
        bool blank = true;
        for (const Cell &cell : cells)
            blank = blank && !cell.quoted && onlyWhitespace(cell.text);
        if (blank)
            continue;
        std::vector<std::string> row;
        row.reserve(cells.size());
        for (Cell &cell : cells)
            row.push_back(std::move(cell.text));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace lab::csv
