#include "ui/practice/mistaketexts.h"

#include "ui/lab/ruletexts.h"
#include "ui/lab/steptexts.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace practiceui {

namespace {

class MistakeTexts {
    Q_DECLARE_TR_FUNCTIONS(MistakeTexts)
};

QString number(lab::Time value)
{
    return QString::number(value);
}

using labui::findCandidate;
using labui::processName;

using labui::segmentStartingAt;

// The rule that orders priorities in this exercise, in words.
QString priorityOrderText(const lab::Settings &settings)
{
    return labui::ruleDescription(labui::priorityRule(settings));
}

// Why the given process could not be chosen at that instant, when it was not even ready.
QString notReadyText(const lab::Workload &workload, const lab::Schedule &solution, std::size_t given,
                     lab::Time time)
{
    if (given >= workload.size())
        return {};
    if (workload[given].arrival > time) {
        //: %1 a process, %2 its arrival time.
        return MistakeTexts::tr("%1 baru datang pada t=%2.").arg(processName(workload, given),
                                                                  number(workload[given].arrival));
    }
    if (given < solution.processes.size() && solution.processes[given].completion <= time) {
        //: %1 a process, %2 when it completed.
        return MistakeTexts::tr("%1 sudah selesai pada t=%2.").arg(processName(workload, given),
                                                                   number(solution.processes[given].completion));
    }
    return {};
}

// The processor given to `expected` by a dispatch, while the student gave it to `given`.
QString dispatchMistake(const lab::Workload &workload, const lab::Schedule &solution,
                        const lab::Decision &decision, std::size_t given)
{
    const QString time = number(decision.time);
    const QString chosen = processName(workload, decision.chosen);
    const QString other = processName(workload, given);
    if (decision.candidates.size() < 2) {
        //: %1 the time, %2 the only ready process, %3 the process the student put there.
        return MistakeTexts::tr("Pada t=%1 hanya %2 yang siap, jadi %2 berjalan, bukan %3.")
            .arg(time, chosen, other);
    }
    const QString list = readyList(workload, decision);
    if (decision.keyKind == lab::KeyKind::QueuePosition) {
        const std::vector<lab::Rule> rules = labui::decidingRules(workload, solution, decision);
        for (const lab::Rule rule : rules) {
            if (rule == lab::Rule::RoundRobinNewcomerFirst || rule == lab::Rule::RoundRobinPreemptedFirst) {
                //: Round Robin. %1 time, %2 the queue from its head, %3 the rule for a newcomer
                //: at the instant a quantum runs out, %4 the head, %5 the process the student put there.
                return MistakeTexts::tr("Pada t=%1 antrean %2 (%3); kepala antrean dipilih: %4, bukan %5.")
                    .arg(time, list, labui::ruleDescription(rule), chosen, other);
            }
        }
        //: Round Robin. %1 time, %2 the queue from its head, %3 the head, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 antrean %2; kepala antrean dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    }
    switch (decision.tie) {
    case lab::TieBreak::EarlierArrival:
        //: %1 time, %2 the ready processes with their keys, %3 the chosen, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 siap %2; sama, yang datang lebih dulu dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    case lab::TieBreak::ListOrder:
        //: %1 time, %2 the ready processes with their keys, %3 the chosen, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 siap %2; sama dan datang bersamaan, yang lebih dulu dalam daftar "
                                "dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    case lab::TieBreak::None:
    case lab::TieBreak::RunningKeeps:
        break;
    }
    switch (decision.keyKind) {
    case lab::KeyKind::Arrival:
        //: FCFS. %1 time, %2 ready list, %3 the chosen, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 siap %2; yang pertama datang dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    case lab::KeyKind::Burst:
        //: SJF. %1 time, %2 ready list, %3 the chosen, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 siap %2; burst terpendek dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    case lab::KeyKind::Remaining:
        //: SRTF. %1 time, %2 ready list, %3 the chosen, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 siap %2; sisa terpendek dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    case lab::KeyKind::Priority:
        //: %1 time, %2 ready list, %3 the chosen, %4 the student's process, %5 the priority order rule.
        return MistakeTexts::tr("Pada t=%1 siap %2; prioritas tertinggi dipilih: %3, bukan %4 (%5).")
            .arg(time, list, chosen, other, priorityOrderText(solution.settings));
    case lab::KeyKind::ResponseRatio:
        //: HRRN. %1 time, %2 ready list, %3 the chosen, %4 the student's process.
        return MistakeTexts::tr("Pada t=%1 siap %2; rasio respons tertinggi dipilih: %3, bukan %4.")
            .arg(time, list, chosen, other);
    case lab::KeyKind::QueuePosition:
        break;
    }
    return {};
}

QString preemptMistake(const lab::Workload &workload, const lab::Decision &decision, std::size_t given)
{
    const QString time = number(decision.time);
    const QString newcomer = processName(workload, decision.chosen);
    const QString running = processName(workload, decision.displaced);
    const QString other = processName(workload, given);
    const lab::Candidate *newcomerKey = findCandidate(decision, decision.chosen);
    const lab::Candidate *runningKey = findCandidate(decision, decision.displaced);
    if (newcomerKey && runningKey) {
        //: %1 time, %2 the newcomer, %3 its key (such as "sisa 1"), %4 the running process, %5 its
        //: key, %6 the process the student put there.
        return MistakeTexts::tr("Pada t=%1 %2 (%3) lebih baik dari %4 yang berjalan (%5): %4 disela, "
                                "%2 berjalan, bukan %6.")
            .arg(time, newcomer, labui::keyText(decision.keyKind, *newcomerKey), running,
                 labui::keyText(decision.keyKind, *runningKey), other);
    }
    //: %1 time, %2 the newcomer, %3 the running process, %4 the process the student put there.
    return MistakeTexts::tr("Pada t=%1 %2 lebih baik dari %3 yang berjalan: %3 disela, %2 berjalan, bukan %4.")
        .arg(time, newcomer, running, other);
}

QString wrongProcessText(const lab::Workload &workload, const lab::Schedule &solution,
                         const practice::FirstMistake &mistake)
{
    const QString expected = processName(workload, mistake.expected);
    const QString given = processName(workload, mistake.given);
    QString text;
    if (mistake.decision && *mistake.decision < solution.decisions.size()) {
        const lab::Decision &decision = solution.decisions[*mistake.decision];
        switch (decision.kind) {
        case lab::DecisionKind::Dispatch:
            text = dispatchMistake(workload, solution, decision, mistake.given);
            break;
        case lab::DecisionKind::Preempt:
            text = preemptMistake(workload, decision, mistake.given);
            break;
        case lab::DecisionKind::Continue:
            //: Round Robin. %1 time, %2 the process whose quantum ran out, %3 the student's process.
            text = MistakeTexts::tr("Pada t=%1 antrean kosong saat kuantum %2 habis: %2 tetap berjalan, bukan %3.")
                       .arg(number(decision.time), expected, given);
            break;
        case lab::DecisionKind::Keep:
            //: %1 the laboratory's sentence of the decision, %2 the process that runs, %3 the
            //: process the student put there.
            text = MistakeTexts::tr("%1; jadi %2 berjalan, bukan %3.")
                       .arg(labui::decisionText(workload, solution, decision), expected, given);
            break;
        }
    }
    if (text.isEmpty()) {
        //: %1 time, %2 the process that runs, %3 the process the student put there.
        text = MistakeTexts::tr("Pada t=%1 %2 berjalan, bukan %3.").arg(number(mistake.time), expected, given);
    }
    const QString why = notReadyText(workload, solution, mistake.given, mistake.time);
    if (!why.isEmpty()) {
        //: Two sentences: the decision, then why the student's process was not ready.
        text = MistakeTexts::tr("%1 %2").arg(text, why);
    }
    return text;
}

QString wrongEndText(const lab::Workload &workload, const lab::Schedule &solution,
                     const practice::FirstMistake &mistake)
{
    const QString piece = mistake.expected == lab::kNoProcess ? MistakeTexts::tr("idle")
                                                               : processName(workload, mistake.expected);
    const QString expectedEnd = number(mistake.expectedEnd);
    const QString givenEnd = number(mistake.givenEnd);
    if (mistake.givenEnd < mistake.expectedEnd) {
        // Ended too early: what kept the process on the processor at that instant.
        for (const lab::Decision &decision : solution.decisions) {
            if (decision.time == mistake.givenEnd
                && (decision.kind == lab::DecisionKind::Keep || decision.kind == lab::DecisionKind::Continue)) {
                //: %1 the process of the piece, %2 where it ends, %3 where the student ended it,
                //: %4 the laboratory's sentence of the decision that kept it running then.
                return MistakeTexts::tr("Potongan %1 berakhir pada t=%2, bukan t=%3. Keputusan pada t=%3: %4.")
                    .arg(piece, expectedEnd, givenEnd, labui::decisionText(workload, solution, decision));
            }
        }
        if (mistake.expected < solution.processes.size()
            && solution.processes[mistake.expected].completion == mistake.expectedEnd) {
            //: %1 the process, %2 when it completes, %3 where the student ended its piece.
            return MistakeTexts::tr("Potongan %1 berakhir pada t=%2, bukan t=%3: tidak ada yang menyela, %1 "
                                    "berjalan sampai selesai pada t=%2.")
                .arg(piece, expectedEnd, givenEnd);
        }
    }
    if (mistake.decision && *mistake.decision < solution.decisions.size()) {
        const lab::Decision &decision = solution.decisions[*mistake.decision];
        //: %1 the process of the piece, %2 where it ends, %3 where the student ended it, %4 the
        //: laboratory's sentence of the decision taken at that instant.
        return MistakeTexts::tr("Potongan %1 berakhir pada t=%2, bukan t=%3. Keputusan saat itu: %4.")
            .arg(piece, expectedEnd, givenEnd, labui::decisionText(workload, solution, decision));
    }
    if (mistake.expected < solution.processes.size()
        && solution.processes[mistake.expected].completion == mistake.expectedEnd) {
        //: %1 the process, %2 when it completes, %3 where the student ended its piece.
        return MistakeTexts::tr("Potongan %1 berakhir pada t=%2, bukan t=%3: pada t=%2 %1 selesai.")
            .arg(piece, expectedEnd, givenEnd);
    }
    //: %1 the process of the piece, %2 where it ends, %3 where the student ended it.
    return MistakeTexts::tr("Potongan %1 berakhir pada t=%2, bukan t=%3.").arg(piece, expectedEnd, givenEnd);
}

QString missingIdleText(const lab::Workload &workload, const lab::Schedule &solution,
                        const practice::FirstMistake &mistake)
{
    const lab::Segment *idle = segmentStartingAt(solution, mistake.time);
    QString text = idle ? labui::idleText(*idle)
                        //: %1 the time the processor idles from.
                        : MistakeTexts::tr("t=%1: tidak ada proses siap, CPU idle").arg(number(mistake.time));
    //: %1 the laboratory's sentence of the idle time, %2 the process the student ran there.
    text = MistakeTexts::tr("%1, bukan menjalankan %2.").arg(text, processName(workload, mistake.given));
    const QString why = notReadyText(workload, solution, mistake.given, mistake.time);
    return why.isEmpty() ? text : MistakeTexts::tr("%1 %2").arg(text, why);
}

QString extraIdleText(const lab::Workload &workload, const lab::Schedule &solution,
                      const practice::FirstMistake &mistake)
{
    if (mistake.decision && *mistake.decision < solution.decisions.size()) {
        //: %1 time, %2 the laboratory's sentence of the decision at that instant.
        return MistakeTexts::tr("Pada t=%1 CPU tidak idle: ada proses yang siap. Keputusan saat itu: %2.")
            .arg(number(mistake.time),
                 labui::decisionText(workload, solution, solution.decisions[*mistake.decision]));
    }
    //: %1 time, %2 the process that runs then.
    return MistakeTexts::tr("Pada t=%1 CPU tidak idle: %2 sudah siap dan berjalan.")
        .arg(number(mistake.time), processName(workload, mistake.expected));
}

QString missingSwitchText(const lab::Workload &workload, const lab::Schedule &solution,
                          const practice::FirstMistake &mistake)
{
    const lab::Segment *change = segmentStartingAt(solution, mistake.time);
    const lab::Time end = change ? change->end : mistake.time + solution.settings.switchCost;
    const std::size_t loaded = change && change->process != lab::kNoProcess ? change->process : mistake.expected;
    //: %1 time, %2 the process being loaded, %3 when the switch ends, %4 the switch rule in words.
    return MistakeTexts::tr("Pada t=%1 CPU berganti ke %2: context switch dulu sampai t=%3 (%4).")
        .arg(number(mistake.time), processName(workload, loaded), number(end),
             labui::ruleDescription(lab::Rule::SwitchCost, solution.settings));
}

QString extraSwitchText(const lab::Schedule &solution, const practice::FirstMistake &mistake)
{
    if (solution.settings.switchCost == 0) {
        //: %1 time.
        return MistakeTexts::tr("Pada t=%1 tidak ada context switch: biaya context switch soal ini 0.")
            .arg(number(mistake.time));
    }
    //: %1 time.
    return MistakeTexts::tr("Pada t=%1 tidak ada context switch: switch hanya terjadi saat CPU langsung "
                            "berganti dari satu proses ke proses lain.")
        .arg(number(mistake.time));
}

} // namespace

QString readyList(const lab::Workload &workload, const lab::Decision &decision)
{
    QStringList items;
    for (const lab::Candidate &candidate : decision.candidates)
        items.append(labui::candidateText(workload, decision.keyKind, candidate));
    if (decision.readyCount > decision.candidates.size()) {
        //: %1 how many more processes were ready than are listed.
        items.append(MistakeTexts::tr("%1 lainnya").arg(qulonglong(decision.readyCount - decision.candidates.size())));
    }
    if (items.size() < 2)
        return items.value(0);
    const QString last = items.takeLast();
    //: The end of a list: %1 the items before the last, joined by commas, %2 the last item.
    return MistakeTexts::tr("%1 dan %2").arg(items.join(MistakeTexts::tr(", ")), last);
}

QString mistakeText(const lab::Workload &workload, const lab::Schedule &solution,
                    const practice::FirstMistake &mistake)
{
    using Kind = practice::FirstMistake::Kind;
    switch (mistake.kind) {
    case Kind::WrongProcess:
        return wrongProcessText(workload, solution, mistake);
    case Kind::WrongEnd:
        return wrongEndText(workload, solution, mistake);
    case Kind::MissingIdle:
        return missingIdleText(workload, solution, mistake);
    case Kind::ExtraIdle:
        return extraIdleText(workload, solution, mistake);
    case Kind::MissingSwitch:
        return missingSwitchText(workload, solution, mistake);
    case Kind::ExtraSwitch:
        return extraSwitchText(solution, mistake);
    case Kind::TooShort:
        //: %1 where the student's schedule stops, %2 where the solution's ends.
        return MistakeTexts::tr("Jadwal berhenti pada t=%1, padahal CPU masih bekerja sampai t=%2.")
            .arg(number(mistake.time), number(solution.lastCompletion));
    case Kind::TooLong:
        //: %1 when the last process completes.
        return MistakeTexts::tr("Jadwal masih berlanjut setelah t=%1, padahal semua proses sudah selesai pada t=%1.")
            .arg(number(solution.lastCompletion));
    }
    return {};
}

QString markSymbol(practice::Mark mark)
{
    switch (mark) {
    case practice::Mark::Right: return QStringLiteral("\u2713");
    case practice::Mark::Wrong: return QStringLiteral("\u2717");
    case practice::Mark::FollowsFromSchedule: return QStringLiteral("\u2192");
    case practice::Mark::Missing: break;
    }
    return {};
}

QString markName(practice::Mark mark)
{
    switch (mark) {
    case practice::Mark::Right: return MistakeTexts::tr("benar");
    case practice::Mark::Wrong: return MistakeTexts::tr("salah");
    //: A wrong number that is what the student's own (wrong) schedule gives.
    case practice::Mark::FollowsFromSchedule: return MistakeTexts::tr("salah karena jadwal");
    case practice::Mark::Missing: break;
    }
    return MistakeTexts::tr("belum dijawab");
}

QString scoreText(int right, int total)
{
    //: The score of a checked answer: %1 right of %2.
    return MistakeTexts::tr("%1/%2 benar").arg(right).arg(total);
}

} // namespace practiceui
