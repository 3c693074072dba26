// The comparison of all seven policies as a user meets it: one row per policy with the solver's
// own numbers under the given settings, the best value of each column marked for the eye and
// for screen readers (ties all marked, exact values deciding, lower or higher better by
// column), and one small chart per policy.
#include "common/testsupport.h"
#include "lab/schedule.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/comparisonview.h"

#include <QAccessible>
#include <QFont>
#include <QLocale>
#include <QScrollArea>
#include <QTableView>

using labui::ComparisonModel;
using labui::ComparisonRow;
using labui::ComparisonView;

namespace {

// The main window's worked example with priorities and a late sixth process (idle 24-30).
lab::Workload workedExample()
{
    return {{"P1", 0, 5, 3}, {"P2", 1, 3, 1}, {"P3", 2, 8, 4},
            {"P4", 3, 6, 2}, {"P5", 4, 2, 5}, {"P6", 30, 4, 0}};
}

lab::Settings unusualSettings()
{
    lab::Settings settings;
    settings.quantum = 3;
    settings.priorityOrder = lab::PriorityOrder::HighFirst;
    settings.roundRobinRule = lab::RoundRobinRule::PreemptedFirst;
    settings.switchCost = 1;
    return settings;
}

QString text(const QAbstractItemModel *model, int row, int column, int role = Qt::DisplayRole)
{
    return model->index(row, column).data(role).toString();
}

QString average(lab::Time total, std::size_t count)
{
    return QString::fromStdString(lab::averageText(total, count, QLocale().decimalPoint().toStdString()));
}

// A hand-made result with the figures the table shows.
ComparisonRow row(lab::Policy policy, std::size_t count, lab::Time waiting, lab::Time turnaround,
                  lab::Time response, lab::Time totalBurst, lab::Time span, std::size_t switches)
{
    ComparisonRow r;
    r.schedule.settings.policy = policy;
    r.schedule.processes.resize(count);
    r.schedule.totals = {waiting, turnaround, response};
    r.schedule.totalBurst = totalBurst;
    r.schedule.firstArrival = 0;
    r.schedule.lastCompletion = span;
    r.schedule.contextSwitches = switches;
    return r;
}

// Which rows of a column are marked best, by the model's own flag.
QList<int> bestRows(const QAbstractItemModel *model, int column)
{
    QList<int> rows;
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, column).data(ComparisonModel::BestRole).toBool())
            rows.append(r);
    }
    return rows;
}

} // namespace

class ComparisonViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ComparisonView> m_view;
    QTableView *m_table = nullptr;

