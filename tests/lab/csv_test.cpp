// The laboratory's CSV files: what is read, what is refused at which line and why, what is
// written, and rows pasted from a spreadsheet.
#include "lab/csv.h"
#include "lab/random.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

using lab::Field;
using lab::Problem;
using lab::Process;
using lab::Workload;
using lab::csv::Error;
using Kind = lab::csv::Error::Kind;

lab::csv::Parsed readOk(std::string_view text)
{
    auto result = lab::csv::read(text);
    if (const auto *error = std::get_if<Error>(&result)) {
        ADD_FAILURE() << "refused at line " << error->line << ": " << lab::csv::errorText(*error);
        return {};
    }
    return std::get<lab::csv::Parsed>(result);
}

Error readError(std::string_view text)
{
    auto result = lab::csv::read(text);
    if (!std::holds_alternative<Error>(result)) {
        ADD_FAILURE() << "accepted: " << text;
        return {};
    }
    return std::get<Error>(result);
}

// ---- reading good files ----------------------------------------------------------------------

TEST(CsvRead, ThreeColumnsGivePriorityZero)
{
    const auto parsed = readOk("name,arrival,burst\nA,0,8\nB,1,4\n");
    EXPECT_FALSE(parsed.hasPriority);
    EXPECT_EQ(parsed.workload, (Workload{{"A", 0, 8, 0}, {"B", 1, 4, 0}}));
}

TEST(CsvRead, FourColumnsKeepPriority)
{
    const auto parsed = readOk("name,arrival,burst,priority\nA,0,8,3\nB,1,4,1000000\n");
    EXPECT_TRUE(parsed.hasPriority);
    EXPECT_EQ(parsed.workload, (Workload{{"A", 0, 8, 3}, {"B", 1, 4, 1000000}}));
}

TEST(CsvRead, HeaderIsCaseInsensitiveAndBlanksAreTrimmed)
{
    const auto parsed = readOk(" Name , ARRIVAL,Burst\t, Priority \n  P 1 ,  2 ,\t3 , 4 \n");
    EXPECT_TRUE(parsed.hasPriority);
    EXPECT_EQ(parsed.workload, (Workload{{"P 1", 2, 3, 4}}));
}

TEST(CsvRead, LastLineWithoutLineEnd)
{
    EXPECT_EQ(readOk("name,arrival,burst\nA,0,8").workload, (Workload{{"A", 0, 8, 0}}));
}

TEST(CsvRead, CrLfLineEnds)
{
    const auto parsed = readOk("name,arrival,burst,priority\r\nA,0,8,1\r\n\"B,C\",2,3,4\r\n");
    EXPECT_EQ(parsed.workload, (Workload{{"A", 0, 8, 1}, {"B,C", 2, 3, 4}}));
}

TEST(CsvRead, ByteOrderMarkIsSkipped)
{
    const auto parsed = readOk("\xEF\xBB\xBFname,arrival,burst\nA,0,8\n");
    EXPECT_EQ(parsed.workload, (Workload{{"A", 0, 8, 0}}));
}

TEST(CsvRead, BlankLinesAtTheEndAreIgnored)
{
    EXPECT_EQ(readOk("name,arrival,burst\nA,0,8\n\n\n   \n\r\n").workload, (Workload{{"A", 0, 8, 0}}));
}

TEST(CsvRead, QuotedFields)
{
    const auto parsed = readOk("name,arrival,burst\n"
                               "\"a \"\"b\"\"\",1,2\n"
                               "\"x,y\",3,4\n"
                               "  \"spaced\"  ,5,6\n"
                               "\"two\nlines\",7,8\n"
                               "\"n\",\"9\",\" 10 \"\n");
    EXPECT_EQ(parsed.workload, (Workload{{"a \"b\"", 1, 2, 0},
                                         {"x,y", 3, 4, 0},
                                         {"spaced", 5, 6, 0},
                                         {"two\nlines", 7, 8, 0},
                                         {"n", 9, 10, 0}}));
}

