#pragma once

// A second scheduler for the laboratory's tests, written apart from lab::solve: it walks the
// clock one time unit at a time and applies the rules literally, so that a reader can check
// it by eye. It is slow on purpose (its cost grows with the time line) and meant for small
// workloads only.
//
// At every instant t it first settles what happens at t (a switch ends, a process finishes, a
// quantum runs out, newcomers arrive, the processor is given to someone), then it decides what
// the processor does during the unit [t, t+1): run a process, load one (switch) or idle.

#include "lab/schedule.h"

#include <algorithm>
#include <cstddef>
#include <deque>
#include <sstream>
#include <string>
#include <vector>

namespace labtest {

// The outline of one decision: when, of what kind, the process given the processor (Dispatch,
// Preempt, Continue; none for Keep) and the running process it concerns (Preempt, Keep).
struct Handover {
    lab::Time time = 0;
    lab::DecisionKind kind = lab::DecisionKind::Dispatch;
    std::size_t process = lab::kNoProcess;
    std::size_t displaced = lab::kNoProcess;

    bool operator==(const Handover &) const = default;
};

struct ReferenceRun {
    std::vector<lab::ProcessResult> processes;
    std::vector<lab::Segment> segments;
    std::vector<Handover> handovers;
    lab::Totals totals;
    lab::Time totalBurst = 0;
    lab::Time firstArrival = 0;
    lab::Time lastCompletion = 0;
    lab::Time idleTime = 0;
    lab::Time switchTime = 0;
    std::size_t contextSwitches = 0;
    double utilisation = 0;
    double throughput = 0;
};

class ReferenceScheduler {
public:
    ReferenceScheduler(const lab::Workload &workload, const lab::Settings &settings)
        : m_work(workload), m_set(settings), m_remaining(workload.size()),
          m_admitted(workload.size(), false), m_started(workload.size(), false)
    {
        for (std::size_t i = 0; i < workload.size(); ++i)
            m_remaining[i] = workload[i].burst;
    }

    ReferenceRun run()
    {
        const std::size_t n = m_work.size();
        m_out.processes.assign(n, {});
        m_out.firstArrival = m_work.front().arrival;
        for (const lab::Process &p : m_work) {
            m_out.firstArrival = std::min(m_out.firstArrival, p.arrival);
            m_out.totalBurst += p.burst;
        }

        for (m_now = m_out.firstArrival; m_finished < n; ++m_now) {
            settleInstant();
            if (m_finished == n)
                break;
            spendUnit();
        }

        m_out.lastCompletion = m_now;
        for (std::size_t i = 0; i < n; ++i) {
            lab::ProcessResult &r = m_out.processes[i];
            r.turnaround = r.completion - m_work[i].arrival;
            r.waiting = r.turnaround - m_work[i].burst;
            r.response = r.firstStart - m_work[i].arrival;
            m_out.totals.waiting += r.waiting;
            m_out.totals.turnaround += r.turnaround;
            m_out.totals.response += r.response;
        }
        const double span = double(m_out.lastCompletion - m_out.firstArrival);
        m_out.utilisation = double(m_out.totalBurst) / span;
        m_out.throughput = double(n) / span;
        return m_out;
    }

private:
    using Policy = lab::Policy;

    bool preemptsByKey() const
    {
        return m_set.policy == Policy::Srtf || m_set.policy == Policy::PriorityPreemptive;
    }

    // -1 when a's key is strictly better than b's at this instant, 1 when worse, 0 when equal.
    int compareKeys(std::size_t a, std::size_t b) const
    {
        const lab::Process &pa = m_work[a];
        const lab::Process &pb = m_work[b];
        auto smallerFirst = [](lab::Time x, lab::Time y) { return x < y ? -1 : (x > y ? 1 : 0); };
        switch (m_set.policy) {
        case Policy::Fcfs:
            return smallerFirst(pa.arrival, pb.arrival);
        case Policy::Sjf:
            return smallerFirst(pa.burst, pb.burst);
        case Policy::Srtf:
            return smallerFirst(m_remaining[a], m_remaining[b]);
        case Policy::Priority:
        case Policy::PriorityPreemptive:
            return m_set.priorityOrder == lab::PriorityOrder::LowFirst
                ? smallerFirst(pa.priority, pb.priority)
                : smallerFirst(pb.priority, pa.priority);
        case Policy::Hrrn: {
            // (waited + burst) / burst, the larger first, compared cross-multiplied.
            const lab::Time ratioA = (m_now - pa.arrival + pa.burst) * pb.burst;
            const lab::Time ratioB = (m_now - pb.arrival + pb.burst) * pa.burst;
            return smallerFirst(ratioB, ratioA);
        }
        case Policy::RoundRobin:
            break;
        }
        return 0;
    }

