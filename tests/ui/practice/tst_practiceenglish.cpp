// Latihan and its worksheet dialog in English: after a check and the solution shown, no
// Indonesian word is left in any text; switching to English and back twice gives every text
// exactly as before, with the typed schedule, the typed numbers, the marks and the chosen
// settings kept; the mnemonics stay unique in English.
#include "common/testsupport.h"
#include "practice/exercise.h"
#include "ui/button/xpbuttonx.h"
#include "ui/lab/windowparts.h"
#include "ui/lab/windowtexts.h"
#include "ui/language.h"
#include "ui/practice/answertablemodel.h"
#include "ui/practice/answertyping.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/worksheetdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>

#include <memory>

using language::Language;
using practiceui::AnswerTableModel;

namespace {

// A preemptive exercise with a switch cost, so that the rules, the marks and the explanation
// say the most; drawn from a fixed start value.
practice::ExerciseKey sampleKey()
{
    return practice::newKey(lab::Policy::PriorityPreemptive, 5, practice::Level::Advanced, 20261207);
}

QStringList sortedDuplicates(const QStringList &letters)
{
    QStringList seen;
    QStringList twice;
    for (const QString &letter : letters) {
        if (seen.contains(letter))
            twice << letter;
        seen << letter;
    }
    return twice;
}

} // namespace

class PracticeEnglishTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PracticeWindow> m_window;

    template <typename T = QWidget>
    T *control(const char *name) const { return testsupport::control<T>(m_window.get(), name); }
    void click(const char *name) { testsupport::click(m_window.get(), name); }

    AnswerTableModel *answers() const { return answertyping::answers(m_window.get()); }
    void typeCell(int row, int column, const QString &text)
    {
        answertyping::typeCell(m_window.get(), row, column, text);
    }
    void typeSchedule(const QString &text) { answertyping::typeSchedule(m_window.get(), text); }

    // A schedule whose first piece is right and whose second is not, some numbers right, one
    // wrong and one that is not a number; then checked and the solution shown.
    void answerCheckAndReveal()
    {
        const practice::Exercise &exercise = *m_window->exercise();
        const lab::Segment &first = exercise.solution.segments.front();
        QString line;
        if (first.kind == lab::SegmentKind::Run)
            line = QString::fromStdString(exercise.workload[first.process].name);
        else
            line = QStringLiteral("idle");
        line += QStringLiteral(" %1-%2, P5 %2-%3").arg(first.start).arg(first.end).arg(first.end + 1);
        typeSchedule(line);
        typeCell(0, AnswerTableModel::CompletionColumn,
                 QString::number(exercise.solution.processes[0].completion));
        typeCell(0, AnswerTableModel::TurnaroundColumn, QStringLiteral("999"));
        typeCell(1, AnswerTableModel::WaitingColumn, QStringLiteral("x"));
        click("practiceCheck");
        QVERIFY(!control<QLabel>("practiceResult")->text().isEmpty());
        click("practiceReveal");
        QVERIFY(control<QWidget>("practiceSolution")->isVisible());
    }

