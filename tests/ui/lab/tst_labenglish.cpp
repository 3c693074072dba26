// The laboratory in English: after a run, a comparison and the steps, no Indonesian word is
// left in any text of the window; switching to English and back twice gives every text exactly
// as before, with the typed processes and the results kept; a marked cell is explained in the
// language on show; and the mnemonics stay unique in English.
#include "common/testsupport.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/schedulinglab.h"
#include "ui/lab/windowparts.h"
#include "ui/lab/windowtexts.h"
#include "ui/language.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>

#include <memory>

using language::Language;

class LabEnglishTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<SchedulingLab> m_lab;

    template <typename T = QWidget>
    T *control(const char *name) const { return testsupport::control<T>(m_lab.get(), name); }
    void click(const char *name) { testsupport::click(m_lab.get(), name); }

    QAbstractItemModel *processes() const { return control<QTableView>("labProcesses")->model(); }

    // A run, the comparison of all policies and a chosen step, as a user gets there.
    void computeEverything()
    {
        click("labCompute");
        QVERIFY(m_lab->schedule() != nullptr);
        click("labCompare");
        auto *tabs = control<QTabWidget>("labTabs");
        tabs->setCurrentWidget(control<QWidget>("labStepsView"));
        auto *steps = control<QListView>("labSteps");
        QVERIFY(steps->model()->rowCount() > 0);
        steps->setCurrentIndex(steps->model()->index(1, 0));
    }

    // A policy whose rules, steps and comparison say the most: preemptive priority with a
    // switch cost, and a renamed process (user data) among the rows.
    void chooseRichSettings()
    {
        auto *policy = control<QComboBox>("labPolicy");
        policy->setCurrentIndex(policy->findData(int(lab::Policy::PriorityPreemptive)));
        control<QComboBox>("labPriorityOrder")->setCurrentIndex(1);
        processes()->setData(processes()->index(0, 0), QStringLiteral("Alpha"));
        processes()->setData(processes()->index(2, 3), QStringLiteral("3"));
    }

