#include "practice/answer.h"

#include <algorithm>
#include <cmath>

namespace practice {

namespace {

// --- reading the processor row -----------------------------------------------------------------

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\f' || ch == '\v';
}

bool isDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool isSeparator(char ch)
{
    return ch == ',' || ch == ';' || ch == '\n';
}

std::string_view trim(std::string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

char lower(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

bool sameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The longest time a piece may name: more digits than this is a typing slip, not a time.
constexpr std::size_t kMaxTimeDigits = 15;

// Reads "<name> <start>-<end>" from the end: the end's digits, a hyphen (or an en dash, as word
// processors turn it), the start's digits, and the name before them.
std::optional<SegmentParseError::Kind> readPiece(std::string_view piece, const lab::Workload &workload,
                                                 AnswerSegment &segment)
{
    std::size_t at = piece.size();
    const auto digitsBefore = [&piece](std::size_t end) {
        std::size_t start = end;
        while (start > 0 && isDigit(piece[start - 1]))
            --start;
        return start;
    };
    const auto skipSpaces = [&piece](std::size_t end) {
        while (end > 0 && isSpace(piece[end - 1]))
            --end;
        return end;
    };
    const std::size_t endDigits = digitsBefore(at);
    if (endDigits == at || at - endDigits > kMaxTimeDigits)
        return SegmentParseError::Kind::BadTimes;
    at = skipSpaces(endDigits);
    if (at >= 1 && piece[at - 1] == '-') {
        at -= 1;
    } else if (at >= 3 && piece.substr(at - 3, 3) == "\xE2\x80\x93") {
        at -= 3;
    } else {
        return SegmentParseError::Kind::BadTimes;
    }
    at = skipSpaces(at);
    const std::size_t startDigits = digitsBefore(at);
    if (startDigits == at || at - startDigits > kMaxTimeDigits)
        return SegmentParseError::Kind::BadTimes;
    // The start stands apart from the name ("P1 0-4", "P1: 0-4"): "P1 -4" has no start.
    if (startDigits > 0 && !isSpace(piece[startDigits - 1]) && piece[startDigits - 1] != ':')
        return SegmentParseError::Kind::BadTimes;
    const auto number = [](std::string_view digits) {
        lab::Time value = 0;
        for (char ch : digits)
            value = value * 10 + (ch - '0');
        return value;
    };
    segment.start = number(piece.substr(startDigits, at - startDigits));
    segment.end = number(piece.substr(endDigits));

    std::string_view name = trim(piece.substr(0, startDigits));
    if (!name.empty() && name.back() == ':')
        name = trim(name.substr(0, name.size() - 1));
    segment.process = lab::kNoProcess;
    for (std::size_t i = 0; i < workload.size(); ++i) {
        if (sameLetters(name, trim(workload[i].name))) {
            segment.kind = lab::SegmentKind::Run;
            segment.process = i;
            break;
        }
    }
    if (segment.process == lab::kNoProcess) {
        if (sameLetters(name, "idle") || sameLetters(name, "kosong"))
            segment.kind = lab::SegmentKind::Idle;
        else if (sameLetters(name, "switch") || sameLetters(name, "cs"))
            segment.kind = lab::SegmentKind::Switch;
        else
            return SegmentParseError::Kind::UnknownName;
    }
    if (segment.end <= segment.start)
        return SegmentParseError::Kind::EndNotAfterStart;
    return std::nullopt;
}

// --- comparing -----------------------------------------------------------------------------------

// One piece of a time line, the student's or the solution's.
struct Piece {
    lab::SegmentKind kind = lab::SegmentKind::Run;
    std::size_t process = lab::kNoProcess;   // Run: the process; Switch: the one loaded (solution)
    lab::Time start = 0;
    lab::Time end = 0;
};

// Pieces are the same activity when their kinds agree and, for runs, their processes: the student
// does not name the process a switch loads.
bool sameActivity(const Piece &a, const Piece &b)
{
    return a.kind == b.kind && (a.kind != lab::SegmentKind::Run || a.process == b.process);
}

bool samePiece(const Piece &a, const Piece &b)
{
    return sameActivity(a, b) && a.start == b.start && a.end == b.end;
}

// Adjacent runs of one process and adjacent idle pieces are one piece, as in the solution (which
// merges them); switches stay apart, as the solution keeps two switches in a row apart.
bool joins(const Piece &before, const Piece &after)
{
    return before.end == after.start && before.kind == after.kind && before.kind != lab::SegmentKind::Switch
        && before.process == after.process;
}

// The student's pieces as typed, grouped where adjacent ones join.
struct Group {
    Piece piece;
    std::size_t first = 0;   // typed pieces first..last
    std::size_t last = 0;
};

// A typed piece as compared: a switch's process is not compared, as the student does not name it.
Piece pieceOf(const AnswerSegment &s)
{
    return Piece{s.kind, s.kind == lab::SegmentKind::Run ? s.process : lab::kNoProcess, s.start, s.end};
}

std::vector<Group> groupsOf(const std::vector<AnswerSegment> &segments)
{
    std::vector<Group> groups;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const Piece piece = pieceOf(segments[i]);
        if (!groups.empty() && joins(groups.back().piece, piece)) {
            groups.back().piece.end = piece.end;
            groups.back().last = i;
        } else {
            groups.push_back(Group{piece, i, i});
        }
    }
    return groups;
}

// The student's time line in time order, one activity at each instant: sorted by start, a piece
// that runs into the next one cut at its start (the later piece wins), empty ones dropped, adjacent
// ones joined.
std::vector<Piece> timelineOf(const std::vector<AnswerSegment> &segments)
{
    std::vector<Piece> pieces;
    for (const AnswerSegment &s : segments)
        pieces.push_back(pieceOf(s));
    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece &a, const Piece &b) { return a.start < b.start; });
    std::vector<Piece> line;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Piece piece = pieces[i];
        if (i + 1 < pieces.size())
            piece.end = std::min(piece.end, pieces[i + 1].start);
        if (piece.end <= piece.start)
            continue;
        if (!line.empty() && joins(line.back(), piece))
            line.back().end = piece.end;
        else
            line.push_back(piece);
    }
    return line;
}