    // a goes before b: the better key, then the earlier (original) arrival, then the list order.
    bool goesBefore(std::size_t a, std::size_t b) const
    {
        const int keys = compareKeys(a, b);
        if (keys != 0)
            return keys < 0;
        if (m_work[a].arrival != m_work[b].arrival)
            return m_work[a].arrival < m_work[b].arrival;
        return a < b;
    }

    // Every process that has arrived by now and is not yet in joins the ready set, in arrival
    // then list order (for round robin: at the tail of the queue in that order). Returns them.
    std::vector<std::size_t> admitArrivals()
    {
        std::vector<std::size_t> newcomers;
        for (std::size_t i = 0; i < m_work.size(); ++i) {
            if (!m_admitted[i] && m_work[i].arrival <= m_now)
                newcomers.push_back(i);
        }
        std::stable_sort(newcomers.begin(), newcomers.end(), [this](std::size_t a, std::size_t b) {
            return m_work[a].arrival < m_work[b].arrival;
        });
        for (std::size_t i : newcomers) {
            m_admitted[i] = true;
            m_ready.push_back(i);
        }
        return newcomers;
    }

    // The ready process the policy picks (round robin: the head of the queue), still in the set.
    std::size_t bestReady() const
    {
        if (m_set.policy == Policy::RoundRobin)
            return m_ready.front();
        std::size_t best = m_ready.front();
        for (std::size_t i : m_ready) {
            if (goesBefore(i, best))
                best = i;
        }
        return best;
    }

    void removeReady(std::size_t process)
    {
        m_ready.erase(std::find(m_ready.begin(), m_ready.end(), process));
    }

    // The processor goes to `process`: through a switch when another process had it last.
    void handTo(std::size_t process, std::size_t displaced)
    {
        const auto kind = displaced == lab::kNoProcess ? lab::DecisionKind::Dispatch : lab::DecisionKind::Preempt;
        m_out.handovers.push_back({m_now, kind, process, displaced});
        if (m_lastOnProcessor != lab::kNoProcess && m_lastOnProcessor != process) {
            ++m_out.contextSwitches;
            ++m_switchNumber;
            if (m_set.switchCost > 0) {
                m_loading = process;
                m_switchLeft = m_set.switchCost;
                m_running = lab::kNoProcess;
                return;
            }
        }
        m_running = process;
        m_lastOnProcessor = process;
        m_quantumUsed = 0;
    }

    // Newcomers arrived while `running` holds the processor (or at the end of the switch that
    // loaded it). Under SRTF and preemptive priority a strictly better one takes over; one that
    // is only as good leaves the processor to the running process.
    void challenge(std::size_t running, const std::vector<std::size_t> &newcomers)
    {
        if (!preemptsByKey() || newcomers.empty())
            return;
        const std::size_t best = bestReady();
        if (compareKeys(best, running) < 0) {
            removeReady(best);
            m_ready.push_back(running);
            handTo(best, running);
            return;
        }
        for (std::size_t newcomer : newcomers) {
            if (compareKeys(newcomer, running) == 0) {
                m_out.handovers.push_back({m_now, lab::DecisionKind::Keep, lab::kNoProcess, running});
                return;
            }
        }
    }

