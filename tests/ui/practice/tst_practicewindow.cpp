// The practice window as a student uses it: exercises opened from their codes, answers typed or
// laid on the grid with the mouse and the keyboard, checked, and the solution shown; opened from
// the main window's Program menu, and handing its exercise to the laboratory.

#include "common/testsupport.h"
#include "lab/schedule.h"
#include "practice/answer.h"
#include "practice/exercise.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/ganttchart.h"
#include "ui/lab/processtablemodel.h"
#include "ui/lab/schedulinglab.h"
#include "ui/lab/windowparts.h"
#include "ui/main/form1.h"
#include "ui/practice/answertablemodel.h"
#include "ui/practice/answertyping.h"
#include "ui/practice/mistaketexts.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/schedulegrid.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QTableView>

#include <memory>

using practice::Mark;
using practiceui::AnswerTableModel;

namespace {

const QColor kBlue(0x00, 0x40, 0x80);

// The codes of a handful of exercises: every policy at every level.
std::vector<practice::ExerciseKey> sampleKeys()
{
    std::vector<practice::ExerciseKey> keys;
    std::uint32_t serial = 977;
    for (const lab::Policy policy : lab::kAllPolicies) {
        for (const practice::Level level :
             {practice::Level::Basic, practice::Level::Intermediate, practice::Level::Advanced}) {
            practice::ExerciseKey key;
            key.policy = policy;
            key.quantum = 3;
            key.processes = 4 + int(serial % 4);
            key.level = level;
            key.serial = serial;
            keys.push_back(key);
            serial = serial * 2654435761u % 33554432u;
        }
    }
    return keys;
}

QString code(const practice::ExerciseKey &key)
{
    return QString::fromStdString(practice::exerciseCode(key));
}

// Opens Latihan with the main window's Ctrl+T; the practice window it brings up, or none.
PracticeWindow *openFromMenu(Form1 &form)
{
    QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
    const QList<PracticeWindow *> windows = testsupport::topLevels<PracticeWindow>();
    return windows.isEmpty() ? nullptr : windows.last();
}

// What the student's own schedule gives for a process: its completion, turnaround and waiting.
struct OwnNumbers {
    lab::Time completion = 0;
    lab::Time turnaround = 0;
    lab::Time waiting = 0;
};
OwnNumbers ownNumbers(const lab::Workload &workload, const std::vector<practice::AnswerSegment> &segments,
                      std::size_t process)
{
    OwnNumbers numbers;
    for (const practice::AnswerSegment &segment : segments) {
        if (segment.kind == lab::SegmentKind::Run && segment.process == process)
            numbers.completion = segment.end;
    }
    numbers.turnaround = numbers.completion - workload[process].arrival;
    numbers.waiting = numbers.turnaround - workload[process].burst;
    return numbers;
}

std::vector<practice::AnswerSegment> solutionSegments(const lab::Schedule &solution)
{
    std::vector<practice::AnswerSegment> segments;
    for (const lab::Segment &segment : solution.segments)
        segments.push_back({segment.kind, segment.process, segment.start, segment.end});
    return segments;
}

// An exercise whose first dispatch among several ready processes is settled by a tie rule, and
// the solution with the second candidate run there instead: the first pieces of the two are
// swapped (with equal keys the rest of the schedule stays as it was).
struct WrongTurn {
    practice::ExerciseKey key;
    practice::Exercise exercise;
    std::size_t decision = 0;
    std::vector<practice::AnswerSegment> segments;
};
std::optional<WrongTurn> findWrongTurn(lab::Policy policy)
{
    for (std::uint32_t serial = 1; serial < 400; ++serial) {
        practice::ExerciseKey key;
        key.policy = policy;
        key.processes = 5;
        key.level = practice::Level::Intermediate;
        key.serial = serial;
        practice::Exercise exercise = practice::makeExercise(key);
        const lab::Schedule &solution = exercise.solution;
        for (std::size_t d = 0; d < solution.decisions.size(); ++d) {
            const lab::Decision &decision = solution.decisions[d];
            if (decision.kind != lab::DecisionKind::Dispatch || decision.candidates.size() < 2)
                continue;
            if (decision.tie != lab::TieBreak::EarlierArrival && decision.tie != lab::TieBreak::ListOrder)
                break;
            // The chosen process runs to completion here with the same burst as the second one,
            // so swapping them leaves the rest of the schedule as it is.
            const std::size_t other = decision.candidates[1].process;
            std::vector<practice::AnswerSegment> segments = solutionSegments(solution);
            auto at = std::find_if(segments.begin(), segments.end(), [&](const auto &s) {
                return s.kind == lab::SegmentKind::Run && s.start == decision.time;
            });
            if (at == segments.end() || at->process != decision.chosen)
                break;
            at->process = other;
            const auto later = std::find_if(at + 1, segments.end(), [&](const auto &s) {
                return s.kind == lab::SegmentKind::Run && s.process == other;
            });
            if (later != segments.end())
                later->process = decision.chosen;
            return WrongTurn{key, std::move(exercise), d, std::move(segments)};
        }
    }
    return std::nullopt;
}

} // namespace

class PracticeWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void menuOpensTheWindowWithItsControls();
    void aCodeGivesTheSameExerciseEveryTime();
    void repeatedChoicesGiveTheSameFirstExercise();
    void aCodeThatIsNoneIsRefused();
    void theRightAnswerScoresFull();
    void aWrongAnswerNamesTheFirstWrongDecision();
    void numbersFromAWrongScheduleAreMarkedAsFollowing();
    void emptyAndUnreadableAnswers();
    void revealShowsTheSolutionAndKeepsTheAnswers();
    void newExerciseAsksBeforeDiscardingAnswers();
    void changingASettingKeepsTheAnswers();
    void theGridBuildsTheSameTextAsTyping();
    void typingUpdatesTheGrid();
    void keyboardOnly();
    void openInLaboratoryShowsTheSameWorkload();

private:
    template <typename T = QWidget>
    T *control(const char *name) const { return testsupport::control<T>(m_window.get(), name); }
    void click(const char *name) { testsupport::click(m_window.get(), name); }
    void openCode(const QString &text)
    {
        QLineEdit *box = control<QLineEdit>("practiceCode");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    QList<QStringList> problemRows() const
    {
        const QAbstractItemModel *model = control<QTableView>("practiceProblem")->model();
        QList<QStringList> rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < model->columnCount(); ++column)
                cells << model->index(row, column).data().toString();
            rows << cells;
        }
        return rows;
    }
    static QList<QStringList> expectedRows(const practice::Exercise &exercise)
    {
        QList<QStringList> rows;
        for (const lab::Process &process : exercise.workload) {
            QStringList cells{QString::fromStdString(process.name), QString::number(process.arrival),
                              QString::number(process.burst)};
            if (lab::usesPriority(exercise.settings.policy))
                cells << QString::number(process.priority);
            rows << cells;
        }
        return rows;
    }
    AnswerTableModel *answers() const { return answertyping::answers(m_window.get()); }
    void typeCell(int row, int column, const QString &text)
    {
        answertyping::typeCell(m_window.get(), row, column, text);
    }
    void typeSchedule(const QString &text) { answertyping::typeSchedule(m_window.get(), text); }
    // The solution's numbers typed into every cell, the averages as the laboratory writes them.
    void typeSolutionNumbers(const practice::Exercise &exercise)
    {
        const lab::Schedule &solution = exercise.solution;
        for (std::size_t i = 0; i < exercise.workload.size(); ++i) {
            const int row = int(i);
            typeCell(row, AnswerTableModel::CompletionColumn, QString::number(solution.processes[i].completion));
            typeCell(row, AnswerTableModel::TurnaroundColumn, QString::number(solution.processes[i].turnaround));
            typeCell(row, AnswerTableModel::WaitingColumn, QString::number(solution.processes[i].waiting));
            if (answers()->asksResponse())
                typeCell(row, AnswerTableModel::ResponseColumn, QString::number(solution.processes[i].response));
        }
        const int averages = answers()->averagesRow();
        const std::size_t n = exercise.workload.size();
        typeCell(averages, AnswerTableModel::TurnaroundColumn,
                 QString::fromStdString(lab::averageText(solution.totals.turnaround, n)));
        typeCell(averages, AnswerTableModel::WaitingColumn,
                 QString::fromStdString(lab::averageText(solution.totals.waiting, n)));
        if (answers()->asksResponse()) {
            typeCell(averages, AnswerTableModel::ResponseColumn,
                     QString::fromStdString(lab::averageText(solution.totals.response, n)));
        }
    }
    QString resultText() const { return control<QLabel>("practiceResult")->text(); }
    const practice::Exercise &shown() const { return *m_window->exercise(); }

    std::unique_ptr<PracticeWindow> m_window;
    std::unique_ptr<testsupport::MessageRecorder> m_messages;
    int m_questions = 0;
    platform::MessageRequest m_lastQuestion;
    bool m_answerYes = false;
};

