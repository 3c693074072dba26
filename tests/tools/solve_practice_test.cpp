// quorvel-solve's practice modes run as a lecturer's script runs them: --exercise for one code,
// --worksheets for a whole class, their standard output, standard error, exit status and the
// PDF files read back with pdfinfo and pdftotext.
#include "lab/output.h"
#include "lab/schedule.h"
#include "practice/answer.h"
#include "practice/exercise.h"

#include "common/jsonreader.h"
#include "tools/solverrun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace json = testsupport::json;
using solverrun::Result;

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

std::vector<std::string> words(const std::string &line)
{
    std::vector<std::string> result;
    std::istringstream stream(line);
    for (std::string word; stream >> word;)
        result.push_back(word);
    return result;
}

// The output of a reading tool, such as pdftotext; empty when it fails.
std::string toolOutput(const std::string &command)
{
    std::string text;
    if (std::FILE *pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, got);
        ::pclose(pipe);
    }
    return text;
}

int pdfPages(const fs::path &pdf)
{
    for (const std::string &line : lines(toolOutput("pdfinfo '" + pdf.string() + "'"))) {
        if (line.rfind("Pages:", 0) == 0)
            return std::stoi(line.substr(6));
    }
    return -1;
}

// The pages of a PDF as pdftotext lays them out, split at its form feeds.
std::vector<std::string> pdfPageTexts(const fs::path &pdf)
{
    const std::string text = toolOutput("pdftotext -layout '" + pdf.string() + "' -");
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t feed; (feed = text.find('\f', start)) != std::string::npos; start = feed + 1)
        pages.push_back(text.substr(start, feed - start));
    return pages;
}

bool hasLine(const std::string &page, const std::vector<std::string> &expected)
{
    for (const std::string &line : lines(page)) {
        if (words(line) == expected)
            return true;
    }
    return false;
}

// The solver runs with an empty standard input: the practice modes read none.
class SolvePractice : public solverrun::SolverTest {
protected:
    SolvePractice() : SolverTest("quorvel-solve-practice-") {}

    // A usage fault: status 2, one line on standard error, nothing on standard output.
    void expectRefused(const std::vector<std::string> &args, const std::string &mention)
    {
        const Result result = run(args);
        EXPECT_EQ(result.status, 2) << result.err;
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_NE(result.err.find(mention), std::string::npos) << result.err;
    }

    fs::path m_dir;
};

// Codes of every policy and level, drawn with fixed entropies.
std::vector<practice::ExerciseKey> sampleKeys()
{
    std::vector<practice::ExerciseKey> keys;
    std::uint64_t entropy = 20261207;
    for (const lab::Policy policy : lab::kAllPolicies) {
        for (const practice::Level level :
             {practice::Level::Basic, practice::Level::Intermediate, practice::Level::Advanced}) {
            entropy = entropy * 6364136223846793005ULL + 1442695040888963407ULL;
            keys.push_back(practice::newKey(policy, 3 + int(entropy % 8), level, entropy));
        }
    }
    return keys;
}

// --- --exercise ----------------------------------------------------------------------------------

TEST_F(SolvePractice, ExerciseJsonIsTheSolutionWithCodeAndLevel)
{
    for (const practice::ExerciseKey &key : sampleKeys()) {
        const practice::Exercise exercise = practice::makeExercise(key);
        SCOPED_TRACE(exercise.code);
        const Result result = run({"--exercise", exercise.code, "--format", "json"});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.err, "");

        const json::Value object = json::parse(result.out);
        const std::vector<std::string> keys = object.keys();
        ASSERT_GE(keys.size(), 4u);
        EXPECT_EQ(keys[0], "code");
        EXPECT_EQ(keys[1], "level");
        EXPECT_EQ(keys[2], "policy");
        EXPECT_EQ(object["code"].string(), exercise.code);
        EXPECT_EQ(object["level"].string(), practice::levelId(key.level));
        EXPECT_EQ(object["policy"].string(), lab::policyId(key.policy));
        EXPECT_EQ(object.has("quantum"), lab::usesQuantum(key.policy));
        if (lab::usesQuantum(key.policy)) {
            EXPECT_EQ(object["quantum"].integer(), key.quantum);
        }
        EXPECT_EQ(object["switchCost"].integer(), exercise.settings.switchCost);
        EXPECT_EQ(object["priorityOrder"].string(), lab::priorityOrderId(exercise.settings.priorityOrder));
        EXPECT_EQ(object["rrRule"].string(), lab::roundRobinRuleId(exercise.settings.roundRobinRule));

        const json::Array &processes = object["processes"].array();
        ASSERT_EQ(processes.size(), exercise.workload.size());
        for (std::size_t i = 0; i < processes.size(); ++i) {
            EXPECT_EQ(processes[i]["name"].string(), exercise.workload[i].name);
            EXPECT_EQ(processes[i]["arrival"].integer(), exercise.workload[i].arrival);
            EXPECT_EQ(processes[i]["burst"].integer(), exercise.workload[i].burst);
            EXPECT_EQ(processes[i]["completion"].integer(), exercise.solution.processes[i].completion);
            EXPECT_EQ(processes[i]["waiting"].integer(), exercise.solution.processes[i].waiting);
        }
        // Apart from the two fields, exactly the laboratory's object.
        std::string rest = result.out;
        const std::string added = "  \"code\": " + lab::output::jsonString(exercise.code) + ",\n  \"level\": "
            + lab::output::jsonString(practice::levelId(key.level)) + ",\n";
        const std::size_t at = rest.find(added);
        ASSERT_EQ(at, 2u);
        rest.erase(at, added.size());
        EXPECT_EQ(rest, lab::output::json(exercise.workload, exercise.solution));
    }
}

