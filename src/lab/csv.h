#pragma once

#include "lab/workload.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Workloads as CSV files ("name,arrival,burst" or "name,arrival,burst,priority") and as rows
// pasted from a spreadsheet.
namespace lab::csv {

// What is wrong with a file, at a line counted from 1 (the header is line 1).
struct Error {
    enum class Kind {
        BadHeader,        // the first line is not one of the two headers
        FieldCount,       // a line with another number of fields than the header
        BadQuotes,        // a quoted field that is not closed, or text after its closing quote
        BadValue,         // field and problem say what
        NoProcesses,      // a header and nothing else
        TooManyProcesses, // more than kMaxProcesses lines
    };
    Kind kind = Kind::BadHeader;
    std::size_t line = 1;
    Field field = Field::Name;          // BadValue
    Problem problem = Problem::Empty;   // BadValue
    std::string name;                   // BadValue with DuplicateName: the name repeated
    std::size_t expectedFields = 0;     // FieldCount: the header's fields
    std::size_t foundFields = 0;        // FieldCount: the line's fields

    bool operator==(const Error &) const = default;
};

// The message of an error in English, without the file and line ("arrival is negative").
std::string errorText(const Error &error);

struct Parsed {
    Workload workload;
    bool hasPriority = false;   // the header named the priority column
};

// Reads a whole file. Blank lines at the end are ignored; a blank line elsewhere is a line with
// one empty field. Fields may be quoted ("a ""b""", "x,y"); CR LF line ends are accepted. The
// whole file is refused at its first bad line: the same checks as validate(), plus the header.
std::variant<Parsed, Error> read(std::string_view text);

// Writes the header with the priority column, then one line per process, quoting names that
// need it. read(write(w)) gives w back.
std::string write(const Workload &workload);

// A field as write() puts it: quoted ("a ""b""") when it holds a comma, a quote, a tab or a line
// end, begins or ends with a blank, or is empty; else as it is.
std::string quoteField(std::string_view text);

// Splits pasted text into rows of cells: tab-separated when the text holds a tab, else
// comma-separated with the quoting rules above; blank lines are dropped.
std::vector<std::vector<std::string>> splitRows(std::string_view text);

} // namespace lab::csv
