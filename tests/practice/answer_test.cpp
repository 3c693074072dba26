// Checking a student's answer: the processor row read from text, every cell and piece marked, the
// score, and the first place where the schedule leaves the solution with the decision behind it.
#include "practice/answer.h"
#include "practice/exercise.h"

#include "lab/labtest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace {

using lab::Policy;
using lab::SegmentKind;
using lab::Time;
using practice::Answer;
using practice::AnswerNumbers;
using practice::AnswerSegment;
using practice::FirstMistake;
using practice::Mark;
using practice::SegmentParseError;
using labtest::settingsOf;

std::vector<AnswerSegment> segmentsOf(const std::string &text, const lab::Workload &workload)
{
    const practice::ParsedSegments parsed = practice::parseSegments(text, workload);
    EXPECT_FALSE(parsed.error) << text;
    return parsed.segments;
}

// The whole right answer of a solution.
Answer rightAnswer(const lab::Workload &workload, const lab::Schedule &solution)
{
    Answer answer;
    for (const lab::Segment &s : solution.segments)
        answer.segments.push_back({s.kind, s.kind == SegmentKind::Run ? s.process : lab::kNoProcess, s.start, s.end});
    for (const lab::ProcessResult &r : solution.processes)
        answer.processes.push_back({r.completion, r.turnaround, r.waiting, r.response});
    const double n = static_cast<double>(workload.size());
    answer.averageWaiting = static_cast<double>(solution.totals.waiting) / n;
    answer.averageTurnaround = static_cast<double>(solution.totals.turnaround) / n;
    answer.averageResponse = static_cast<double>(solution.totals.response) / n;
    return answer;
}

int countMarks(const practice::CheckResult &result, Mark mark)
{
    int count = static_cast<int>(std::count(result.segments.begin(), result.segments.end(), mark));
    for (const std::vector<Mark> &row : result.cells)
        count += static_cast<int>(std::count(row.begin(), row.end(), mark));
    return count;
}

// --- the textbook SRTF example ----------------------------------------------------------------------
//   P1 (0, 7), P2 (2, 4), P3 (4, 1), P4 (5, 4)
//   P1 0-2, P2 2-4, P3 4-5, P2 5-7, P4 7-11, P1 11-16
//   completion 16 7 5 11, turnaround 16 5 1 6 (28/4 = 7), waiting 9 1 0 2 (12/4 = 3),
//   response 0 0 0 2 (2/4 = 0.5)
//   decisions: #0 t=0 P1, #1 t=2 P2 preempts P1, #2 t=4 P3 preempts P2, #3 t=5 P2 (P4 arrives),
//              #4 t=7 P4, #5 t=11 P1
class SrtfExample : public testing::Test {
protected:
    void SetUp() override
    {
        solution = lab::solve(workload, settingsOf(Policy::Srtf));
        ASSERT_EQ(lab::describeSegments(workload, solution), "P1 0-2, P2 2-4, P3 4-5, P2 5-7, P4 7-11, P1 11-16");
        ASSERT_EQ(solution.decisions.size(), 6u);
        ASSERT_EQ(solution.decisions[1].kind, lab::DecisionKind::Preempt);
        ASSERT_EQ(solution.decisions[3].time, 5);
    }

    practice::CheckResult checkText(const std::string &text)
    {
        Answer answer = rightAnswer(workload, solution);
        answer.segments = segmentsOf(text, workload);
        return practice::check(workload, solution, answer);
    }

    const lab::Workload workload{{"P1", 0, 7, 0}, {"P2", 2, 4, 0}, {"P3", 4, 1, 0}, {"P4", 5, 4, 0}};
    lab::Schedule solution;
};

TEST_F(SrtfExample, RightAnswerScoresFull)
{
    const practice::CheckResult result = practice::check(workload, solution, rightAnswer(workload, solution));
    EXPECT_EQ(result.total, 6 + 4 * 4 + 3);
    EXPECT_EQ(result.right, result.total);
    EXPECT_FALSE(result.firstMistake);
    EXPECT_EQ(result.segments, std::vector<Mark>(6, Mark::Right));
    ASSERT_EQ(result.cells.size(), 4u);
    for (const std::vector<Mark> &row : result.cells)
        EXPECT_EQ(row, std::vector<Mark>(4, Mark::Right));
    EXPECT_EQ(result.averageWaiting, Mark::Right);
    EXPECT_EQ(result.averageTurnaround, Mark::Right);
    EXPECT_EQ(result.averageResponse, Mark::Right);
}

