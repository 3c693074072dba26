#include "lab/schedule.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <memory_resource>
#include <set>
#include <stdexcept>
#include <utility>

namespace lab {

namespace {

__extension__ typedef __int128 Wide;

// The ready processes of the policies that order them by one fixed key: FCFS (arrival), SJF
// (burst), SRTF (remaining time, fixed while a process waits) and both priority policies. The
// order is the key, then the original arrival, then the place in the list: the tie rule.
struct KeyedEntry {
    Time sortKey = 0;
    Time arrival = 0;
    std::size_t index = 0;

    auto operator<=>(const KeyedEntry &) const = default;
};

// The ready set's nodes come from a pool of the run's own: a long run inserts and erases a
// node per dispatch, and nodes kept close together are quicker to walk than nodes spread over
// the heap.
using ReadySet = std::pmr::set<KeyedEntry>;

class Simulator {
public:
    Simulator(const Workload &workload, const Settings &settings, const Options &options)
        : m_workload(workload), m_settings(settings), m_options(options)
    {
        const std::size_t n = workload.size();
        m_byArrival.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            m_byArrival[i] = i;
        std::stable_sort(m_byArrival.begin(), m_byArrival.end(), [&](std::size_t a, std::size_t b) {
            return workload[a].arrival < workload[b].arrival;
        });
        m_remaining.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            m_remaining[i] = workload[i].burst;
        m_started.assign(n, false);
        m_out.settings = settings;
        m_out.processes.resize(n);
    }

    Schedule run()
    {
        m_now = m_workload[m_byArrival.front()].arrival;
        m_out.firstArrival = m_now;
        switch (m_settings.policy) {
        case Policy::RoundRobin:
            runRoundRobin();
            break;
        case Policy::Hrrn:
            runHrrn();
            break;
        case Policy::Srtf:
        case Policy::PriorityPreemptive:
            runPreemptive();
            break;
        case Policy::Fcfs:
        case Policy::Sjf:
        case Policy::Priority:
            runNonPreemptive();
            break;
        }
        finish();
        return std::move(m_out);
    }

private:
    // --- the clock, the arrivals and the time line -------------------------------------------

    bool arrivalsPending() const { return m_nextArrival < m_byArrival.size(); }
    Time nextArrivalTime() const { return m_workload[m_byArrival[m_nextArrival]].arrival; }

    // Takes every process that has arrived by `time` (or, when `strictly`, before it) off the
    // list of arrivals, in the tie order, and hands it to `admit`.
    template <typename Admit>
    void admitArrivals(Time time, bool strictly, Admit admit)
    {
        while (arrivalsPending()) {
            const Time arrival = nextArrivalTime();
            if (strictly ? arrival >= time : arrival > time)
                break;
            admit(m_byArrival[m_nextArrival++]);
        }
    }

    Time advance(Time from, Time by) const
    {
        if (by > kMaxTotalTime - from)
            throw std::overflow_error("the schedule runs past the largest time the clock holds");
        return from + by;
    }

    void addSegment(Time start, Time end, SegmentKind kind, std::size_t process)
    {
        if (end <= start)
            return;
        if (kind == SegmentKind::Run && !m_out.segments.empty()) {
            Segment &previous = m_out.segments.back();
            if (previous.kind == SegmentKind::Run && previous.process == process && previous.end == start) {
                previous.end = end;
                return;
            }
        }
        m_out.segments.push_back(Segment{start, end, kind, process});
    }

    // With no one ready, the clock moves on to the next arrival as an idle piece; whoever runs
    // after it starts without a switch.
    void idleUntilNextArrival()
    {
        const Time until = nextArrivalTime();
        addSegment(m_now, until, SegmentKind::Idle, kNoProcess);
        m_out.idleTime += until - m_now;
        m_now = until;
        m_last = kNoProcess;
    }