private slots:
    void init()
    {
        QLocale::setDefault(QLocale::c());
        m_view = std::make_unique<ComparisonView>();
        m_view->resize(900, 700);
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_table = m_view->findChild<QTableView *>(QStringLiteral("labComparison"));
        QVERIFY(m_table);
    }

    void cleanup()
    {
        m_view.reset();
        QLocale::setDefault(QLocale::system());
    }

    // --- the rows ------------------------------------------------------------------------------

    void oneRowPerPolicyWithTheSolversNumbers()
    {
        const lab::Workload workload = workedExample();
        const lab::Settings settings = unusualSettings();
        m_view->showComparison(workload, settings);
        const QAbstractItemModel *model = m_table->model();
        QCOMPARE(model->rowCount(), int(lab::kAllPolicies.size()));
        QCOMPARE(model->columnCount(), int(ComparisonModel::ColumnCount));
        for (int r = 0; r < model->rowCount(); ++r) {
            lab::Settings policySettings = settings;
            policySettings.policy = lab::kAllPolicies[std::size_t(r)];
            const lab::Schedule expected = lab::solve(workload, policySettings);
            const QString policy = QString::fromUtf8(lab::policyName(policySettings.policy).data());
            QCOMPARE(text(model, r, ComparisonModel::Policy),
                     policySettings.policy == lab::Policy::RoundRobin
                         ? policy + QStringLiteral(" (q = 3)")
                         : policy);
            // The accessible text holds the value without the star.
            const auto value = [&](int column) {
                QString shown = text(model, r, column, Qt::AccessibleTextRole);
                shown.remove(QStringLiteral(" (terbaik)"));
                return shown;
            };
            QCOMPARE(value(ComparisonModel::Waiting), average(expected.totals.waiting, expected.count()));
            QCOMPARE(value(ComparisonModel::Turnaround), average(expected.totals.turnaround, expected.count()));
            QCOMPARE(value(ComparisonModel::Response), average(expected.totals.response, expected.count()));
            QCOMPARE(value(ComparisonModel::Utilisation),
                     QStringLiteral("%1/%2 = %3%")
                         .arg(expected.totalBurst)
                         .arg(expected.span())
                         .arg(QString::fromStdString(lab::roundedText(expected.utilisation() * 100))));
            QCOMPARE(value(ComparisonModel::Throughput),
                     average(lab::Time(expected.count()), std::size_t(expected.span())));
            QCOMPARE(value(ComparisonModel::Switches), QString::number(expected.contextSwitches));
            // What the model keeps is that run, decisions aside.
            const lab::Schedule &kept = m_view->model()->rows()[std::size_t(r)].schedule;
            QCOMPARE(kept.segments, expected.segments);
            QCOMPARE(kept.processes, expected.processes);
        }
    }

    void theSettingsReachEveryPolicy()
    {
        const lab::Workload workload = workedExample();
        lab::Settings settings;
        settings.quantum = 1;
        m_view->showComparison(workload, settings);
        const int rr = int(std::find(lab::kAllPolicies.begin(), lab::kAllPolicies.end(),
                                     lab::Policy::RoundRobin) - lab::kAllPolicies.begin());
        const QString quantumOne = text(m_table->model(), rr, ComparisonModel::Switches);
        settings.quantum = 10;
        m_view->showComparison(workload, settings);
        QVERIFY(text(m_table->model(), rr, ComparisonModel::Switches) != quantumOne);
        QCOMPARE(m_view->model()->rows()[std::size_t(rr)].schedule.settings.quantum, lab::Time{10});
    }

    void theDecimalSeparatorFollowsTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::Indonesian, QLocale::Indonesia));
        m_view->showComparison(workedExample(), {});
        const QString waiting = text(m_table->model(), 0, ComparisonModel::Waiting, Qt::AccessibleTextRole);
        QVERIFY2(waiting.contains(QLatin1Char(',')) && !waiting.contains(QLatin1Char('.')),
                 qPrintable(waiting));
    }

    void clearEmptiesTheTableAndTheCharts()
    {
        m_view->showComparison(workedExample(), {});
        m_view->clear();
        QCOMPARE(m_table->model()->rowCount(), 0);
        QVERIFY(m_view->charts().empty());
        QVERIFY(m_view->findChildren<gantt::GanttChart *>().isEmpty());
    }

    void anInvalidWorkloadShowsNothing()
    {
        m_view->showComparison(workedExample(), {});
        m_view->showComparison({{"A", 0, 0, 0}}, {});   // a burst of 0 cannot be scheduled
        QCOMPARE(m_table->model()->rowCount(), 0);
    }

    // --- the best values -----------------------------------------------------------------------

    void bestValuesTiesAndDirections()
    {
        auto *model = m_view->model();
        model->setRows({
            row(lab::Policy::Fcfs, 5, 10, 20, 5, 24, 24, 4),
            row(lab::Policy::Sjf, 5, 8, 22, 5, 24, 26, 2),
            row(lab::Policy::Srtf, 5, 8, 21, 7, 24, 24, 2),
        });
        QCOMPARE(bestRows(model, ComparisonModel::Policy), QList<int>{});
        QCOMPARE(bestRows(model, ComparisonModel::Waiting), (QList<int>{1, 2}));       // lower
        QCOMPARE(bestRows(model, ComparisonModel::Turnaround), (QList<int>{0}));
        QCOMPARE(bestRows(model, ComparisonModel::Response), (QList<int>{0, 1}));
        QCOMPARE(bestRows(model, ComparisonModel::Utilisation), (QList<int>{0, 2}));   // higher
        QCOMPARE(bestRows(model, ComparisonModel::Throughput), (QList<int>{0, 2}));    // higher
        QCOMPARE(bestRows(model, ComparisonModel::Switches), (QList<int>{1, 2}));      // lower
    }

    void theExactValuesDecideNotTheRoundedTexts()
    {
        auto *model = m_view->model();
        // 10/3 = 3.333.. and 13333/4000 = 3.33325 both read 3.33; the second is lower.
        model->setRows({row(lab::Policy::Fcfs, 3, 10, 10, 10, 3, 9, 0),
                        row(lab::Policy::Sjf, 4000, 13333, 13334, 13333, 4000, 12000, 0)});
        QCOMPARE(text(model, 0, ComparisonModel::Waiting, Qt::AccessibleTextRole),
                 QStringLiteral("10/3 = 3.33"));
        QCOMPARE(text(model, 1, ComparisonModel::Waiting, Qt::AccessibleTextRole),
                 QStringLiteral("13333/4000 = 3.33 (terbaik)"));
        QCOMPARE(bestRows(model, ComparisonModel::Waiting), (QList<int>{1}));
        QCOMPARE(bestRows(model, ComparisonModel::Turnaround), (QList<int>{0}));   // 3.33.. < 3.3335
        // 3/9 and 4000/12000 are the same utilisation and throughput, however written.
        QCOMPARE(bestRows(model, ComparisonModel::Utilisation), (QList<int>{0, 1}));
        QCOMPARE(bestRows(model, ComparisonModel::Switches), (QList<int>{0, 1}));
    }

    void theBestCellsAreStarredBoldAndSaidSo()
    {
        auto *model = m_view->model();
        model->setRows({row(lab::Policy::Fcfs, 5, 10, 20, 5, 24, 24, 4),
                        row(lab::Policy::Sjf, 5, 8, 22, 5, 24, 26, 2)});
        const int w = ComparisonModel::Waiting;
        QCOMPARE(text(model, 1, w), QStringLiteral("8/5 = 1.6 ★"));
        QCOMPARE(text(model, 1, w, Qt::AccessibleTextRole), QStringLiteral("8/5 = 1.6 (terbaik)"));
        QCOMPARE(text(model, 1, w, Qt::ToolTipRole), QStringLiteral("terbaik"));
        QVERIFY(model->index(1, w).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(text(model, 0, w), QStringLiteral("10/5 = 2"));
        QCOMPARE(text(model, 0, w, Qt::AccessibleTextRole), QStringLiteral("10/5 = 2"));
        QVERIFY(!model->index(0, w).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(text(model, 0, ComparisonModel::Utilisation), QStringLiteral("24/24 = 100% ★"));
        QCOMPARE(text(model, 1, ComparisonModel::Utilisation), QStringLiteral("24/26 = 92.31%"));
        QCOMPARE(text(model, 0, ComparisonModel::Throughput), QStringLiteral("5/24 = 0.21 ★"));

        // A screen reader reads the same through the table's cells.
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(m_table);
        QVERIFY(table && table->tableInterface());
        QAccessibleInterface *best = table->tableInterface()->cellAt(1, w);
        QVERIFY(best);
        QCOMPARE(best->text(QAccessible::Name), QStringLiteral("8/5 = 1.6 (terbaik)"));
        QCOMPARE(best->text(QAccessible::Description), QStringLiteral("terbaik"));
        QAccessibleInterface *other = table->tableInterface()->cellAt(0, w);
        QCOMPARE(other->text(QAccessible::Name), QStringLiteral("10/5 = 2"));
        QCOMPARE(model->headerData(w, Qt::Horizontal).toString(), QStringLiteral("Rata-rata Waiting"));
        QVERIFY(model->headerData(ComparisonModel::Utilisation, Qt::Horizontal, Qt::ToolTipRole)
                    .toString().contains(QStringLiteral("terbesar terbaik")));
    }

    void theBestOfARealComparison()
    {
        // SRTF is optimal for the average waiting time; FCFS makes the fewest switches here.
        const lab::Workload workload = workedExample();
        m_view->showComparison(workload, {});
        const auto *model = m_view->model();
        const QList<int> best = bestRows(model, ComparisonModel::Waiting);
        const int srtf = 2;
        QCOMPARE(lab::kAllPolicies[srtf], lab::Policy::Srtf);
        QVERIFY(best.contains(srtf));
        for (int r = 0; r < model->rowCount(); ++r) {
            const lab::Schedule &s = model->rows()[std::size_t(r)].schedule;
            const lab::Schedule &b = model->rows()[std::size_t(best.first())].schedule;
            QCOMPARE(best.contains(r), s.totals.waiting == b.totals.waiting);
            QVERIFY(s.totals.waiting >= b.totals.waiting);
        }
    }

    // --- the small charts ----------------------------------------------------------------------

    void oneCompactChartPerPolicy()
    {
        const lab::Workload workload = workedExample();
        m_view->showComparison(workload, unusualSettings());
        QCOMPARE(m_view->charts().size(), lab::kAllPolicies.size());
        auto *area = m_view->findChild<QScrollArea *>(QStringLiteral("labComparisonChartArea"));
        QVERIFY(area);
        for (std::size_t i = 0; i < lab::kAllPolicies.size(); ++i) {
            gantt::GanttChart *chart = m_view->charts()[i];
            QVERIFY(area->widget()->isAncestorOf(chart));
            QVERIFY(chart->isCompact());
            QCOMPARE(chart->accessibleName(), QString::fromUtf8(lab::policyName(lab::kAllPolicies[i]).data()));
            const lab::Schedule &schedule = m_view->model()->rows()[i].schedule;
            QCOMPARE(chart->accessibleDescription(),
                     QString::fromStdString(lab::describeSegments(workload, schedule)));
            QVERIFY(chart->chart().title.startsWith(QString::fromUtf8(lab::policyName(lab::kAllPolicies[i]).data())));
        }
        // A second comparison replaces them.
        m_view->showComparison(workload, {});
        QCOMPARE(m_view->findChildren<gantt::GanttChart *>().size(), qsizetype(lab::kAllPolicies.size()));
    }

    void choosingARowBringsItsChartIntoView()
    {
        m_view->resize(700, 320);
        m_view->showComparison(workedExample(), {});
        auto *area = m_view->findChild<QScrollArea *>(QStringLiteral("labComparisonChartArea"));
        QVERIFY(area);
        gantt::GanttChart *last = m_view->charts().back();
        // Each chart is as high as it needs: the page scrolls, and the last chart starts hidden.
        QTRY_VERIFY(last->height() >= last->minimumSizeHint().height());
        const auto shownPart = [area] {
            return QRect(area->widget()->mapFrom(area->viewport(), QPoint(0, 0)), area->viewport()->size());
        };
        QVERIFY(!shownPart().intersects(last->geometry()));
        m_table->setFocus();
        m_table->setCurrentIndex(m_table->model()->index(0, 0));
        QTest::keyClick(m_table, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(m_table->currentIndex().row(), int(lab::kAllPolicies.size()) - 1);
        QVERIFY(shownPart().intersects(last->geometry()));
    }
};

QUORVEL_TEST_MAIN(ComparisonViewTest)
#include "tst_comparisonview.moc"