TEST(CsvRead, QuoteInsideAPlainFieldIsText)
{
    EXPECT_EQ(readOk("name,arrival,burst\n5\" disk,0,1\n").workload, (Workload{{"5\" disk", 0, 1, 0}}));
}

TEST(CsvRead, UnicodeNames)
{
    EXPECT_EQ(readOk("name,arrival,burst\nProses \xC3\xA9\xE2\x82\xAC,0,1\n").workload,
              (Workload{{"Proses \xC3\xA9\xE2\x82\xAC", 0, 1, 0}}));
}

TEST(CsvRead, LargestValuesAndSignedZero)
{
    EXPECT_EQ(readOk("name,arrival,burst,priority\nA,1000000,1000000,-0\n").workload,
              (Workload{{"A", 1000000, 1000000, 0}}));
}

// ---- refusals: kind, line and message ---------------------------------------------------------

struct BadFile {
    const char *label;
    const char *text;
    Kind kind;
    std::size_t line;
    const char *message;
};

class CsvRefusal : public ::testing::TestWithParam<BadFile> {};

TEST_P(CsvRefusal, KindLineAndMessage)
{
    const BadFile &bad = GetParam();
    const Error error = readError(bad.text);
    EXPECT_EQ(error.kind, bad.kind);
    EXPECT_EQ(error.line, bad.line);
    EXPECT_EQ(lab::csv::errorText(error), bad.message);
}

constexpr const char *kBadHeader = "bad header: expected name,arrival,burst or name,arrival,burst,priority";

