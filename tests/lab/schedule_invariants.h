#pragma once

// What every schedule of the laboratory's engine must satisfy, whatever the workload: the
// time line, the numbers per process, the totals and figures, and the recorded decisions.
// scheduleProblems() returns a description of the first problems found, empty when none.
// Shared by the invariant tests and the engine's fuzzer.

#include "lab/schedule.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace labtest {

class InvariantChecker {
public:
    InvariantChecker(const lab::Workload &workload, const lab::Settings &settings,
                     const lab::Schedule &schedule, const lab::Options &options)
        : m_work(workload), m_set(settings), m_s(schedule), m_options(options)
    {
    }

    std::string problems()
    {
        if (m_s.processes.size() != m_work.size()) {
            fail("results for " + std::to_string(m_s.processes.size()) + " processes");
            return m_out.str();
        }
        checkTimeLine();
        checkProcesses();
        checkTotals();
        if (m_problems == 0)
            checkPolicyShape();
        if (m_problems == 0)
            checkDecisions();
        return m_out.str();
    }

private:
    using Time = lab::Time;

    void fail(const std::string &text)
    {
        if (m_problems++ < 8)
            m_out << text << '\n';
    }

    std::string name(std::size_t process) const
    {
        return process < m_work.size() ? m_work[process].name : "#" + std::to_string(process);
    }

    std::string at(const lab::Segment &s) const
    {
        const char *kind = s.kind == lab::SegmentKind::Run ? "run" : s.kind == lab::SegmentKind::Idle ? "idle" : "switch";
        return std::string(kind) + " " + (s.process == lab::kNoProcess ? "" : name(s.process) + " ")
            + std::to_string(s.start) + "-" + std::to_string(s.end);
    }

    bool preemptsByKey() const
    {
        return m_set.policy == lab::Policy::Srtf || m_set.policy == lab::Policy::PriorityPreemptive;
    }

    void checkTimeLine()
    {
        const auto &seg = m_s.segments;
        Time firstArrival = m_work.front().arrival;
        for (const lab::Process &p : m_work)
            firstArrival = std::min(firstArrival, p.arrival);
        if (m_s.firstArrival != firstArrival)
            fail("first arrival " + std::to_string(m_s.firstArrival));
        if (seg.empty()) {
            fail("no segments");
            return;
        }
        if (seg.front().start != firstArrival)
            fail("the time line starts at " + std::to_string(seg.front().start));
        if (seg.back().end != m_s.lastCompletion)
            fail("the time line ends at " + std::to_string(seg.back().end) + ", the last completion is "
                 + std::to_string(m_s.lastCompletion));
        if (seg.front().kind != lab::SegmentKind::Run || seg.back().kind != lab::SegmentKind::Run)
            fail("the time line does not begin and end with a run");

        std::size_t switches = 0;
        std::size_t runChanges = 0;
        Time idle = 0, switchTime = 0;
        for (std::size_t i = 0; i < seg.size(); ++i) {
            const lab::Segment &s = seg[i];
            if (s.start >= s.end)
                fail("empty or reversed segment " + at(s));
            if (i > 0 && seg[i - 1].end != s.start)
                fail("gap or overlap before " + at(s));
            const bool named = s.process < m_work.size();
            if (s.kind == lab::SegmentKind::Idle ? s.process != lab::kNoProcess : !named)
                fail("segment with a wrong process " + at(s));
            if (s.kind == lab::SegmentKind::Idle) {
                idle += s.end - s.start;
                if (i > 0 && seg[i - 1].kind == lab::SegmentKind::Idle)
                    fail("two idle segments in a row at " + at(s));
            }
            if (s.kind == lab::SegmentKind::Switch) {
                ++switches;
                switchTime += s.end - s.start;
                if (s.end - s.start != m_set.switchCost)
                    fail("switch of another length than the switch cost: " + at(s));
                if (i == 0 || seg[i - 1].kind == lab::SegmentKind::Idle)
                    fail("switch before the first process or after idle time: " + at(s));
                if (i + 1 == seg.size())
                    fail("switch at the end");
                else if (seg[i + 1].kind == lab::SegmentKind::Idle)
                    fail("idle after a switch: " + at(s));
                else if (seg[i + 1].kind == lab::SegmentKind::Run && seg[i + 1].process != s.process)
                    fail("a switch loads one process and another runs: " + at(s));
                else if (seg[i + 1].kind == lab::SegmentKind::Switch && !preemptsByKey())
                    fail("two switches in a row under a policy without preemption by key: " + at(s));
            }
            if (s.kind == lab::SegmentKind::Run && i > 0) {
                const lab::Segment &before = seg[i - 1];
                if (before.kind == lab::SegmentKind::Run) {
                    if (before.process == s.process)
                        fail("two adjacent runs of one process: " + at(s));
                    else
                        ++runChanges;
                    if (m_set.switchCost > 0)
                        fail("a change of process without a switch: " + at(s));
                }
            }
            // Idle only while nothing has arrived and is unfinished.
            if (s.kind == lab::SegmentKind::Idle) {
                bool arrivalAtEnd = false;
                for (std::size_t p = 0; p < m_work.size(); ++p) {
                    if (m_work[p].arrival < s.end && m_s.processes[p].completion > s.start)
                        fail("idle " + at(s) + " while " + name(p) + " is ready");
                    arrivalAtEnd = arrivalAtEnd || m_work[p].arrival == s.end;
                }
                if (!arrivalAtEnd)
                    fail("idle " + at(s) + " does not end at an arrival");
            }
        }
        if (m_set.switchCost == 0 && switches != 0)
            fail("switch segments with a switch cost of 0");
        const std::size_t expectedSwitches = m_set.switchCost > 0 ? switches : runChanges;
        if (m_s.contextSwitches != expectedSwitches)
            fail("contextSwitches " + std::to_string(m_s.contextSwitches) + ", the time line shows "
                 + std::to_string(expectedSwitches));
        if (m_s.idleTime != idle)
            fail("idleTime " + std::to_string(m_s.idleTime) + ", idle segments add up to " + std::to_string(idle));
        if (m_s.switchTime != switchTime
            || m_s.switchTime != Time(m_s.contextSwitches) * m_set.switchCost)
            fail("switchTime " + std::to_string(m_s.switchTime));
    }