TEST_F(SolvePractice, ExerciseCodesAreReadAsThePracticeWindowReadsThem)
{
    const practice::Exercise exercise = practice::makeExercise(sampleKeys()[4]);
    std::string typed = exercise.code;
    std::transform(typed.begin(), typed.end(), typed.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    const Result result = run({"--exercise=  " + typed + " ", "--format=json"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(json::parse(result.out)["code"].string(), exercise.code);
}

TEST_F(SolvePractice, ExerciseTableAndCsv)
{
    const practice::Exercise exercise = practice::makeExercise(sampleKeys()[10]);
    const Result table = run({"--exercise", exercise.code});
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out, "Exercise " + exercise.code + ", level " + std::string(practice::levelId(exercise.key.level))
                             + "\n\n" + lab::output::table(exercise.workload, exercise.solution));
    const Result csv = run({"--exercise", exercise.code, "--format", "csv"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out, lab::output::csv(exercise.workload, exercise.solution));
}

TEST_F(SolvePractice, UnknownOrMalformedCodesExitTwoWithOneLine)
{
    for (const std::string code : {"", "XYZ", "RR9-5D-K3PX9", "RR1-5D-K3PX9", "FCFS-2D-K3PX9", "FCFS-11D-K3PX9",
                                   "FCFS-5X-K3PX9", "FCFS-5D-K3PX", "FCFS-5D-K3PX9Z", "LOTTERY-5D-K3PX9",
                                   "FCFS-5D-K3PU9"}) {
        SCOPED_TRACE(code);
        expectRefused({"--exercise", code, "--format", "json"}, "unknown exercise code \"" + code + "\"");
    }
}

TEST_F(SolvePractice, ExerciseUsageFaults)
{
    const std::string code = practice::exerciseCode(sampleKeys()[0]);
    expectRefused({"--exercise"}, "needs a value");
    expectRefused({"--exercise", code, "--format", "xml"}, "unknown format");
    expectRefused({"--exercise", code, "--policy", "fcfs"}, "--policy");
    expectRefused({"--exercise", code, "file.csv"}, "file.csv");
    expectRefused({"--exercise", code, "--worksheets", "TI2A"}, "together");
    expectRefused({"--exercise", code, "--exercise", code}, "twice");
}

// --- --worksheets --------------------------------------------------------------------------------

TEST_F(SolvePractice, WorksheetsOfAClassOfThirtyWithTheSolversAnswers)
{
    const fs::path out = m_dir / "kelas";
    const Result result = run({"--worksheets", "TI2A", "--variants", "30", "--output", out.string()});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");

    // The codes, one per line in page order: those of the class's variants.
    const std::vector<std::string> codes = lines(result.out);
    ASSERT_EQ(codes.size(), 30u);
    for (int variant = 1; variant <= 30; ++variant) {
        EXPECT_EQ(codes[std::size_t(variant - 1)],
                  practice::exerciseCode(practice::variantKey("TI2A", variant, std::nullopt, 5, practice::Level::Basic)));
    }

    const fs::path sheets = out / "TI2A-lembar-kerja.pdf";
    const fs::path key = out / "TI2A-kunci-jawaban.pdf";
    ASSERT_EQ(pdfPages(sheets), 30);
    ASSERT_EQ(pdfPages(key), 30);
    const std::vector<std::string> sheetPages = pdfPageTexts(sheets);
    const std::vector<std::string> keyPages = pdfPageTexts(key);
    ASSERT_EQ(sheetPages.size(), 30u);
    ASSERT_EQ(keyPages.size(), 30u);

    for (std::size_t i = 0; i < codes.size(); ++i) {
        SCOPED_TRACE(codes[i]);
        EXPECT_NE(sheetPages[i].find(codes[i]), std::string::npos);
        EXPECT_NE(keyPages[i].find(codes[i]), std::string::npos);
        // Every number of the key is the solver's for that code.
        const Result solved = run({"--exercise", codes[i], "--format", "json"});
        ASSERT_EQ(solved.status, 0) << solved.err;
        const json::Value object = json::parse(solved.out);
        lab::Settings settings;
        settings.policy = *lab::policyFromId(object["policy"].string());
        const bool priority = lab::usesPriority(settings.policy);
        const bool response = practice::asksResponse(settings);
        for (const json::Value &process : object["processes"].array()) {
            std::vector<std::string> row{process["name"].string(), std::to_string(process["arrival"].integer()),
                                         std::to_string(process["burst"].integer())};
            if (priority)
                row.push_back(std::to_string(process["priority"].integer()));
            for (const char *column : {"completion", "turnaround", "waiting"})
                row.push_back(std::to_string(process[column].integer()));
            if (response)
                row.push_back(std::to_string(process["response"].integer()));
            EXPECT_TRUE(hasLine(keyPages[i], row)) << keyPages[i];
        }
        std::vector<std::string> averages{"Rata-rata"};
        for (const char *total : {"turnaround", "waiting"}) {
            for (const std::string &word : words(lab::averageText(object["totals"][total].integer(), 5)))
                averages.push_back(word);
        }
        if (response) {
            for (const std::string &word : words(lab::averageText(object["totals"]["response"].integer(), 5)))
                averages.push_back(word);
        }
        EXPECT_TRUE(hasLine(keyPages[i], averages)) << keyPages[i];
    }
}

TEST_F(SolvePractice, TheSameClassGivesTheSameCodesEveryTime)
{
    const std::vector<std::string> args{"--worksheets", "IF3B", "--variants", "12", "--policy", "rr", "--level",
                                        "lanjut", "--processes", "4", "--output"};
    std::vector<std::string> first = args, second = args;
    first.push_back((m_dir / "one").string());
    second.push_back((m_dir / "two").string());
    const Result a = run(first);
    const Result b = run(second);
    ASSERT_EQ(a.status, 0) << a.err;
    ASSERT_EQ(b.status, 0) << b.err;
    EXPECT_EQ(a.out, b.out);
    const std::vector<std::string> codes = lines(a.out);
    ASSERT_EQ(codes.size(), 12u);
    for (const std::string &code : codes) {
        EXPECT_EQ(code.rfind("RR", 0), 0u) << code;
        EXPECT_NE(code.find("-4L-"), std::string::npos) << code;
    }
    // The texts of the two runs' files are the same.
    EXPECT_EQ(toolOutput("pdftotext '" + (m_dir / "one" / "IF3B-kunci-jawaban.pdf").string() + "' -"),
              toolOutput("pdftotext '" + (m_dir / "two" / "IF3B-kunci-jawaban.pdf").string() + "' -"));
    // Another class, other codes.
    const Result other = run({"--worksheets", "IF3C", "--variants", "12", "--policy", "rr", "--level", "lanjut",
                              "--processes", "4", "--output", (m_dir / "three").string()});
    ASSERT_EQ(other.status, 0) << other.err;
    EXPECT_NE(other.out, a.out);
}

TEST_F(SolvePractice, WorksheetUsageFaultsWriteNothing)
{
    const std::string out = (m_dir / "out").string();
    expectRefused({"--worksheets", "TI-2A", "--variants", "3", "--output", out}, "class code");
    expectRefused({"--worksheets", "ABCDEFGHIJ1234567", "--variants", "3", "--output", out}, "class code");
    expectRefused({"--worksheets", "TI2A", "--output", out}, "--variants is missing");
    expectRefused({"--worksheets", "TI2A", "--variants", "0", "--output", out}, "--variants");
    expectRefused({"--worksheets", "TI2A", "--variants", "61", "--output", out}, "1 to 60");
    expectRefused({"--worksheets", "TI2A", "--variants", "3x", "--output", out}, "3x");
    expectRefused({"--worksheets", "TI2A", "--variants", "3", "--policy", "lottery", "--output", out}, "lottery");
    expectRefused({"--worksheets", "TI2A", "--variants", "3", "--level", "sulit", "--output", out}, "sulit");
    expectRefused({"--worksheets", "TI2A", "--variants", "3", "--processes", "11", "--output", out}, "3 to 10");
    expectRefused({"--worksheets", "TI2A", "--variants", "3"}, "--output is missing");
    expectRefused({"--worksheets", "TI2A", "--variants", "3", "--quantum", "4", "--output", out}, "--quantum");
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(SolvePractice, AFolderThatCannotBeMadeIsAnOutputFault)
{
    const fs::path blocker = file("file", "not a folder");
    const Result result = run({"--worksheets", "TI2A", "--variants", "2", "--output", (blocker / "sub").string()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

TEST_F(SolvePractice, HelpNamesBothModes)
{
    const Result result = run({"--help"});
    ASSERT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("--exercise CODE"), std::string::npos);
    EXPECT_NE(result.out.find("--worksheets CLASS"), std::string::npos);
}

} // namespace
