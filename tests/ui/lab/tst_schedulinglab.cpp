// The scheduling laboratory as a user meets it: opened from the main window's menu, its table
// typed into, extended and cut with buttons and keys, filled by pasting, importing and drawing
// at random, bad cells refused with one message, runs computed into the results, the figures
// and the chart, and every edit clearing what no longer matches.
#include "ui/lab/windowparts.h"
#include "ui/main/shownform1.h"

#include "common/testsupport.h"
#include "lab/csv.h"
#include "lab/random.h"
#include "lab/schedule.h"
#include "lab/settings.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/comparisonview.h"
#include "ui/gantt/ganttpicture.h"
#include "ui/lab/schedulinglab.h"
#include "ui/main/form1.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

namespace {

enum Column { Name, Arrival, Burst, Priority };

} // namespace

class SchedulingLabTest : public QObject, private ShownForm1 {
    Q_OBJECT

private:
    SchedulingLab *m_lab = nullptr;

    template <typename T = QWidget>
    T *control(const char *name) const { return testsupport::control<T>(m_lab, name); }
    QTableView *table() const { return control<QTableView>("labProcesses"); }
    QAbstractItemModel *processes() const { return table()->model(); }
    QAbstractItemModel *results() const { return control<QTableView>("labResults")->model(); }
    gantt::GanttChart *chart() const { return control<gantt::GanttChart>("labChart"); }

    static SchedulingLab *openLab(QAction *item)
    {
        item->trigger();
        const QList<SchedulingLab *> found = testsupport::topLevels<SchedulingLab>();
        if (found.size() != 1)
            qFatal("expected one laboratory window, found %d", int(found.size()));
        if (!QTest::qWaitForWindowActive(found.front()))
            qFatal("the laboratory window does not become active");
        return found.front();
    }

    // Clicks a drawn button where the user would.
    void click(const char *name) { testsupport::click(m_lab, name); }

    QString cell(int row, int column) const { return processes()->index(row, column).data().toString(); }
    QStringList rowTexts(int row) const
    {
        return {cell(row, Name), cell(row, Arrival), cell(row, Burst), cell(row, Priority)};
    }
    QList<QStringList> tableTexts() const
    {
        QList<QStringList> rows;
        for (int row = 0; row < processes()->rowCount(); ++row)
            rows << rowTexts(row);
        return rows;
    }
    QString result(int row, int column) const { return results()->index(row, column).data().toString(); }

    // Types into a cell as a user does: F2, the text over what was there, Enter.
    void typeInto(int row, int column, const QString &text)
    {
        QTableView *view = table();
        testsupport::typeIntoCell(view, processes()->index(row, column), text);
        // The view takes the text from its editor once the key has been handled.
        QTRY_COMPARE(cell(row, column), text);
        QTRY_VERIFY(QApplication::focusWidget() == view);
    }

    // Empties the table with the keyboard and pastes the rows in.
    void replaceTable(const QString &text)
    {
        QTableView *view = table();
        view->setFocus();
        view->selectAll();
        QTest::keyClick(view, Qt::Key_Delete);
        QCOMPARE(processes()->rowCount(), 0);
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(view, QKeySequence::Paste);
    }

    void choosePolicy(lab::Policy policy)
    {
        auto *combo = control<QComboBox>("labPolicy");
        combo->setCurrentIndex(combo->findData(static_cast<int>(policy)));
        QCOMPARE(m_lab->settings().policy, policy);
    }

    bool hasResults() const { return results()->rowCount() > 0; }

private slots:
    void init()
    {
        // The windows' random choices (the number beside Acak, a new exercise) are the same every run.
        labui::repeatRandomChoices(20261207);
        QVERIFY(openForm());
        m_lab = openLab(get<QAction>("mnlab"));
    }
    void cleanup()
    {
        m_lab = nullptr;
        closeForm();
        QGuiApplication::clipboard()->clear();
    }

    // --- the window -------------------------------------------------------------------------