TEST_F(SrtfExample, PiecesTypedOutOfOrderOrSplitAreStillRight)
{
    practice::CheckResult result = checkText("P1 11-16, P4 7-11, P2 5-7, P3 4-5, P2 2-4, P1 0-2");
    EXPECT_EQ(result.right, result.total);
    EXPECT_FALSE(result.firstMistake);
    // P4 7-11 typed as two pieces: right together, one piece of the score.
    result = checkText("P1 0-2, P2 2-4, P3 4-5, P2 5-7, P4 7-9, P4 9-11, P1 11-16");
    EXPECT_EQ(result.segments, std::vector<Mark>(7, Mark::Right));
    EXPECT_EQ(result.right, result.total);
    EXPECT_EQ(result.total, 25);
    EXPECT_FALSE(result.firstMistake);
}

TEST_F(SrtfExample, WrongProcessWithNumbersThatFollowFromIt)
{
    // At 5 the student runs P4 (4) instead of P2 (2 left).
    Answer answer;
    answer.segments = segmentsOf("P1 0-2, P2 2-4, P3 4-5, P4 5-9, P2 9-11, P1 11-16", workload);
    // Their numbers, worked out from their own schedule: P2 ends at 11, P4 at 9.
    answer.processes = {
        {16, 16, 9, 0},
        {11, 9, 5, 0},   // completion, turnaround, waiting follow; response 0 is right
        {5, 1, 0, 0},
        {9, 4, 0, 0},    // all four follow from the schedule (the right response is 2)
    };
    answer.averageWaiting = 3.5;      // (9 + 5 + 0 + 0) / 4 from their schedule
    answer.averageTurnaround = 7.5;   // (16 + 9 + 1 + 4) / 4
    answer.averageResponse = 0;       // (0 + 0 + 0 + 0) / 4
    const practice::CheckResult result = practice::check(workload, solution, answer);

    EXPECT_EQ(result.segments, (std::vector<Mark>{Mark::Right, Mark::Right, Mark::Right, Mark::Wrong, Mark::Wrong,
                                                  Mark::Right}));
    EXPECT_EQ(result.cells[0], std::vector<Mark>(4, Mark::Right));
    EXPECT_EQ(result.cells[1], (std::vector<Mark>{Mark::FollowsFromSchedule, Mark::FollowsFromSchedule,
                                                  Mark::FollowsFromSchedule, Mark::Right}));
    EXPECT_EQ(result.cells[2], std::vector<Mark>(4, Mark::Right));
    EXPECT_EQ(result.cells[3], std::vector<Mark>(4, Mark::FollowsFromSchedule));
    EXPECT_EQ(result.averageWaiting, Mark::FollowsFromSchedule);
    EXPECT_EQ(result.averageTurnaround, Mark::FollowsFromSchedule);
    EXPECT_EQ(result.averageResponse, Mark::FollowsFromSchedule);
    EXPECT_EQ(countMarks(result, Mark::Wrong), 2);
    EXPECT_EQ(result.right, 4 + 9);
    EXPECT_EQ(result.total, 25);

    ASSERT_TRUE(result.firstMistake);
    const FirstMistake &m = *result.firstMistake;
    EXPECT_EQ(m.kind, FirstMistake::Kind::WrongProcess);
    EXPECT_EQ(m.time, 5);
    EXPECT_EQ(m.expected, 1u);
    EXPECT_EQ(m.given, 3u);
    EXPECT_EQ(m.decision, 3u);
}

TEST_F(SrtfExample, WrongNumberThatFollowsFromNothingIsWrong)
{
    Answer answer;
    answer.segments = segmentsOf("P1 0-2, P2 2-4, P3 4-5, P4 5-9, P2 9-11, P1 11-16", workload);
    answer.processes = {{16, 16, 9, 0}, {12, 10, 6, 0}, {5, 1, 0, 0}, {10, 5, 1, 0}};
    answer.averageWaiting = 4.5;
    const practice::CheckResult result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.cells[1], (std::vector<Mark>{Mark::Wrong, Mark::Wrong, Mark::Wrong, Mark::Right}));
    EXPECT_EQ(result.cells[3][0], Mark::Wrong);
    // The average of the numbers they typed: (9 + 6 + 0 + 1) / 4 = 4 - not 4.5.
    EXPECT_EQ(result.averageWaiting, Mark::Wrong);
    EXPECT_EQ(result.averageTurnaround, Mark::Missing);
    EXPECT_EQ(result.averageResponse, Mark::Missing);
}