    // The dispatcher's time before `process` runs, when the processor comes straight from
    // another process. Returns whether there was a switch.
    bool switchTo(std::size_t process)
    {
        if (m_last == kNoProcess || m_last == process)
            return false;
        const Time end = advance(m_now, m_settings.switchCost);
        addSegment(m_now, end, SegmentKind::Switch, process);
        ++m_out.contextSwitches;
        m_out.switchTime += m_settings.switchCost;
        m_now = end;
        m_last = process;   // loaded, whether or not it gets to run
        return true;
    }

    // Runs `process` from now for `length` units.
    void runFor(std::size_t process, Time length)
    {
        if (!m_started[process]) {
            m_started[process] = true;
            m_out.processes[process].firstStart = m_now;
        }
        const Time end = advance(m_now, length);
        addSegment(m_now, end, SegmentKind::Run, process);
        m_remaining[process] -= length;
        m_now = end;
        m_last = process;
        if (m_remaining[process] == 0) {
            m_out.processes[process].completion = m_now;
            ++m_finished;
        }
    }

    bool allFinished() const { return m_finished == m_workload.size(); }

    void record(Decision decision)
    {
        if (m_options.recordDecisions)
            m_out.decisions.push_back(std::move(decision));
    }

    // --- the keyed policies --------------------------------------------------------------------

    KeyKind keyKind() const
    {
        switch (m_settings.policy) {
        case Policy::Fcfs:
            return KeyKind::Arrival;
        case Policy::Sjf:
            return KeyKind::Burst;
        case Policy::Srtf:
            return KeyKind::Remaining;
        case Policy::Priority:
        case Policy::PriorityPreemptive:
            return KeyKind::Priority;
        case Policy::Hrrn:
            return KeyKind::ResponseRatio;
        case Policy::RoundRobin:
            return KeyKind::QueuePosition;
        }
        return KeyKind::Arrival;
    }

    // The key shown for a process: its arrival, burst, remaining time or priority.
    Time shownKey(std::size_t process) const
    {
        const Process &p = m_workload[process];
        switch (keyKind()) {
        case KeyKind::Arrival:
            return p.arrival;
        case KeyKind::Burst:
            return p.burst;
        case KeyKind::Remaining:
            return m_remaining[process];
        case KeyKind::Priority:
            return p.priority;
        case KeyKind::ResponseRatio:
            return p.burst;
        case KeyKind::QueuePosition:
            return 0;
        }
        return 0;
    }

    // The key the ready set is ordered by: smaller is better.
    KeyedEntry entryOf(std::size_t process) const
    {
        Time key = shownKey(process);
        if (keyKind() == KeyKind::Priority && m_settings.priorityOrder == PriorityOrder::HighFirst)
            key = -key;
        return KeyedEntry{key, m_workload[process].arrival, process};
    }

    static TieBreak tieBetween(const KeyedEntry &chosen, const KeyedEntry &next)
    {
        if (chosen.sortKey != next.sortKey)
            return TieBreak::None;
        return chosen.arrival != next.arrival ? TieBreak::EarlierArrival : TieBreak::ListOrder;
    }

    // The candidates of a decision: `first` (when given) and then the ready set in its order.
    std::vector<Candidate> keyedCandidates(std::size_t first, const ReadySet &ready) const
    {
        std::vector<Candidate> candidates;
        const std::size_t limit = m_options.candidateLimit;
        if (first != kNoProcess && candidates.size() < limit)
            candidates.push_back(Candidate{first, shownKey(first), 0});
        for (auto it = ready.begin(); it != ready.end() && candidates.size() < limit; ++it) {
            if (it->index != first)
                candidates.push_back(Candidate{it->index, shownKey(it->index), 0});
        }
        return candidates;
    }

    // Takes the best ready process off the set, recording the decision.
    std::size_t dispatchBest(ReadySet &ready)
    {
        const KeyedEntry best = *ready.begin();
        if (m_options.recordDecisions) {
            Decision decision;
            decision.time = m_now;
            decision.kind = DecisionKind::Dispatch;
            decision.keyKind = keyKind();
            decision.chosen = best.index;
            if (ready.size() > 1)
                decision.tie = tieBetween(best, *std::next(ready.begin()));
            decision.candidates = keyedCandidates(best.index, ready);
            decision.readyCount = ready.size();
            record(std::move(decision));
        }
        ready.erase(ready.begin());
        return best.index;
    }

