// The words of checking: the first mistake of a schedule explained from the engine's decision in
// the laboratory's terms, and the names and symbols of the marks.

#include "common/testsupport.h"
#include "lab/labtest.h"
#include "lab/schedule.h"
#include "practice/answer.h"
#include "ui/lab/steptexts.h"
#include "ui/practice/mistaketexts.h"

namespace {

using labtest::settingsOf;

lab::Workload workload(std::initializer_list<std::array<lab::Time, 3>> rows)
{
    lab::Workload result;
    int number = 1;
    for (const auto &row : rows)
        result.push_back({"P" + std::to_string(number++), row[0], row[1], row[2]});
    return result;
}

struct Checked {
    lab::Workload workload;
    lab::Schedule solution;
    practice::CheckResult result;
};

Checked checkSchedule(const lab::Workload &processes, const lab::Settings &settings, const char *typed)
{
    Checked checked{processes, lab::solve(processes, settings), {}};
    practice::Answer answer;
    const practice::ParsedSegments parsed = practice::parseSegments(typed, processes);
    if (parsed.error)
        qFatal("the answer \"%s\" does not parse", typed);
    answer.segments = parsed.segments;
    checked.result = practice::check(checked.workload, checked.solution, answer);
    return checked;
}

QString explain(const Checked &checked)
{
    if (!checked.result.firstMistake)
        return QStringLiteral("(no mistake)");
    return practiceui::mistakeText(checked.workload, checked.solution, *checked.result.firstMistake);
}

} // namespace

class MistakeTextsTest : public QObject {
    Q_OBJECT

private slots:
    void aTieSettledByTheEarlierArrival();
    void aTieSettledByTheListOrder();
    void theShortestBurstAmongThree();
    void aPieceThatShouldHaveBeenPreempted();
    void aRoundRobinQuantumRunsOut();
    void aRunningProcessKeepsTheProcessorOnATie();
    void aNonPreemptiveProcessRunsToTheEnd();
    void idleTimeLeftOut();
    void aContextSwitchLeftOut();
    void aSwitchThatIsNone();
    void aScheduleThatStopsEarly();
    void aProcessThatHadNotArrived();
    void marksAndScore();
};

void MistakeTextsTest::aTieSettledByTheEarlierArrival()
{
    // P1 runs to 6 (SRTF: P2 and P4 arrive with remaining 3 against its 3 and 2); then P2 and P4
    // both have 3 left and P2 came first.
    const Checked checked = checkSchedule(workload({{0, 6, 0}, {3, 3, 0}, {20, 1, 0}, {4, 3, 0}}),
                                          settingsOf(lab::Policy::Srtf), "P1 0-6, P4 6-9, P2 9-12, idle 12-20, P3 20-21");
    QCOMPARE(explain(checked),
             QStringLiteral("Pada t=6 siap P2 (sisa 3) dan P4 (sisa 3); sama, yang datang lebih dulu dipilih: P2, bukan P4."));
}

void MistakeTextsTest::aTieSettledByTheListOrder()
{
    const Checked checked = checkSchedule(workload({{0, 2, 0}, {0, 2, 0}}), settingsOf(lab::Policy::Fcfs), "P2 0-2, P1 2-4");
    QCOMPARE(explain(checked),
             QStringLiteral("Pada t=0 siap P1 (datang 0) dan P2 (datang 0); sama dan datang bersamaan, yang lebih dulu "
                            "dalam daftar dipilih: P1, bukan P2."));
}

void MistakeTextsTest::theShortestBurstAmongThree()
{
    const Checked checked = checkSchedule(workload({{0, 3, 0}, {1, 5, 0}, {1, 2, 0}, {2, 4, 0}}), settingsOf(lab::Policy::Sjf),
                                          "P1 0-3, P2 3-8, P3 8-10, P4 10-14");
    QCOMPARE(explain(checked),
             QStringLiteral("Pada t=3 siap P3 (burst 2), P4 (burst 4) dan P2 (burst 5); burst terpendek dipilih: P3, bukan P2."));
}

void MistakeTextsTest::aPieceThatShouldHaveBeenPreempted()
{
    const Checked checked = checkSchedule(workload({{0, 5, 0}, {1, 2, 0}}), settingsOf(lab::Policy::Srtf), "P1 0-5, P2 5-7");
    const QString text = explain(checked);
    QVERIFY2(text.startsWith(QStringLiteral("Potongan P1 berakhir pada t=1, bukan t=5.")), qPrintable(text));
    // The decision at that instant, in the laboratory's own words.
    QVERIFY(checked.result.firstMistake->decision);
    const lab::Decision &decision = checked.solution.decisions[*checked.result.firstMistake->decision];
    QCOMPARE(decision.kind, lab::DecisionKind::Preempt);
    QVERIFY2(text.contains(labui::decisionText(checked.workload, checked.solution, decision)), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("P2 (sisa 2) lebih baik dari P1 yang berjalan (sisa 4)")));
}