    void checkProcesses()
    {
        std::vector<Time> ran(m_work.size(), 0);
        std::vector<Time> first(m_work.size(), -1), last(m_work.size(), -1);
        for (const lab::Segment &s : m_s.segments) {
            if (s.kind != lab::SegmentKind::Run || s.process >= m_work.size())
                continue;
            if (s.start < m_work[s.process].arrival)
                fail(name(s.process) + " runs before its arrival: " + at(s));
            ran[s.process] += s.end - s.start;
            if (first[s.process] < 0)
                first[s.process] = s.start;
            last[s.process] = s.end;
        }
        Time lastCompletion = 0;
        for (std::size_t p = 0; p < m_work.size(); ++p) {
            const lab::ProcessResult &r = m_s.processes[p];
            const lab::Process &w = m_work[p];
            if (ran[p] != w.burst)
                fail(name(p) + " runs " + std::to_string(ran[p]) + " units, its burst is " + std::to_string(w.burst));
            if (r.firstStart != first[p] || r.completion != last[p])
                fail(name(p) + " first start / completion do not match its runs");
            if (r.turnaround != r.completion - w.arrival || r.waiting != r.turnaround - w.burst
                || r.response != r.firstStart - w.arrival)
                fail(name(p) + " turnaround, waiting or response miscomputed");
            if (r.waiting < 0 || r.response < 0 || r.response > r.waiting)
                fail(name(p) + " waiting or response out of range");
            lastCompletion = std::max(lastCompletion, r.completion);
        }
        if (m_s.lastCompletion != lastCompletion)
            fail("lastCompletion is not the latest completion");
    }