    void runNonPreemptive()
    {
        ReadySet ready(&m_pool);
        const auto admit = [&](std::size_t process) { ready.insert(entryOf(process)); };
        while (!allFinished()) {
            admitArrivals(m_now, false, admit);
            if (ready.empty()) {
                idleUntilNextArrival();
                continue;
            }
            const std::size_t chosen = dispatchBest(ready);
            switchTo(chosen);
            runFor(chosen, m_remaining[chosen]);
        }
    }

    // SRTF and preemptive priority. Only a newcomer strictly better than the running process
    // takes the processor; the processes that were already waiting cannot be better than it, as
    // it was the best when it got the processor and its key only improves while it runs.
    void runPreemptive()
    {
        ReadySet ready(&m_pool);
        std::vector<std::size_t> newcomers;
        const auto admit = [&](std::size_t process) {
            ready.insert(entryOf(process));
            newcomers.push_back(process);
        };
        while (!allFinished()) {
            admitArrivals(m_now, false, admit);
            newcomers.clear();
            if (ready.empty()) {
                idleUntilNextArrival();
                continue;
            }
            std::size_t running = dispatchBest(ready);
            running = loadPreemptive(running, ready, newcomers, admit);
            // Runs until it finishes or a strictly better newcomer arrives.
            while (true) {
                const Time finishAt = advance(m_now, m_remaining[running]);
                if (!arrivalsPending() || nextArrivalTime() >= finishAt) {
                    runFor(running, m_remaining[running]);
                    break;
                }
                runFor(running, nextArrivalTime() - m_now);
                newcomers.clear();
                admitArrivals(m_now, false, admit);
                const std::size_t taker = challenge(running, ready, newcomers);
                if (taker == running)
                    continue;
                running = loadPreemptive(taker, ready, newcomers, admit);
            }
        }
    }

    // A newcomer among `newcomers` (all now in `ready`) that is strictly better than the
    // running process takes the processor: the running process goes back to the ready set and
    // the newcomer is returned, taken off it. Otherwise the running process is returned; an
    // equal newcomer is recorded as the running process keeping the processor.
    std::size_t challenge(std::size_t running, ReadySet &ready,
                          const std::vector<std::size_t> &newcomers)
    {
        if (newcomers.empty())
            return running;
        KeyedEntry best = entryOf(newcomers.front());
        for (std::size_t process : newcomers)
            best = std::min(best, entryOf(process));
        const KeyedEntry current = entryOf(running);
        if (best.sortKey < current.sortKey) {
            ready.insert(current);
            if (m_options.recordDecisions) {
                Decision decision;
                decision.time = m_now;
                decision.kind = DecisionKind::Preempt;
                decision.keyKind = keyKind();
                decision.chosen = best.index;
                decision.displaced = running;
                // Equal newcomers: the tie rule picked this one.
                const auto next = std::next(ready.find(best));
                if (next != ready.end() && next->index != running)
                    decision.tie = tieBetween(best, *next);
                decision.candidates = keyedCandidates(best.index, ready);
                decision.readyCount = ready.size();
                record(std::move(decision));
            }
            ready.erase(best);
            return best.index;
        }
        if (best.sortKey == current.sortKey && m_options.recordDecisions) {
            Decision decision;
            decision.time = m_now;
            decision.kind = DecisionKind::Keep;
            decision.keyKind = keyKind();
            decision.chosen = running;
            decision.displaced = running;
            decision.tie = TieBreak::RunningKeeps;
            decision.candidates = keyedCandidates(running, ready);
            decision.readyCount = ready.size() + 1;
            record(std::move(decision));
        }
        return running;
    }