TEST_F(SrtfExample, AverageOfTheirOwnWrongCellsFollows)
{
    Answer answer = rightAnswer(workload, solution);
    answer.processes[3].waiting = 6;   // wrong, and not from the schedule (which is right)
    answer.averageWaiting = 4;         // (9 + 1 + 0 + 6) / 4: follows from what they typed
    const practice::CheckResult result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.cells[3][2], Mark::Wrong);
    EXPECT_EQ(result.averageWaiting, Mark::FollowsFromSchedule);
    EXPECT_EQ(result.right, 25 - 2);
    EXPECT_FALSE(result.firstMistake);
}

TEST_F(SrtfExample, WrongBoundaryGoingOnTooLong)
{
    // Run to completion, as without preemption: P1's piece should end at 2, where P2 preempts it.
    const practice::CheckResult result = checkText("P1 0-7, P3 7-8, P2 8-12, P4 12-16");
    ASSERT_TRUE(result.firstMistake);
    const FirstMistake &m = *result.firstMistake;
    EXPECT_EQ(m.kind, FirstMistake::Kind::WrongEnd);
    EXPECT_EQ(m.time, 2);
    EXPECT_EQ(m.expected, 0u);
    EXPECT_EQ(m.given, 0u);
    EXPECT_EQ(m.expectedEnd, 2);
    EXPECT_EQ(m.givenEnd, 7);
    ASSERT_EQ(m.decision, 1u);
    EXPECT_EQ(solution.decisions[*m.decision].kind, lab::DecisionKind::Preempt);
    EXPECT_EQ(result.segments, std::vector<Mark>(4, Mark::Wrong));
    // max(4 answer pieces, 6 solution pieces) + 16 cells + 3 averages, the cells right.
    EXPECT_EQ(result.total, 6 + 16 + 3);
    EXPECT_EQ(result.right, 16 + 3);
}

TEST_F(SrtfExample, WrongAverage)
{
    Answer answer = rightAnswer(workload, solution);
    answer.averageWaiting = 3.25;
    answer.averageResponse = 0.55;
    const practice::CheckResult result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.averageWaiting, Mark::Wrong);
    EXPECT_EQ(result.averageTurnaround, Mark::Right);
    EXPECT_EQ(result.averageResponse, Mark::Wrong);
    EXPECT_EQ(result.right, 23);
    EXPECT_FALSE(result.firstMistake);
}

TEST_F(SrtfExample, HugeTypedNumbersAreWrongWithoutOverflow)
{
    // Typed numbers near the largest time: their column totals do not fit the time type, and
    // an average of 1e15 has more hundredths than a total of 64 bits times 200 could hold.
    Answer answer = rightAnswer(workload, solution);
    for (AnswerNumbers &numbers : answer.processes) {
        numbers.waiting = lab::kMaxTotalTime;
        numbers.turnaround = std::numeric_limits<Time>::max() / 2;
    }
    answer.averageWaiting = 1e15;
    answer.averageTurnaround = static_cast<double>(std::numeric_limits<Time>::max() / 8) / 100.0;
    const practice::CheckResult result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.averageWaiting, Mark::Wrong);
    EXPECT_EQ(result.averageTurnaround, Mark::Wrong);
    EXPECT_EQ(result.averageResponse, Mark::Right);
    EXPECT_EQ(countMarks(result, Mark::Wrong), 4 + 4);   // every waiting and turnaround cell
}

TEST_F(SrtfExample, MissingCellsAndRows)
{
    Answer answer = rightAnswer(workload, solution);
    answer.processes[2].completion.reset();
    answer.averageResponse.reset();
    practice::CheckResult result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.cells[2], (std::vector<Mark>{Mark::Missing, Mark::Right, Mark::Right, Mark::Right}));
    EXPECT_EQ(result.averageResponse, Mark::Missing);
    EXPECT_EQ(result.total, 25);
    EXPECT_EQ(result.right, 23);
    // Rows not given at all.
    answer.processes.resize(2);
    result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.cells[2], std::vector<Mark>(4, Mark::Missing));
    EXPECT_EQ(result.cells[3], std::vector<Mark>(4, Mark::Missing));
    EXPECT_EQ(result.total, 25);
    EXPECT_EQ(result.right, 25 - 8 - 1);
}

