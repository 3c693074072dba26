#include "ui/lab/ruletexts.h"

#include <QCoreApplication>
#include <QStringList>

namespace labui {

namespace {

class RuleTexts {
    Q_DECLARE_TR_FUNCTIONS(RuleTexts)

public:
    static QString describe(lab::Rule rule);
};

QString RuleTexts::describe(lab::Rule rule)
{
    switch (rule) {
    case lab::Rule::IdleUntilArrival:
        //: A scheduling rule: with no process ready the processor waits for the next arrival.
        return tr("Tidak ada proses siap: CPU idle sampai proses berikutnya datang");
    case lab::Rule::ArrivalJoinsChoice:
        //: A scheduling rule: a process arriving as the processor becomes free is a candidate.
        return tr("Proses yang datang tepat saat CPU bebas ikut dipilih");
    case lab::Rule::TieEarlierArrival:
        //: A scheduling rule: how equal keys (burst, remaining time, priority, ratio) are settled.
        return tr("Nilai sama: yang datang lebih dulu (waktu datang asli), lalu urutan daftar");
    case lab::Rule::PreemptStrictlyBetter:
        //: A scheduling rule of SRTF and preemptive priority.
        return tr("Proses baru menyela hanya jika lebih baik; jika sama, yang berjalan tetap berjalan");
    case lab::Rule::PriorityLowFirst:
        //: A scheduling rule: the default priority order.
        return tr("Angka prioritas lebih kecil = prioritas lebih tinggi");
    case lab::Rule::PriorityHighFirst:
        //: A scheduling rule: the other priority order.
        return tr("Angka prioritas lebih besar = prioritas lebih tinggi");
    case lab::Rule::RoundRobinFifo:
        //: Round Robin: "ekor" is the tail of the queue.
        return tr("Satu antrean FIFO: proses baru dan proses yang kuantumnya habis masuk di ekor antrean");
    case lab::Rule::RoundRobinNewcomerFirst:
        //: Round Robin: who queues first when a newcomer arrives as a quantum runs out.
        return tr("Proses baru yang datang tepat saat kuantum habis masuk antrean lebih dulu");
    case lab::Rule::RoundRobinPreemptedFirst:
        //: Round Robin: the other answer to who queues first.
        return tr("Proses yang kuantumnya habis masuk antrean sebelum proses baru yang datang saat itu");
    case lab::Rule::RoundRobinEarlyRelease:
        //: Round Robin: a process that finishes early.
        return tr("Proses yang selesai sebelum kuantumnya habis langsung melepas CPU");
    case lab::Rule::RoundRobinLoneContinues:
        //: Round Robin: the only ready process goes on without a switch.
        return tr("Antrean kosong saat kuantum habis: proses yang sama tetap berjalan");
    case lab::Rule::HighestResponseRatio:
        //: HRRN: the response ratio of a ready process.
        return tr("Rasio respons tertinggi dipilih: (waiting + burst) / burst");
    case lab::Rule::SwitchCost:
        //: A scheduling rule: dispatcher time on each change of process.
        return tr("Setiap pergantian proses memakan waktu context switch");
    }
    return {};
}

} // namespace

QString ruleName(lab::Rule rule)
{
    const std::string_view id = lab::ruleId(rule);
    return QString::fromUtf8(id.data(), qsizetype(id.size()));
}

QString ruleDescription(lab::Rule rule)
{
    return RuleTexts::describe(rule);
}

QString ruleDescription(lab::Rule rule, const lab::Settings &settings)
{
    if (rule == lab::Rule::SwitchCost) {
        //: %n is the switch cost in time units.
        return RuleTexts::tr("Setiap pergantian proses: context switch %n satuan waktu", nullptr,
                             int(settings.switchCost));
    }
    return RuleTexts::describe(rule);
}

QString ruleLine(lab::Rule rule, const lab::Settings &settings)
{
    //: %1 is a rule's description, %2 its short name such as tie-arrival-then-list.
    return RuleTexts::tr("%1 (%2)").arg(ruleDescription(rule, settings), ruleName(rule));
}

QStringList rulesInForceLines(const lab::Settings &settings)
{
    QStringList lines;
    for (lab::Rule rule : lab::rulesInForce(settings))
        lines.append(ruleLine(rule, settings));
    return lines;
}

} // namespace labui