void PracticeWindowTest::init()
{
    // The windows' random choices (the number beside Acak, a new exercise) are the same every run.
    labui::repeatRandomChoices(20261207);
    m_messages = std::make_unique<testsupport::MessageRecorder>();
    m_questions = 0;
    m_answerYes = false;
    platform::setQuestionHook([this](const platform::MessageRequest &question) {
        ++m_questions;
        m_lastQuestion = question;
        return m_answerYes;
    });
    m_window = std::make_unique<PracticeWindow>(kBlue);
    m_window->bringForward();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void PracticeWindowTest::cleanup()
{
    m_window.reset();
    platform::setQuestionHook({});
    m_messages.reset();
}

void PracticeWindowTest::menuOpensTheWindowWithItsControls()
{
    m_window.reset();
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // "Latihan" sits right below "Laboratorium" in the Program menu.
    auto *menu = form.findChild<QMenu *>(QStringLiteral("mnprog"));
    QVERIFY(menu);
    const QList<QAction *> actions = menu->actions();
    const auto lab = std::find_if(actions.begin(), actions.end(),
                                  [](QAction *a) { return a->objectName() == QLatin1String("mnlab"); });
    QVERIFY(lab != actions.end() && lab + 1 != actions.end());
    QAction *latihan = *(lab + 1);
    QCOMPARE(latihan->objectName(), QStringLiteral("mnlatihan"));
    QCOMPARE(latihan->text(), QStringLiteral("La&tihan"));
    QCOMPARE(latihan->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    // Start-up does not make the window.
    QVERIFY(testsupport::topLevels<PracticeWindow>().isEmpty());

    PracticeWindow *window = openFromMenu(form);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(window->palette().color(QPalette::Window), form.backColor());
    for (const char *name : {"practiceNew", "practiceOpenCode", "practiceCheck", "practiceReveal", "practiceOpenLab",
                             "practiceWorksheets", "practiceUndo"}) {
        auto *button = window->findChild<XPButtonX *>(QLatin1String(name));
        QVERIFY2(button && button->isVisible(), name);
    }
    QCOMPARE(window->findChild<XPButtonX *>(QStringLiteral("practiceNew"))->Caption(), QStringLiteral("Soal &Baru"));
    QCOMPARE(window->findChild<XPButtonX *>(QStringLiteral("practiceCheck"))->Caption(), QStringLiteral("&Periksa"));
    QCOMPARE(window->findChild<XPButtonX *>(QStringLiteral("practiceReveal"))->Caption(),
             QStringLiteral("&Tunjukkan Jawaban"));
    auto *policy = window->findChild<QComboBox *>(QStringLiteral("practicePolicy"));
    QVERIFY(policy);
    QCOMPARE(policy->count(), 8);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(policy->itemText(i), QString::fromUtf8(lab::policyName(lab::kAllPolicies[std::size_t(i)]).data()));
    QCOMPARE(policy->itemText(7), QStringLiteral("Acak"));
    auto *count = window->findChild<QSpinBox *>(QStringLiteral("practiceProcesses"));
    QVERIFY(count);
    QCOMPARE(count->minimum(), 3);
    QCOMPARE(count->maximum(), 10);
    auto *level = window->findChild<QComboBox *>(QStringLiteral("practiceLevel"));
    QVERIFY(level);
    QCOMPARE(level->count(), 3);
    QCOMPARE(level->itemText(0), QStringLiteral("Dasar"));
    QCOMPARE(level->itemText(1), QStringLiteral("Menengah"));
    QCOMPARE(level->itemText(2), QStringLiteral("Lanjut"));
    QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("practiceCode")));
    QVERIFY(window->findChild<QTableView *>(QStringLiteral("practiceProblem")));
    QVERIFY(window->findChild<QLineEdit *>(QStringLiteral("practiceSchedule")));
    QVERIFY(window->findChild<practiceui::ScheduleGrid *>(QStringLiteral("practiceGrid")));
    QVERIFY(window->findChild<QTableView *>(QStringLiteral("practiceAnswers")));
    QVERIFY(window->findChild<QLabel *>(QStringLiteral("practiceResult")));
    // It opens with an exercise whose code is in the code box.
    QVERIFY(window->exercise());
    QCOMPARE(window->findChild<QLineEdit *>(QStringLiteral("practiceCode"))->text(),
             QString::fromStdString(window->exercise()->code));

    // Asked again, the same window comes forward.
    QTest::keyClick(&form, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(testsupport::topLevels<PracticeWindow>().size(), 1);
}

void PracticeWindowTest::repeatedChoicesGiveTheSameFirstExercise()
{
    // One start value of the random choices gives the same opening exercise and the same number
    // beside the laboratory's "Acak"; another start value gives others.
    const auto opening = [](std::uint64_t start) {
        labui::repeatRandomChoices(start);
        PracticeWindow practiceWindow(kBlue);
        SchedulingLab laboratory(kBlue);
        return std::make_pair(practiceWindow.exercise()->code,
                              laboratory.findChild<QSpinBox *>(QStringLiteral("labSeed"))->value());
    };
    const auto first = opening(7);
    QCOMPARE(opening(7), first);
    QVERIFY(opening(8) != first);
}

void PracticeWindowTest::aCodeGivesTheSameExerciseEveryTime()
{
    for (const practice::ExerciseKey &key : sampleKeys()) {
        const QString text = code(key);
        const practice::Exercise expected = practice::makeExercise(key);
        openCode(text);
        QCOMPARE(QString::fromStdString(shown().code), text);
        QCOMPARE(problemRows(), expectedRows(expected));
        QVERIFY(shown().settings == expected.settings);
        // The heading names the code; the rules in force are listed in words.
        QVERIFY(control<QLabel>("practiceHeading")->text().contains(text));
        QVERIFY(control<QLabel>("practiceRules")->text().contains(QStringLiteral("Aturan yang berlaku")));
        // The priority column only where the policy uses it.
        QCOMPARE(control<QTableView>("practiceProblem")->model()->columnCount(),
                 lab::usesPriority(key.policy) ? 4 : 3);
    }
    // Typed again, in lower case with blanks around it, in another window: the same table.
    const practice::ExerciseKey key = sampleKeys()[10];
    openCode(code(key));
    const QList<QStringList> first = problemRows();
    PracticeWindow other(kBlue);
    other.openCode(QStringLiteral("  ") + code(key).toLower() + QStringLiteral(" "));
    QCOMPARE(QString::fromStdString(other.exercise()->code), code(key));
    QVERIFY(other.exercise()->workload == shown().workload);
    QCOMPARE(first, problemRows());
    QVERIFY(m_messages->messages().isEmpty());
}

void PracticeWindowTest::aCodeThatIsNoneIsRefused()
{
    const std::string before = shown().code;
    openCode(QStringLiteral("XYZ-1-2"));
    QCOMPARE(m_messages->messages().size(), 1);
    QVERIFY(m_messages->texts().first().contains(QStringLiteral("XYZ-1-2")));
    QCOMPARE(shown().code, before);
}

void PracticeWindowTest::theRightAnswerScoresFull()
{
    for (const practice::ExerciseKey &key : sampleKeys()) {
        openCode(code(key));
        const practice::Exercise &exercise = shown();
        typeSchedule(QString::fromStdString(lab::describeSegments(exercise.workload, exercise.solution)));
        typeSolutionNumbers(exercise);
        click("practiceCheck");
        const practice::CheckResult expected =
            practice::check(exercise.workload, exercise.solution, m_window->answer());
        QCOMPARE(expected.right, expected.total);
        QVERIFY2(resultText().startsWith(practiceui::scoreText(expected.total, expected.total)),
                 qPrintable(code(key) + QStringLiteral(": ") + resultText()));
        QVERIFY(resultText().contains(QStringLiteral("Jadwal benar.")));
        // Every cell and every piece is marked right, in symbol and words as well as colour.
        for (int row = 0; row < answers()->rowCount(); ++row) {
            for (int column = AnswerTableModel::CompletionColumn; column < answers()->columnCount(); ++column) {
                if (!answers()->isAnswerCell(row, column))
                    continue;
                const QModelIndex cell = answers()->index(row, column);
                QCOMPARE(answers()->mark(row, column), std::optional<Mark>(Mark::Right));
                QVERIFY(cell.data().toString().endsWith(QStringLiteral("\u2713")));
                QVERIFY(cell.data(Qt::AccessibleTextRole).toString().endsWith(QStringLiteral("benar")));
            }
        }
        const QAbstractItemModel *pieces = control<QListView>("practiceSegmentMarks")->model();
        QCOMPARE(std::size_t(pieces->rowCount()), exercise.solution.segments.size());
        for (int i = 0; i < pieces->rowCount(); ++i)
            QVERIFY(pieces->index(i, 0).data(Qt::AccessibleTextRole).toString().endsWith(QStringLiteral(": benar")));
        // The next exercise starts empty: the question is answered yes.
        m_answerYes = true;
    }
}

void PracticeWindowTest::aWrongAnswerNamesTheFirstWrongDecision()
{
    for (const lab::Policy policy : {lab::Policy::Sjf, lab::Policy::Srtf, lab::Policy::Fcfs}) {
        const std::optional<WrongTurn> turn = findWrongTurn(policy);
        QVERIFY2(turn, lab::policyName(policy).data());
        m_answerYes = true;
        openCode(code(turn->key));
        const practice::Exercise &exercise = shown();
        const lab::Decision &decision = exercise.solution.decisions[turn->decision];
        typeSchedule(QString::fromStdString(practice::segmentsText(turn->segments, exercise.workload)));
        click("practiceCheck");

        const QString chosen = QString::fromStdString(exercise.workload[decision.chosen].name);
        const QString other = QString::fromStdString(exercise.workload[decision.candidates[1].process].name);
        const QString text = resultText();
        // "Pada t=6 siap P2 (sisa 3) dan P4 (sisa 3); sama, yang datang lebih dulu dipilih: P2, bukan P4."
        const QString sentence =
            (decision.tie == lab::TieBreak::EarlierArrival
                 ? QStringLiteral("Pada t=%1 siap %2; sama, yang datang lebih dulu dipilih: %3, bukan %4.")
                 : QStringLiteral("Pada t=%1 siap %2; sama dan datang bersamaan, yang lebih dulu dalam daftar "
                                  "dipilih: %3, bukan %4."))
                .arg(decision.time)
                                     .arg(practiceui::readyList(exercise.workload, decision), chosen, other);
        QVERIFY2(text.contains(sentence), qPrintable(text + QStringLiteral("\nexpected: ") + sentence));
        // The wrong piece is marked wrong, those before it right.
        const practice::CheckResult result = practice::check(exercise.workload, exercise.solution, m_window->answer());
        const QAbstractItemModel *pieces = control<QListView>("practiceSegmentMarks")->model();
        for (int i = 0; i < pieces->rowCount(); ++i) {
            const auto &segment = turn->segments[std::size_t(i)];
            const QString spoken = pieces->index(i, 0).data(Qt::AccessibleTextRole).toString();
            if (segment.start < decision.time)
                QVERIFY2(spoken.endsWith(QStringLiteral(": benar")), qPrintable(spoken));
            if (segment.start == decision.time)
                QVERIFY2(spoken.endsWith(QStringLiteral(": salah")), qPrintable(spoken));
            QCOMPARE(spoken.endsWith(QStringLiteral(": benar")), result.segments[std::size_t(i)] == Mark::Right);
        }
        QVERIFY(text.startsWith(practiceui::scoreText(result.right, result.total)));
        QVERIFY(result.right < result.total);
    }
}

void PracticeWindowTest::numbersFromAWrongScheduleAreMarkedAsFollowing()
{
    const std::optional<WrongTurn> turn = findWrongTurn(lab::Policy::Sjf);
    QVERIFY(turn);
    openCode(code(turn->key));
    const practice::Exercise &exercise = shown();
    typeSchedule(QString::fromStdString(practice::segmentsText(turn->segments, exercise.workload)));
    // The numbers the student's own schedule gives, and one number wrong even by it.
    const lab::Decision &decision = exercise.solution.decisions[turn->decision];
    const std::size_t swapped = decision.candidates[1].process;
    for (std::size_t i = 0; i < exercise.workload.size(); ++i) {
        const OwnNumbers own = ownNumbers(exercise.workload, turn->segments, i);
        typeCell(int(i), AnswerTableModel::CompletionColumn, QString::number(own.completion));
        typeCell(int(i), AnswerTableModel::TurnaroundColumn, QString::number(own.turnaround));
        typeCell(int(i), AnswerTableModel::WaitingColumn,
                 QString::number(i == decision.chosen ? own.waiting + 7 : own.waiting));
    }
    click("practiceCheck");

    // The process run in the other's place finishes at another time than in the solution: its
    // numbers follow from the wrong piece.
    const int row = int(swapped);
    QVERIFY(exercise.solution.processes[swapped].completion
            != ownNumbers(exercise.workload, turn->segments, swapped).completion);
    for (const int column : {int(AnswerTableModel::CompletionColumn), int(AnswerTableModel::TurnaroundColumn),
                             int(AnswerTableModel::WaitingColumn)}) {
        QCOMPARE(answers()->mark(row, column), std::optional<Mark>(Mark::FollowsFromSchedule));
        const QModelIndex cell = answers()->index(row, column);
        QVERIFY(cell.data().toString().endsWith(QStringLiteral("\u2192")));
        QVERIFY(cell.data(Qt::AccessibleTextRole).toString().endsWith(QStringLiteral("salah karena jadwal")));
        QCOMPARE(cell.data(Qt::ToolTipRole).toString(), QStringLiteral("salah karena jadwal"));
    }
    // The waiting time wrong by its own schedule too is plainly wrong.
    const int chosenRow = int(decision.chosen);
    QCOMPARE(answers()->mark(chosenRow, AnswerTableModel::WaitingColumn), std::optional<Mark>(Mark::Wrong));
    QVERIFY(answers()->index(chosenRow, AnswerTableModel::WaitingColumn).data().toString().endsWith(QStringLiteral("\u2717")));
    // The averages were not given.
    QCOMPARE(answers()->mark(answers()->averagesRow(), AnswerTableModel::WaitingColumn),
             std::optional<Mark>(Mark::Missing));
    QVERIFY(resultText().contains(QStringLiteral("salah karena jadwal")));
    // A cell edited after checking loses its mark, the others keep theirs.
    typeCell(row, AnswerTableModel::CompletionColumn, QStringLiteral("1"));
    QCOMPARE(answers()->mark(row, AnswerTableModel::CompletionColumn), std::nullopt);
    QCOMPARE(answers()->mark(row, AnswerTableModel::TurnaroundColumn), std::optional<Mark>(Mark::FollowsFromSchedule));
}

void PracticeWindowTest::emptyAndUnreadableAnswers()
{
    // Nothing typed: no point, and the student is told the schedule is missing.
    click("practiceCheck");
    const practice::CheckResult nothing = practice::check(shown().workload, shown().solution, m_window->answer());
    QCOMPARE(nothing.right, 0);
    QVERIFY2(resultText().startsWith(practiceui::scoreText(0, nothing.total)), qPrintable(resultText()));
    QVERIFY(resultText().contains(QStringLiteral("Jadwal CPU belum diisi")));
    QCOMPARE(answers()->mark(0, AnswerTableModel::CompletionColumn), std::optional<Mark>(Mark::Missing));
    QVERIFY(answers()->index(0, AnswerTableModel::CompletionColumn).data(Qt::AccessibleTextRole).toString()
                .endsWith(QStringLiteral("belum dijawab")));

    // A cell that holds no number is wrong, and says why; an average may be written as the
    // laboratory writes it, with a comma or a point.
    typeCell(0, AnswerTableModel::CompletionColumn, QStringLiteral("lima"));
    const std::size_t n = shown().workload.size();
    const lab::Time total = shown().solution.totals.turnaround;
    const QString average = QString::fromStdString(lab::averageText(total, n, ","));
    typeCell(answers()->averagesRow(), AnswerTableModel::TurnaroundColumn, average);
    click("practiceCheck");
    QCOMPARE(answers()->mark(0, AnswerTableModel::CompletionColumn), std::optional<Mark>(Mark::Wrong));
    QCOMPARE(answers()->index(0, AnswerTableModel::CompletionColumn).data(Qt::ToolTipRole).toString(),
             QStringLiteral("salah: bukan angka"));
    QCOMPARE(answers()->mark(answers()->averagesRow(), AnswerTableModel::TurnaroundColumn),
             std::optional<Mark>(Mark::Right));
    QVERIFY(resultText().startsWith(practiceui::scoreText(1, nothing.total)));
}

void PracticeWindowTest::revealShowsTheSolutionAndKeepsTheAnswers()
{
    openCode(code(sampleKeys()[8]));
    const practice::Exercise &exercise = shown();
    const QString typed = QStringLiteral("P1 0-1, P2 1-3");
    typeSchedule(typed);
    typeCell(0, AnswerTableModel::CompletionColumn, QStringLiteral("12"));
    typeCell(answers()->averagesRow(), AnswerTableModel::WaitingColumn, QStringLiteral("3,5"));
    click("practiceCheck");
    const QString checked = resultText();
    QVERIFY(!control<QGroupBox>("practiceSolution")->isVisible());

    click("practiceReveal");
    QVERIFY(control<QGroupBox>("practiceSolution")->isVisible());
    // The chart and the table of the solution.
    auto *chart = control<gantt::GanttChart>("practiceSolutionChart");
    QCOMPARE(chart->chart().description, QString::fromStdString(lab::describeSegments(exercise.workload, exercise.solution)));
    const QAbstractItemModel *table = control<QTableView>("practiceSolutionTable")->model();
    QCOMPARE(std::size_t(table->rowCount()), exercise.workload.size() + 1);
    for (std::size_t i = 0; i < exercise.workload.size(); ++i) {
        QCOMPARE(table->index(int(i), 3).data().toString(), QString::number(exercise.solution.processes[i].completion));
        QCOMPARE(table->index(int(i), 5).data().toString(), QString::number(exercise.solution.processes[i].waiting));
    }
    QCOMPARE(table->index(int(exercise.workload.size()), 5).data().toString(),
             QString::fromStdString(lab::averageText(exercise.solution.totals.waiting, exercise.workload.size())));
    // Nothing typed is lost, the marks stay.
    QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), typed);
    QCOMPARE(answers()->text(0, AnswerTableModel::CompletionColumn), QStringLiteral("12"));
    QCOMPARE(answers()->text(answers()->averagesRow(), AnswerTableModel::WaitingColumn), QStringLiteral("3,5"));
    QVERIFY(answers()->mark(0, AnswerTableModel::CompletionColumn).has_value());
    QCOMPARE(resultText(), checked);
    QCOMPARE(m_questions, 0);
}

