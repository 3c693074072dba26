#include "ui/lab/steptexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace labui {

namespace {

class StepTexts {
    Q_DECLARE_TR_FUNCTIONS(StepTexts)
};

QString number(lab::Time value)
{
    return QString::number(value);
}

} // namespace

QString processName(const lab::Workload &workload, std::size_t process)
{
    if (process >= workload.size())
        return QStringLiteral("?");
    return QString::fromStdString(workload[process].name);
}

const lab::Candidate *findCandidate(const lab::Decision &decision, std::size_t process)
{
    const auto found = std::find_if(decision.candidates.begin(), decision.candidates.end(),
                                    [process](const lab::Candidate &c) { return c.process == process; });
    return found == decision.candidates.end() ? nullptr : &*found;
}

namespace {

// The ready processes as a list, with "… dan N lainnya" when the decision kept fewer than
// were ready.
QString candidateList(const lab::Workload &workload, const lab::Decision &decision)
{
    QStringList items;
    items.reserve(qsizetype(decision.candidates.size()));
    for (const lab::Candidate &candidate : decision.candidates)
        items.append(candidateText(workload, decision.keyKind, candidate));
    //: The separator between the processes of a list, as in "P1 (burst 2), P2 (burst 3)".
    QString list = items.join(StepTexts::tr(", "));
    if (decision.readyCount > decision.candidates.size()) {
        //: %1 is the list of the first ready processes, %2 how many more were ready.
        list = StepTexts::tr("%1 … dan %2 lainnya")
                   .arg(list, number(lab::Time(decision.readyCount - decision.candidates.size())));
    }
    return list;
}

QString dispatchText(const lab::Workload &workload, const lab::Decision &decision)
{
    const QString time = number(decision.time);
    const QString chosen = processName(workload, decision.chosen);
    if (decision.candidates.empty()) {
        //: %1 is the time, %2 the process given the processor.
        return StepTexts::tr("t=%1: %2 berjalan").arg(time, chosen);
    }
    const QString list = candidateList(workload, decision);

    if (decision.keyKind == lab::KeyKind::QueuePosition) {
        //: Round Robin. %1 is the time, %2 the ready queue from its head, %3 the head.
        return StepTexts::tr("t=%1: antrean %2; kepala antrean: %3").arg(time, list, chosen);
    }
    switch (decision.tie) {
    case lab::TieBreak::EarlierArrival:
        //: Equal keys settled by the earlier arrival. %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; sama, yang datang lebih dulu: %3").arg(time, list, chosen);
    case lab::TieBreak::ListOrder:
        //: Equal keys and equal arrivals settled by the place in the list.
        //: %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; sama, datang bersamaan, urutan daftar lebih dulu: %3")
            .arg(time, list, chosen);
    case lab::TieBreak::None:
    case lab::TieBreak::RunningKeeps:
        break;
    }
    switch (decision.keyKind) {
    case lab::KeyKind::Arrival:
        //: FCFS. %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; pertama datang: %3").arg(time, list, chosen);
    case lab::KeyKind::Burst:
        //: SJF. %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; terpendek: %3").arg(time, list, chosen);
    case lab::KeyKind::Remaining:
        //: SRTF. %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; sisa terpendek: %3").arg(time, list, chosen);
    case lab::KeyKind::Priority:
        //: %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; prioritas tertinggi: %3").arg(time, list, chosen);
    case lab::KeyKind::ResponseRatio:
        //: HRRN. %1 time, %2 ready list, %3 the chosen.
        return StepTexts::tr("t=%1: siap %2; rasio tertinggi: %3").arg(time, list, chosen);
    case lab::KeyKind::QueuePosition:
        break;
    }
    return {};
}

// The first segment that starts at or after this instant (segments are in time order and never
// empty).
std::vector<lab::Segment>::const_iterator firstSegmentFrom(const lab::Schedule &schedule, lab::Time time)
{
    return std::lower_bound(schedule.segments.begin(), schedule.segments.end(), time,
                            [](const lab::Segment &segment, lab::Time t) { return segment.start < t; });
}

// The process that ran up to this instant, if the processor was running one.
std::size_t processRunningUntil(const lab::Schedule &schedule, lab::Time time)
{
    const auto after = firstSegmentFrom(schedule, time);
    if (after == schedule.segments.begin())
        return lab::kNoProcess;
    const lab::Segment &before = *std::prev(after);
    if (before.kind != lab::SegmentKind::Run || before.end != time)
        return lab::kNoProcess;
    return before.process;
}

// Did a process arrive at the very instant the processor was freed by `previous` (and is it
// among the candidates)?
bool arrivalAsFreed(const lab::Workload &workload, const lab::Decision &decision,
                    std::size_t previous)
{
    if (previous == lab::kNoProcess)
        return false;
    return std::any_of(decision.candidates.begin(), decision.candidates.end(),
                       [&](const lab::Candidate &c) {
                           return c.process != previous && c.process < workload.size()
                               && workload[c.process].arrival == decision.time;
                       });
}

// Round robin: did a newcomer arrive at the very instant the running process's quantum ran out?
bool newcomerAtQuantumEnd(const lab::Workload &workload, const lab::Schedule &schedule,
                          const lab::Decision &decision)
{
    const std::size_t previous = processRunningUntil(schedule, decision.time);
    if (previous == lab::kNoProcess || previous >= schedule.processes.size()
        || schedule.processes[previous].completion <= decision.time) {
        return false;
    }
    return arrivalAsFreed(workload, decision, previous);
}

// The process holding the processor as a decision saw it: "P1 yang berjalan", or "P1 yang baru
// dimuat" when the switch that loaded it has just ended and it has not run yet.
QString holderPhrase(const lab::Workload &workload, const lab::Schedule &schedule,
                     const lab::Decision &decision, std::size_t holder)
{
    const QString name = processName(workload, holder);
    const auto after = firstSegmentFrom(schedule, decision.time);
    if (after != schedule.segments.begin()) {
        const lab::Segment &before = *std::prev(after);
        if (before.kind == lab::SegmentKind::Switch && before.end == decision.time
            && before.process == holder) {
            //: A process whose context switch has just ended, before it ran: %1 its name.
            return StepTexts::tr("%1 yang baru dimuat").arg(name);
        }
    }
    //: The process running on the processor: %1 its name.
    return StepTexts::tr("%1 yang berjalan").arg(name);
}

QString preemptText(const lab::Workload &workload, const lab::Schedule &schedule,
                    const lab::Decision &decision)
{
    const QString time = number(decision.time);
    const QString newcomer = processName(workload, decision.chosen);
    const QString running = processName(workload, decision.displaced);
    const QString holder = holderPhrase(workload, schedule, decision, decision.displaced);
    const lab::Candidate *newcomerKey = findCandidate(decision, decision.chosen);
    const lab::Candidate *runningKey = findCandidate(decision, decision.displaced);
    if (newcomerKey && runningKey) {
        const QString newcomerValue = keyText(decision.keyKind, *newcomerKey);
        const QString runningValue = keyText(decision.keyKind, *runningKey);
        switch (decision.tie) {
        case lab::TieBreak::EarlierArrival:
            //: Newcomers as good as each other: the earlier arrival takes the processor.
            //: %1 time, %2 the newcomer, %3 its key, %4 "P1 yang berjalan", %5 its key,
            //: %6 the running process's name.
            return StepTexts::tr("t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela; "
                                 "sama, yang datang lebih dulu: %2 berjalan")
                .arg(time, newcomer, newcomerValue, holder, runningValue, running);
        case lab::TieBreak::ListOrder:
            //: Newcomers as good as each other that arrived together: the earlier place in the
            //: list takes the processor. %1 time, %2 the newcomer, %3 its key,
            //: %4 "P1 yang berjalan", %5 its key, %6 the running process's name.
            return StepTexts::tr("t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela; "
                                 "sama, datang bersamaan, urutan daftar lebih dulu: %2 berjalan")
                .arg(time, newcomer, newcomerValue, holder, runningValue, running);
        case lab::TieBreak::None:
        case lab::TieBreak::RunningKeeps:
            break;
        }
        //: %1 time, %2 the newcomer, %3 its key (such as "sisa 1"), %4 "P1 yang berjalan",
        //: %5 its key, %6 the running process's name.
        return StepTexts::tr("t=%1: %2 (%3) lebih baik dari %4 (%5): %6 disela, %2 berjalan")
            .arg(time, newcomer, newcomerValue, holder, runningValue, running);
    }
    //: %1 time, %2 the newcomer, %3 "P1 yang berjalan", %4 the running process's name.
    return StepTexts::tr("t=%1: %2 lebih baik dari %3: %4 disela, %2 berjalan")
        .arg(time, newcomer, holder, running);
}

QString keepText(const lab::Workload &workload, const lab::Schedule &schedule,
                 const lab::Decision &decision)
{
    const QString time = number(decision.time);
    const std::size_t runningIndex =
        decision.displaced != lab::kNoProcess ? decision.displaced : decision.chosen;
    const lab::Candidate *runningKey = findCandidate(decision, runningIndex);
    std::size_t newcomerIndex = decision.chosen != runningIndex ? decision.chosen : lab::kNoProcess;
    if (newcomerIndex == lab::kNoProcess && runningKey) {
        // The newcomer is the latest arrival among the ready processes as good as the running
        // one (those that were waiting before can be as good too, but came earlier).
        lab::Time latest = -1;
        for (const lab::Candidate &candidate : decision.candidates) {
            if (candidate.process == runningIndex || candidate.key != runningKey->key
                || candidate.process >= workload.size()) {
                continue;
            }
            if (workload[candidate.process].arrival > latest) {
                latest = workload[candidate.process].arrival;
                newcomerIndex = candidate.process;
            }
        }
    }
    const QString running = processName(workload, runningIndex);
    const QString holder = holderPhrase(workload, schedule, decision, runningIndex);
    const lab::Candidate *newcomerKey =
        newcomerIndex == lab::kNoProcess ? nullptr : findCandidate(decision, newcomerIndex);
    if (newcomerKey && runningKey) {
        //: %1 time, %2 the newcomer, %3 its key (such as "sisa 2"), %4 "P1 yang berjalan",
        //: %5 its key, %6 the running process's name.
        return StepTexts::tr("t=%1: %2 (%3) sama dengan %4 (%5): %6 tetap berjalan")
            .arg(time, processName(workload, newcomerIndex),
                 keyText(decision.keyKind, *newcomerKey), holder,
                 keyText(decision.keyKind, *runningKey), running);
    }
    if (newcomerIndex != lab::kNoProcess) {
        //: %1 time, %2 the newcomer, %3 "P1 yang berjalan", %4 the running process's name.
        return StepTexts::tr("t=%1: %2 sama dengan %3: %4 tetap berjalan")
            .arg(time, processName(workload, newcomerIndex), holder, running);
    }
    //: %1 time, %2 the running process.
    return StepTexts::tr("t=%1: %2 tetap berjalan").arg(time, running);
}

} // namespace

