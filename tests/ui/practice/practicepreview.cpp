// Opens the practice window as the menu item does, gives a partly wrong answer to a fixed
// exercise (one wrong choice at a tie, the numbers that follow from it, one number wrong on its
// own), checks it and saves a picture of the window: practice_preview <file.png>.
// practice_preview <file.png> <language> [<lab.png> <worksheet.png>] does the same in the
// language given ("id" or "en"), shows the solution too and, with the two further files, also
// saves the laboratory after a run with the comparison and the worksheet dialog.
// Run it on a real or virtual display (xvfb-run, with QT_SCALE_FACTOR=2 for the dense-screen
// picture); the README's pictures come from it.
#include "practice/answer.h"
#include "practice/exercise.h"
#include "ui/button/xpbuttonx.h"
#include "ui/main/application.h"
#include "ui/lab/schedulinglab.h"
#include "ui/language.h"
#include "ui/main/form1.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/worksheetdialog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

// The first exercise of SJF at the middle level, from serial 1 on, whose first choice among
// several ready processes is a tie settled by the earlier arrival.
struct Picked {
    practice::ExerciseKey key;
    std::vector<practice::AnswerSegment> answer;
    std::size_t wrongRow = 0;
};

std::optional<Picked> pickExercise()
{
    for (std::uint32_t serial = 1; serial < 400; ++serial) {
        practice::ExerciseKey key;
        key.policy = lab::Policy::Sjf;
        key.processes = 5;
        key.level = practice::Level::Intermediate;
        key.serial = serial;
        const practice::Exercise exercise = practice::makeExercise(key);
        for (const lab::Decision &decision : exercise.solution.decisions) {
            if (decision.candidates.size() < 2)
                continue;
            if (decision.tie != lab::TieBreak::EarlierArrival)
                break;
            std::vector<practice::AnswerSegment> segments;
            for (const lab::Segment &segment : exercise.solution.segments)
                segments.push_back({segment.kind, segment.process, segment.start, segment.end});
            const std::size_t other = decision.candidates[1].process;
            for (auto &segment : segments) {
                if (segment.kind != lab::SegmentKind::Run || segment.start < decision.time)
                    continue;
                if (segment.process == decision.chosen)
                    segment.process = other;
                else if (segment.process == other)
                    segment.process = decision.chosen;
            }
            return Picked{key, segments, decision.chosen};
        }
    }
    return std::nullopt;
}

PracticeWindow *openPracticeWindow(Form1 &window)
{
    window.findChild<QAction *>(QStringLiteral("mnlatihan"))->trigger();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *practice = qobject_cast<PracticeWindow *>(widget))
            return practice;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2 && argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: %s <file.png> [id|en [<lab.png> <worksheet.png>]]\n", argv[0]);
        return 2;
    }
    QuorvelApplication app(argc, argv);
    if (argc >= 3) {
        const std::optional<language::Language> chosen = language::fromId(QString::fromLocal8Bit(argv[2]));
        if (!chosen) {
            std::fprintf(stderr, "unknown language %s\n", argv[2]);
            return 2;
        }
        language::setLanguage(*chosen);
    }
    Form1 mainWindow;
    mainWindow.show();
    PracticeWindow *window = openPracticeWindow(mainWindow);
    const std::optional<Picked> picked = pickExercise();
    if (!window || !picked || !window->openCode(QString::fromStdString(practice::exerciseCode(picked->key))))
        return 1;
    const practice::Exercise &exercise = *window->exercise();

    auto *schedule = window->findChild<QLineEdit *>(QStringLiteral("practiceSchedule"));
    schedule->setText(QString::fromStdString(practice::segmentsText(picked->answer, exercise.workload)));
    emit schedule->textEdited(schedule->text());
    // The numbers the wrong schedule gives; one waiting time is wrong even by it.
    QAbstractItemModel *answers = window->findChild<QTableView *>(QStringLiteral("practiceAnswers"))->model();
    lab::Time totalWaiting = 0;
    lab::Time totalTurnaround = 0;
    for (std::size_t i = 0; i < exercise.workload.size(); ++i) {
        lab::Time completion = 0;
        for (const auto &segment : picked->answer) {
            if (segment.kind == lab::SegmentKind::Run && segment.process == i)
                completion = segment.end;
        }
        const lab::Time turnaround = completion - exercise.workload[i].arrival;
        const lab::Time waiting = turnaround - exercise.workload[i].burst;
        totalWaiting += waiting;
        totalTurnaround += turnaround;
        const int row = int(i);
        answers->setData(answers->index(row, 1), QString::number(completion));
        answers->setData(answers->index(row, 2), QString::number(turnaround));
        answers->setData(answers->index(row, 3), QString::number(i == 0 ? waiting + 1 : waiting));
    }
    const int averages = int(exercise.workload.size());
    const auto n = lab::Time(exercise.workload.size());
    answers->setData(answers->index(averages, 2), QString::fromStdString(lab::averageText(totalTurnaround, std::size_t(n))));
    answers->setData(answers->index(averages, 3), QString::fromStdString(lab::averageText(totalWaiting, std::size_t(n))));
    window->findChild<XPButtonX *>(QStringLiteral("practiceCheck"))->press();
    if (argc >= 3)
        window->findChild<XPButtonX *>(QStringLiteral("practiceReveal"))->press();

    SchedulingLab *lab = nullptr;
    std::unique_ptr<WorksheetDialog> dialog;
    if (argc == 5) {
        mainWindow.findChild<QAction *>(QStringLiteral("mnlab"))->trigger();
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<SchedulingLab *>(widget))
                lab = found;
        }
        if (!lab)
            return 1;
        lab->findChild<XPButtonX *>(QStringLiteral("labCompute"))->press();
        lab->findChild<XPButtonX *>(QStringLiteral("labCompare"))->press();
        dialog = std::make_unique<WorksheetDialog>(window);
        dialog->show();
    }

    const QString target = QString::fromLocal8Bit(argv[1]);
    int result = 1;
    // Give the buttons their first hover-timer round so they show as the user sees them.
    QTimer::singleShot(700, &app, [&] {
        result = window->grab().save(target) ? 0 : 1;
        if (lab && !lab->grab().save(QString::fromLocal8Bit(argv[3])))
            result = 1;
        if (dialog && !dialog->grab().save(QString::fromLocal8Bit(argv[4])))
            result = 1;
        app.quit();
    });
    app.exec();
    return result;
}