void PracticeWindowTest::newExerciseAsksBeforeDiscardingAnswers()
{
    // Nothing typed: no question.
    const std::string first = shown().code;
    click("practiceNew");
    QCOMPARE(m_questions, 0);
    QVERIFY(shown().code != first);

    // Typed answers: the student is asked; "no" keeps everything.
    const std::string second = shown().code;
    typeCell(1, AnswerTableModel::TurnaroundColumn, QStringLiteral("9"));
    m_answerYes = false;
    click("practiceNew");
    QCOMPARE(m_questions, 1);
    QCOMPARE(m_lastQuestion.icon, platform::MessageIcon::Question);
    QVERIFY(m_lastQuestion.text.contains(QStringLiteral("akan dibuang")));
    QCOMPARE(shown().code, second);
    QCOMPARE(answers()->text(1, AnswerTableModel::TurnaroundColumn), QStringLiteral("9"));
    // A code typed in asks the same.
    openCode(code(sampleKeys()[3]));
    QCOMPARE(m_questions, 2);
    QCOMPARE(shown().code, second);
    QCOMPARE(control<QLineEdit>("practiceCode")->text(), QString::fromStdString(second));
    // The code of the exercise on show keeps the answers without asking.
    openCode(QString::fromStdString(second));
    QCOMPARE(m_questions, 2);
    QCOMPARE(answers()->text(1, AnswerTableModel::TurnaroundColumn), QStringLiteral("9"));

    // A typed schedule alone counts too; "yes" makes the new exercise, empty.
    typeCell(1, AnswerTableModel::TurnaroundColumn, QString());
    typeSchedule(QStringLiteral("P1 0-2"));
    m_answerYes = true;
    click("practiceNew");
    QCOMPARE(m_questions, 3);
    QVERIFY(shown().code != second);
    QVERIFY(control<QLineEdit>("practiceSchedule")->text().isEmpty());
    QVERIFY(!answers()->hasTypedAnswers());
    QVERIFY(control<practiceui::ScheduleGrid>("practiceGrid")->segments().empty());
}