lab::Rule priorityRule(const lab::Settings &settings)
{
    return settings.priorityOrder == lab::PriorityOrder::HighFirst ? lab::Rule::PriorityHighFirst
                                                                   : lab::Rule::PriorityLowFirst;
}

const lab::Segment *segmentStartingAt(const lab::Schedule &schedule, lab::Time time)
{
    const auto found = firstSegmentFrom(schedule, time);
    if (found == schedule.segments.end() || found->start != time)
        return nullptr;
    return &*found;
}

QString keyText(lab::KeyKind kind, const lab::Candidate &candidate)
{
    switch (kind) {
    case lab::KeyKind::Arrival:
        //: FCFS: a ready process's arrival time.
        return StepTexts::tr("datang %1").arg(number(candidate.key));
    case lab::KeyKind::Burst:
        //: SJF: a ready process's burst time.
        return StepTexts::tr("burst %1").arg(number(candidate.key));
    case lab::KeyKind::Remaining:
        //: SRTF: the time a process still has to run.
        return StepTexts::tr("sisa %1").arg(number(candidate.key));
    case lab::KeyKind::Priority:
        //: A ready process's priority number.
        return StepTexts::tr("prioritas %1").arg(number(candidate.key));
    case lab::KeyKind::ResponseRatio: {
        const lab::Time burst = candidate.key;
        const double ratio =
            burst > 0 ? double(candidate.waited + burst) / double(burst) : 0.0;
        const std::string separator = QLocale().decimalPoint().toStdString();
        //: HRRN: %1 the time waited, %2 the burst, %3 the ratio (waited + burst) / burst.
        return StepTexts::tr("rasio (%1+%2)/%2 = %3")
            .arg(number(candidate.waited), number(burst),
                 QString::fromStdString(lab::roundedText(ratio, separator)));
    }
    case lab::KeyKind::QueuePosition:
        break;
    }
    return {};
}