std::vector<Piece> timelineOf(const lab::Schedule &solution)
{
    std::vector<Piece> line;
    for (const lab::Segment &s : solution.segments)
        line.push_back(Piece{s.kind, s.process, s.start, s.end});
    return line;
}

// The piece covering the instant t (start <= t < end), and the one covering the instant just
// before it (start < t <= end).
const Piece *pieceAt(const std::vector<Piece> &line, lab::Time t)
{
    for (const Piece &piece : line) {
        if (piece.start <= t && t < piece.end)
            return &piece;
    }
    return nullptr;
}

const Piece *pieceBefore(const std::vector<Piece> &line, lab::Time t)
{
    for (const Piece &piece : line) {
        if (piece.start < t && t <= piece.end)
            return &piece;
    }
    return nullptr;
}

std::size_t processOf(const Piece *piece)
{
    return piece ? piece->process : lab::kNoProcess;
}

// The solution's decision at `time`: the one that chose `chosen` when there is one, else the first.
std::optional<std::size_t> decisionAt(const lab::Schedule &solution, lab::Time time, std::size_t chosen)
{
    std::optional<std::size_t> first;
    for (std::size_t i = 0; i < solution.decisions.size(); ++i) {
        const lab::Decision &decision = solution.decisions[i];
        if (decision.time != time)
            continue;
        if (chosen != lab::kNoProcess && decision.chosen == chosen)
            return i;
        if (!first)
            first = i;
    }
    return first;
}

// The solution's decision behind the piece that starts at `piece.start`: the one made then, or,
// for a run loaded by a switch, the one made as the switch began.
std::optional<std::size_t> decisionFor(const lab::Schedule &solution, const std::vector<Piece> &line,
                                       const Piece *piece, lab::Time time)
{
    const std::size_t chosen = processOf(piece);
    if (const auto found = decisionAt(solution, time, chosen))
        return found;
    if (piece && piece->kind == lab::SegmentKind::Run) {
        const Piece *before = pieceBefore(line, piece->start);
        if (before && before->kind == lab::SegmentKind::Switch && before->end == piece->start)
            return decisionAt(solution, before->start, chosen);
    }
    return std::nullopt;
}