    // Loads the process with a switch when one is due. A process arriving during the switch
    // counts as arriving at its end, where a strictly better one takes the processor from the
    // process just loaded, with a switch of its own. Returns the process that then runs.
    template <typename Admit>
    std::size_t loadPreemptive(std::size_t process, ReadySet &ready,
                               std::vector<std::size_t> &newcomers, Admit admit)
    {
        while (switchTo(process)) {
            newcomers.clear();
            admitArrivals(m_now, false, admit);
            const std::size_t taker = challenge(process, ready, newcomers);
            if (taker == process)
                break;
            process = taker;
        }
        newcomers.clear();
        return process;
    }

    // --- round robin ---------------------------------------------------------------------------

    void recordQueueDecision(DecisionKind kind, std::size_t chosen, const std::deque<std::size_t> &queue)
    {
        if (!m_options.recordDecisions)
            return;
        Decision decision;
        decision.time = m_now;
        decision.kind = kind;
        decision.keyKind = KeyKind::QueuePosition;
        decision.chosen = chosen;
        decision.readyCount = queue.size();
        for (std::size_t i = 0; i < queue.size() && i < m_options.candidateLimit; ++i)
            decision.candidates.push_back(Candidate{queue[i], static_cast<Time>(i), 0});
        record(std::move(decision));
    }

    void runRoundRobin()
    {
        std::deque<std::size_t> queue;
        const auto admit = [&](std::size_t process) { queue.push_back(process); };
        const Time quantum = m_settings.quantum;
        while (!allFinished()) {
            admitArrivals(m_now, false, admit);
            if (queue.empty()) {
                idleUntilNextArrival();
                continue;
            }
            std::size_t running = queue.front();
            recordQueueDecision(DecisionKind::Dispatch, running, queue);
            queue.pop_front();
            if (switchTo(running))
                admitArrivals(m_now, false, admit);   // arrivals during the switch
            while (true) {
                const Time slice = std::min(quantum, m_remaining[running]);
                const Time end = advance(m_now, slice);
                // Arrivals while it runs join the tail in order, before it if its quantum runs out.
                admitArrivals(end, true, admit);
                runFor(running, slice);
                if (m_remaining[running] == 0)
                    break;
                if (m_settings.roundRobinRule == RoundRobinRule::NewcomerFirst) {
                    admitArrivals(m_now, false, admit);
                    queue.push_back(running);
                } else {
                    queue.push_back(running);
                    admitArrivals(m_now, false, admit);
                }
                if (queue.front() != running)
                    break;
                // It is at the head again: it goes on without a switch.
                recordQueueDecision(queue.size() == 1 ? DecisionKind::Continue : DecisionKind::Dispatch,
                                    running, queue);
                queue.pop_front();
            }
        }
    }

    // --- HRRN ----------------------------------------------------------------------------------

    // The ready processes grouped by burst. Within a group the one that arrived first has
    // waited longest and so has the highest ratio: each group's best is its first entry, and
    // a choice compares the groups' first entries only. Processes join in the tie order
    // (arrival, then list), so each group is a queue already in its own order.
    using HrrnGroups = std::map<Time, std::deque<std::size_t>>;

    // True when a (arrived at arrivalA, burst burstA) has a strictly higher response ratio at
    // now than b, or the same ratio and comes first by the tie rule.
    bool hrrnBefore(std::size_t a, std::size_t b) const
    {
        const Process &pa = m_workload[a];
        const Process &pb = m_workload[b];
        const Wide left = static_cast<Wide>(m_now - pa.arrival + pa.burst) * pb.burst;
        const Wide right = static_cast<Wide>(m_now - pb.arrival + pb.burst) * pa.burst;
        if (left != right)
            return left > right;
        if (pa.arrival != pb.arrival)
            return pa.arrival < pb.arrival;
        return a < b;
    }

    bool hrrnEqualRatio(std::size_t a, std::size_t b) const
    {
        const Process &pa = m_workload[a];
        const Process &pb = m_workload[b];
        return static_cast<Wide>(m_now - pa.arrival + pa.burst) * pb.burst
            == static_cast<Wide>(m_now - pb.arrival + pb.burst) * pa.burst;
    }