void PracticeWindowTest::changingASettingKeepsTheAnswers()
{
    typeSchedule(QStringLiteral("P1 0-3"));
    typeCell(0, AnswerTableModel::WaitingColumn, QStringLiteral("4"));
    const std::string before = shown().code;
    auto *policy = control<QComboBox>("practicePolicy");
    policy->setFocus();
    QTest::keyClick(policy, Qt::Key_Up);
    auto *count = control<QSpinBox>("practiceProcesses");
    count->setFocus();
    QTest::keyClick(count, Qt::Key_Up);
    auto *level = control<QComboBox>("practiceLevel");
    level->setFocus();
    QTest::keyClick(level, Qt::Key_Down);
    QCOMPARE(shown().code, before);
    QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), QStringLiteral("P1 0-3"));
    QCOMPARE(answers()->text(0, AnswerTableModel::WaitingColumn), QStringLiteral("4"));
    // The new settings make the next exercise.
    m_answerYes = true;
    const int processes = count->value();
    const auto chosen = lab::Policy(policy->currentData().toInt());
    click("practiceNew");
    QCOMPARE(shown().key.processes, processes);
    QCOMPARE(shown().key.policy, chosen);
    QCOMPARE(shown().key.level, practice::Level(level->currentData().toInt()));
    QCOMPARE(std::size_t(problemRows().size()), std::size_t(processes));
}