    void checkTotals()
    {
        lab::Totals totals;
        Time bursts = 0;
        for (std::size_t p = 0; p < m_work.size(); ++p) {
            totals.waiting += m_s.processes[p].waiting;
            totals.turnaround += m_s.processes[p].turnaround;
            totals.response += m_s.processes[p].response;
            bursts += m_work[p].burst;
        }
        if (m_s.totals != totals)
            fail("totals are not the sums");
        if (m_s.totalBurst != bursts)
            fail("totalBurst is not the sum of the bursts");
        const double n = double(m_work.size());
        const double span = double(m_s.lastCompletion - m_s.firstArrival);
        if (m_s.span() != m_s.lastCompletion - m_s.firstArrival)
            fail("span");
        if (m_s.averageWaiting() != double(totals.waiting) / n
            || m_s.averageTurnaround() != double(totals.turnaround) / n
            || m_s.averageResponse() != double(totals.response) / n)
            fail("averages are not total / n");
        if (m_s.utilisation() != double(bursts) / span || m_s.throughput() != n / span)
            fail("utilisation or throughput");
        if (m_s.utilisation() > 1.0)
            fail("utilisation above 1");
        if (!(m_s.settings == m_set))
            fail("the schedule does not carry its settings");
    }

    // Non-preemptive policies run each process in one piece; a round-robin piece ends at the
    // completion or after whole quanta; preemption by key happens only at an arrival.
    void checkPolicyShape()
    {
        const bool nonPreemptive = !lab::isPreemptive(m_set.policy);
        std::vector<int> pieces(m_work.size(), 0);
        for (const lab::Segment &s : m_s.segments) {
            if (s.kind != lab::SegmentKind::Run)
                continue;
            ++pieces[s.process];
            const bool completes = s.end == m_s.processes[s.process].completion;
            if (m_set.policy == lab::Policy::RoundRobin && !completes && (s.end - s.start) % m_set.quantum != 0)
                fail("round-robin piece that is not whole quanta and does not complete: " + at(s));
            if (preemptsByKey() && !completes) {
                bool arrival = false;
                for (const lab::Process &p : m_work)
                    arrival = arrival || p.arrival == s.end;
                if (!arrival)
                    fail("preempted at an instant without an arrival: " + at(s));
            }
        }
        if (nonPreemptive) {
            for (std::size_t p = 0; p < m_work.size(); ++p) {
                if (pieces[p] != 1)
                    fail(name(p) + " runs in " + std::to_string(pieces[p]) + " pieces under a non-preemptive policy");
            }
        }
    }

    lab::KeyKind expectedKeyKind() const
    {
        switch (m_set.policy) {
        case lab::Policy::Fcfs: return lab::KeyKind::Arrival;
        case lab::Policy::Sjf: return lab::KeyKind::Burst;
        case lab::Policy::Srtf: return lab::KeyKind::Remaining;
        case lab::Policy::RoundRobin: return lab::KeyKind::QueuePosition;
        case lab::Policy::Priority:
        case lab::Policy::PriorityPreemptive: return lab::KeyKind::Priority;
        case lab::Policy::Hrrn: return lab::KeyKind::ResponseRatio;
        }
        return lab::KeyKind::Arrival;
    }

    // -1 when a's key is strictly better, 1 when worse, 0 when equal.
    int compareKeys(const lab::Candidate &a, const lab::Candidate &b) const
    {
        auto smallerFirst = [](Time x, Time y) { return x < y ? -1 : (x > y ? 1 : 0); };
        switch (expectedKeyKind()) {
        case lab::KeyKind::Priority:
            return m_set.priorityOrder == lab::PriorityOrder::LowFirst ? smallerFirst(a.key, b.key)
                                                                      : smallerFirst(b.key, a.key);
        case lab::KeyKind::ResponseRatio:
            return smallerFirst((b.waited + b.key) * a.key, (a.waited + a.key) * b.key);
        default:
            return smallerFirst(a.key, b.key);
        }
    }

    // How long the process ran before `time`, from the time line.
    Time ranBefore(std::size_t process, Time time) const
    {
        Time ran = 0;
        for (const lab::Segment &s : m_s.segments) {
            if (s.start >= time)
                break;
            if (s.kind == lab::SegmentKind::Run && s.process == process)
                ran += std::min(s.end, time) - s.start;
        }
        return ran;
    }

