// libFuzzer target: practice codes and answers from arbitrary bytes.
//
// The first line is read as an exercise code: a code that is read writes back to a code that reads
// to the same key, also in lower case. The first byte then picks one of a few fixed exercises
// (every policy, made once), and the rest of the input is read as the student's processor row,
// with numbers drawn from its bytes. A row that reads writes back to the same pieces; its check
// has one mark per piece and per cell, a score within its total, no mistake when the score is full,
// and a first mistake whose decision is one of the solution's.
#include "practice/answer.h"
#include "practice/exercise.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void failure(const std::string &what)
{
    std::fprintf(stderr, "fuzz_practice: %s\n", what.c_str());
    std::abort();
}

const std::vector<practice::Exercise> &exercises()
{
    static const std::vector<practice::Exercise> made = [] {
        std::vector<practice::Exercise> list;
        for (const char *code : {"FCFS-5M-K3PX9", "SJF-6L-7QW2A", "SRTF-5L-00042", "RR3-4L-B7C1D", "RR2-6M-ABCDE",
                                 "PRI-4D-M4G8R", "PRIP-8L-HZ9TE", "HRRN-4M-ZZZZZ"})
            list.push_back(practice::makeExercise(*practice::parseExerciseCode(code)));
        return list;
    }();
    return made;
}

void checkCode(std::string_view line)
{
    const auto key = practice::parseExerciseCode(line);
    if (!key)
        return;
    const std::string code = practice::exerciseCode(*key);
    if (practice::parseExerciseCode(code) != key)
        failure("the code " + code + " does not read back");
    std::string lower;
    for (char ch : code)
        lower += ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
    if (practice::parseExerciseCode(lower) != key)
        failure("the code " + lower + " does not read in lower case");
}

void checkAnswer(const practice::Exercise &exercise, std::string_view text)
{
    const practice::ParsedSegments parsed = practice::parseSegments(text, exercise.workload);
    if (parsed.error) {
        if (parsed.segments.size() != parsed.error->piece)
            failure("pieces read before the fault do not match its number");
        return;
    }
    const std::string written = practice::segmentsText(parsed.segments, exercise.workload);
    const practice::ParsedSegments again = practice::parseSegments(written, exercise.workload);
    if (again.error || again.segments != parsed.segments)
        failure("the row \"" + written + "\" does not read back");

    practice::Answer answer;
    answer.segments = parsed.segments;
    // Numbers from the text's bytes: some right, some off by the byte, some missing.
    std::size_t at = 0;
    const auto next = [&text, &at]() -> unsigned {
        return text.empty() ? 0u : static_cast<unsigned char>(text[at++ % text.size()]);
    };
    for (const lab::ProcessResult &right : exercise.solution.processes) {
        const auto number = [&next](lab::Time value) -> std::optional<lab::Time> {
            const unsigned byte = next();
            if (byte % 3 == 0)
                return std::nullopt;
            return byte % 3 == 1 ? value : value + static_cast<lab::Time>(byte % 7) - 3;
        };
        answer.processes.push_back({number(right.completion), number(right.turnaround), number(right.waiting),
                                    number(right.response)});
    }
    answer.averageWaiting = static_cast<double>(next()) / 16.0;
    if (next() % 2)
        answer.averageTurnaround = exercise.solution.averageTurnaround();

    const practice::CheckResult result = practice::check(exercise.workload, exercise.solution, answer);
    if (result.segments.size() != answer.segments.size())
        failure("one mark per piece");
    const std::size_t columns = practice::asksResponse(exercise.settings) ? 4 : 3;
    if (result.cells.size() != exercise.workload.size())
        failure("one row of marks per process");
    for (const std::vector<practice::Mark> &row : result.cells) {
        if (row.size() != columns)
            failure("one mark per cell");
    }
    if (result.right < 0 || result.right > result.total)
        failure("a score outside its total");
    if (result.right == result.total && result.firstMistake)
        failure("a full score with a mistake");
    if (result.firstMistake) {
        const practice::FirstMistake &mistake = *result.firstMistake;
        if (mistake.decision && *mistake.decision >= exercise.solution.decisions.size())
            failure("a mistake's decision outside the solution's");
        if (mistake.time < 0)
            failure("a mistake before the start");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const std::size_t newline = input.find('\n');
    checkCode(input.substr(0, newline));
    if (input.empty())
        return 0;
    const std::vector<practice::Exercise> &list = exercises();
    checkAnswer(list[static_cast<unsigned char>(input.front()) % list.size()], input.substr(1));
    return 0;
}