INSTANTIATE_TEST_SUITE_P(
    Lines, CsvRefusal,
    ::testing::Values(
        BadFile{"EmptyFile", "", Kind::BadHeader, 1, kBadHeader},
        BadFile{"OnlyByteOrderMark", "\xEF\xBB\xBF", Kind::BadHeader, 1, kBadHeader},
        BadFile{"WrongHeader", "name,arrival,bursts\nA,0,1\n", Kind::BadHeader, 1, kBadHeader},
        BadFile{"ColumnsSwapped", "arrival,name,burst\n0,A,1\n", Kind::BadHeader, 1, kBadHeader},
        BadFile{"HeaderWithExtraColumn", "name,arrival,burst,priority,x\nA,0,1,0,0\n", Kind::BadHeader, 1,
                kBadHeader},
        BadFile{"BlankFirstLine", "\nname,arrival,burst\nA,0,1\n", Kind::BadHeader, 1, kBadHeader},
        BadFile{"HeaderOnly", "name,arrival,burst\n", Kind::NoProcesses, 2, "no processes after the header"},
        BadFile{"HeaderAndBlankLines", "name,arrival,burst\n\n  \n", Kind::NoProcesses, 2,
                "no processes after the header"},
        BadFile{"TooFewFields", "name,arrival,burst\nA,0,1\nB,2\n", Kind::FieldCount, 3,
                "expected 3 fields, found 2"},
        BadFile{"TooManyFields", "name,arrival,burst,priority\nA,0,1,2,3\n", Kind::FieldCount, 2,
                "expected 4 fields, found 5"},
        BadFile{"BlankLineInTheMiddle", "name,arrival,burst\nA,0,1\n\nB,2,3\n", Kind::FieldCount, 3,
                "expected 3 fields, found 1"},
        BadFile{"UnclosedQuote", "name,arrival,burst\nA,0,1\n\"B,2,3\nC,4,5\n", Kind::BadQuotes, 3,
                "bad quotes: a quoted field is not closed or has text after its closing quote"},
        BadFile{"TextAfterClosingQuote", "name,arrival,burst\n\"A\"x,0,1\n", Kind::BadQuotes, 2,
                "bad quotes: a quoted field is not closed or has text after its closing quote"},
        BadFile{"EmptyName", "name,arrival,burst\nA,0,1\n  ,0,1\n", Kind::BadValue, 3, "name is empty"},
        BadFile{"QuotedBlankName", "name,arrival,burst\n\" \",0,1\n", Kind::BadValue, 2, "name is empty"},
        BadFile{"EmptyArrival", "name,arrival,burst\nA,,1\n", Kind::BadValue, 2, "arrival is empty"},
        BadFile{"NegativeArrival", "name,arrival,burst\nA,0,1\nB,-3,1\n", Kind::BadValue, 3,
                "arrival is negative"},
        BadFile{"FractionArrival", "name,arrival,burst\nA,1.5,1\n", Kind::BadValue, 2,
                "arrival is not a whole number"},
        BadFile{"LettersInBurst", "name,arrival,burst\nA,0,4x\n", Kind::BadValue, 2,
                "burst is not a whole number"},
        BadFile{"ZeroBurst", "name,arrival,burst\nA,0,0\n", Kind::BadValue, 2, "burst must be at least 1"},
        BadFile{"BurstTooLarge", "name,arrival,burst\nA,0,1000001\n", Kind::BadValue, 2,
                "burst is larger than 1000000"},
        BadFile{"HugeNumber", "name,arrival,burst\nA,99999999999999999999999,1\n", Kind::BadValue, 2,
                "arrival is larger than 1000000"},
        BadFile{"EmptyPriority", "name,arrival,burst,priority\nA,0,1,\n", Kind::BadValue, 2,
                "priority is empty"},
        BadFile{"NegativePriority", "name,arrival,burst,priority\nA,0,1,-1\n", Kind::BadValue, 2,
                "priority is negative"},
        BadFile{"DuplicateName", "name,arrival,burst\nP1,0,1\nP2,0,1\nP1,3,1\n", Kind::BadValue, 4,
                "duplicate name \"P1\""},
        BadFile{"DuplicateAfterTrimming", "name,arrival,burst\nP1,0,1\n \"P1 \",3,1\n", Kind::BadValue, 3,
                "duplicate name \"P1\""},
        BadFile{"DuplicateNameWithQuotes", "name,arrival,burst\n\"a\"\"b\",0,1\n\"a\"\"b\",0,1\n",
                Kind::BadValue, 3, "duplicate name \"a\\\"b\""},
        BadFile{"LineCountsMultiLineField", "name,arrival,burst\n\"x\ny\",0,1\nB,0,0\n", Kind::BadValue, 4,
                "burst must be at least 1"},
        BadFile{"FirstBadLineWins", "name,arrival,burst\nA,0,1\nB,-1,1\nC,0\n", Kind::BadValue, 3,
                "arrival is negative"},
        BadFile{"NameCheckedBeforeTimes", "name,arrival,burst\n,-1,0\n", Kind::BadValue, 2, "name is empty"},
        BadFile{"CrLfLineNumbers", "name,arrival,burst\r\nA,0,1\r\nB,0,x\r\n", Kind::BadValue, 3,
                "burst is not a whole number"}),
    [](const ::testing::TestParamInfo<BadFile> &info) { return std::string(info.param.label); });

TEST(CsvRefusal, BadValueNamesFieldAndProblem)
{
    const Error error = readError("name,arrival,burst,priority\nA,0,1,x\n");
    EXPECT_EQ(error.kind, Kind::BadValue);
    EXPECT_EQ(error.field, Field::Priority);
    EXPECT_EQ(error.problem, Problem::NotWhole);
}

TEST(CsvRefusal, DuplicateNameIsShownOnOneLine)
{
    const Error error = readError("name,arrival,burst\n\"a\nb\",0,1\n\"a\nb\",0,1\n");
    EXPECT_EQ(error.line, 4u);
    EXPECT_EQ(lab::csv::errorText(error), "duplicate name \"a\\nb\"");
}