    void menuItemAboveGanttChartOpensOneWindow()
    {
        auto *item = get<QAction>("mnlab");
        QCOMPARE(item->text(), QStringLiteral("&Laboratorium"));
        QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_L));
        const QList<QAction *> actions = get<QMenu>("mnprog")->actions();
        QCOMPARE(actions.indexOf(item), 0);
        QVERIFY(actions.indexOf(item) < actions.indexOf(get<QAction>("mngantt")));
        QVERIFY(actions.contains(get<QAction>("mnabout")));

        QCOMPARE(m_lab->windowTitle(), QStringLiteral("Laboratorium Penjadwalan"));
        QVERIFY(!m_lab->isModal());
        QCOMPARE(m_lab->palette().color(QPalette::Window), m_form->backColor());
        // Asked again, the same window comes forward.
        m_lab->close();
        QVERIFY(!m_lab->isVisible());
        QCOMPARE(openLab(item), m_lab);
        // Ctrl+L in the main window does the same.
        m_lab->close();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
        QTest::keyClick(m_form.get(), Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(m_lab->isVisible());
    }

    void everyControlNamedForScreenReaders()
    {
        for (const char *name : {"labProcesses", "labPolicy", "labQuantum", "labPriorityOrder", "labRoundRobinRule",
                                 "labSwitchCost", "labCompute", "labResults", "labChart", "labCompare", "labSeed",
                                 "labRandom", "labAdd", "labRemove", "labImport", "labExport", "labRules",
                                 "labFigures", "labCopy", "labSavePicture"}) {
            QWidget *widget = control(name);
            QVERIFY2(!widget->accessibleName().isEmpty(), name);
        }
        QCOMPARE(m_lab->findChildren<QWidget *>(QStringLiteral("labSteps")).size(), 1);
        QVERIFY(qobject_cast<QListView *>(control("labSteps")));
        for (XPButtonX *button : m_lab->findChildren<XPButtonX *>()) {
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
            QVERIFY2(!button->accessibleName().contains(QLatin1Char('&')), qPrintable(button->accessibleName()));
        }
        // The commands the user reaches with Alt have their letter.
        QCOMPARE(control<XPButtonX>("labCompute")->accessKey(), QChar(QLatin1Char('h')));
        QCOMPARE(control<XPButtonX>("labRandom")->accessKey(), QChar(QLatin1Char('a')));
    }

    void startsWithTheWorkedExample()
    {
        const QList<QStringList> expected{{"P1", "0", "5", "0"}, {"P2", "1", "3", "0"}, {"P3", "2", "8", "0"},
                                          {"P4", "3", "6", "0"}, {"P5", "4", "2", "0"}};
        QCOMPARE(tableTexts(), expected);
        QCOMPARE(processes()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Proses"));
        QCOMPARE(processes()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Prioritas"));
        auto *policy = control<QComboBox>("labPolicy");
        QCOMPARE(policy->count(), 7);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(policy->itemText(i), QString::fromUtf8(lab::policyName(lab::kAllPolicies[std::size_t(i)])));
        QCOMPARE(control<QSpinBox>("labQuantum")->value(), 2);
        QCOMPARE(control<QSpinBox>("labQuantum")->minimum(), 1);
        QCOMPARE(control<QSpinBox>("labQuantum")->maximum(), 1'000'000);
        QCOMPARE(control<QSpinBox>("labSwitchCost")->value(), 0);
        QVERIFY(!hasResults());

        click("labCompute");
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(results()->rowCount(), 7);
        QCOMPARE(result(5, 0), QStringLiteral("Total"));
        QCOMPARE(result(6, 6), QStringLiteral("41/5 = 8.2"));
        QCOMPARE(chart()->accessibleDescription(), QStringLiteral("P1 0-5, P2 5-8, P3 8-16, P4 16-22, P5 22-24"));
    }

    void escapeClosesTheWindow()
    {
        table()->setFocus();
        QTest::keyClick(table(), Qt::Key_Escape);
        QVERIFY(!m_lab->isVisible());
    }

    void wholeKeyboardUse()
    {
        // Tab walks the table's commands, the random row, the settings and the commands in order.
        table()->setFocus();
        const QStringList expected{"labAdd", "labRemove", "labImport", "labExport", "labRandom", "labSeed",
                                   "labRandomCount", "labPolicy",
                                   // FCFS uses neither quantum nor priorities: their boxes are passed over.
                                   "labSwitchCost"};
        QWidget *focus = table();
        for (const QString &name : expected) {
            QTest::keyClick(focus, Qt::Key_Tab);
            focus = QApplication::focusWidget();
            QVERIFY(focus);
            // A spin box has the focus through its line edit.
            QWidget *named = focus->objectName().isEmpty() && focus->parentWidget() ? focus->parentWidget() : focus;
            QCOMPARE(named->objectName(), name);
        }
        // Alt and the underlined letter: Hitung, then the label's letter takes the keyboard to
        // its setting.
        QTest::keyClick(m_lab, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(hasResults());
        QTest::keyClick(m_lab, Qt::Key_C, Qt::AltModifier);
        auto *switchCost = control<QSpinBox>("labSwitchCost");
        QTRY_VERIFY(switchCost->hasFocus() || QApplication::focusWidget()->parentWidget() == switchCost);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(m_lab->settings().switchCost, lab::Time(1));
        QVERIFY(!hasResults());
    }

    // --- editing the table ------------------------------------------------------------------

    void typedTextsAreKeptAsTyped()
    {
        typeInto(0, Burst, QStringLiteral("7"));
        typeInto(1, Name, QStringLiteral("Editor"));
        typeInto(2, Arrival, QStringLiteral("abc"));
        QCOMPARE(rowTexts(0), (QStringList{"P1", "0", "7", "0"}));
        QCOMPARE(cell(1, Name), QStringLiteral("Editor"));
        QCOMPARE(cell(2, Arrival), QStringLiteral("abc"));
    }

    void rowsAddedAndRemovedWithButtonsAndKeys()
    {
        table()->setCurrentIndex(processes()->index(4, 0));
        click("labAdd");
        QCOMPARE(processes()->rowCount(), 6);
        QCOMPARE(rowTexts(5), (QStringList{"P6", "0", "1", "0"}));
        QCOMPARE(table()->currentIndex().row(), 5);

        // Insert adds after the current row, with a name no row has.
        table()->setFocus();
        table()->setCurrentIndex(processes()->index(0, 2));
        QTest::keyClick(table(), Qt::Key_Insert);
        QCOMPARE(processes()->rowCount(), 7);
        QCOMPARE(cell(1, Name), QStringLiteral("P7"));

        // Delete removes the selected rows.
        table()->selectionModel()->clearSelection();
        table()->setCurrentIndex(processes()->index(0, 1));
        QTest::keyClick(table(), Qt::Key_Delete);
        QCOMPARE(processes()->rowCount(), 6);
        QCOMPARE(cell(0, Name), QStringLiteral("P7"));

        table()->setCurrentIndex(processes()->index(0, 0));
        click("labRemove");
        QCOMPARE(processes()->rowCount(), 5);
        QCOMPARE(cell(0, Name), QStringLiteral("P2"));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void pastedSpreadsheetRowsReplaceFromTheCurrentRow()
    {
        QGuiApplication::clipboard()->setText(
            QStringLiteral("Proses\tArrival\tBurst\tPrioritas\nA\t0\t3\t1\nB\t5\t2\t4\n"));
        table()->setFocus();
        table()->setCurrentIndex(processes()->index(1, 0));
        QTest::keySequence(table(), QKeySequence::Paste);
        QCOMPARE(tableTexts(), (QList<QStringList>{{"P1", "0", "5", "0"},
                                                   {"A", "0", "3", "1"},
                                                   {"B", "5", "2", "4"},
                                                   {"P4", "3", "6", "0"},
                                                   {"P5", "4", "2", "0"}}));
    }

    void pastedCsvRowsExtendTheTable()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("name,arrival,burst\nX,1,2\n\"Y, z\",2,3\nW,3,4\n"));
        table()->setFocus();
        table()->setCurrentIndex(processes()->index(3, 0));
        QTest::keySequence(table(), QKeySequence::Paste);
        QCOMPARE(processes()->rowCount(), 6);
        QCOMPARE(rowTexts(3), (QStringList{"X", "1", "2", "0"}));
        QCOMPARE(rowTexts(4), (QStringList{"Y, z", "2", "3", "0"}));
        QCOMPARE(rowTexts(5), (QStringList{"W", "3", "4", "0"}));
        QCOMPARE(rowTexts(2), (QStringList{"P3", "2", "8", "0"}));

        // One value goes into the current cell only.
        QGuiApplication::clipboard()->setText(QStringLiteral("42"));
        table()->setCurrentIndex(processes()->index(0, Burst));
        QTest::keySequence(table(), QKeySequence::Paste);
        QCOMPARE(rowTexts(0), (QStringList{"P1", "0", "42", "0"}));
        QCOMPARE(processes()->rowCount(), 6);
    }

    void importAndExportRoundTrip()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("proses.csv"));
        QList<SchedulingLab::FileQuestion> asked;
        m_lab->setFileQuestion([&](QWidget *, SchedulingLab::FileQuestion question, const QString &) {
            asked << question;
            return path;
        });
        replaceTable(QStringLiteral("name,arrival,burst,priority\nA,0,3,2\n\"B \"\"x\"\"\",5,2,0\nC,5,1,7\n"));
        const QList<QStringList> written = tableTexts();
        QCOMPARE(written.size(), 3);
        QCOMPARE(written[1][0], QStringLiteral("B \"x\""));

        click("labExport");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        file.close();
        const auto parsed = lab::csv::read(bytes.toStdString());
        QVERIFY(std::holds_alternative<lab::csv::Parsed>(parsed));
        const lab::Workload workload = std::get<lab::csv::Parsed>(parsed).workload;
        QCOMPARE(workload.size(), std::size_t(3));
        QCOMPARE(workload[1].name, std::string("B \"x\""));
        QCOMPARE(workload[2].priority, lab::Time(7));

        // Something else in the table, then the file back.
        click("labAdd");
        typeInto(0, Burst, QStringLiteral("9"));
        click("labImport");
        QCOMPARE(tableTexts(), written);
        QCOMPARE(asked, (QList<SchedulingLab::FileQuestion>{SchedulingLab::FileQuestion::ExportCsv,
                                                            SchedulingLab::FileQuestion::ImportCsv}));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void importOfABadFileIsRefusedWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("rusak.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("name,arrival,burst\nA,0,3\nB,1,2\nC,-4,2\nD,1,1\n");
        file.close();
        m_lab->setFileQuestion([&](QWidget *, SchedulingLab::FileQuestion, const QString &) { return path; });
        const QList<QStringList> before = tableTexts();
        click("labImport");
        QCOMPARE(m_messages->messages().size(), 1);
        const QString text = m_messages->messages().first().text;
        QVERIFY2(text.contains(QStringLiteral("baris 4")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("rusak.csv")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("negatif")), qPrintable(text));
        QCOMPARE(tableTexts(), before);

        // A name the file gives twice is named from the file, at its own line, whatever the
        // table holds.
        m_messages->clear();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("name,arrival,burst\nA,0,3\nKilat,1,2\nB,2,2\nKilat,3,1\n");
        file.close();
        click("labImport");
        QCOMPARE(m_messages->messages().size(), 1);
        const QString duplicate = m_messages->messages().first().text;
        QVERIFY2(duplicate.contains(QStringLiteral("baris 5")), qPrintable(duplicate));
        QVERIFY2(duplicate.contains(QStringLiteral("\"Kilat\" sudah dipakai")), qPrintable(duplicate));
        QVERIFY2(!duplicate.contains(QStringLiteral("\"P1\"")), qPrintable(duplicate));
        QCOMPARE(tableTexts(), before);

        // A cancelled question changes nothing and says nothing.
        m_messages->clear();
        m_lab->setFileQuestion([](QWidget *, SchedulingLab::FileQuestion, const QString &) { return QString(); });
        click("labImport");
        click("labExport");
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(tableTexts(), before);
    }

    // --- bad input --------------------------------------------------------------------------

    void badCellIsMarkedAndNamedOnce_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("columnTitle");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty name") << int(Name) << "" << "Proses" << "kosong";
        QTest::newRow("empty arrival") << int(Arrival) << "" << "Arrival" << "kosong";
        QTest::newRow("empty priority") << int(Priority) << "" << "Prioritas" << "kosong";
        QTest::newRow("negative arrival") << int(Arrival) << "-3" << "Arrival" << "negatif";
        QTest::newRow("fraction") << int(Burst) << "2.5" << "Burst" << "bilangan bulat";
        QTest::newRow("letters") << int(Priority) << "tinggi" << "Prioritas" << "bilangan bulat";
        QTest::newRow("too large") << int(Burst) << "1000001" << "Burst" << "terlalu besar";
        QTest::newRow("zero burst") << int(Burst) << "0" << "Burst" << "burst paling sedikit 1";
        QTest::newRow("duplicate name") << int(Name) << "P1" << "Proses" << "sudah dipakai di baris 1";
    }

    void badCellIsMarkedAndNamedOnce()
    {
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, columnTitle);
        QFETCH(QString, reason);
        // Results of the good table first: the bad edit has to take them away.
        click("labCompute");
        QVERIFY(hasResults());
        typeInto(2, column, text);
        QVERIFY(!hasResults());

        click("labCompute");
        QCOMPARE(m_messages->messages().size(), 1);
        const QString message = m_messages->messages().first().text;
        QVERIFY2(message.startsWith(QStringLiteral("Baris 3, kolom %1: ").arg(columnTitle)), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(!hasResults());
        QVERIFY(!m_lab->schedule());
        QVERIFY(chart()->chart().empty());

        const QModelIndex marked = processes()->index(2, column);
        QVERIFY(marked.data(Qt::BackgroundRole).isValid());
        QVERIFY(marked.data(Qt::DecorationRole).isValid());
        QVERIFY(marked.data(Qt::ToolTipRole).toString().contains(reason));
        QVERIFY(marked.data(Qt::AccessibleDescriptionRole).toString().contains(reason));
        QCOMPARE(table()->currentIndex(), marked);
        // No other cell is marked, and nothing typed is lost.
        for (int row = 0; row < processes()->rowCount(); ++row) {
            for (int c = 0; c < 4; ++c) {
                if (row != 2 || c != column)
                    QVERIFY(!processes()->index(row, c).data(Qt::BackgroundRole).isValid());
            }
        }
        QCOMPARE(cell(2, column), text);

        // Mended, the mark goes and the run computes.
        m_messages->clear();
        typeInto(2, column, column == Name ? QStringLiteral("P3") : QStringLiteral("4"));
        QVERIFY(!marked.data(Qt::BackgroundRole).isValid());
        click("labCompute");
        QVERIFY(m_messages->messages().isEmpty());
        QVERIFY(hasResults());
    }

    void emptyTableIsRefused()
    {
        replaceTable(QString());
        click("labCompute");
        QCOMPARE(m_messages->messages().size(), 1);
        QVERIFY(m_messages->messages().first().text.contains(QStringLiteral("kosong")));
        QVERIFY(!hasResults());
    }

    // --- computing --------------------------------------------------------------------------

    void idleGapGivesTheTextbookNumbers()
    {
        replaceTable(QStringLiteral("A,0,3\nB,5,2\n"));
        click("labCompute");
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(results()->rowCount(), 4);
        const QStringList headers{"Proses",  "Arrival",    "Burst",   "Prioritas",
                                  "Selesai", "Turnaround", "Waiting", "Response"};
        for (int column = 0; column < headers.size(); ++column)
            QCOMPARE(results()->headerData(column, Qt::Horizontal).toString(), headers[column]);
        const QStringList a{"A", "0", "3", "0", "3", "3", "0", "0"};
        const QStringList b{"B", "5", "2", "0", "7", "2", "0", "0"};
        for (int column = 0; column < 8; ++column) {
            QCOMPARE(result(0, column), a[column]);
            QCOMPARE(result(1, column), b[column]);
        }
        QCOMPARE(result(2, 0), QStringLiteral("Total"));
        QCOMPARE(result(2, 5), QStringLiteral("5"));
        QCOMPARE(result(2, 6), QStringLiteral("0"));
        QCOMPARE(result(3, 0), QStringLiteral("Rata-rata"));
        QCOMPARE(result(3, 5), QStringLiteral("5/2 = 2.5"));
        QCOMPARE(result(3, 6), QStringLiteral("0/2 = 0"));
        QCOMPARE(result(3, 7), QStringLiteral("0/2 = 0"));

        const QString figures = control<QLabel>("labFigures")->text();
        QVERIFY2(figures.contains(QStringLiteral("71.43%")), qPrintable(figures));
        QVERIFY2(figures.contains(QStringLiteral("Selesai terakhir: 7")), qPrintable(figures));
        QVERIFY2(figures.contains(QStringLiteral("Context switch: 0")), qPrintable(figures));

        QCOMPARE(chart()->accessibleDescription(), QStringLiteral("A 0-3, idle 3-5, B 5-7"));
        const gantt::ChartData &data = chart()->chart();
        QCOMPARE(data.processor.size(), std::size_t(3));
        QCOMPARE(data.processor[1].kind, gantt::PieceKind::Idle);
        QCOMPARE(data.lanes.size(), std::size_t(2));
        QCOMPARE(data.lanes[1].arrival, 5.0);
        QVERIFY(data.title.startsWith(QStringLiteral("FCFS")));
    }

    void switchCostAndPreemptionInTheChart()
    {
        replaceTable(QStringLiteral("A,0,5\nB,1,1\n"));
        choosePolicy(lab::Policy::Srtf);
        control<QSpinBox>("labSwitchCost")->setValue(1);
        click("labCompute");
        QVERIFY(m_messages->messages().isEmpty());
        // A runs 0-1, B is loaded (1-2) and runs, then A is loaded again (3-4) and finishes.
        QCOMPARE(chart()->accessibleDescription(), QStringLiteral("A 0-1, switch 1-2, B 2-3, switch 3-4, A 4-8"));
        const gantt::ChartData &data = chart()->chart();
        QCOMPARE(data.lanes[0].pieces.size(), std::size_t(3));
        QCOMPARE(data.lanes[0].pieces[1].running, false);
        QCOMPARE(data.lanes[0].pieces[1].start, 1.0);
        QCOMPARE(data.lanes[0].pieces[1].end, 4.0);
        QCOMPARE(data.lanes[1].pieces.front().running, false);
        QCOMPARE(data.lanes[1].pieces.front().start, 1.0);
        QVERIFY(control<QLabel>("labFigures")->text().contains(QStringLiteral("Context switch: 2")));
        QCOMPARE(result(0, 4), QStringLiteral("8"));
    }

    void roundRobinLanesShowEveryWait()
    {
        // RR q=2: A 0-2, B 2-4, A 4-6, B 6-7, A 7-8.
        replaceTable(QStringLiteral("A,0,5\nB,1,3\n"));
        choosePolicy(lab::Policy::RoundRobin);
        click("labCompute");
        QCOMPARE(chart()->accessibleDescription(), QStringLiteral("A 0-2, B 2-4, A 4-6, B 6-7, A 7-8"));
        const gantt::ChartData &data = chart()->chart();
        QCOMPARE(data.processor.size(), std::size_t(5));
        QCOMPARE(data.processor[1].lane, 1);
        QCOMPARE(data.processor[1].kind, gantt::PieceKind::Run);
        const auto pieces = [](const gantt::ChartLane &lane) {
            QStringList texts;
            for (const gantt::LanePiece &piece : lane.pieces)
                texts << QStringLiteral("%1%2-%3").arg(piece.running ? "run " : "wait ").arg(piece.start).arg(piece.end);
            return texts;
        };
        QCOMPARE(pieces(data.lanes[0]), (QStringList{"run 0-2", "wait 2-4", "run 4-6", "wait 6-7", "run 7-8"}));
        QCOMPARE(pieces(data.lanes[1]), (QStringList{"wait 1-2", "run 2-4", "wait 4-6", "run 6-7"}));
        QVERIFY(data.title.contains(QStringLiteral("Round Robin (q = 2)")));
        QVERIFY(data.title.contains(QStringLiteral("Waiting: 6/2 = 3 ")));
    }

    void settingsFollowThePolicy()
    {
        auto *quantum = control<QSpinBox>("labQuantum");
        auto *rule = control<QComboBox>("labRoundRobinRule");
        auto *order = control<QComboBox>("labPriorityOrder");
        auto *rules = control<QLabel>("labRules");
        for (const lab::Policy policy : lab::kAllPolicies) {
            choosePolicy(policy);
            QCOMPARE(quantum->isEnabled(), policy == lab::Policy::RoundRobin);
            QCOMPARE(rule->isEnabled(), policy == lab::Policy::RoundRobin);
            QCOMPARE(order->isEnabled(),
                     policy == lab::Policy::Priority || policy == lab::Policy::PriorityPreemptive);
            QVERIFY(control<QSpinBox>("labSwitchCost")->isEnabled());
            const std::vector<lab::Rule> inForce = lab::rulesInForce(m_lab->settings());
            QCOMPARE(rules->text().count(QLatin1Char('\n')) + 1, qsizetype(inForce.size()));
            for (const lab::Rule r : inForce)
                QVERIFY2(rules->text().contains(QString::fromUtf8(lab::ruleId(r))), qPrintable(rules->text()));
        }
        choosePolicy(lab::Policy::Priority);
        order->setCurrentIndex(1);
        QCOMPARE(m_lab->settings().priorityOrder, lab::PriorityOrder::HighFirst);
        QVERIFY(rules->text().contains(QString::fromUtf8(lab::ruleId(lab::Rule::PriorityHighFirst))));
    }

    void roundRobinUsesTheQuantum()
    {
        choosePolicy(lab::Policy::RoundRobin);
        control<QSpinBox>("labQuantum")->setValue(4);
        click("labCompute");
        lab::Settings settings;
        settings.policy = lab::Policy::RoundRobin;
        settings.quantum = 4;
        const lab::Workload workload{{"P1", 0, 5, 0}, {"P2", 1, 3, 0}, {"P3", 2, 8, 0}, {"P4", 3, 6, 0}, {"P5", 4, 2, 0}};
        const lab::Schedule expected = lab::solve(workload, settings);
        QCOMPARE(chart()->accessibleDescription(), QString::fromStdString(lab::describeSegments(workload, expected)));
        QCOMPARE(result(6, 6), QString::fromStdString(lab::averageText(expected.totals.waiting, 5)));
        QVERIFY(chart()->chart().title.contains(QStringLiteral("q = 4")));
    }

    void everyEditClearsTheResults()
    {
        const auto computeAndCompare = [this] {
            click("labCompute");
            QVERIFY(hasResults());
            auto *comparison = control<labui::ComparisonView>("labComparisonView");
            click("labCompare");
            QCOMPARE(comparison->model()->rowCount(), 7);
            QVERIFY(!chart()->chart().empty());
        };
        const auto allCleared = [this] {
            QVERIFY(!hasResults());
            QVERIFY(control<QLabel>("labFigures")->text().isEmpty());
            QVERIFY(chart()->chart().empty());
            QCOMPARE(control<labui::ComparisonView>("labComparisonView")->model()->rowCount(), 0);
            QCOMPARE(control<QListView>("labSteps")->model()->rowCount(), 0);
        };
        computeAndCompare();
        typeInto(0, Arrival, QStringLiteral("1"));
        allCleared();
        computeAndCompare();
        control<QSpinBox>("labSwitchCost")->setValue(2);
        allCleared();
        computeAndCompare();
        choosePolicy(lab::Policy::Hrrn);
        allCleared();
        computeAndCompare();
        click("labAdd");
        allCleared();
        computeAndCompare();
        table()->setCurrentIndex(processes()->index(0, 0));
        click("labRemove");
        allCleared();
    }

    void compareShowsAllPolicies()
    {
        click("labCompare");
        auto *comparison = control<labui::ComparisonView>("labComparisonView");
        QCOMPARE(control<QTabWidget>("labTabs")->currentWidget(), comparison);
        QCOMPARE(comparison->model()->rowCount(), 7);
        // A bad cell stops the comparison as it stops a run.
        typeInto(0, Burst, QStringLiteral("x"));
        click("labCompare");
        QCOMPARE(m_messages->messages().size(), 1);
        QCOMPARE(comparison->model()->rowCount(), 0);
    }

    void chosenStepMarksTheChart()
    {
        replaceTable(QStringLiteral("A,0,3\nB,5,2\n"));
        click("labCompute");
        auto *steps = control<QListView>("labSteps");
        QVERIFY(steps->model()->rowCount() >= 3);
        control<QTabWidget>("labTabs")->setCurrentIndex(3);
        const int last = steps->model()->rowCount() - 1;
        steps->setCurrentIndex(steps->model()->index(last, 0));
        QVERIFY(chart()->markedTime().has_value());
        QCOMPARE(*chart()->markedTime(), 5.0);
        steps->selectionModel()->clearSelection();
        QVERIFY(!chart()->markedTime().has_value());
    }

    void randomWorkloadFromTheSeed()
    {
        auto *seed = control<QSpinBox>("labSeed");
        auto *count = control<QSpinBox>("labRandomCount");
        count->setValue(8);
        // Typed into the box, not yet confirmed.
        auto *seedText = seed->findChild<QLineEdit *>();
        seed->setFocus();
        seedText->selectAll();
        QTest::keyClicks(seedText, QStringLiteral("12345"));
        click("labRandom");
        const QList<QStringList> first = tableTexts();
        QCOMPARE(first.size(), 8);
        QCOMPARE(first[0][0], QStringLiteral("P1"));
        QVERIFY(seed->value() != 12345);

        seed->setValue(777);
        click("labRandom");
        QVERIFY(tableTexts() != first);

        seed->setValue(12345);
        click("labRandom");
        QCOMPARE(tableTexts(), first);
        // The same workload as the engine's generator gives for that seed, on any machine.
        lab::RandomShape shape;
        shape.count = 8;
        shape.maxArrival = 24;
        const lab::Workload expected = lab::randomWorkload(12345, shape);
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(cell(row, Arrival), QString::number(expected[std::size_t(row)].arrival));
            QCOMPARE(cell(row, Burst), QString::number(expected[std::size_t(row)].burst));
        }
    }

    void thousandRowsCompute()
    {
        control<QSpinBox>("labRandomCount")->setValue(1000);
        control<QSpinBox>("labSeed")->setValue(2024);
        click("labRandom");
        QCOMPARE(processes()->rowCount(), 1000);
        choosePolicy(lab::Policy::Srtf);
        click("labCompute");
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(results()->rowCount(), 1002);
        QCOMPARE(chart()->chart().lanes.size(), std::size_t(1000));
        QVERIFY(!chart()->accessibleDescription().isEmpty());
        QVERIFY(m_lab->schedule() != nullptr);
        QCOMPARE(result(1001, 6), QString::fromStdString(lab::averageText(m_lab->schedule()->totals.waiting, 1000)));
        QVERIFY(control<QListView>("labSteps")->model()->rowCount() >= 1000);

        // A bad cell far down is found and shown.
        typeInto(998, Burst, QStringLiteral("0"));
        click("labCompute");
        QCOMPARE(m_messages->messages().size(), 1);
        QVERIFY(m_messages->messages().first().text.startsWith(QStringLiteral("Baris 999, kolom Burst")));
    }

    void loadedProblemIsComputedWithItsSettings()
    {
        click("labCompute");
        QVERIFY(hasResults());
        lab::Settings settings;
        settings.policy = lab::Policy::RoundRobin;
        settings.quantum = 3;
        settings.roundRobinRule = lab::RoundRobinRule::PreemptedFirst;
        settings.switchCost = 1;
        m_lab->loadProblem({{"A", 0, 4, 0}, {"B", 2, 3, 1}}, settings);
        QCOMPARE(tableTexts(), (QList<QStringList>{{"A", "0", "4", "0"}, {"B", "2", "3", "1"}}));
        QCOMPARE(m_lab->settings(), settings);
        QVERIFY(control<QSpinBox>("labQuantum")->isEnabled());
        // It is computed at once: A 0-3, switch 3-4, B 4-7, switch 7-8, A 8-9.
        QVERIFY(m_messages->messages().isEmpty());
        QCOMPARE(results()->rowCount(), 4);
        QCOMPARE(chart()->accessibleDescription(), QStringLiteral("A 0-3, switch 3-4, B 4-7, switch 7-8, A 8-9"));
    }

    // --- the chart --------------------------------------------------------------------------

    void chartZoomsAndFits()
    {
        click("labCompute");
        control<QTabWidget>("labTabs")->setCurrentIndex(1);
        QCOMPARE(chart()->timeScale(), 0.0);
        click("labZoomIn");
        const double once = chart()->timeScale();
        QVERIFY(once > 0);
        click("labZoomIn");
        QVERIFY(chart()->timeScale() > once);
        click("labZoomOut");
        QCOMPARE(chart()->timeScale(), once);
        click("labZoomFit");
        QCOMPARE(chart()->timeScale(), 0.0);
    }

    void pictureCopiedAndSaved()
    {
        click("labCompute");
        control<QTabWidget>("labTabs")->setCurrentIndex(1);
        click("labCopy");
        QVERIFY(!QGuiApplication::clipboard()->image().isNull());

        QTemporaryDir folder;
        for (const char *name : {"jadwal.png", "jadwal.svg"}) {
            const QString path = folder.filePath(QLatin1String(name));
            QString offered;
            m_lab->setFileQuestion([&](QWidget *, SchedulingLab::FileQuestion question, const QString &suggested) {
                offered = suggested;
                return question == SchedulingLab::FileQuestion::SavePicture ? path : QString();
            });
            click("labSavePicture");
            QVERIFY2(QFile::exists(path), name);
            QVERIFY(offered.endsWith(QStringLiteral(".png")));
            // Offered where the chart window offers its pictures.
            QCOMPARE(QFileInfo(offered).absolutePath(), QFileInfo(gantt::picturesFolder()).absoluteFilePath());
        }
        QVERIFY(!QImage(folder.filePath(QStringLiteral("jadwal.png"))).isNull());
        QFile svg(folder.filePath(QStringLiteral("jadwal.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("P5"));
        QVERIFY(m_messages->messages().isEmpty());
    }
};

QUORVEL_TEST_MAIN(SchedulingLabTest)
#include "tst_schedulinglab.moc"