void PracticeWindowTest::theGridBuildsTheSameTextAsTyping()
{
    for (const practice::ExerciseKey &key : {sampleKeys()[4], sampleKeys()[11], sampleKeys()[17]}) {
        m_answerYes = true;
        openCode(code(key));
        const practice::Exercise &exercise = shown();
        auto *grid = control<practiceui::ScheduleGrid>("practiceGrid");
        QCOMPARE(grid->span(), exercise.solution.lastCompletion);
        for (const lab::Segment &segment : exercise.solution.segments) {
            if (segment.kind == lab::SegmentKind::Run)
                click(qPrintable(QStringLiteral("practiceChip") + QString::fromStdString(exercise.workload[segment.process].name)));
            else if (segment.kind == lab::SegmentKind::Idle)
                click("practiceChipIdle");
            else
                click("practiceChipSwitch");
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(segment.end).center());
        }
        const QString expected = QString::fromStdString(lab::describeSegments(exercise.workload, exercise.solution));
        QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), expected);
        // The same as typing it.
        QVERIFY(m_window->answer().segments
                == practice::parseSegments(expected.toStdString(), exercise.workload).segments);
        // Undo takes the last piece away, from the text as well.
        click("practiceUndo");
        std::vector<practice::AnswerSegment> shorter = solutionSegments(exercise.solution);
        shorter.pop_back();
        QCOMPARE(control<QLineEdit>("practiceSchedule")->text(),
                 QString::fromStdString(practice::segmentsText(shorter, exercise.workload)));
        // A click on a cell at or before the last piece's end lays nothing.
        const QString before = control<QLineEdit>("practiceSchedule")->text();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(1).center());
        QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), before);
    }

    // A run laid on after a run of the same process lengthens it, as typed runs join; a switch
    // laid on after a switch stays a second switch, as a solution has them.
    typeSchedule(QString());
    const practice::Exercise &exercise = shown();
    auto *grid = control<practiceui::ScheduleGrid>("practiceGrid");
    QVERIFY(grid->segments().empty());
    QVERIFY(grid->span() >= 5);
    const QString first = QString::fromStdString(exercise.workload[0].name);
    click(qPrintable(QStringLiteral("practiceChip") + first));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(2).center());
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(3).center());
    click("practiceChipSwitch");
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(4).center());
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(5).center());
    QCOMPARE(control<QLineEdit>("practiceSchedule")->text(),
             first + QStringLiteral(" 0-3, switch 3-4, switch 4-5"));
}