std::optional<FirstMistake> firstMistake(const lab::Schedule &solution, const std::vector<Piece> &expected,
                                         const std::vector<AnswerSegment> &segments)
{
    const std::vector<Piece> given = timelineOf(segments);

    std::vector<lab::Time> times;
    for (const std::vector<Piece> *line : {&expected, &given}) {
        for (const Piece &piece : *line) {
            times.push_back(piece.start);
            times.push_back(piece.end);
        }
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());

    // The first instant where the two time lines differ: in what happens, or in where a piece of
    // the same activity begins.
    std::optional<lab::Time> differs;
    for (lab::Time t : times) {
        const Piece *s = pieceAt(expected, t);
        const Piece *a = pieceAt(given, t);
        if (!s && !a)
            continue;
        if (!s || !a || !sameActivity(*s, *a) || (s->start == t) != (a->start == t)) {
            differs = t;
            break;
        }
    }
    if (!differs)
        return std::nullopt;

    const lab::Time t = *differs;
    FirstMistake mistake;
    mistake.time = t;
    const Piece *sPrev = pieceBefore(expected, t);
    const Piece *aPrev = pieceBefore(given, t);
    // The same piece begun together, one ending before the other. A piece of the answer that ends
    // early for a switch, idle time, a gap or its own end is told as that; for another process,
    // or when it goes on too long, as the wrong end.
    const Piece *aNext = pieceAt(given, t);
    const bool endsEarly = aPrev && sPrev && aPrev->end < sPrev->end;
    const bool toldByWhatFollows = endsEarly && (!aNext || aNext->kind != lab::SegmentKind::Run);
    if (sPrev && aPrev && sameActivity(*sPrev, *aPrev) && sPrev->start == aPrev->start && sPrev->end != aPrev->end
        && !toldByWhatFollows) {
        mistake.kind = FirstMistake::Kind::WrongEnd;
        mistake.expected = sPrev->process;
        mistake.given = aPrev->process;
        mistake.expectedEnd = sPrev->end;
        mistake.givenEnd = aPrev->end;
        // Ended too early: the decision that kept it running then, when the solution made one.
        if (aPrev->end < sPrev->end && sPrev->kind == lab::SegmentKind::Run) {
            if (const auto kept = decisionAt(solution, aPrev->end, sPrev->process);
                kept && solution.decisions[*kept].chosen == sPrev->process)
                mistake.decision = kept;
        }
        if (!mistake.decision)
            mistake.decision = decisionFor(solution, expected, pieceAt(expected, sPrev->end), sPrev->end);
        return mistake;
    }

    const Piece *s = pieceAt(expected, t);
    const Piece *a = pieceAt(given, t);
    mistake.expected = processOf(s);
    mistake.given = a && a->kind == lab::SegmentKind::Run ? a->process : lab::kNoProcess;
    mistake.expectedEnd = s ? s->end : t;
    mistake.givenEnd = a ? a->end : t;
    using Kind = FirstMistake::Kind;
    if (!a) {
        const bool more = std::any_of(given.begin(), given.end(), [t](const Piece &p) { return p.start >= t; });
        if (!more)
            mistake.kind = Kind::TooShort;
        else if (s->kind == lab::SegmentKind::Idle)
            mistake.kind = Kind::MissingIdle;
        else if (s->kind == lab::SegmentKind::Switch)
            mistake.kind = Kind::MissingSwitch;
        else
            mistake.kind = Kind::ExtraIdle;   // a gap where the solution runs: the answer idles
    } else if (!s) {
        const bool after = expected.empty() || t >= expected.back().end;
        if (after)
            mistake.kind = Kind::TooLong;
        else if (a->kind == lab::SegmentKind::Idle)
            mistake.kind = Kind::ExtraIdle;
        else if (a->kind == lab::SegmentKind::Switch)
            mistake.kind = Kind::ExtraSwitch;
        else
            mistake.kind = Kind::WrongProcess;
    } else if (s->kind == lab::SegmentKind::Switch && a->kind != lab::SegmentKind::Switch) {
        mistake.kind = Kind::MissingSwitch;
    } else if (a->kind == lab::SegmentKind::Switch && s->kind != lab::SegmentKind::Switch) {
        mistake.kind = Kind::ExtraSwitch;
    } else if (s->kind == lab::SegmentKind::Idle && a->kind != lab::SegmentKind::Idle) {
        mistake.kind = Kind::MissingIdle;
    } else if (a->kind == lab::SegmentKind::Idle && s->kind != lab::SegmentKind::Idle) {
        mistake.kind = Kind::ExtraIdle;
    } else if (s->kind == lab::SegmentKind::Switch) {
        // Both switch, one starting a new switch here while the other goes on: a switch too many
        // in the answer, or one it runs together.
        mistake.kind = a->start == t ? Kind::ExtraSwitch : Kind::MissingSwitch;
    } else {
        mistake.kind = Kind::WrongProcess;
    }
    mistake.decision = decisionFor(solution, expected, s, t);
    return mistake;
}

