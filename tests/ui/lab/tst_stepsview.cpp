// The "Langkah" list as a user meets it: the sentences of a schedule in time order with the idle
// pieces at their place, named for screen readers, the rules behind each line, and the time of
// the line chosen with the keyboard or the mouse (and the chosen line let go again).
#include "common/testsupport.h"
#include "lab/random.h"
#include "lab/schedule.h"
#include "ui/lab/ruletexts.h"
#include "ui/lab/stepsview.h"

#include <QAccessible>
#include <QItemSelectionModel>
#include <QListView>
#include <QSignalSpy>

using labui::StepsView;

namespace {

// P1 has 2 left when P2 (burst 2) arrives at 3 and keeps the processor; the processor idles
// from 7 to 9, when P3 arrives.
lab::Workload keepAndIdle()
{
    return {{"P1", 0, 5, 0}, {"P2", 3, 2, 0}, {"P3", 9, 1, 0}};
}

lab::Schedule srtf(const lab::Workload &workload)
{
    lab::Settings settings;
    settings.policy = lab::Policy::Srtf;
    return lab::solve(workload, settings);
}

const QStringList kKeepAndIdleSteps{
    QStringLiteral("t=0: siap P1 (sisa 5); sisa terpendek: P1"),
    QStringLiteral("t=3: P2 (sisa 2) sama dengan P1 yang berjalan (sisa 2): P1 tetap berjalan"),
    QStringLiteral("t=5: siap P2 (sisa 2); sisa terpendek: P2"),
    QStringLiteral("t=7-9: tidak ada proses siap, CPU idle"),
    QStringLiteral("t=9: siap P3 (sisa 1); sisa terpendek: P3"),
};

QStringList shownTexts(const QListView *list)
{
    QStringList texts;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        texts.append(list->model()->index(row, 0).data().toString());
    return texts;
}

} // namespace

class StepsViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StepsView> m_view;
    QListView *m_list = nullptr;