void PracticeWindowTest::typingUpdatesTheGrid()
{
    const practice::Exercise &exercise = shown();
    const QString first = QString::fromStdString(exercise.workload[0].name);
    const QString second = QString::fromStdString(exercise.workload[1].name);
    typeSchedule(first + QStringLiteral(" 0-2, idle 2-3, ") + second + QStringLiteral(" 3-5"));
    auto *grid = control<practiceui::ScheduleGrid>("practiceGrid");
    const std::vector<practice::AnswerSegment> expected{{lab::SegmentKind::Run, 0, 0, 2},
                                                        {lab::SegmentKind::Idle, lab::kNoProcess, 2, 3},
                                                        {lab::SegmentKind::Run, 1, 3, 5}};
    QVERIFY(grid->segments() == expected);
    // A piece that cannot be read is named under the line; the pieces before it stay on the grid.
    typeSchedule(first + QStringLiteral(" 0-2, Q9 2-4"));
    auto *problem = control<QLabel>("practiceScheduleProblem");
    QVERIFY(problem->isVisible());
    QVERIFY2(problem->text().contains(QStringLiteral("Q9 2-4")), qPrintable(problem->text()));
    QCOMPARE(grid->segments().size(), std::size_t(1));
    // The grid goes on from the typed pieces.
    typeSchedule(first + QStringLiteral(" 0-2"));
    QVERIFY(!problem->isVisible());
    click(qPrintable(QStringLiteral("practiceChip") + second));
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(4).center());
    QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), first + QStringLiteral(" 0-2, ") + second + QStringLiteral(" 2-4"));
}