    void settleInstant()
    {
        if (m_loading != lab::kNoProcess) {
            if (m_switchLeft > 0)
                return;   // still loading: arrivals wait for the switch's end
            // The switch ends now. Whoever arrived during it counts as arriving now.
            const std::size_t loaded = m_loading;
            m_loading = lab::kNoProcess;
            m_running = loaded;
            m_lastOnProcessor = loaded;
            m_quantumUsed = 0;
            challenge(loaded, admitArrivals());
            return;
        }

        if (m_running != lab::kNoProcess && m_remaining[m_running] == 0) {
            m_out.processes[m_running].completion = m_now;
            ++m_finished;
            m_running = lab::kNoProcess;
        }

        if (m_running != lab::kNoProcess) {
            if (m_set.policy == Policy::RoundRobin && m_quantumUsed == m_set.quantum) {
                const std::size_t expired = m_running;
                if (m_set.roundRobinRule == lab::RoundRobinRule::NewcomerFirst) {
                    admitArrivals();
                    m_ready.push_back(expired);
                } else {
                    m_ready.push_back(expired);
                    admitArrivals();
                }
                const std::size_t head = m_ready.front();
                m_ready.pop_front();
                if (head == expired) {
                    // It goes on without a switch. With nobody else waiting that is a plain
                    // continuation; when a newcomer was queued behind it (preempted first), it
                    // was taken from the queue's head like any other handover.
                    m_out.handovers.push_back({m_now, m_ready.empty() ? lab::DecisionKind::Continue
                                                                      : lab::DecisionKind::Dispatch,
                                               head, lab::kNoProcess});
                    m_quantumUsed = 0;
                    return;
                }
                handTo(head, lab::kNoProcess);
                return;
            }
            challenge(m_running, admitArrivals());
            return;
        }

        // The processor is free: newcomers of this instant take part in the choice.
        admitArrivals();
        if (m_ready.empty())
            return;
        const std::size_t chosen = bestReady();
        removeReady(chosen);
        handTo(chosen, lab::kNoProcess);
    }

    void spendUnit()
    {
        if (m_loading != lab::kNoProcess) {
            addUnit(lab::SegmentKind::Switch, m_loading);
            --m_switchLeft;
        } else if (m_running != lab::kNoProcess) {
            addUnit(lab::SegmentKind::Run, m_running);
            if (!m_started[m_running]) {
                m_started[m_running] = true;
                m_out.processes[m_running].firstStart = m_now;
            }
            --m_remaining[m_running];
            ++m_quantumUsed;
        } else {
            addUnit(lab::SegmentKind::Idle, lab::kNoProcess);
            ++m_out.idleTime;
            m_lastOnProcessor = lab::kNoProcess;   // no switch after idle time
        }
    }

    // Extends the last segment when the unit continues it, else starts a new one. Two
    // switches are never merged, even back to back.
    void addUnit(lab::SegmentKind kind, std::size_t process)
    {
        if (kind == lab::SegmentKind::Switch)
            ++m_out.switchTime;
        const bool sameSwitch = kind != lab::SegmentKind::Switch || m_lastSwitchNumber == m_switchNumber;
        if (!m_out.segments.empty()) {
            lab::Segment &last = m_out.segments.back();
            if (last.kind == kind && last.process == process && last.end == m_now && sameSwitch) {
                ++last.end;
                return;
            }
        }
        m_out.segments.push_back({m_now, m_now + 1, kind, process});
        if (kind == lab::SegmentKind::Switch)
            m_lastSwitchNumber = m_switchNumber;
    }

    const lab::Workload &m_work;
    const lab::Settings m_set;
    std::vector<lab::Time> m_remaining;
    std::vector<bool> m_admitted;
    std::vector<bool> m_started;
    std::deque<std::size_t> m_ready;   // round robin: the queue, head first
    ReferenceRun m_out;

    lab::Time m_now = 0;
    std::size_t m_finished = 0;
    std::size_t m_running = lab::kNoProcess;          // holds the processor (after any switch)
    std::size_t m_loading = lab::kNoProcess;          // being loaded by a switch
    lab::Time m_switchLeft = 0;
    std::size_t m_lastOnProcessor = lab::kNoProcess;  // ran or was loaded last; none after idle
    lab::Time m_quantumUsed = 0;
    std::size_t m_switchNumber = 0;
    std::size_t m_lastSwitchNumber = 0;
};

inline ReferenceRun referenceSolve(const lab::Workload &workload, const lab::Settings &settings)
{
    return ReferenceScheduler(workload, settings).run();
}

// The workload as solver CSV lines and the settings in words, for failure messages.
inline std::string describeCase(const lab::Workload &workload, const lab::Settings &settings)
{
    std::ostringstream out;
    out << "policy=" << lab::policyId(settings.policy) << " quantum=" << settings.quantum
        << " order=" << lab::priorityOrderId(settings.priorityOrder)
        << " rr-rule=" << lab::roundRobinRuleId(settings.roundRobinRule)
        << " switch=" << settings.switchCost << "\nname,arrival,burst,priority\n";
    for (const lab::Process &p : workload)
        out << p.name << ',' << p.arrival << ',' << p.burst << ',' << p.priority << '\n';
    return out.str();
}

// Segments as "P1 0-4, idle 4-5, switch>P2 5-6" for failure messages.
inline std::string segmentsText(const lab::Workload &workload, const std::vector<lab::Segment> &segments)
{
    std::ostringstream out;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const lab::Segment &s = segments[i];
        if (i)
            out << ", ";
        if (s.kind == lab::SegmentKind::Idle)
            out << "idle";
        else if (s.process >= workload.size())
            out << (s.kind == lab::SegmentKind::Switch ? "switch>?" : "?");
        else
            out << (s.kind == lab::SegmentKind::Switch ? "switch>" : "") << workload[s.process].name;
        out << ' ' << s.start << '-' << s.end;
    }
    return out.str();
}