TEST_F(SrtfExample, TooShortAndTooLong)
{
    practice::CheckResult result = checkText("P1 0-2, P2 2-4");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::TooShort);
    EXPECT_EQ(result.firstMistake->time, 4);
    EXPECT_EQ(result.firstMistake->expected, 2u);
    EXPECT_EQ(result.firstMistake->decision, 2u);
    EXPECT_EQ(result.total, 25);
    EXPECT_EQ(result.right, 2 + 19);

    result = checkText("P1 0-2, P2 2-4, P3 4-5, P2 5-7, P4 7-11, P1 11-16, idle 16-18");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::TooLong);
    EXPECT_EQ(result.firstMistake->time, 16);
    EXPECT_FALSE(result.firstMistake->decision);
    EXPECT_EQ(result.segments.back(), Mark::Wrong);
    EXPECT_EQ(result.total, 7 + 19);
    EXPECT_EQ(result.right, 6 + 19);
}

TEST_F(SrtfExample, ExtraIdleAndGaps)
{
    practice::CheckResult result = checkText("P1 0-2, idle 2-3, P2 3-5, P3 5-6");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::ExtraIdle);
    EXPECT_EQ(result.firstMistake->time, 2);
    EXPECT_EQ(result.firstMistake->expected, 1u);
    EXPECT_EQ(result.firstMistake->decision, 1u);
    // A gap where the solution runs is idle time of the answer.
    result = checkText("P1 0-2, P2 3-5");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::ExtraIdle);
    EXPECT_EQ(result.firstMistake->time, 2);
}

TEST_F(SrtfExample, APieceGivenTwiceCountsOnce)
{
    const practice::CheckResult result = checkText("P1 0-2, P1 0-2, P2 2-4, P3 4-5, P2 5-7, P4 7-11, P1 11-16");
    EXPECT_EQ(result.segments[0], Mark::Right);
    EXPECT_EQ(result.segments[1], Mark::Wrong);
    EXPECT_EQ(result.total, 7 + 19);
    EXPECT_EQ(result.right, 6 + 19);
}

// SRTF where a newcomer equals the running process: P1 keeps the processor at 3.
//   P1 (0, 6), P2 (1, 8), P3 (3, 3): P1 0-6, P3 6-9, P2 9-17; #1 t=3 Keep (RunningKeeps)
TEST(CheckSchedule, WrongBoundaryEndingTooEarlyPointsAtTheKeep)
{
    const lab::Workload workload{{"P1", 0, 6, 0}, {"P2", 1, 8, 0}, {"P3", 3, 3, 0}};
    const lab::Schedule solution = lab::solve(workload, settingsOf(Policy::Srtf));
    ASSERT_EQ(lab::describeSegments(workload, solution), "P1 0-6, P3 6-9, P2 9-17");
    Answer answer = rightAnswer(workload, solution);
    answer.segments = segmentsOf("P1 0-3, P3 3-6, P1 6-9, P2 9-17", workload);
    const practice::CheckResult result = practice::check(workload, solution, answer);
    ASSERT_TRUE(result.firstMistake);
    const FirstMistake &m = *result.firstMistake;
    EXPECT_EQ(m.kind, FirstMistake::Kind::WrongEnd);
    EXPECT_EQ(m.time, 3);
    EXPECT_EQ(m.expected, 0u);
    EXPECT_EQ(m.expectedEnd, 6);
    EXPECT_EQ(m.givenEnd, 3);
    ASSERT_EQ(m.decision, 1u);
    EXPECT_EQ(solution.decisions[1].kind, lab::DecisionKind::Keep);
    EXPECT_EQ(solution.decisions[1].tie, lab::TieBreak::RunningKeeps);
}