QString candidateText(const lab::Workload &workload, lab::KeyKind kind,
                      const lab::Candidate &candidate)
{
    const QString name = processName(workload, candidate.process);
    const QString key = keyText(kind, candidate);
    if (key.isEmpty())
        return name;
    //: A ready process and its key: %1 the name, %2 the key, such as "P2 (burst 3)".
    return StepTexts::tr("%1 (%2)").arg(name, key);
}

lab::Time switchAfter(const lab::Schedule &schedule, const lab::Decision &decision)
{
    if (decision.kind != lab::DecisionKind::Dispatch && decision.kind != lab::DecisionKind::Preempt)
        return 0;
    const lab::Segment *next = segmentStartingAt(schedule, decision.time);
    if (!next || next->kind != lab::SegmentKind::Switch || next->process != decision.chosen)
        return 0;
    return next->end - next->start;
}

QString decisionText(const lab::Workload &workload, const lab::Schedule &schedule,
                     const lab::Decision &decision)
{
    QString text;
    switch (decision.kind) {
    case lab::DecisionKind::Dispatch:
        text = dispatchText(workload, decision);
        break;
    case lab::DecisionKind::Preempt:
        text = preemptText(workload, schedule, decision);
        break;
    case lab::DecisionKind::Keep:
        return keepText(workload, schedule, decision);
    case lab::DecisionKind::Continue:
        //: Round Robin. %1 the time, %2 the process that goes on.
        return StepTexts::tr("t=%1: antrean kosong saat kuantum habis: %2 tetap berjalan")
            .arg(number(decision.time), processName(workload, decision.chosen));
    }
    const lab::Time switchTime = switchAfter(schedule, decision);
    if (switchTime > 0) {
        //: %1 is a decision's sentence, %n the length of the context switch that follows it.
        text = StepTexts::tr("%1, lalu context switch %n satuan waktu", nullptr, int(switchTime)).arg(text);
    }
    return text;
}