// The differences between the engine's schedule and the reference's, empty when none.
inline std::string differencesFromReference(const lab::Workload &workload, const lab::Schedule &engine,
                        const ReferenceRun &reference)
{
    std::ostringstream out;
    if (engine.segments != reference.segments) {
        out << "segments\n  engine:    " << segmentsText(workload, engine.segments)
            << "\n  reference: " << segmentsText(workload, reference.segments) << '\n';
    }
    for (std::size_t i = 0; i < workload.size() && i < engine.processes.size(); ++i) {
        const lab::ProcessResult &e = engine.processes[i];
        const lab::ProcessResult &r = reference.processes[i];
        if (e != r) {
            out << workload[i].name << " (first start, completion, turnaround, waiting, response)"
                << " engine " << e.firstStart << ' ' << e.completion << ' ' << e.turnaround << ' '
                << e.waiting << ' ' << e.response << ", reference " << r.firstStart << ' '
                << r.completion << ' ' << r.turnaround << ' ' << r.waiting << ' ' << r.response << '\n';
        }
    }
    if (engine.processes.size() != workload.size())
        out << "engine has " << engine.processes.size() << " process results\n";
    auto number = [&out](const char *what, auto e, auto r) {
        if (e != r)
            out << what << ": engine " << e << ", reference " << r << '\n';
    };
    number("total waiting", engine.totals.waiting, reference.totals.waiting);
    number("total turnaround", engine.totals.turnaround, reference.totals.turnaround);
    number("total response", engine.totals.response, reference.totals.response);
    number("total burst", engine.totalBurst, reference.totalBurst);
    number("first arrival", engine.firstArrival, reference.firstArrival);
    number("last completion", engine.lastCompletion, reference.lastCompletion);
    number("idle time", engine.idleTime, reference.idleTime);
    number("switch time", engine.switchTime, reference.switchTime);
    number("context switches", engine.contextSwitches, reference.contextSwitches);
    number("utilisation", engine.utilisation(), reference.utilisation);
    number("throughput", engine.throughput(), reference.throughput);
    const double n = double(workload.size());
    number("average waiting", engine.averageWaiting(), double(reference.totals.waiting) / n);
    number("average turnaround", engine.averageTurnaround(), double(reference.totals.turnaround) / n);
    number("average response", engine.averageResponse(), double(reference.totals.response) / n);

    // The decisions, outlined, are the reference's in the same order.
    std::vector<Handover> handovers;
    for (const lab::Decision &d : engine.decisions) {
        switch (d.kind) {
        case lab::DecisionKind::Dispatch:
        case lab::DecisionKind::Continue:
            handovers.push_back({d.time, d.kind, d.chosen, lab::kNoProcess});
            break;
        case lab::DecisionKind::Preempt:
            handovers.push_back({d.time, d.kind, d.chosen, d.displaced});
            break;
        case lab::DecisionKind::Keep:
            handovers.push_back({d.time, d.kind, lab::kNoProcess, d.displaced});
            break;
        }
    }
    if (handovers != reference.handovers) {
        auto text = [&workload](const std::vector<Handover> &list) {
            std::ostringstream t;
            const char *kinds[] = {"dispatch", "preempt", "keep", "continue"};
            for (const Handover &h : list) {
                t << ' ' << h.time << ':' << kinds[int(h.kind)];
                if (h.process != lab::kNoProcess)
                    t << ' ' << (h.process < workload.size() ? workload[h.process].name : "?");
                if (h.displaced != lab::kNoProcess)
                    t << " (running " << (h.displaced < workload.size() ? workload[h.displaced].name : "?") << ')';
            }
            return t.str();
        };
        out << "decisions\n  engine:   " << text(handovers)
            << "\n  reference:" << text(reference.handovers) << '\n';
    }
    return out.str();
}

} // namespace labtest