// FCFS with idle time: P1 (0, 3), P2 (5, 2), P3 (6, 2): P1 0-3, idle 3-5, P2 5-7, P3 7-9.
class FcfsIdle : public testing::Test {
protected:
    void SetUp() override
    {
        solution = lab::solve(workload, settingsOf(Policy::Fcfs));
        ASSERT_EQ(lab::describeSegments(workload, solution), "P1 0-3, idle 3-5, P2 5-7, P3 7-9");
    }

    practice::CheckResult checkText(const std::string &text)
    {
        Answer answer = rightAnswer(workload, solution);
        answer.segments = segmentsOf(text, workload);
        return practice::check(workload, solution, answer);
    }

    const lab::Workload workload{{"P1", 0, 3, 0}, {"P2", 5, 2, 0}, {"P3", 6, 2, 0}};
    lab::Schedule solution;
};

TEST_F(FcfsIdle, NoResponseColumn)
{
    const practice::CheckResult result = practice::check(workload, solution, rightAnswer(workload, solution));
    EXPECT_FALSE(practice::asksResponse(solution.settings));
    for (const std::vector<Mark> &row : result.cells)
        EXPECT_EQ(row.size(), 3u);
    EXPECT_EQ(result.averageResponse, Mark::Missing);
    EXPECT_EQ(result.total, 4 + 9 + 2);
    EXPECT_EQ(result.right, result.total);
}

TEST_F(FcfsIdle, MissingIdle)
{
    // P2 run before it arrives.
    practice::CheckResult result = checkText("P1 0-3, P2 3-5, P3 5-7");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::MissingIdle);
    EXPECT_EQ(result.firstMistake->time, 3);
    EXPECT_EQ(result.firstMistake->given, 1u);
    EXPECT_FALSE(result.firstMistake->decision);   // nothing is decided while nothing is ready
    // The idle time left out, the rest right: one piece short.
    result = checkText("P1 0-3, P2 5-7, P3 7-9");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::MissingIdle);
    EXPECT_EQ(result.firstMistake->given, lab::kNoProcess);
    EXPECT_EQ(result.segments, std::vector<Mark>(3, Mark::Right));
    EXPECT_EQ(result.total, 4 + 11);
    EXPECT_EQ(result.right, 3 + 11);
}

TEST_F(FcfsIdle, IdleTooLong)
{
    const practice::CheckResult result = checkText("P1 0-3, idle 3-6, P2 6-8, P3 8-10");
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::WrongEnd);
    EXPECT_EQ(result.firstMistake->expectedEnd, 5);
    EXPECT_EQ(result.firstMistake->givenEnd, 6);
    EXPECT_EQ(result.firstMistake->expected, lab::kNoProcess);
    EXPECT_EQ(result.firstMistake->decision, 1u);   // P2 dispatched at 5
}

TEST_F(FcfsIdle, AveragesRoundedToTwoDecimals)
{
    // Turnaround 3 + 2 + 3 = 8, 8/3 = 2.67; waiting 1/3 = 0.33.
    Answer answer = rightAnswer(workload, solution);
    for (double value : {2.67, 2.666, 2.6666667, 2.674}) {
        answer.averageTurnaround = value;
        EXPECT_EQ(practice::check(workload, solution, answer).averageTurnaround, Mark::Right) << value;
    }
    for (double value : {2.6, 2.66, 2.68, 3.0}) {
        answer.averageTurnaround = value;
        EXPECT_EQ(practice::check(workload, solution, answer).averageTurnaround, Mark::Wrong) << value;
    }
    answer.averageWaiting = 0.33;
    EXPECT_EQ(practice::check(workload, solution, answer).averageWaiting, Mark::Right);
    answer.averageWaiting = 0.3;
    EXPECT_EQ(practice::check(workload, solution, answer).averageWaiting, Mark::Wrong);
}