    Candidate hrrnCandidate(std::size_t process) const
    {
        return Candidate{process, m_workload[process].burst, m_now - m_workload[process].arrival};
    }

    void runHrrn()
    {
        HrrnGroups groups;
        std::size_t readyCount = 0;
        const auto admit = [&](std::size_t process) {
            groups[m_workload[process].burst].push_back(process);
            ++readyCount;
        };
        while (!allFinished()) {
            admitArrivals(m_now, false, admit);
            if (readyCount == 0) {
                idleUntilNextArrival();
                continue;
            }
            // The best of the groups' first entries, and the runner-up for the tie rule: the
            // second of the best's group or another group's first entry.
            std::size_t best = kNoProcess;
            for (const auto &[burst, members] : groups) {
                const std::size_t head = members.front();
                if (best == kNoProcess || hrrnBefore(head, best))
                    best = head;
            }
            if (m_options.recordDecisions)
                recordHrrnDecision(best, groups, readyCount);
            auto group = groups.find(m_workload[best].burst);
            group->second.pop_front();
            if (group->second.empty())
                groups.erase(group);
            --readyCount;
            switchTo(best);
            runFor(best, m_remaining[best]);
        }
    }

    void recordHrrnDecision(std::size_t best, const HrrnGroups &groups, std::size_t readyCount)
    {
        Decision decision;
        decision.time = m_now;
        decision.kind = DecisionKind::Dispatch;
        decision.keyKind = KeyKind::ResponseRatio;
        decision.chosen = best;
        decision.readyCount = readyCount;
        // The first candidates in order: a merge of the groups, each already in order.
        using Cursor = std::pair<std::deque<std::size_t>::const_iterator, std::deque<std::size_t>::const_iterator>;
        std::vector<Cursor> cursors;
        cursors.reserve(groups.size());
        for (const auto &[burst, members] : groups)
            cursors.emplace_back(members.begin(), members.end());
        const std::size_t wanted = std::max<std::size_t>(2, m_options.candidateLimit);
        std::vector<std::size_t> order;
        while (order.size() < wanted) {
            Cursor *next = nullptr;
            for (Cursor &cursor : cursors) {
                if (cursor.first != cursor.second
                    && (next == nullptr || hrrnBefore(*cursor.first, *next->first)))
                    next = &cursor;
            }
            if (next == nullptr)
                break;
            order.push_back(*next->first);
            ++next->first;
        }
        if (order.size() > 1 && hrrnEqualRatio(order[0], order[1])) {
            decision.tie = m_workload[order[0]].arrival != m_workload[order[1]].arrival
                ? TieBreak::EarlierArrival
                : TieBreak::ListOrder;
        }
        for (std::size_t i = 0; i < order.size() && i < m_options.candidateLimit; ++i)
            decision.candidates.push_back(hrrnCandidate(order[i]));
        record(std::move(decision));
    }

    // --- the figures ---------------------------------------------------------------------------

    void finish()
    {
        Totals &totals = m_out.totals;
        for (std::size_t i = 0; i < m_workload.size(); ++i) {
            const Process &process = m_workload[i];
            ProcessResult &result = m_out.processes[i];
            result.turnaround = result.completion - process.arrival;
            result.waiting = result.turnaround - process.burst;
            result.response = result.firstStart - process.arrival;
            totals.waiting += result.waiting;
            totals.turnaround += result.turnaround;
            totals.response += result.response;
            m_out.totalBurst += process.burst;
            m_out.lastCompletion = std::max(m_out.lastCompletion, result.completion);
        }
    }