QString idleText(const lab::Segment &segment)
{
    //: %1 and %2 are the start and the end of the time the processor idles.
    return StepTexts::tr("t=%1-%2: tidak ada proses siap, CPU idle")
        .arg(number(segment.start), number(segment.end));
}

std::vector<Step> stepsOf(const lab::Schedule &schedule)
{
    // Both lists are in time order already: merged, decisions first at one instant.
    const std::vector<lab::Decision> &decisions = schedule.decisions;
    const std::vector<lab::Segment> &segments = schedule.segments;
    std::vector<Step> steps;
    steps.reserve(decisions.size());
    std::size_t d = 0;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (segments[i].kind != lab::SegmentKind::Idle)
            continue;
        for (; d < decisions.size() && decisions[d].time <= segments[i].start; ++d)
            steps.push_back({Step::Kind::Decision, decisions[d].time, d});
        steps.push_back({Step::Kind::Idle, segments[i].start, i});
    }
    for (; d < decisions.size(); ++d)
        steps.push_back({Step::Kind::Decision, decisions[d].time, d});
    // Lists made by hand may come in another order.
    const auto earlier = [](const Step &a, const Step &b) {
        if (a.time != b.time)
            return a.time < b.time;
        return a.kind == Step::Kind::Decision && b.kind == Step::Kind::Idle;
    };
    if (!std::is_sorted(steps.begin(), steps.end(), earlier))
        std::stable_sort(steps.begin(), steps.end(), earlier);
    return steps;
}