private slots:
    void init()
    {
        // The windows' random choices (the number beside Acak, a new exercise) are the same every run.
        labui::repeatRandomChoices(20261207);
        language::setLanguage(Language::Indonesian);
        m_window = std::make_unique<PracticeWindow>(QColor(0x3a, 0x6e, 0xa5));
        m_window->bringForward();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(m_window->openCode(QString::fromStdString(practice::exerciseCode(sampleKey()))));
    }

    void cleanup()
    {
        m_window.reset();
        language::setLanguage(Language::Indonesian);
    }

    void englishLeavesNoIndonesianWord_data()
    {
        QTest::addColumn<bool>("answerInEnglish");
        QTest::newRow("checked before the switch") << false;
        QTest::newRow("checked after the switch") << true;
    }

    void englishLeavesNoIndonesianWord()
    {
        QFETCH(bool, answerInEnglish);
        if (!answerInEnglish)
            answerCheckAndReveal();
        language::setLanguage(Language::English);
        if (answerInEnglish)
            answerCheckAndReveal();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Scheduling Exercises"));
        const QStringList texts = windowtexts::collect(m_window.get());
        const QStringList left = windowtexts::indonesianLeft(texts);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        const QString result = control<QLabel>("practiceResult")->text();
        QVERIFY2(result.contains(QRegularExpression(QStringLiteral("^\\d+/\\d+ right\\n"))), qPrintable(result));
        QVERIFY(texts.filter(QStringLiteral("practiceAnswers|cell|wrong: not a number")).size() == 1);
        QVERIFY(texts.filter(QStringLiteral("practiceSolutionTable|header|Completion")).size() == 1);
        QVERIFY(texts.filter(QStringLiteral("practiceGrid|name|Schedule grid")).size() == 1);
    }

    void unreadableScheduleIsNamedInEnglish()
    {
        typeSchedule(QStringLiteral("P1 0-2, Q7 2-3"));
        auto *problem = control<QLabel>("practiceScheduleProblem");
        QCOMPARE(problem->text(), QStringLiteral("Potongan 2 (\"Q7 2-3\"): nama proses tidak dikenal"));
        language::setLanguage(Language::English);
        QCOMPARE(problem->text(), QStringLiteral("Piece 2 (\"Q7 2-3\"): unknown process name"));
        QVERIFY(!problem->isHidden());
        QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), QStringLiteral("P1 0-2, Q7 2-3"));
    }

    void switchingBackGivesEveryTextAsBefore()
    {
        auto *level = control<QComboBox>("practiceLevel");
        auto *policy = control<QComboBox>("practicePolicy");
        policy->setCurrentIndex(2);
        level->setCurrentIndex(1);
        answerCheckAndReveal();
        const QString schedule = control<QLineEdit>("practiceSchedule")->text();
        const practice::Answer answer = m_window->answer();
        const QStringList indonesian = windowtexts::collect(m_window.get());
        QVERIFY(indonesian.filter(QStringLiteral("Latihan Penjadwalan")).size() > 0);

        language::setLanguage(Language::English);
        const QStringList english = windowtexts::collect(m_window.get());
        QVERIFY(english != indonesian);
        language::setLanguage(Language::Indonesian);
        QCOMPARE(windowtexts::collect(m_window.get()), indonesian);
        language::setLanguage(Language::English);
        QCOMPARE(windowtexts::collect(m_window.get()), english);
        language::setLanguage(Language::Indonesian);
        QCOMPARE(windowtexts::collect(m_window.get()), indonesian);

        // The typed answer, its marks, the solution and the choices are all still there.
        QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), schedule);
        QCOMPARE(m_window->answer().segments.size(), answer.segments.size());
        QCOMPARE(answers()->text(0, AnswerTableModel::TurnaroundColumn), QStringLiteral("999"));
        QCOMPARE(answers()->text(1, AnswerTableModel::WaitingColumn), QStringLiteral("x"));
        QVERIFY(!control<QLabel>("practiceResult")->text().isEmpty());
        QVERIFY(control<QWidget>("practiceSolution")->isVisible());
        QCOMPARE(policy->currentIndex(), 2);
        QCOMPARE(level->currentIndex(), 1);
    }

    void worksheetDialogInEnglishAndBack()
    {
        WorksheetDialog dialog(m_window.get());
        dialog.setChoices(lab::Policy::RoundRobin, 6, practice::Level::Advanced);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *destination = dialog.findChild<QComboBox *>(QStringLiteral("worksheetDestination"));
        destination->setCurrentIndex(1);
        QTest::keyClicks(dialog.findChild<QLineEdit *>(QStringLiteral("worksheetClass")), QStringLiteral("TI2A"));
        const QStringList indonesian = windowtexts::collect(&dialog);

        language::setLanguage(Language::English);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Worksheets"));
        const QStringList english = windowtexts::collect(&dialog);
        const QStringList left = windowtexts::indonesianLeft(english);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QVERIFY(sortedDuplicates(windowtexts::mnemonics(&dialog)).isEmpty());

        language::setLanguage(Language::Indonesian);
        language::setLanguage(Language::English);
        QCOMPARE(windowtexts::collect(&dialog), english);
        language::setLanguage(Language::Indonesian);
        QCOMPARE(windowtexts::collect(&dialog), indonesian);
        const worksheet::ClassRequest chosen = dialog.classRequest();
        QCOMPARE(chosen.classCode, std::string("TI2A"));
        QVERIFY(chosen.policy == lab::Policy::RoundRobin);
        QCOMPARE(chosen.processes, 6);
        QVERIFY(chosen.level == practice::Level::Advanced);
        QVERIFY(dialog.destination() == WorksheetDialog::Destination::Printer);
    }

    // The printed worksheets are the students' document: they follow the language on show; the
    // names of the files they are saved in do not change.
    void worksheetsFollowTheLanguage()
    {
        worksheet::ClassRequest bad;
        bad.classCode = "TI-2A";
        QCOMPARE(worksheet::variantCaption(QStringLiteral("TI2A"), 2, 30), QStringLiteral("Kelas TI2A, varian 2 dari 30"));
        language::setLanguage(Language::English);
        QCOMPARE(worksheet::variantCaption(QStringLiteral("TI2A"), 2, 30), QStringLiteral("Class TI2A, variant 2 of 30"));
        const std::optional<QString> problem = worksheet::classProblem(bad);
        QVERIFY(problem.has_value());
        QVERIFY2(problem->startsWith(QStringLiteral("The class code must be letters and digits only")), qPrintable(*problem));
        QCOMPARE(worksheet::worksheetsFileName(QStringLiteral("TI2A")), QStringLiteral("TI2A-lembar-kerja.pdf"));
        QCOMPARE(worksheet::answerKeyFileName(QStringLiteral("TI2A")), QStringLiteral("TI2A-kunci-jawaban.pdf"));
        language::setLanguage(Language::Indonesian);
        QCOMPARE(worksheet::variantCaption(QStringLiteral("TI2A"), 2, 30), QStringLiteral("Kelas TI2A, varian 2 dari 30"));
    }

    void englishMnemonicsAreUnique()
    {
        language::setLanguage(Language::English);
        const QStringList letters = windowtexts::mnemonics(m_window.get());
        QVERIFY(letters.size() >= 12);
        const QStringList twice = sortedDuplicates(letters);
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join(QLatin1Char(' '))));
    }
};

QUORVEL_TEST_MAIN(PracticeEnglishTest)
#include "tst_practiceenglish.moc"
