#pragma once

#include "lab/settings.h"
#include "lab/workload.h"
#include "practice/answer.h"
#include "practice/exercise.h"
#include "ui/lab/retranslation.h"
#include "ui/practice/exercisechoices.h"

#include <QColor>
#include <QList>
#include <QWidget>

#include <optional>

class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListView;
class QSpinBox;
class QStandardItemModel;
class QTableView;
class XPButtonX;

namespace gantt {
class GanttChart;
}

namespace practiceui {
class AnswerTableModel;
class ScheduleGrid;
} // namespace practiceui

// "Latihan": an exercise made from a short code (or a new one drawn for a policy, a number of
// processes and a level), the student's answer (the processor row typed or laid on a grid, and
// the numbers of every process with their averages), checked cell by cell and piece by piece
// with the first wrong decision explained, and the solution shown on request. Everything it
// computes comes from the practice and laboratory engines; this window only presents it.
// Modeless and without an owner; the main window keeps the one instance.
class PracticeWindow : public QWidget {
    Q_OBJECT

public:
    explicit PracticeWindow(const QColor &backColor);
    ~PracticeWindow() override;

    // Shows the window, centred the first time, and brings it to the front.
    void bringForward();

    // The exercise on show, if any.
    const std::optional<practice::Exercise> &exercise() const { return m_exercise; }

    // Opens the exercise of a code, asking first when typed answers would be lost. False when
    // the code is not one, or the student kept the answers.
    bool openCode(const QString &code);

    // The answer as the controls stand.
    practice::Answer answer() const;

signals:
    // "Buka di Laboratorium": the exercise's processes and settings for the laboratory.
    void laboratoryRequested(const lab::Workload &workload, const lab::Settings &settings);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Construction steps.
    void createWindow(const QColor &backColor);
    void createExerciseControls();
    void createProblemControls();
    void createAnswerControls();
    void createResultControls();
    void createSolutionControls();
    void layOutControls();
    void applyTabOrder();
    // The caption and the tool tip are source texts (QT_TR_NOOP), shown in the current language.
    XPButtonX *createButton(const char *caption, const QString &objectName, const char *toolTip);
    QLabel *translatedLabel(const char *text, QWidget *buddy = nullptr);
    void retranslate();
    void retranslateChips();
    void showScheduleProblem(const practice::ParsedSegments &parsed);
    void showCheck();
    void placeOnScreen();

    // Commands.
    void newExercise();
    void openTypedCode();
    void checkAnswer();
    void revealSolution();
    void openInLaboratory();
    void openWorksheets();

    bool mayDiscardAnswers();
    bool hasTypedAnswers() const;
    void showExercise(practice::Exercise exercise);
    void showProblem();
    void rebuildChips();
    void scheduleTyped();
    void gridEdited();
    void updateChipState();
    void clearMarks();
    void showSegmentMarks(const std::vector<practice::AnswerSegment> &segments,
                          const practice::CheckResult &result);
    void showSolution();
    QString settingsText() const;

    // The exercise controls.
    practiceui::PolicyChoice *m_policy = nullptr;
    QSpinBox *m_processes = nullptr;
    practiceui::LevelChoice *m_level = nullptr;
    QLineEdit *m_code = nullptr;
    XPButtonX *m_new = nullptr;
    XPButtonX *m_openCode = nullptr;

    // The problem.
    QLabel *m_heading = nullptr;
    QStandardItemModel *m_problem = nullptr;
    QTableView *m_problemView = nullptr;
    QLabel *m_rules = nullptr;

    // The answer.
    QLineEdit *m_schedule = nullptr;
    QLabel *m_scheduleProblem = nullptr;
    QWidget *m_chips = nullptr;
    QHBoxLayout *m_chipLayout = nullptr;
    QList<XPButtonX *> m_chipButtons;
    XPButtonX *m_undo = nullptr;
    QLabel *m_chipState = nullptr;
    practiceui::ScheduleGrid *m_grid = nullptr;
    practiceui::AnswerTableModel *m_answers = nullptr;
    QTableView *m_answerView = nullptr;

    // The check.
    XPButtonX *m_check = nullptr;
    XPButtonX *m_reveal = nullptr;
    XPButtonX *m_openLab = nullptr;
    XPButtonX *m_worksheets = nullptr;
    XPButtonX *m_close = nullptr;
    QLabel *m_result = nullptr;
    QStandardItemModel *m_segmentMarks = nullptr;
    QListView *m_segmentMarkView = nullptr;

    // The solution.
    QGroupBox *m_solutionBox = nullptr;
    QLabel *m_solutionSegments = nullptr;
    gantt::GanttChart *m_solutionChart = nullptr;
    QStandardItemModel *m_solution = nullptr;
    QTableView *m_solutionView = nullptr;

    std::optional<practice::Exercise> m_exercise;
    // The last check of the answer on show: what was checked and how it went.
    struct Checked {
        std::vector<practice::AnswerSegment> segments;
        practice::CheckResult result;
        std::optional<std::size_t> unreadPiece;   // the first piece of the typed line not read
    };
    std::optional<Checked> m_checked;
    labui::Retranslation m_texts;
    bool m_syncing = false;
    bool m_placed = false;
};