    const lab::Segment *segmentAt(Time time) const
    {
        auto it = std::upper_bound(m_s.segments.begin(), m_s.segments.end(), time,
                                   [](Time t, const lab::Segment &s) { return t < s.end; });
        return it == m_s.segments.end() || it->start > time ? nullptr : &*it;
    }

    void checkDecisions()
    {
        const auto &decisions = m_s.decisions;
        if (!m_options.recordDecisions) {
            if (!decisions.empty())
                fail("decisions recorded although not asked for");
            return;
        }
        if (decisions.empty())
            fail("no decisions recorded");
        std::set<std::pair<Time, std::size_t>> given;   // (time, chosen) of every decision
        Time previous = m_s.firstArrival;
        for (const lab::Decision &d : decisions) {
            const std::string where = "decision at " + std::to_string(d.time) + " for " + name(d.chosen) + ": ";
            if (d.time < previous)
                fail(where + "out of time order");
            previous = d.time;
            if (d.keyKind != expectedKeyKind())
                fail(where + "key kind");
            if (d.chosen >= m_work.size()) {
                fail(where + "no chosen process");
                continue;
            }
            given.insert({d.time, d.chosen});
            if (d.candidates.size() != std::min(d.readyCount, m_options.candidateLimit))
                fail(where + "candidates " + std::to_string(d.candidates.size()) + " of "
                     + std::to_string(d.readyCount) + " ready");
            std::set<std::size_t> seen;
            for (std::size_t i = 0; i < d.candidates.size(); ++i) {
                const lab::Candidate &c = d.candidates[i];
                if (c.process >= m_work.size() || !seen.insert(c.process).second) {
                    fail(where + "a candidate that is no process or listed twice");
                    return;
                }
                checkCandidateKey(d, c, i, where);
                if (m_work[c.process].arrival > d.time || m_s.processes[c.process].completion <= d.time)
                    fail(where + "candidate " + name(c.process) + " is not there at that time");
            }
            switch (d.kind) {
            case lab::DecisionKind::Dispatch:
            case lab::DecisionKind::Preempt:
                checkChoice(d, where);
                break;
            case lab::DecisionKind::Keep:
                checkKeep(d, where);
                break;
            case lab::DecisionKind::Continue:
                if (m_set.policy != lab::Policy::RoundRobin)
                    fail(where + "a continuation outside round robin");
                break;
            }
            // The chosen process is loaded or runs from that instant.
            if (d.kind != lab::DecisionKind::Keep) {
                const lab::Segment *s = segmentAt(d.time);
                if (s == nullptr || s->process != d.chosen || s->kind == lab::SegmentKind::Idle)
                    fail(where + "the time line does not go on with it");
            }
        }
        // A round-robin piece longer than the quantum went on only by a decision at each
        // quantum's end.
        if (m_set.policy == lab::Policy::RoundRobin) {
            for (const lab::Segment &s : m_s.segments) {
                if (s.kind != lab::SegmentKind::Run)
                    continue;
                for (Time t = s.start + m_set.quantum; t < s.end; t += m_set.quantum) {
                    if (!given.count({t, s.process}))
                        fail("round-robin piece " + at(s) + " goes on at " + std::to_string(t) + " without a decision");
                }
            }
        }
    }

    void checkCandidateKey(const lab::Decision &d, const lab::Candidate &c, std::size_t index,
                           const std::string &where)
    {
        const lab::Process &p = m_work[c.process];
        Time key = 0;
        switch (d.keyKind) {
        case lab::KeyKind::Arrival: key = p.arrival; break;
        case lab::KeyKind::Burst: key = p.burst; break;
        case lab::KeyKind::Remaining: key = p.burst - ranBefore(c.process, d.time); break;
        case lab::KeyKind::Priority: key = p.priority; break;
        case lab::KeyKind::ResponseRatio:
            key = p.burst;
            if (c.waited != d.time - p.arrival)
                fail(where + name(c.process) + " waited " + std::to_string(c.waited));
            break;
        case lab::KeyKind::QueuePosition: key = Time(index); break;
        }
        if (c.key != key)
            fail(where + name(c.process) + " has key " + std::to_string(c.key) + ", expected " + std::to_string(key));
    }