// Round robin, quantum 2, switch cost 1: P1 (0, 3), P2 (1, 3):
//   P1 0-2, switch 2-3, P2 3-5, switch 5-6, P1 6-7, switch 7-8, P2 8-9
TEST(CheckSchedule, MissingSwitch)
{
    const lab::Workload workload{{"P1", 0, 3, 0}, {"P2", 1, 3, 0}};
    const lab::Schedule solution = lab::solve(workload, settingsOf(Policy::RoundRobin, 2, 1));
    ASSERT_EQ(lab::describeSegments(workload, solution),
              "P1 0-2, switch 2-3, P2 3-5, switch 5-6, P1 6-7, switch 7-8, P2 8-9");
    Answer answer = rightAnswer(workload, solution);
    EXPECT_EQ(practice::check(workload, solution, answer).right, 7 + 8 + 3);

    answer.segments = segmentsOf("P1 0-2, P2 2-4, P1 4-5, P2 5-6", workload);
    practice::CheckResult result = practice::check(workload, solution, answer);
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::MissingSwitch);
    EXPECT_EQ(result.firstMistake->time, 2);
    EXPECT_EQ(result.firstMistake->expected, 1u);   // the process the switch loads
    EXPECT_EQ(result.firstMistake->given, 1u);
    EXPECT_EQ(result.firstMistake->decision, 1u);

    // The switch there, then the wrong process: the decision made as the switch began.
    answer.segments = segmentsOf("P1 0-2, cs 2-3, P1 3-4, switch 4-5", workload);
    result = practice::check(workload, solution, answer);
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::WrongProcess);
    EXPECT_EQ(result.firstMistake->time, 3);
    EXPECT_EQ(result.firstMistake->expected, 1u);
    EXPECT_EQ(result.firstMistake->given, 0u);
    EXPECT_EQ(result.firstMistake->decision, 1u);
    EXPECT_EQ(result.segments[1], Mark::Right);
}

// Round robin, quantum 2, switch cost 1: P1 (0, 5) alone goes on at 2 and 4, P2 (6, 1) after idle.
//   P1 0-5, idle 5-6, P2 6-7; #1 t=2 Continue, #2 t=4 Continue
TEST(CheckSchedule, ExtraSwitchWhereTheProcessGoesOn)
{
    const lab::Workload workload{{"P1", 0, 5, 0}, {"P2", 6, 1, 0}};
    const lab::Schedule solution = lab::solve(workload, settingsOf(Policy::RoundRobin, 2, 1));
    ASSERT_EQ(lab::describeSegments(workload, solution), "P1 0-5, idle 5-6, P2 6-7");
    Answer answer = rightAnswer(workload, solution);
    // Each quantum typed on its own is still the one piece.
    answer.segments = segmentsOf("P1 0-2; P1 2-4; P1 4-5; idle 5-6; P2 6-7", workload);
    practice::CheckResult result = practice::check(workload, solution, answer);
    EXPECT_EQ(result.right, result.total);
    EXPECT_FALSE(result.firstMistake);

    answer.segments = segmentsOf("P1 0-2, switch 2-3, P1 3-6, P2 6-7", workload);
    result = practice::check(workload, solution, answer);
    ASSERT_TRUE(result.firstMistake);
    EXPECT_EQ(result.firstMistake->kind, FirstMistake::Kind::ExtraSwitch);
    EXPECT_EQ(result.firstMistake->time, 2);
    EXPECT_EQ(result.firstMistake->expected, 0u);
    ASSERT_EQ(result.firstMistake->decision, 1u);
    EXPECT_EQ(solution.decisions[1].kind, lab::DecisionKind::Continue);
    EXPECT_EQ(result.segments, (std::vector<Mark>{Mark::Wrong, Mark::Wrong, Mark::Wrong, Mark::Right}));
}

// --- over generated exercises --------------------------------------------------------------------