    const Workload &m_workload;
    const Settings m_settings;
    const Options m_options;
    std::vector<std::size_t> m_byArrival;   // the list order sorted by arrival, stable
    std::size_t m_nextArrival = 0;
    std::vector<Time> m_remaining;
    std::vector<bool> m_started;
    std::size_t m_finished = 0;
    Time m_now = 0;
    std::size_t m_last = kNoProcess;   // the process the processor holds or last held; none after idle
    std::pmr::unsynchronized_pool_resource m_pool;
    Schedule m_out;
};

// Rounds total / count half away from zero to hundredths.
Wide hundredths(Wide total, Wide count)
{
    const bool negative = (total < 0) != (count < 0) && total != 0;
    const Wide num = (total < 0 ? -total : total) * 200;
    const Wide den = (count < 0 ? -count : count) * 2;
    const Wide rounded = (num + den / 2) / den;   // (2 * 100 * |total| + |count|) / (2 * |count|)
    return negative ? -rounded : rounded;
}

std::string wideText(Wide value)
{
    if (value == 0)
        return "0";
    std::string digits;
    const bool negative = value < 0;
    if (negative)
        value = -value;
    while (value > 0) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(value % 10)));
        value /= 10;
    }
    return negative ? "-" + digits : digits;
}

std::string hundredthsText(Wide value, std::string_view separator)
{
    const bool negative = value < 0;
    if (negative)
        value = -value;
    std::string text = wideText(value / 100);
    const int fraction = static_cast<int>(value % 100);
    if (fraction != 0) {
        text += separator;
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0)
            text += static_cast<char>('0' + fraction % 10);
    }
    return negative ? "-" + text : text;
}

} // namespace

double Schedule::utilisation() const
{
    return span() > 0 ? static_cast<double>(totalBurst) / static_cast<double>(span()) : 0.0;
}

double Schedule::throughput() const
{
    return span() > 0 ? static_cast<double>(count()) / static_cast<double>(span()) : 0.0;
}

double Schedule::averageWaiting() const
{
    return count() ? static_cast<double>(totals.waiting) / static_cast<double>(count()) : 0.0;
}

double Schedule::averageTurnaround() const
{
    return count() ? static_cast<double>(totals.turnaround) / static_cast<double>(count()) : 0.0;
}

double Schedule::averageResponse() const
{
    return count() ? static_cast<double>(totals.response) / static_cast<double>(count()) : 0.0;
}

Schedule solve(const Workload &workload, const Settings &settings, const Options &options)
{
    if (const auto error = validate(workload))
        throw std::invalid_argument("the workload cannot be scheduled");
    if (validateSettings(settings))
        throw std::invalid_argument("the settings are out of range");
    return Simulator(workload, settings, options).run();
}

std::string segmentText(SegmentKind kind, std::string_view name, Time start, Time end)
{
    std::string text;
    switch (kind) {
    case SegmentKind::Run:
        text = name;
        break;
    case SegmentKind::Idle:
        text = "idle";
        break;
    case SegmentKind::Switch:
        text = "switch";
        break;
    }
    text += ' ';
    text += std::to_string(start);
    text += '-';
    text += std::to_string(end);
    return text;
}

std::string describeSegments(const Workload &workload, const Schedule &schedule)
{
    std::string text;
    for (const Segment &segment : schedule.segments) {
        if (!text.empty())
            text += ", ";
        const std::string_view name =
            segment.kind == SegmentKind::Run ? std::string_view(workload.at(segment.process).name) : std::string_view();
        text += segmentText(segment.kind, name, segment.start, segment.end);
    }
    return text;
}

std::string averageText(Time total, std::size_t count, std::string_view decimalSeparator)
{
    std::string text = std::to_string(total) + '/' + std::to_string(count) + " = ";
    if (count == 0)
        return text + "0";
    return text + hundredthsText(hundredths(total, static_cast<Wide>(count)), decimalSeparator);
}

std::optional<Time> roundedHundredths(Time total, std::size_t count)
{
    if (count == 0)
        return std::nullopt;
    const Wide rounded = hundredths(total, static_cast<Wide>(count));
    if (rounded > std::numeric_limits<Time>::max() || rounded < std::numeric_limits<Time>::min())
        return std::nullopt;
    return static_cast<Time>(rounded);
}

std::string roundedText(double value, std::string_view decimalSeparator)
{
    if (!std::isfinite(value))
        return "0";
    return hundredthsText(static_cast<Wide>(std::llround(value * 100.0)), decimalSeparator);
}

} // namespace lab
