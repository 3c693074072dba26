// The laboratory's decisions as sentences: every policy's key, every kind of decision and every
// tie rule on hand-made schedules (the exact Indonesian texts), the context switch and the idle
// pieces, the rules named for each decision, the rule lines, and the sentences of the engine's
// own schedules.
#include "common/testsupport.h"
#include "lab/schedule.h"
#include "ui/lab/ruletexts.h"
#include "ui/lab/steptexts.h"

#include <QLocale>

#include <tuple>

using lab::Candidate;
using lab::Decision;
using lab::DecisionKind;
using lab::KeyKind;
using lab::Rule;
using lab::Schedule;
using lab::Segment;
using lab::SegmentKind;
using lab::TieBreak;
using lab::Time;
using lab::Workload;

namespace {

// P1, P2, ... with the given arrivals and bursts (priority 0).
Workload namedWorkload(std::initializer_list<std::pair<Time, Time>> processes)
{
    Workload workload;
    for (const auto &[arrival, burst] : processes)
        workload.push_back({"P" + std::to_string(workload.size() + 1), arrival, burst, 0});
    return workload;
}

Decision decision(Time time, DecisionKind kind, KeyKind keyKind, std::size_t chosen,
                  std::vector<Candidate> candidates, TieBreak tie = TieBreak::None,
                  std::size_t displaced = lab::kNoProcess)
{
    Decision d;
    d.time = time;
    d.kind = kind;
    d.keyKind = keyKind;
    d.chosen = chosen;
    d.displaced = displaced;
    d.tie = tie;
    d.readyCount = candidates.size();
    d.candidates = std::move(candidates);
    return d;
}

QString text(const Workload &workload, const Decision &d, const Schedule &schedule = {})
{
    return labui::decisionText(workload, schedule, d);
}

std::vector<Rule> rules(const Workload &workload, const Decision &d, const Schedule &schedule = {})
{
    return labui::decidingRules(workload, schedule, d);
}

QStringList allStepTexts(const Workload &workload, const Schedule &schedule)
{
    QStringList texts;
    for (const labui::Step &step : labui::stepsOf(schedule))
        texts.append(labui::stepText(workload, schedule, step));
    return texts;
}

const Workload kFive = namedWorkload({{0, 5}, {1, 3}, {2, 8}, {3, 6}, {4, 2}});

} // namespace

class StepTextsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    // --- a dispatch under every policy ---------------------------------------------------------

    void fcfsNamesTheFirstArrival()
    {
        const Decision d = decision(0, DecisionKind::Dispatch, KeyKind::Arrival, 0, {{0, 0, 0}});
        QCOMPARE(text(kFive, d), QStringLiteral("t=0: siap P1 (datang 0); pertama datang: P1"));
    }

    void sjfNamesTheShortest()
    {
        const Decision d = decision(5, DecisionKind::Dispatch, KeyKind::Burst, 1,
                                    {{1, 3, 0}, {2, 8, 0}});
        QCOMPARE(text(kFive, d), QStringLiteral("t=5: siap P2 (burst 3), P3 (burst 8); terpendek: P2"));
    }

    void srtfNamesTheShortestRemaining()
    {
        const Decision d = decision(6, DecisionKind::Dispatch, KeyKind::Remaining, 1,
                                    {{1, 2, 0}, {3, 3, 0}});
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=6: siap P2 (sisa 2), P4 (sisa 3); sisa terpendek: P2"));
    }

    void priorityNamesTheHighest()
    {
        const Decision d = decision(4, DecisionKind::Dispatch, KeyKind::Priority, 3,
                                    {{3, 2, 0}, {0, 5, 0}});
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=4: siap P4 (prioritas 2), P1 (prioritas 5); prioritas tertinggi: P4"));
    }

    void hrrnShowsEachRatio()
    {
        const Decision d = decision(9, DecisionKind::Dispatch, KeyKind::ResponseRatio, 1,
                                    {{1, 3, 6}, {2, 8, 4}, {3, 6, 1}});
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=9: siap P2 (rasio (6+3)/3 = 3), P3 (rasio (4+8)/8 = 1.5), "
                                "P4 (rasio (1+6)/6 = 1.17); rasio tertinggi: P2"));
    }

    void hrrnRatioUsesTheLocaleDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        const Candidate c{2, 8, 4};
        QCOMPARE(labui::keyText(KeyKind::ResponseRatio, c), QStringLiteral("rasio (4+8)/8 = 1,5"));
        QCOMPARE(labui::candidateText(kFive, KeyKind::ResponseRatio, c),
                 QStringLiteral("P3 (rasio (4+8)/8 = 1,5)"));
    }

    void roundRobinListsTheQueue()
    {
        const Decision d = decision(4, DecisionKind::Dispatch, KeyKind::QueuePosition, 1,
                                    {{1, 0, 0}, {2, 1, 0}, {0, 2, 0}});
        QCOMPARE(text(kFive, d), QStringLiteral("t=4: antrean P2, P3, P1; kepala antrean: P2"));
    }

    // --- ties ----------------------------------------------------------------------------------

    void tieSettledByTheEarlierArrival()
    {
        const Decision d = decision(6, DecisionKind::Dispatch, KeyKind::Remaining, 1,
                                    {{1, 3, 0}, {3, 3, 0}}, TieBreak::EarlierArrival);
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=6: siap P2 (sisa 3), P4 (sisa 3); sama, yang datang lebih dulu: P2"));
        QCOMPARE(rules(kFive, d), std::vector<Rule>{Rule::TieEarlierArrival});
    }

    void tieSettledByTheListOrder()
    {
        const Workload together = namedWorkload({{0, 4}, {0, 4}});
        const Decision d = decision(0, DecisionKind::Dispatch, KeyKind::Burst, 0,
                                    {{0, 4, 0}, {1, 4, 0}}, TieBreak::ListOrder);
        QCOMPARE(text(together, d),
                 QStringLiteral("t=0: siap P1 (burst 4), P2 (burst 4); sama, datang bersamaan, "
                                "urutan daftar lebih dulu: P1"));
        QCOMPARE(rules(together, d), std::vector<Rule>{Rule::TieEarlierArrival});
    }

    void fcfsTieOfEqualArrivals()
    {
        const Workload together = namedWorkload({{2, 4}, {2, 1}});
        const Decision d = decision(2, DecisionKind::Dispatch, KeyKind::Arrival, 0,
                                    {{0, 2, 0}, {1, 2, 0}}, TieBreak::ListOrder);
        QCOMPARE(text(together, d),
                 QStringLiteral("t=2: siap P1 (datang 2), P2 (datang 2); sama, datang bersamaan, "
                                "urutan daftar lebih dulu: P1"));
    }

    void moreReadyThanListed()
    {
        Decision d = decision(5, DecisionKind::Dispatch, KeyKind::Burst, 1, {{1, 3, 0}, {2, 8, 0}});
        d.readyCount = 6;
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=5: siap P2 (burst 3), P3 (burst 8) … dan 4 lainnya; terpendek: P2"));
        d.readyCount = 2;
        QVERIFY(!text(kFive, d).contains(QStringLiteral("lainnya")));
    }

    // --- preemption, keeping, continuing -------------------------------------------------------

    void preemptByAStrictlyBetterNewcomer()
    {
        const Decision d = decision(2, DecisionKind::Preempt, KeyKind::Remaining, 2,
                                    {{2, 1, 0}, {0, 5, 0}}, TieBreak::None, 0);
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=2: P3 (sisa 1) lebih baik dari P1 yang berjalan (sisa 5): "
                                "P1 disela, P3 berjalan"));
        QCOMPARE(rules(kFive, d), std::vector<Rule>{Rule::PreemptStrictlyBetter});
    }

    void preemptTiesBetweenNewcomers()
    {
        const Decision byArrival = decision(4, DecisionKind::Preempt, KeyKind::Remaining, 2,
                                            {{2, 1, 0}, {3, 1, 0}, {0, 3, 0}},
                                            TieBreak::EarlierArrival, 0);
        QCOMPARE(text(kFive, byArrival),
                 QStringLiteral("t=4: P3 (sisa 1) lebih baik dari P1 yang berjalan (sisa 3): P1 "
                                "disela; sama, yang datang lebih dulu: P3 berjalan"));
        QCOMPARE(rules(kFive, byArrival),
                 (std::vector<Rule>{Rule::PreemptStrictlyBetter, Rule::TieEarlierArrival}));
    }

    void srtfScheduleWithNewcomersInAListOrderTie()
    {
        const Workload workload = namedWorkload({{0, 5}, {2, 1}, {2, 1}});
        lab::Settings settings;
        settings.policy = lab::Policy::Srtf;
        const Schedule schedule = lab::solve(workload, settings);
        QCOMPARE(allStepTexts(workload, schedule),
                 (QStringList{
                     QStringLiteral("t=0: siap P1 (sisa 5); sisa terpendek: P1"),
                     QStringLiteral("t=2: P2 (sisa 1) lebih baik dari P1 yang berjalan (sisa 3): P1 "
                                    "disela; sama, datang bersamaan, urutan daftar lebih dulu: P2 berjalan"),
                     QStringLiteral("t=3: siap P3 (sisa 1), P1 (sisa 3); sisa terpendek: P3"),
                     QStringLiteral("t=4: siap P1 (sisa 3); sisa terpendek: P1")}));
    }

    void preemptByABetterPriority()
    {
        Schedule schedule;
        schedule.settings.priorityOrder = lab::PriorityOrder::HighFirst;
        const Decision d = decision(3, DecisionKind::Preempt, KeyKind::Priority, 3,
                                    {{3, 7, 0}, {0, 4, 0}}, TieBreak::None, 0);
        QCOMPARE(text(kFive, d, schedule),
                 QStringLiteral("t=3: P4 (prioritas 7) lebih baik dari P1 yang berjalan "
                                "(prioritas 4): P1 disela, P4 berjalan"));
        QCOMPARE(rules(kFive, d, schedule),
                 (std::vector<Rule>{Rule::PriorityHighFirst, Rule::PreemptStrictlyBetter}));
    }

    void preemptWithoutTheRunningKeyListed()
    {
        const Decision d = decision(2, DecisionKind::Preempt, KeyKind::Remaining, 2, {{2, 1, 0}},
                                    TieBreak::None, 0);
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=2: P3 lebih baik dari P1 yang berjalan: P1 disela, P3 berjalan"));
    }

    void keepAsTheEngineRecordsIt()
    {
        // The running process is both chosen and displaced and is listed first; the equal
        // newcomer follows it, after an older process with the same key.
        const Workload workload = namedWorkload({{0, 5}, {1, 2}, {3, 2}});
        const Decision d = decision(3, DecisionKind::Keep, KeyKind::Remaining, 0,
                                    {{0, 2, 0}, {1, 2, 0}, {2, 2, 0}}, TieBreak::RunningKeeps, 0);
        QCOMPARE(text(workload, d),
                 QStringLiteral("t=3: P3 (sisa 2) sama dengan P1 yang berjalan (sisa 2): "
                                "P1 tetap berjalan"));
        QCOMPARE(rules(workload, d), std::vector<Rule>{Rule::PreemptStrictlyBetter});
    }

    void keepWithTheNewcomerAsChosen()
    {
        const Decision d = decision(3, DecisionKind::Keep, KeyKind::Remaining, 3,
                                    {{0, 2, 0}, {3, 2, 0}}, TieBreak::RunningKeeps, 0);
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=3: P4 (sisa 2) sama dengan P1 yang berjalan (sisa 2): "
                                "P1 tetap berjalan"));
    }

    void continueWithAnEmptyQueue()
    {
        const Decision d = decision(8, DecisionKind::Continue, KeyKind::QueuePosition, 0, {{0, 0, 0}});
        QCOMPARE(text(kFive, d),
                 QStringLiteral("t=8: antrean kosong saat kuantum habis: P1 tetap berjalan"));
        QCOMPARE(rules(kFive, d), std::vector<Rule>{Rule::RoundRobinLoneContinues});
    }

    // --- switches and idle time ----------------------------------------------------------------

    void aSwitchAfterTheDecisionIsMentioned()
    {
        Schedule schedule;
        schedule.settings.switchCost = 1;
        schedule.segments = {{0, 5, SegmentKind::Run, 0}, {5, 6, SegmentKind::Switch, 1},
                             {6, 9, SegmentKind::Run, 1}};
        const Decision d = decision(5, DecisionKind::Dispatch, KeyKind::Burst, 1,
                                    {{1, 3, 0}, {2, 8, 0}});
        QCOMPARE(labui::switchAfter(schedule, d), Time{1});
        QCOMPARE(text(kFive, d, schedule),
                 QStringLiteral("t=5: siap P2 (burst 3), P3 (burst 8); terpendek: P2, "
                                "lalu context switch 1 satuan waktu"));
        QCOMPARE(rules(kFive, d, schedule), std::vector<Rule>{Rule::SwitchCost});
    }

    void aSwitchAfterAPreemption()
    {
        Schedule schedule;
        schedule.segments = {{0, 2, SegmentKind::Run, 0}, {2, 4, SegmentKind::Switch, 2},
                             {4, 5, SegmentKind::Run, 2}};
        const Decision d = decision(2, DecisionKind::Preempt, KeyKind::Remaining, 2,
                                    {{2, 1, 0}, {0, 3, 0}}, TieBreak::None, 0);
        QCOMPARE(text(kFive, d, schedule),
                 QStringLiteral("t=2: P3 (sisa 1) lebih baik dari P1 yang berjalan (sisa 3): "
                                "P1 disela, P3 berjalan, lalu context switch 2 satuan waktu"));
    }

    void noSwitchMentionedWhereNoneFollows()
    {
        Schedule schedule;
        // After idle time the next process starts at once; a switch at another time or to
        // another process is not this decision's.
        schedule.segments = {{0, 3, SegmentKind::Run, 0}, {3, 5, SegmentKind::Idle, lab::kNoProcess},
                             {5, 8, SegmentKind::Run, 1}, {8, 9, SegmentKind::Switch, 2}};
        const Decision atIdleEnd = decision(5, DecisionKind::Dispatch, KeyKind::Burst, 1, {{1, 3, 0}});
        QCOMPARE(labui::switchAfter(schedule, atIdleEnd), Time{0});
        QCOMPARE(text(kFive, atIdleEnd, schedule), QStringLiteral("t=5: siap P2 (burst 3); terpendek: P2"));
        const Decision other = decision(8, DecisionKind::Dispatch, KeyKind::Burst, 3, {{3, 6, 0}});
        QCOMPARE(labui::switchAfter(schedule, other), Time{0});
        const Decision keep = decision(8, DecisionKind::Keep, KeyKind::Remaining, 2,
                                       {{2, 1, 0}, {3, 1, 0}}, TieBreak::RunningKeeps, 2);
        QCOMPARE(labui::switchAfter(schedule, keep), Time{0});
    }

    void idlePieces()
    {
        const Segment idle{7, 9, SegmentKind::Idle, lab::kNoProcess};
        QCOMPARE(labui::idleText(idle), QStringLiteral("t=7-9: tidak ada proses siap, CPU idle"));
    }

    void stepsInTimeOrderWithIdlePieces()
    {
        Schedule schedule;
        schedule.segments = {{0, 3, SegmentKind::Run, 0}, {3, 7, SegmentKind::Idle, lab::kNoProcess},
                             {7, 9, SegmentKind::Run, 1}, {9, 12, SegmentKind::Idle, lab::kNoProcess},
                             {12, 13, SegmentKind::Run, 2}};
        schedule.decisions = {decision(0, DecisionKind::Dispatch, KeyKind::Arrival, 0, {{0, 0, 0}}),
                              decision(7, DecisionKind::Dispatch, KeyKind::Arrival, 1, {{1, 7, 0}}),
                              decision(12, DecisionKind::Dispatch, KeyKind::Arrival, 2, {{2, 12, 0}})};
        const Workload workload = namedWorkload({{0, 3}, {7, 2}, {12, 1}});
        const std::vector<labui::Step> steps = labui::stepsOf(schedule);
        using Kind = labui::Step::Kind;
        QCOMPARE(steps, (std::vector<labui::Step>{{Kind::Decision, 0, 0}, {Kind::Idle, 3, 1},
                                                  {Kind::Decision, 7, 1}, {Kind::Idle, 9, 3},
                                                  {Kind::Decision, 12, 2}}));
        QCOMPARE(allStepTexts(workload, schedule),
                 (QStringList{QStringLiteral("t=0: siap P1 (datang 0); pertama datang: P1"),
                              QStringLiteral("t=3-7: tidak ada proses siap, CPU idle"),
                              QStringLiteral("t=7: siap P2 (datang 7); pertama datang: P2"),
                              QStringLiteral("t=9-12: tidak ada proses siap, CPU idle"),
                              QStringLiteral("t=12: siap P3 (datang 12); pertama datang: P3")}));
        QCOMPARE(labui::stepRules(workload, schedule, steps[1]),
                 std::vector<Rule>{Rule::IdleUntilArrival});
    }

    // --- the rules named for a decision --------------------------------------------------------

    void rulesOfEachKeyedPolicy()
    {
        Schedule low;
        const Decision priority = decision(0, DecisionKind::Dispatch, KeyKind::Priority, 0, {{0, 1, 0}});
        QCOMPARE(rules(kFive, priority, low), std::vector<Rule>{Rule::PriorityLowFirst});
        const Decision hrrn = decision(0, DecisionKind::Dispatch, KeyKind::ResponseRatio, 0, {{0, 5, 0}});
        QCOMPARE(rules(kFive, hrrn), std::vector<Rule>{Rule::HighestResponseRatio});
        const Decision sjf = decision(0, DecisionKind::Dispatch, KeyKind::Burst, 0, {{0, 5, 0}});
        QVERIFY(rules(kFive, sjf).empty());
    }

    void anArrivalAsTheProcessorIsFreedJoinsTheChoice()
    {
        // P1 (0, 3) finishes at 3 as P3 (3, 1) arrives: P3 is chosen with P2.
        const Workload workload = namedWorkload({{0, 3}, {1, 4}, {3, 1}});
        Schedule schedule;
        schedule.segments = {{0, 3, SegmentKind::Run, 0}, {3, 4, SegmentKind::Run, 2}};
        const Decision d = decision(3, DecisionKind::Dispatch, KeyKind::Burst, 2, {{2, 1, 0}, {1, 4, 0}});
        QCOMPARE(rules(workload, d, schedule), std::vector<Rule>{Rule::ArrivalJoinsChoice});
        // After idle time the arrival is simply the next one: no such rule.
        schedule.segments = {{0, 3, SegmentKind::Idle, lab::kNoProcess}, {3, 4, SegmentKind::Run, 2}};
        QVERIFY(rules(workload, d, schedule).empty());
    }

    void roundRobinRuleAtAQuantumsEnd_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("expected");
        QTest::newRow("newcomer first") << int(lab::RoundRobinRule::NewcomerFirst)
                                        << int(Rule::RoundRobinNewcomerFirst);
        QTest::newRow("preempted first") << int(lab::RoundRobinRule::PreemptedFirst)
                                         << int(Rule::RoundRobinPreemptedFirst);
    }

    void roundRobinRuleAtAQuantumsEnd()
    {
        QFETCH(int, rule);
        QFETCH(int, expected);
        // P1 (0, 5) runs 0-2 with q = 2; P2 arrives at 2 as its quantum runs out.
        const Workload workload = namedWorkload({{0, 5}, {2, 3}});
        Schedule schedule;
        schedule.settings.policy = lab::Policy::RoundRobin;
        schedule.settings.roundRobinRule = lab::RoundRobinRule(rule);
        schedule.processes.resize(2);
        schedule.processes[0].completion = 8;
        schedule.processes[1].completion = 7;
        schedule.segments = {{0, 2, SegmentKind::Run, 0}, {2, 4, SegmentKind::Run, 1}};
        const Decision d = decision(2, DecisionKind::Dispatch, KeyKind::QueuePosition, 1,
                                    {{1, 0, 0}, {0, 1, 0}});
        QCOMPARE(rules(workload, d, schedule),
                 (std::vector<Rule>{Rule::ArrivalJoinsChoice, Rule::RoundRobinFifo, Rule(expected)}));

        // A process that finished at that instant had no quantum run out: no queueing rule.
        schedule.processes[0].completion = 2;
        QCOMPARE(rules(workload, d, schedule),
                 (std::vector<Rule>{Rule::ArrivalJoinsChoice, Rule::RoundRobinFifo}));
    }

    // --- the rules in words --------------------------------------------------------------------

    void everyRuleHasADescriptionAndItsShortName()
    {
        const lab::Settings settings;
        for (int i = 0; i <= int(Rule::SwitchCost); ++i) {
            const Rule rule = Rule(i);
            const QString name = labui::ruleName(rule);
            QVERIFY2(!name.isEmpty(), qPrintable(QString::number(i)));
            QCOMPARE(name, QString::fromUtf8(lab::ruleId(rule).data(), qsizetype(lab::ruleId(rule).size())));
            QVERIFY(!labui::ruleDescription(rule).isEmpty());
            QCOMPARE(labui::ruleLine(rule, settings),
                     labui::ruleDescription(rule, settings) + QStringLiteral(" (") + name
                         + QStringLiteral(")"));
        }
        QCOMPARE(labui::ruleLine(Rule::TieEarlierArrival, settings),
                 QStringLiteral("Nilai sama: yang datang lebih dulu (waktu datang asli), lalu "
                                "urutan daftar (tie-arrival-then-list)"));
    }

    void theSwitchRuleTellsTheCost()
    {
        lab::Settings settings;
        settings.switchCost = 3;
        QCOMPARE(labui::ruleDescription(Rule::SwitchCost, settings),
                 QStringLiteral("Setiap pergantian proses: context switch 3 satuan waktu"));
    }

    void rulesInForceInTheEnginesOrder()
    {
        lab::Settings settings;
        settings.policy = lab::Policy::RoundRobin;
        const std::vector<Rule> inForce = lab::rulesInForce(settings);
        const QStringList lines = labui::rulesInForceLines(settings);
        QCOMPARE(lines.size(), qsizetype(inForce.size()));
        for (std::size_t i = 0; i < inForce.size(); ++i)
            QVERIFY(lines[qsizetype(i)].endsWith(QStringLiteral("(") + labui::ruleName(inForce[i]) + QStringLiteral(")")));
    }

    // --- the engine's own schedules ------------------------------------------------------------

    void srtfScheduleWithAKeepAndIdleTime()
    {
        // P1 has 2 left when P2 (burst 2) arrives at 3: P1 keeps the processor.
        const Workload workload = namedWorkload({{0, 5}, {3, 2}, {9, 1}});
        lab::Settings settings;
        settings.policy = lab::Policy::Srtf;
        const Schedule schedule = lab::solve(workload, settings);
        QCOMPARE(allStepTexts(workload, schedule),
                 (QStringList{
                     QStringLiteral("t=0: siap P1 (sisa 5); sisa terpendek: P1"),
                     QStringLiteral("t=3: P2 (sisa 2) sama dengan P1 yang berjalan (sisa 2): P1 tetap berjalan"),
                     QStringLiteral("t=5: siap P2 (sisa 2); sisa terpendek: P2"),
                     QStringLiteral("t=7-9: tidak ada proses siap, CPU idle"),
                     QStringLiteral("t=9: siap P3 (sisa 1); sisa terpendek: P3")}));
    }

    void srtfScheduleWithAPreemptionAndSwitches()
    {
        const Workload workload = namedWorkload({{0, 6}, {2, 1}});
        lab::Settings settings;
        settings.policy = lab::Policy::Srtf;
        settings.switchCost = 1;
        const Schedule schedule = lab::solve(workload, settings);
        QCOMPARE(allStepTexts(workload, schedule),
                 (QStringList{
                     QStringLiteral("t=0: siap P1 (sisa 6); sisa terpendek: P1"),
                     QStringLiteral("t=2: P2 (sisa 1) lebih baik dari P1 yang berjalan (sisa 4): "
                                    "P1 disela, P2 berjalan, lalu context switch 1 satuan waktu"),
                     QStringLiteral("t=4: siap P1 (sisa 4); sisa terpendek: P1, lalu context "
                                    "switch 1 satuan waktu")}));
    }

    void aProcessJustLoadedIsPreemptedBeforeItRuns()
    {
        // P3 arrives at 3, during the switch that loads P2 (2-4): it counts as arriving at 4,
        // where it is better than P2, which has not run yet.
        const Workload workload = namedWorkload({{0, 2}, {0, 4}, {3, 1}});
        lab::Settings settings;
        settings.policy = lab::Policy::Srtf;
        settings.switchCost = 2;
        const Schedule schedule = lab::solve(workload, settings);
        QCOMPARE(allStepTexts(workload, schedule),
                 (QStringList{
                     QStringLiteral("t=0: siap P1 (sisa 2), P2 (sisa 4); sisa terpendek: P1"),
                     QStringLiteral("t=2: siap P2 (sisa 4); sisa terpendek: P2, lalu context "
                                    "switch 2 satuan waktu"),
                     QStringLiteral("t=4: P3 (sisa 1) lebih baik dari P2 yang baru dimuat (sisa 4): "
                                    "P2 disela, P3 berjalan, lalu context switch 2 satuan waktu"),
                     QStringLiteral("t=7: siap P2 (sisa 4); sisa terpendek: P2, lalu context "
                                    "switch 2 satuan waktu")}));
    }

    void aProcessJustLoadedKeepsTheProcessorFromAnEqualNewcomer()
    {
        Schedule schedule;
        schedule.segments = {{0, 2, SegmentKind::Run, 0}, {2, 3, SegmentKind::Switch, 1},
                             {3, 7, SegmentKind::Run, 1}};
        const Decision d = decision(3, DecisionKind::Keep, KeyKind::Remaining, 1,
                                    {{1, 4, 0}, {4, 4, 0}}, TieBreak::RunningKeeps, 1);
        const Workload workload = namedWorkload({{0, 2}, {0, 4}, {9, 9}, {9, 9}, {3, 4}});
        QCOMPARE(text(workload, d, schedule),
                 QStringLiteral("t=3: P5 (sisa 4) sama dengan P2 yang baru dimuat (sisa 4): "
                                "P2 tetap berjalan"));
    }

    void roundRobinScheduleContinuesAlone()
    {
        const Workload workload = namedWorkload({{0, 3}, {4, 1}});
        lab::Settings settings;
        settings.policy = lab::Policy::RoundRobin;
        settings.quantum = 2;
        const Schedule schedule = lab::solve(workload, settings);
        QCOMPARE(allStepTexts(workload, schedule),
                 (QStringList{QStringLiteral("t=0: antrean P1; kepala antrean: P1"),
                              QStringLiteral("t=2: antrean kosong saat kuantum habis: P1 tetap berjalan"),
                              QStringLiteral("t=3-4: tidak ada proses siap, CPU idle"),
                              QStringLiteral("t=4: antrean P2; kepala antrean: P2")}));
    }

    void hrrnScheduleOfTheWorkedExample()
    {
        lab::Settings settings;
        settings.policy = lab::Policy::Hrrn;
        const Schedule schedule = lab::solve(kFive, settings);
        // At 5 every other process is waiting: P2 (waited 4, burst 3) has the highest ratio.
        const QStringList texts = allStepTexts(kFive, schedule);
        QCOMPARE(texts.size(), 5);
        QCOMPARE(texts[1],
                 QStringLiteral("t=5: siap P2 (rasio (4+3)/3 = 2.33), P5 (rasio (1+2)/2 = 1.5), "
                                "P3 (rasio (3+8)/8 = 1.38), P4 (rasio (2+6)/6 = 1.33); "
                                "rasio tertinggi: P2"));
    }
};

QUORVEL_TEST_MAIN(StepTextsTest)
#include "tst_steptexts.moc"