TEST(CheckGenerated, RightAnswersScoreFullAndSwapsAreFound)
{
    int swapped = 0;
    for (Policy policy : lab::kAllPolicies) {
        for (practice::Level level : {practice::Level::Basic, practice::Level::Intermediate, practice::Level::Advanced}) {
            for (std::uint64_t entropy = 1; entropy <= 6; ++entropy) {
                const practice::Exercise exercise
                    = practice::makeExercise(practice::newKey(policy, 3 + static_cast<int>(entropy), level, entropy));
                SCOPED_TRACE(exercise.code);
                const Answer right = rightAnswer(exercise.workload, exercise.solution);
                const practice::CheckResult result = practice::check(exercise.workload, exercise.solution, right);
                EXPECT_EQ(result.right, result.total);
                EXPECT_FALSE(result.firstMistake);

                // Exchange the processes of the first two neighbouring runs of different processes:
                // the mistake is at the first one's start, where the solution's decision chose it.
                Answer wrong = right;
                for (std::size_t i = 0; i + 1 < wrong.segments.size(); ++i) {
                    AnswerSegment &a = wrong.segments[i];
                    AnswerSegment &b = wrong.segments[i + 1];
                    if (a.kind != SegmentKind::Run || b.kind != SegmentKind::Run || a.process == b.process)
                        continue;
                    // Not where the second process ran just before (swapped, it would run on).
                    const AnswerSegment *before = i > 0 ? &wrong.segments[i - 1] : nullptr;
                    if (before && before->kind == SegmentKind::Run && before->process == b.process)
                        continue;
                    const std::size_t expected = a.process;
                    std::swap(a.process, b.process);
                    const practice::CheckResult check = practice::check(exercise.workload, exercise.solution, wrong);
                    ASSERT_TRUE(check.firstMistake);
                    EXPECT_EQ(check.firstMistake->time, a.start);
                    EXPECT_EQ(check.firstMistake->expected, expected);
                    ASSERT_TRUE(check.firstMistake->decision);
                    const lab::Decision &decision = exercise.solution.decisions[*check.firstMistake->decision];
                    // Made at its start, or as the switch that loads it began.
                    if (before && before->kind == SegmentKind::Switch && before->end == a.start) {
                        EXPECT_TRUE(decision.time == a.start || decision.time == before->start);
                    } else {
                        EXPECT_EQ(decision.time, a.start);
                    }
                    EXPECT_EQ(decision.chosen, expected);
                    EXPECT_LT(check.right, check.total);
                    ++swapped;
                    break;
                }
            }
        }
    }
    EXPECT_GT(swapped, 80);
}

// --- reading and writing the processor row --------------------------------------------------------

const lab::Workload kFive{{"P1", 0, 4, 0}, {"P2", 1, 3, 0}, {"P3", 2, 1, 0}, {"P4", 3, 2, 0}, {"P10", 4, 2, 0}};

TEST(ParseSegments, ReadsEveryKind)
{
    const practice::ParsedSegments parsed = practice::parseSegments("P1 0-4, P2 4-7, idle 7-9, switch 9-10", kFive);
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(parsed.segments, (std::vector<AnswerSegment>{{SegmentKind::Run, 0, 0, 4},
                                                           {SegmentKind::Run, 1, 4, 7},
                                                           {SegmentKind::Idle, lab::kNoProcess, 7, 9},
                                                           {SegmentKind::Switch, lab::kNoProcess, 9, 10}}));
}

TEST(ParseSegments, LenientWhereItIsHarmless)
{
    const std::vector<AnswerSegment> expected{{SegmentKind::Run, 0, 0, 4},
                                              {SegmentKind::Idle, lab::kNoProcess, 4, 5},
                                              {SegmentKind::Switch, lab::kNoProcess, 5, 6},
                                              {SegmentKind::Run, 4, 6, 8}};
    for (const char *text : {"p1 0-4, IDLE 4-5, Switch 5-6, p10 6-8",
                             "P1 0 - 4; kosong 4-5; cs 5-6; P10 6-8",
                             "P1 0-4\nidle 4-5\n\nswitch 5-6\r\nP10 6-8\n",
                             "P1: 0-4,\nKosong 4-5,\nCS 5-6,\nP10 6-8,",
                             "  P1\t0\xE2\x80\x93" "4 , idle 4-5 , switch 5-6 , P10 6-8  ",
                             ", P1 0-4, idle 4-5, switch 5-6, P10 6-8"}) {
        const practice::ParsedSegments parsed = practice::parseSegments(text, kFive);
        EXPECT_FALSE(parsed.error) << text;
        EXPECT_EQ(parsed.segments, expected) << text;
    }
    EXPECT_TRUE(practice::parseSegments("", kFive).segments.empty());
    EXPECT_FALSE(practice::parseSegments("", kFive).error);
    EXPECT_FALSE(practice::parseSegments("  \n ", kFive).error);
}

struct BadText {
    const char *text;
    std::size_t piece;
    SegmentParseError::Kind kind;
    const char *pieceText;
};

class ParseSegmentsError : public testing::TestWithParam<BadText> {};