TEST(NameOnOneLine, EscapesWhatWouldBreakTheLine)
{
    const std::string name = "a\"b\\c\nd\re\tf\x1bg\x7fh \xc3\xa9";
    // In a table: only what would break the line or the columns.
    EXPECT_EQ(lab::nameOnOneLine(name, false), "a\"b\\c\\nd\\re\\tf\\x1bg\\x7fh \xc3\xa9");
    // In a message, quoted: the quotes and backslashes inside too.
    EXPECT_EQ(lab::nameOnOneLine(name, true), "\"a\\\"b\\\\c\\nd\\re\\tf\\x1bg\\x7fh \xc3\xa9\"");
    EXPECT_EQ(lab::nameOnOneLine("", true), "\"\"");
    EXPECT_EQ(lab::nameOnOneLine("P1", false), "P1");
}

TEST(CsvRefusal, TooManyProcesses)
{
    std::string text = "name,arrival,burst\n";
    for (std::size_t i = 0; i < lab::kMaxProcesses; ++i)
        text += "P" + std::to_string(i) + ",0,1\n";
    ASSERT_EQ(readOk(text).workload.size(), lab::kMaxProcesses);
    text += "extra,0,1\n";
    const Error error = readError(text);
    EXPECT_EQ(error.kind, Kind::TooManyProcesses);
    EXPECT_EQ(error.line, lab::kMaxProcesses + 2);
    EXPECT_EQ(lab::csv::errorText(error), "more than 100000 processes");
}

// ---- writing and reading back -----------------------------------------------------------------

TEST(CsvWrite, HeaderAndQuoting)
{
    const Workload workload{{"A", 0, 8, 1}, {"x,y", 1, 2, 3}, {"say \"hi\"", 4, 5, 6}, {"two\nlines", 7, 8, 9}};
    EXPECT_EQ(lab::csv::write(workload), "name,arrival,burst,priority\n"
                                         "A,0,8,1\n"
                                         "\"x,y\",1,2,3\n"
                                         "\"say \"\"hi\"\"\",4,5,6\n"
                                         "\"two\nlines\",7,8,9\n");
}

TEST(CsvWrite, QuoteField)
{
    EXPECT_EQ(lab::csv::quoteField("P1"), "P1");
    EXPECT_EQ(lab::csv::quoteField(""), "\"\"");
    EXPECT_EQ(lab::csv::quoteField("a,b"), "\"a,b\"");
    EXPECT_EQ(lab::csv::quoteField("a\"b"), "\"a\"\"b\"");
    EXPECT_EQ(lab::csv::quoteField(" a"), "\" a\"");
    EXPECT_EQ(lab::csv::quoteField("a\tb"), "\"a\tb\"");
    EXPECT_EQ(lab::csv::quoteField("a\rb"), "\"a\rb\"");
}

void expectRoundTrip(const Workload &workload)
{
    const std::string text = lab::csv::write(workload);
    auto result = lab::csv::read(text);
    ASSERT_TRUE(std::holds_alternative<lab::csv::Parsed>(result))
        << lab::csv::errorText(std::get<Error>(result)) << " in\n" << text;
    const auto &parsed = std::get<lab::csv::Parsed>(result);
    EXPECT_TRUE(parsed.hasPriority);
    EXPECT_EQ(parsed.workload, workload) << text;
}

TEST(CsvRoundTrip, RandomWorkloads)
{
    for (std::uint64_t start = 1; start <= 200; ++start) {
        lab::RandomShape shape;
        shape.count = 1 + static_cast<std::size_t>(start % 40);
        shape.maxArrival = static_cast<lab::Time>(start * 5000 % lab::kMaxTime);
        shape.maxBurst = 1 + static_cast<lab::Time>(start * 7919 % lab::kMaxTime);
        shape.maxPriority = static_cast<lab::Time>(start % 7 == 0 ? lab::kMaxTime : start % 11);
        SCOPED_TRACE(start);
        expectRoundTrip(lab::randomWorkload(start, shape));
    }
}