void MistakeTextsTest::aRoundRobinQuantumRunsOut()
{
    const Checked checked = checkSchedule(workload({{0, 4, 0}, {1, 2, 0}}), settingsOf(lab::Policy::RoundRobin, 2),
                                          "P1 0-4, P2 4-6");
    const QString text = explain(checked);
    QVERIFY2(text.startsWith(QStringLiteral("Potongan P1 berakhir pada t=2, bukan t=4.")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("kepala antrean: P2")), qPrintable(text));
}

void MistakeTextsTest::aRunningProcessKeepsTheProcessorOnATie()
{
    // SRTF: at 2 P2 arrives with 2 to run, as many as P1 has left; P1 keeps the processor.
    const Checked checked = checkSchedule(workload({{0, 4, 0}, {2, 2, 0}}), settingsOf(lab::Policy::Srtf),
                                          "P1 0-2, P2 2-4, P1 4-6");
    QCOMPARE(explain(checked),
             QStringLiteral("Potongan P1 berakhir pada t=4, bukan t=2. Keputusan pada t=2: "
                            "t=2: P2 (sisa 2) sama dengan P1 yang berjalan (sisa 2): P1 tetap berjalan."));
}

void MistakeTextsTest::aNonPreemptiveProcessRunsToTheEnd()
{
    const Checked checked = checkSchedule(workload({{0, 5, 0}, {1, 2, 0}}), settingsOf(lab::Policy::Sjf),
                                          "P1 0-3, P2 3-5, P1 5-7");
    QCOMPARE(explain(checked),
             QStringLiteral("Potongan P1 berakhir pada t=5, bukan t=3: tidak ada yang menyela, P1 berjalan sampai "
                            "selesai pada t=5."));
}

void MistakeTextsTest::idleTimeLeftOut()
{
    const Checked checked = checkSchedule(workload({{0, 2, 0}, {5, 3, 0}}), settingsOf(lab::Policy::Fcfs), "P1 0-2, P2 2-5");
    QCOMPARE(explain(checked),
             QStringLiteral("t=2-5: tidak ada proses siap, CPU idle, bukan menjalankan P2. P2 baru datang pada t=5."));
}

void MistakeTextsTest::aContextSwitchLeftOut()
{
    const Checked checked = checkSchedule(workload({{0, 2, 0}, {0, 2, 0}}), settingsOf(lab::Policy::Fcfs, 2, 1),
                                          "P1 0-2, P2 2-4");
    QCOMPARE(explain(checked),
             QStringLiteral("Pada t=2 CPU berganti ke P2: context switch dulu sampai t=3 "
                            "(Setiap pergantian proses: context switch 1 satuan waktu)."));
}

void MistakeTextsTest::aSwitchThatIsNone()
{
    const Checked checked = checkSchedule(workload({{0, 2, 0}, {0, 2, 0}}), settingsOf(lab::Policy::Fcfs),
                                          "P1 0-2, switch 2-3, P2 3-5");
    QCOMPARE(explain(checked), QStringLiteral("Pada t=2 tidak ada context switch: biaya context switch soal ini 0."));
}

void MistakeTextsTest::aScheduleThatStopsEarly()
{
    const Checked checked = checkSchedule(workload({{0, 2, 0}, {2, 3, 0}}), settingsOf(lab::Policy::Fcfs), "P1 0-2");
    QCOMPARE(explain(checked), QStringLiteral("Jadwal berhenti pada t=2, padahal CPU masih bekerja sampai t=5."));
}

void MistakeTextsTest::aProcessThatHadNotArrived()
{
    // Only P1 is ready at 0; P2 comes at 3.
    const Checked checked = checkSchedule(workload({{0, 4, 0}, {3, 1, 0}}), settingsOf(lab::Policy::Fcfs), "P2 0-1, P1 1-5");
    QCOMPARE(explain(checked),
             QStringLiteral("Pada t=0 hanya P1 yang siap, jadi P1 berjalan, bukan P2. P2 baru datang pada t=3."));
}

void MistakeTextsTest::marksAndScore()
{
    QCOMPARE(practiceui::markSymbol(practice::Mark::Right), QStringLiteral("\u2713"));
    QCOMPARE(practiceui::markSymbol(practice::Mark::Wrong), QStringLiteral("\u2717"));
    QCOMPARE(practiceui::markSymbol(practice::Mark::FollowsFromSchedule), QStringLiteral("\u2192"));
    QVERIFY(practiceui::markSymbol(practice::Mark::Missing).isEmpty());
    QCOMPARE(practiceui::markName(practice::Mark::Right), QStringLiteral("benar"));
    QCOMPARE(practiceui::markName(practice::Mark::Wrong), QStringLiteral("salah"));
    QCOMPARE(practiceui::markName(practice::Mark::FollowsFromSchedule), QStringLiteral("salah karena jadwal"));
    QCOMPARE(practiceui::markName(practice::Mark::Missing), QStringLiteral("belum dijawab"));
    QCOMPARE(practiceui::scoreText(12, 15), QStringLiteral("12/15 benar"));
}

QUORVEL_TEST_MAIN(MistakeTextsTest)
#include "tst_mistaketexts.moc"