std::optional<lab::Time> hundredthsOf(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e15)
        return std::nullopt;
    return static_cast<lab::Time>(std::llround(value * 100.0));
}

// Marks one number: right, following from the student's own schedule, or wrong.
Mark markNumber(const std::optional<lab::Time> &given, lab::Time right, const std::optional<lab::Time> &own)
{
    if (!given)
        return Mark::Missing;
    if (*given == right)
        return Mark::Right;
    if (own && *given == *own)
        return Mark::FollowsFromSchedule;
    return Mark::Wrong;
}

Mark markAverage(const std::optional<double> &given, lab::Time rightTotal, std::size_t count,
                 const std::optional<lab::Time> &ownTotal, const std::optional<lab::Time> &typedTotal)
{
    if (!given)
        return Mark::Missing;
    const auto value = hundredthsOf(*given);
    if (!value || count == 0)
        return Mark::Wrong;
    const auto sameAs = [&](lab::Time total) { return lab::roundedHundredths(total, count) == value; };
    if (sameAs(rightTotal))
        return Mark::Right;
    if ((ownTotal && sameAs(*ownTotal)) || (typedTotal && sameAs(*typedTotal)))
        return Mark::FollowsFromSchedule;
    return Mark::Wrong;
}

} // namespace

ParsedSegments parseSegments(std::string_view text, const lab::Workload &workload)
{
    ParsedSegments parsed;
    // The pieces with the separators on either side ('\0' for the text's start and end).
    struct RawPiece {
        std::string_view text;
        char before;
        char after;
    };
    std::vector<RawPiece> pieces;
    std::size_t start = 0;
    char before = '\0';
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isSeparator(text[i]))
            continue;
        const char after = i < text.size() ? text[i] : '\0';
        pieces.push_back(RawPiece{text.substr(start, i - start), before, after});
        before = after;
        start = i + 1;
    }
    std::size_t index = 0;
    for (const RawPiece &raw : pieces) {
        const std::string_view piece = trim(raw.text);
        if (piece.empty()) {
            // Blank lines, a separator at the end of a line, at the start or at the end are
            // nothing; an empty piece between two others on one line is a slip worth saying.
            if (raw.before == '\0' || raw.before == '\n' || raw.after == '\0' || raw.after == '\n')
                continue;
            parsed.error = SegmentParseError{index, SegmentParseError::Kind::Empty, std::string(raw.text)};
            return parsed;
        }
        AnswerSegment segment;
        if (const auto fault = readPiece(piece, workload, segment)) {
            parsed.error = SegmentParseError{index, *fault, std::string(piece)};
            return parsed;
        }
        parsed.segments.push_back(segment);
        ++index;
    }
    return parsed;
}

std::string segmentsText(const std::vector<AnswerSegment> &segments, const lab::Workload &workload)
{
    std::string text;
    for (const AnswerSegment &segment : segments) {
        if (!text.empty())
            text += ", ";
        const std::string_view name = segment.process < workload.size() ? std::string_view(workload[segment.process].name) : std::string_view("?");
        text += lab::segmentText(segment.kind, name, segment.start, segment.end);
    }
    return text;
}

bool asksResponse(const lab::Settings &settings)
{
    return lab::isPreemptive(settings.policy);
}