TEST_P(ParseSegmentsError, SaysWhichPieceAndWhat)
{
    const BadText &bad = GetParam();
    const practice::ParsedSegments parsed = practice::parseSegments(bad.text, kFive);
    ASSERT_TRUE(parsed.error) << bad.text;
    EXPECT_EQ(parsed.error->piece, bad.piece);
    EXPECT_EQ(parsed.error->kind, bad.kind);
    EXPECT_EQ(parsed.error->text, bad.pieceText);
}

using K = SegmentParseError::Kind;
INSTANTIATE_TEST_SUITE_P(Practice, ParseSegmentsError,
                         testing::Values(BadText{"P1 0-4, , P2 4-7", 1, K::Empty, " "},
                                         BadText{"P1 0-4;;P2 4-7", 1, K::Empty, ""},
                                         BadText{"P1 0-4, P9 4-7", 1, K::UnknownName, "P9 4-7"},
                                         BadText{"P1 0-4, P 4-7", 1, K::UnknownName, "P 4-7"},
                                         BadText{"0-4", 0, K::UnknownName, "0-4"},
                                         BadText{"P1 0-4, P2 4-7, P5 7-8", 2, K::UnknownName, "P5 7-8"},
                                         BadText{"P1 0-x", 0, K::BadTimes, "P1 0-x"},
                                         BadText{"P1", 0, K::BadTimes, "P1"},
                                         BadText{"P1 0 4", 0, K::BadTimes, "P1 0 4"},
                                         BadText{"P1 -4", 0, K::BadTimes, "P1 -4"},
                                         BadText{"P1 0--4", 0, K::BadTimes, "P1 0--4"},
                                         BadText{"P1 0-4.5", 0, K::BadTimes, "P1 0-4.5"},
                                         BadText{"P10-4", 0, K::BadTimes, "P10-4"},
                                         BadText{"P1 0-1234567890123456", 0, K::BadTimes, "P1 0-1234567890123456"},
                                         BadText{"P1 0-4\nP2 4-4", 1, K::EndNotAfterStart, "P2 4-4"},
                                         BadText{"idle 7-5", 0, K::EndNotAfterStart, "idle 7-5"}),
                         [](const testing::TestParamInfo<BadText> &info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST(SegmentsText, WritesTheSameNotation)
{
    const std::vector<AnswerSegment> segments{{SegmentKind::Run, 0, 0, 4},
                                              {SegmentKind::Run, 4, 4, 7},
                                              {SegmentKind::Idle, lab::kNoProcess, 7, 9},
                                              {SegmentKind::Switch, lab::kNoProcess, 9, 10}};
    EXPECT_EQ(practice::segmentsText(segments, kFive), "P1 0-4, P10 4-7, idle 7-9, switch 9-10");
    EXPECT_EQ(practice::parseSegments(practice::segmentsText(segments, kFive), kFive).segments, segments);
    EXPECT_EQ(practice::segmentsText({}, kFive), "");
}

TEST(SegmentsText, RoundTripOverGeneratedSolutions)
{
    for (Policy policy : lab::kAllPolicies) {
        const practice::Exercise exercise
            = practice::makeExercise(practice::newKey(policy, 10, practice::Level::Advanced, 77));
        const Answer right = rightAnswer(exercise.workload, exercise.solution);
        const std::string text = practice::segmentsText(right.segments, exercise.workload);
        // The same text as the engine's own description of its time line.
        EXPECT_EQ(text, lab::describeSegments(exercise.workload, exercise.solution));
        const practice::ParsedSegments parsed = practice::parseSegments(text, exercise.workload);
        EXPECT_FALSE(parsed.error);
        EXPECT_EQ(parsed.segments, right.segments);
    }
}

TEST(AsksResponse, PreemptivePoliciesAndRoundRobin)
{
    EXPECT_FALSE(practice::asksResponse(settingsOf(Policy::Fcfs)));
    EXPECT_FALSE(practice::asksResponse(settingsOf(Policy::Sjf)));
    EXPECT_FALSE(practice::asksResponse(settingsOf(Policy::Priority)));
    EXPECT_FALSE(practice::asksResponse(settingsOf(Policy::Hrrn)));
    EXPECT_TRUE(practice::asksResponse(settingsOf(Policy::Srtf)));
    EXPECT_TRUE(practice::asksResponse(settingsOf(Policy::RoundRobin)));
    EXPECT_TRUE(practice::asksResponse(settingsOf(Policy::PriorityPreemptive)));
}

} // namespace