private slots:
    void init()
    {
        // The windows' random choices (the number beside Acak, a new exercise) are the same every run.
        labui::repeatRandomChoices(20261207);
        language::setLanguage(Language::Indonesian);
        m_lab = std::make_unique<SchedulingLab>(QColor(0x3a, 0x6e, 0xa5));
        m_lab->bringForward();
        QVERIFY(QTest::qWaitForWindowExposed(m_lab.get()));
    }

    void cleanup()
    {
        m_lab.reset();
        language::setLanguage(Language::Indonesian);
    }

    void englishLeavesNoIndonesianWord_data()
    {
        QTest::addColumn<bool>("computeInEnglish");
        QTest::newRow("computed before the switch") << false;
        QTest::newRow("computed after the switch") << true;
    }

    void englishLeavesNoIndonesianWord()
    {
        QFETCH(bool, computeInEnglish);
        testsupport::MessageRecorder messages;
        chooseRichSettings();
        if (!computeInEnglish)
            computeEverything();
        language::setLanguage(Language::English);
        if (computeInEnglish)
            computeEverything();
        QCOMPARE(m_lab->windowTitle(), QStringLiteral("Scheduling Laboratory"));
        const QStringList texts = windowtexts::collect(m_lab.get());
        const QStringList left = windowtexts::indonesianLeft(texts);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        // The results, the comparison and the steps are there, in English.
        QVERIFY(texts.filter(QStringLiteral("labResults|header|Completion")).size() == 1);
        QVERIFY(texts.filter(QStringLiteral("|Average")).size() > 0);
        QVERIFY(texts.filter(QStringLiteral("(best)")).size() > 0);
        QVERIFY(texts.filter(QRegularExpression(QStringLiteral("labSteps\\|cell\\|t=0: "))).size() > 0);
        QVERIFY(texts.filter(QStringLiteral("processes per time unit")).size() > 0);
        // User data stays as typed.
        QVERIFY(texts.filter(QStringLiteral("|Alpha")).size() > 0);
        QVERIFY(messages.messages().isEmpty());
    }

    void switchingBackGivesEveryTextAsBefore()
    {
        chooseRichSettings();
        computeEverything();
        const QStringList indonesian = windowtexts::collect(m_lab.get());
        QVERIFY(m_lab->schedule() != nullptr);
        const lab::Schedule before = *m_lab->schedule();
        const std::optional<double> marked = control<gantt::GanttChart>("labChart")->markedTime();
        QVERIFY(marked.has_value());
        QVERIFY(indonesian.filter(QStringLiteral("Laboratorium Penjadwalan")).size() > 0);

        language::setLanguage(Language::English);
        const QStringList english = windowtexts::collect(m_lab.get());
        QVERIFY(english != indonesian);
        language::setLanguage(Language::Indonesian);
        QCOMPARE(windowtexts::collect(m_lab.get()), indonesian);
        language::setLanguage(Language::English);
        QCOMPARE(windowtexts::collect(m_lab.get()), english);
        language::setLanguage(Language::Indonesian);
        QCOMPARE(windowtexts::collect(m_lab.get()), indonesian);

        // Nothing typed and no result was lost on the way.
        QVERIFY(m_lab->schedule() != nullptr);
        QCOMPARE(m_lab->schedule()->lastCompletion, before.lastCompletion);
        QCOMPARE(m_lab->schedule()->totals.waiting, before.totals.waiting);
        QCOMPARE(m_lab->schedule()->contextSwitches, before.contextSwitches);
        QCOMPARE(processes()->index(0, 0).data(Qt::EditRole).toString(), QStringLiteral("Alpha"));
        QCOMPARE(control<QComboBox>("labPolicy")->currentData().toInt(), int(lab::Policy::PriorityPreemptive));
        QCOMPARE(control<QComboBox>("labPriorityOrder")->currentIndex(), 1);
        QCOMPARE(control<QListView>("labSteps")->currentIndex().row(), 1);
        QCOMPARE(control<gantt::GanttChart>("labChart")->markedTime(), marked);
        QCOMPARE(control<QTabWidget>("labTabs")->currentWidget(), control<QWidget>("labStepsView"));
    }

    void markedCellIsExplainedInTheLanguageOnShow()
    {
        testsupport::MessageRecorder messages;
        processes()->setData(processes()->index(1, 2), QStringLiteral("0"));
        click("labCompute");
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Baris 2, kolom Burst: burst paling sedikit 1.")});
        const QModelIndex cell = processes()->index(1, 2);
        const QString indonesianTip = cell.data(Qt::ToolTipRole).toString();
        QCOMPARE(indonesianTip, QStringLiteral("burst paling sedikit 1"));

        language::setLanguage(Language::English);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("the burst is at least 1"));
        QCOMPARE(cell.data(Qt::AccessibleDescriptionRole).toString(), QStringLiteral("Wrong: the burst is at least 1"));
        messages.clear();
        click("labCompute");
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Row 2, column Burst: the burst is at least 1.")});
        // The cell keeps what was typed.
        QCOMPARE(cell.data(Qt::EditRole).toString(), QStringLiteral("0"));

        language::setLanguage(Language::Indonesian);
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), indonesianTip);
    }

    // A count of time units reads in the singular for one.
    void switchCostIsCountedInEnglish()
    {
        auto *cost = control<QSpinBox>("labSwitchCost");
        auto *rules = control<QLabel>("labRules");
        cost->setValue(1);
        QVERIFY(rules->text().contains(QStringLiteral("context switch 1 satuan waktu (switch-cost)")));
        language::setLanguage(Language::English);
        QVERIFY2(rules->text().contains(QStringLiteral("a context switch of 1 time unit (switch-cost)")),
                 qPrintable(rules->text()));
        cost->setValue(2);
        QVERIFY(rules->text().contains(QStringLiteral("a context switch of 2 time units (switch-cost)")));
        click("labCompute");
        const QAbstractItemModel *steps = control<QListView>("labSteps")->model();
        int switched = 0;
        for (int row = 0; row < steps->rowCount(); ++row)
            switched += steps->index(row, 0).data().toString().endsWith(QStringLiteral(", then a context switch of 2 time units"));
        QVERIFY(switched > 0);
    }

    void englishMnemonicsAreUniqueAndCaptionsFit()
    {
        language::setLanguage(Language::English);
        const QStringList letters = windowtexts::mnemonics(m_lab.get());
        QVERIFY(letters.size() >= 15);
        QStringList seen;
        for (const QString &letter : letters) {
            QVERIFY2(!seen.contains(letter), qPrintable(QStringLiteral("mnemonic used twice: ") + letter));
            seen << letter;
        }
        for (XPButtonX *button : m_lab->findChildren<XPButtonX *>()) {
            QString caption = button->Caption();
            caption.remove(QLatin1Char('&'));
            QVERIFY2(button->width() >= button->fontMetrics().horizontalAdvance(caption) + 8, qPrintable(caption));
        }
    }
};

QUORVEL_TEST_MAIN(LabEnglishTest)
#include "tst_labenglish.moc"