private slots:
    void init()
    {
        m_view = std::make_unique<StepsView>();
        m_view->resize(600, 300);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_list = m_view->findChild<QListView *>(QStringLiteral("labSteps"));
        QVERIFY(m_list);
    }

    void cleanup() { m_view.reset(); }

    // --- what the list shows -------------------------------------------------------------------

    void oneNamedListOfTheSteps()
    {
        QCOMPARE(m_view->findChildren<QObject *>(QStringLiteral("labSteps")).size(), 1);
        QCOMPARE(m_list->accessibleName(), QStringLiteral("Langkah"));
        QCOMPARE(m_list->model()->rowCount(), 0);
        const lab::Workload workload = keepAndIdle();
        m_view->showSteps(workload, srtf(workload));
        QCOMPARE(shownTexts(m_list), kKeepAndIdleSteps);
    }

    void screenReadersReadEachLineAndItsRules()
    {
        const lab::Workload workload = keepAndIdle();
        m_view->showSteps(workload, srtf(workload));
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(m_list);
        QVERIFY(list);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Langkah"));
        QAccessibleTableInterface *table = list->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 5);
        QAccessibleInterface *keep = table->cellAt(1, 0);
        QVERIFY(keep);
        QCOMPARE(keep->text(QAccessible::Name), kKeepAndIdleSteps[1]);
        const QString rules = keep->text(QAccessible::Description);
        QVERIFY2(rules.contains(labui::ruleName(lab::Rule::PreemptStrictlyBetter)), qPrintable(rules));
        QVERIFY(rules.contains(labui::ruleDescription(lab::Rule::PreemptStrictlyBetter)));
        const QString idleRules = m_list->model()->index(3, 0).data(Qt::ToolTipRole).toString();
        QVERIFY2(idleRules.contains(labui::ruleName(lab::Rule::IdleUntilArrival)), qPrintable(idleRules));
    }

    void aNewScheduleReplacesTheOldAndClearEmptiesIt()
    {
        const lab::Workload workload = keepAndIdle();
        m_view->showSteps(workload, srtf(workload));
        const lab::Workload alone{{"A", 2, 3, 0}};
        m_view->showSteps(alone, srtf(alone));
        QCOMPARE(shownTexts(m_list), QStringList{QStringLiteral("t=2: siap A (sisa 3); sisa terpendek: A")});
        m_view->clear();
        QCOMPARE(m_list->model()->rowCount(), 0);
        QVERIFY(!m_list->model()->index(0, 0).data().isValid());
    }

    void manyStepsAreListed()
    {
        const lab::Workload workload = lab::randomWorkload(20261207, {2000, 5000, 1, 20, 5});
        lab::Settings settings;
        settings.policy = lab::Policy::RoundRobin;
        const lab::Schedule schedule = lab::solve(workload, settings);
        // Shared, not copied: the list shows the very schedule it was given.
        auto shared = std::make_shared<const lab::Schedule>(schedule);
        m_view->showSteps(std::make_shared<const lab::Workload>(workload), shared);
        QCOMPARE(shared.use_count(), 2L);
        QVERIFY(m_list->model()->rowCount() >= int(schedule.decisions.size()));
        QCOMPARE(m_list->model()->index(0, 0).data().toString(),
                 labui::stepText(workload, schedule, labui::stepsOf(schedule).front()));
        // In time order throughout.
        qint64 previous = -1;
        for (int row = 0; row < m_list->model()->rowCount(); ++row) {
            const qint64 time = m_list->model()->index(row, 0).data(labui::StepsModel::TimeRole).toLongLong();
            QVERIFY(time >= previous);
            previous = time;
        }
    }

    // --- choosing a line -----------------------------------------------------------------------

    void keyboardSelectionTellsTheTime()
    {
        const lab::Workload workload = keepAndIdle();
        m_view->showSteps(workload, srtf(workload));
        QSignalSpy selected(m_view.get(), &StepsView::decisionSelected);
        m_list->setFocus();
        QTest::keyClick(m_list, Qt::Key_Home);
        QTest::keyClick(m_list, Qt::Key_Down);
        QCOMPARE(m_list->currentIndex().row(), 1);
        QVERIFY(!selected.isEmpty());
        QCOMPARE(selected.last().at(0).toLongLong(), qint64(3));
        QTest::keyClick(m_list, Qt::Key_Down);
        QTest::keyClick(m_list, Qt::Key_Down);
        QCOMPARE(selected.last().at(0).toLongLong(), qint64(7));   // the idle piece's start
        QTest::keyClick(m_list, Qt::Key_End);
        QCOMPARE(selected.last().at(0).toLongLong(), qint64(9));
    }

    void mouseSelectionTellsTheTimeAndCtrlClickLetsGo()
    {
        const lab::Workload workload = keepAndIdle();
        m_view->showSteps(workload, srtf(workload));
        QSignalSpy selected(m_view.get(), &StepsView::decisionSelected);
        QSignalSpy cleared(m_view.get(), &StepsView::selectionCleared);
        const QModelIndex third = m_list->model()->index(2, 0);
        const QPoint at = m_list->visualRect(third).center();
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.last().at(0).toLongLong(), qint64(5));
        QVERIFY(cleared.isEmpty());
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, Qt::ControlModifier, at);
        QCOMPARE(cleared.size(), 1);
        QVERIFY(m_list->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(selected.size(), 1);
    }

    void clearingOrReplacingTheStepsLetsTheSelectionGo()
    {
        const lab::Workload workload = keepAndIdle();
        m_view->showSteps(workload, srtf(workload));
        QSignalSpy cleared(m_view.get(), &StepsView::selectionCleared);
        m_list->setCurrentIndex(m_list->model()->index(4, 0));
        QVERIFY(cleared.isEmpty());
        m_view->showSteps(workload, srtf(workload));
        QCOMPARE(cleared.size(), 1);
        QVERIFY(m_list->selectionModel()->selectedIndexes().isEmpty());
        m_view->clear();   // nothing was selected: nothing more to say
        QCOMPARE(cleared.size(), 1);
        m_view->showSteps(workload, srtf(workload));
        m_list->setCurrentIndex(m_list->model()->index(0, 0));
        m_view->clear();
        QCOMPARE(cleared.size(), 2);
    }
};

QUORVEL_TEST_MAIN(StepsViewTest)
#include "tst_stepsview.moc"