QString stepText(const lab::Workload &workload, const lab::Schedule &schedule, const Step &step)
{
    if (step.kind == Step::Kind::Idle) {
        return step.index < schedule.segments.size() ? idleText(schedule.segments[step.index])
                                                     : QString();
    }
    return step.index < schedule.decisions.size()
        ? decisionText(workload, schedule, schedule.decisions[step.index])
        : QString();
}

std::vector<lab::Rule> decidingRules(const lab::Workload &workload, const lab::Schedule &schedule,
                                     const lab::Decision &decision)
{
    std::vector<lab::Rule> rules;
    const lab::Settings &settings = schedule.settings;
    switch (decision.kind) {
    case lab::DecisionKind::Dispatch:
        if (arrivalAsFreed(workload, decision, processRunningUntil(schedule, decision.time)))
            rules.push_back(lab::Rule::ArrivalJoinsChoice);
        if (decision.keyKind == lab::KeyKind::QueuePosition) {
            rules.push_back(lab::Rule::RoundRobinFifo);
            if (newcomerAtQuantumEnd(workload, schedule, decision)) {
                rules.push_back(settings.roundRobinRule == lab::RoundRobinRule::PreemptedFirst
                                    ? lab::Rule::RoundRobinPreemptedFirst
                                    : lab::Rule::RoundRobinNewcomerFirst);
            }
            break;
        }
        if (decision.keyKind == lab::KeyKind::Priority)
            rules.push_back(priorityRule(settings));
        if (decision.keyKind == lab::KeyKind::ResponseRatio)
            rules.push_back(lab::Rule::HighestResponseRatio);
        if (decision.tie == lab::TieBreak::EarlierArrival || decision.tie == lab::TieBreak::ListOrder)
            rules.push_back(lab::Rule::TieEarlierArrival);
        break;
    case lab::DecisionKind::Preempt:
    case lab::DecisionKind::Keep:
        if (decision.keyKind == lab::KeyKind::Priority)
            rules.push_back(priorityRule(settings));
        rules.push_back(lab::Rule::PreemptStrictlyBetter);
        if (decision.tie == lab::TieBreak::EarlierArrival || decision.tie == lab::TieBreak::ListOrder)
            rules.push_back(lab::Rule::TieEarlierArrival);
        break;
    case lab::DecisionKind::Continue:
        rules.push_back(lab::Rule::RoundRobinLoneContinues);
        break;
    }
    if (switchAfter(schedule, decision) > 0)
        rules.push_back(lab::Rule::SwitchCost);
    return rules;
}

std::vector<lab::Rule> stepRules(const lab::Workload &workload, const lab::Schedule &schedule,
                                 const Step &step)
{
    if (step.kind == Step::Kind::Idle)
        return {lab::Rule::IdleUntilArrival};
    if (step.index >= schedule.decisions.size())
        return {};
    return decidingRules(workload, schedule, schedule.decisions[step.index]);
}

} // namespace labui