    // Best first: the better key, then the earlier arrival, then the list order.
    bool inOrder(const lab::Candidate &a, const lab::Candidate &b) const
    {
        const int keys = compareKeys(a, b);
        if (keys != 0)
            return keys < 0;
        if (m_work[a.process].arrival != m_work[b.process].arrival)
            return m_work[a.process].arrival < m_work[b.process].arrival;
        return a.process < b.process;
    }

    void checkChoice(const lab::Decision &d, const std::string &where)
    {
        if (d.candidates.empty() || d.candidates.front().process != d.chosen) {
            fail(where + "the chosen process is not the first candidate");
            return;
        }
        for (std::size_t i = 0; i + 1 < d.candidates.size(); ++i) {
            if (!inOrder(d.candidates[i], d.candidates[i + 1]))
                fail(where + "candidates out of order at " + name(d.candidates[i + 1].process));
        }
        // A list cut at the candidate limit may not show the runner-up or the displaced one.
        const bool cut = d.readyCount > d.candidates.size();
        lab::TieBreak tie = lab::TieBreak::None;
        if (d.candidates.size() == 1 && cut) {
            tie = d.tie;   // the runner-up is not listed: the tie cannot be checked here
        } else if (d.candidates.size() > 1 && compareKeys(d.candidates[0], d.candidates[1]) == 0) {
            tie = m_work[d.candidates[0].process].arrival != m_work[d.candidates[1].process].arrival
                ? lab::TieBreak::EarlierArrival
                : lab::TieBreak::ListOrder;
        }
        if (d.tie != tie)
            fail(where + "tie " + std::to_string(int(d.tie)) + ", expected " + std::to_string(int(tie)));
        if (d.kind == lab::DecisionKind::Preempt) {
            if (!preemptsByKey())
                fail(where + "a preemption under a policy that does not preempt by key");
            const auto running = std::find_if(d.candidates.begin(), d.candidates.end(),
                                              [&d](const lab::Candidate &c) { return c.process == d.displaced; });
            if (d.displaced == d.chosen || d.displaced >= m_work.size())
                fail(where + "no displaced process");
            else if (running == d.candidates.end()) {
                if (!cut)
                    fail(where + "the displaced process is not listed");
            }
            else if (compareKeys(d.candidates.front(), *running) >= 0)
                fail(where + "preempts a process that is as good");
        } else if (d.displaced != lab::kNoProcess) {
            fail(where + "a dispatch that displaces a process");
        }
    }

    void checkKeep(const lab::Decision &d, const std::string &where)
    {
        if (!preemptsByKey())
            fail(where + "a keep under a policy that does not preempt by key");
        if (d.tie != lab::TieBreak::RunningKeeps)
            fail(where + "a keep without the running-keeps tie");
        const auto running = std::find_if(d.candidates.begin(), d.candidates.end(),
                                          [&d](const lab::Candidate &c) { return c.process == d.displaced; });
        if (running == d.candidates.end()) {
            if (d.readyCount == d.candidates.size())
                fail(where + "the running process is not listed");
            return;
        }
        if (d.readyCount > d.candidates.size())
            return;   // the newcomer as good may be past the candidate limit
        bool equalNewcomer = false;
        for (const lab::Candidate &c : d.candidates) {
            if (c.process == d.displaced)
                continue;
            if (compareKeys(c, *running) < 0)
                fail(where + "kept although " + name(c.process) + " is better");
            equalNewcomer = equalNewcomer || (compareKeys(c, *running) == 0 && m_work[c.process].arrival >= d.time - m_set.switchCost);
        }
        if (!equalNewcomer)
            fail(where + "a keep without a newcomer as good");
    }

    const lab::Workload &m_work;
    const lab::Settings &m_set;
    const lab::Schedule &m_s;
    const lab::Options &m_options;
    std::ostringstream m_out;
    int m_problems = 0;
};

inline std::string scheduleProblems(const lab::Workload &workload, const lab::Settings &settings,
                                    const lab::Schedule &schedule, const lab::Options &options = {})
{
    return InvariantChecker(workload, settings, schedule, options).problems();
}

} // namespace labtest