CheckResult check(const lab::Workload &workload, const lab::Schedule &solution, const Answer &answer)
{
    CheckResult result;
    const std::size_t n = workload.size();
    const bool response = asksResponse(solution.settings);

    // The schedule: each group of joined pieces against an unclaimed piece of the solution.
    const std::vector<Group> groups = groupsOf(answer.segments);
    const std::vector<Piece> expected = timelineOf(solution);
    std::vector<bool> claimed(expected.size(), false);
    result.segments.assign(answer.segments.size(), Mark::Wrong);
    int rightGroups = 0;
    for (const Group &group : groups) {
        Mark mark = Mark::Wrong;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (!claimed[i] && samePiece(group.piece, expected[i])) {
                claimed[i] = true;
                mark = Mark::Right;
                ++rightGroups;
                break;
            }
        }
        for (std::size_t i = group.first; i <= group.last; ++i)
            result.segments[i] = mark;
    }
    result.right += rightGroups;
    result.total += static_cast<int>(std::max(groups.size(), expected.size()));

    // The student's own numbers, from the runs they gave.
    std::vector<std::optional<lab::Time>> ownStart(n), ownEnd(n);
    for (const AnswerSegment &s : answer.segments) {
        if (s.kind != lab::SegmentKind::Run || s.process >= n)
            continue;
        ownStart[s.process] = ownStart[s.process] ? std::min(*ownStart[s.process], s.start) : s.start;
        ownEnd[s.process] = ownEnd[s.process] ? std::max(*ownEnd[s.process], s.end) : s.end;
    }

    std::optional<lab::Time> ownWaiting = 0, ownTurnaround = 0, ownResponse = 0;
    std::optional<lab::Time> typedWaiting = 0, typedTurnaround = 0, typedResponse = 0;
    // A column whose numbers add up past what the time type holds has no total to compare with.
    const auto add = [](std::optional<lab::Time> &total, const std::optional<lab::Time> &value) {
        if (!total || !value || __builtin_add_overflow(*total, *value, &*total))
            total.reset();
    };
    result.cells.resize(n);
    for (std::size_t p = 0; p < n; ++p) {
        const lab::Process &process = workload[p];
        const lab::ProcessResult &right = solution.processes.at(p);
        const AnswerNumbers given = p < answer.processes.size() ? answer.processes[p] : AnswerNumbers{};
        std::optional<lab::Time> completion, turnaround, waiting, firstResponse;
        if (ownEnd[p]) {
            completion = *ownEnd[p];
            turnaround = *completion - process.arrival;
            waiting = *turnaround - process.burst;
            firstResponse = *ownStart[p] - process.arrival;
        }
        std::vector<Mark> &cells = result.cells[p];
        cells.push_back(markNumber(given.completion, right.completion, completion));
        cells.push_back(markNumber(given.turnaround, right.turnaround, turnaround));
        cells.push_back(markNumber(given.waiting, right.waiting, waiting));
        if (response)
            cells.push_back(markNumber(given.response, right.response, firstResponse));
        add(ownWaiting, waiting);
        add(ownTurnaround, turnaround);
        add(ownResponse, firstResponse);
        add(typedWaiting, given.waiting);
        add(typedTurnaround, given.turnaround);
        add(typedResponse, given.response);
        for (Mark mark : cells) {
            result.right += mark == Mark::Right ? 1 : 0;
            ++result.total;
        }
    }

    result.averageWaiting = markAverage(answer.averageWaiting, solution.totals.waiting, n, ownWaiting, typedWaiting);
    result.averageTurnaround
        = markAverage(answer.averageTurnaround, solution.totals.turnaround, n, ownTurnaround, typedTurnaround);
    result.total += 2;
    result.right += (result.averageWaiting == Mark::Right ? 1 : 0) + (result.averageTurnaround == Mark::Right ? 1 : 0);
    if (response) {
        result.averageResponse
            = markAverage(answer.averageResponse, solution.totals.response, n, ownResponse, typedResponse);
        result.total += 1;
        result.right += result.averageResponse == Mark::Right ? 1 : 0;
    }

    result.firstMistake = firstMistake(solution, expected, answer.segments);
    return result;
}

} // namespace practice