TEST(CsvRoundTrip, AwkwardNames)
{
    // Names with every character the format has to protect, drawn from fixed start values.
    const std::string pieces[] = {",", "\"", "\"\"", "a", " b ", "\n", "\r\n", "\t", "\xC3\xA9", "x,\"y\"", "\\",
                                  ";", "\x01"};
    for (std::uint64_t start = 1; start <= 100; ++start) {
        Workload workload = lab::randomWorkload(start, {12, 50, 1, 20, 9});
        lab::Random random(start * 31);
        for (std::size_t i = 0; i < workload.size(); ++i) {
            std::string name = "N" + std::to_string(i);
            const auto count = random.between(0, 4);
            for (std::int64_t k = 0; k < count; ++k)
                name += pieces[static_cast<std::size_t>(random.between(0, std::size(pieces) - 1))];
            name += "Z";
            workload[i].name = name;
        }
        SCOPED_TRACE(start);
        expectRoundTrip(workload);
    }
}

TEST(CsvRoundTrip, CrLfCopyOfAWrittenFile)
{
    const Workload workload = lab::randomWorkload(77, {30, 100, 1, 50, 5});
    std::string text = lab::csv::write(workload);
    std::string crlf;
    for (char c : text) {
        if (c == '\n')
            crlf += "\r\n";
        else
            crlf.push_back(c);
    }
    EXPECT_EQ(readOk(crlf).workload, workload);
}

// ---- pasted rows ------------------------------------------------------------------------------

TEST(CsvSplitRows, TabSeparated)
{
    const auto rows = lab::csv::splitRows("P1\t0\t5\r\nP2\t1\t3\r\n\r\nP3\t\t4\n");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"P1", "0", "5"}, {"P2", "1", "3"}, {"P3", "", "4"}}));
}

TEST(CsvSplitRows, TabTextKeepsCommasInCells)
{
    const auto rows = lab::csv::splitRows("a,b\t1\t2\n");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"a,b", "1", "2"}}));
}

TEST(CsvSplitRows, TabTextWithQuotedCell)
{
    const auto rows = lab::csv::splitRows("\"line\none\"\t1\t2\nB\t3\t4\n");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"line\none", "1", "2"}, {"B", "3", "4"}}));
}

TEST(CsvSplitRows, CommaSeparatedWithQuotes)
{
    const auto rows = lab::csv::splitRows("name,arrival,burst\n\"x,y\",1,2\n\n\"a \"\"q\"\"\",3,4");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                        {"name", "arrival", "burst"}, {"x,y", "1", "2"}, {"a \"q\"", "3", "4"}}));
}

TEST(CsvSplitRows, BadQuotesAreTakenAsText)
{
    const auto rows = lab::csv::splitRows("\"open,1,2\nB,3,4\n");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"\"open", "1", "2"}, {"B", "3", "4"}}));
}

TEST(CsvSplitRows, ManyUnclosedQuotes)
{
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "\"P" + std::to_string(i) + ",1,2\n";
    const auto rows = lab::csv::splitRows(text);
    ASSERT_EQ(rows.size(), 20000u);
    EXPECT_EQ(rows[0], (std::vector<std::string>{"\"P0", "1", "2"}));
    EXPECT_EQ(rows[19999], (std::vector<std::string>{"\"P19999", "1", "2"}));
}

TEST(CsvSplitRows, QuoteClosedOnALaterLineIsNotAField)
{
    // The first cell opens a quote that closes on the next line with text after it: both
    // lines are plain cells.
    const auto rows = lab::csv::splitRows("\"a,1,2\nb\"c,3,4\n");
    EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{{"\"a", "1", "2"}, {"b\"c", "3", "4"}}));
}

TEST(CsvSplitRows, NothingButBlankLines)
{
    EXPECT_TRUE(lab::csv::splitRows("").empty());
    EXPECT_TRUE(lab::csv::splitRows("\n\r\n  \n").empty());
}

} // namespace