void PracticeWindowTest::keyboardOnly()
{
    m_answerYes = true;
    const practice::ExerciseKey key = sampleKeys()[7];
    // The code box is reached with Alt+O (its label's mnemonic), the code typed and Enter pressed.
    QTest::keyClick(m_window.get(), Qt::Key_O, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>("practiceCode"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), code(key));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(QString::fromStdString(shown().code), code(key));
    const practice::Exercise &exercise = shown();

    // Tab walks from the schedule line over the chips and "Hapus Terakhir" to the grid; Space
    // on a chip chooses it and hands the keyboard to the grid.
    auto *grid = control<practiceui::ScheduleGrid>("practiceGrid");
    control<QLineEdit>("practiceSchedule")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    const QString firstChip = QStringLiteral("practiceChip") + QString::fromStdString(exercise.workload[0].name);
    QCOMPARE(QApplication::focusWidget()->objectName(), firstChip);
    for (std::size_t i = 0; i < exercise.workload.size() + 2; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("practiceUndo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), grid);
    control<XPButtonX>(qPrintable(firstChip))->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTRY_COMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(grid->chosenProcess(), std::size_t(0));

    // The grid: digits choose the process, I idle and S a switch, the arrows move, Enter lays.
    QVERIFY(grid->hasFocus());
    for (const lab::Segment &segment : exercise.solution.segments) {
        if (segment.kind == lab::SegmentKind::Run) {
            const std::size_t digit = (segment.process + 1) % 10;
            QTest::keyClick(grid, Qt::Key(Qt::Key_0 + int(digit)));
        } else {
            QTest::keyClick(grid, segment.kind == lab::SegmentKind::Idle ? Qt::Key_I : Qt::Key_S);
        }
        QTest::keyClick(grid, Qt::Key_Home);
        for (lab::Time t = segment.start + 1; t < segment.end; ++t)
            QTest::keyClick(grid, Qt::Key_Right);
        QTest::keyClick(grid, Qt::Key_Return);
    }
    const QString expected = QString::fromStdString(lab::describeSegments(exercise.workload, exercise.solution));
    QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), expected);
    QTest::keyClick(grid, Qt::Key_Backspace);
    QVERIFY(control<QLineEdit>("practiceSchedule")->text() != expected);
    const lab::Segment &last = exercise.solution.segments.back();
    QTest::keyClick(grid, last.kind == lab::SegmentKind::Run ? Qt::Key(Qt::Key_0 + int((last.process + 1) % 10))
                                                             : Qt::Key_I);
    QTest::keyClick(grid, Qt::Key_End);
    QTest::keyClick(grid, Qt::Key_Return);
    QCOMPARE(control<QLineEdit>("practiceSchedule")->text(), expected);

    // Tab walks on from the grid to the answers.
    QTest::keyClick(grid, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), control<QTableView>("practiceAnswers"));
    typeSolutionNumbers(exercise);
    // Alt+P is Periksa.
    QTest::keyClick(m_window.get(), Qt::Key_P, Qt::AltModifier);
    const practice::CheckResult result = practice::check(exercise.workload, exercise.solution, m_window->answer());
    QCOMPARE(result.right, result.total);
    QVERIFY2(resultText().startsWith(practiceui::scoreText(result.total, result.total)), qPrintable(resultText()));
    // Alt+T shows the solution.
    QTest::keyClick(m_window.get(), Qt::Key_T, Qt::AltModifier);
    QVERIFY(control<QGroupBox>("practiceSolution")->isVisible());
}

void PracticeWindowTest::openInLaboratoryShowsTheSameWorkload()
{
    m_window.reset();
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    PracticeWindow *window = openFromMenu(form);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    const practice::ExerciseKey key = sampleKeys()[12];
    QVERIFY(window->openCode(code(key)));
    auto *open = window->findChild<XPButtonX *>(QStringLiteral("practiceOpenLab"));
    QTest::mouseClick(open, Qt::LeftButton, {}, open->rect().center());

    const QList<SchedulingLab *> labs = testsupport::topLevels<SchedulingLab>();
    QVERIFY(!labs.isEmpty());
    SchedulingLab *labWindow = labs.last();
    QVERIFY(labWindow->isVisible());
    const practice::Exercise &exercise = *window->exercise();
    auto *model = labWindow->findChild<labui::ProcessTableModel *>();
    QVERIFY(model);
    const auto workload = model->workload();
    QVERIFY(std::holds_alternative<lab::Workload>(workload));
    QVERIFY(std::get<lab::Workload>(workload) == exercise.workload);
    QVERIFY(labWindow->settings() == exercise.settings);
    QVERIFY(labWindow->schedule());
    QVERIFY(labWindow->schedule()->segments == exercise.solution.segments);
    // The menu's laboratory is that same window.
    QTest::keyClick(&form, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(testsupport::topLevels<SchedulingLab>().size(), 1);
}

QUORVEL_TEST_MAIN(PracticeWindowTest)
#include "tst_practicewindow.moc"
