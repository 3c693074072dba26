// Opens the laboratory from the main window's menu, schedules a fixed workload with an idle gap
// under SRTF and saves pictures of the window: lab_preview <compare.png> <steps.png>. The first
// shows the comparison of all seven policies, the second the decisions in words with one chosen
// (its time marked on the chart). Run it on a real or virtual display (xvfb-run, with
// QT_SCALE_FACTOR=2 for the dense-screen pictures); the README's pictures come from it.
#include "lab/settings.h"
#include "lab/workload.h"
#include "ui/button/xpbuttonx.h"
#include "ui/lab/schedulinglab.h"
#include "ui/main/application.h"
#include "ui/main/form1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

SchedulingLab *openLab(Form1 &window)
{
    window.findChild<QAction *>(QStringLiteral("mnlab"))->trigger();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *lab = qobject_cast<SchedulingLab *>(widget))
            return lab;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <compare.png> <steps.png>\n", argv[0]);
        return 2;
    }
    QuorvelApplication app(argc, argv);
    Form1 mainWindow;
    mainWindow.show();
    SchedulingLab *lab = openLab(mainWindow);
    if (!lab)
        return 1;

    // The main window's worked example with a sixth process arriving after the others are done:
    // the processor idles from 24 to 26.
    const lab::Workload workload{{"P1", 0, 5, 2}, {"P2", 1, 3, 1}, {"P3", 2, 8, 4},
                                 {"P4", 3, 6, 3}, {"P5", 4, 2, 1}, {"P6", 26, 4, 2}};
    lab::Settings settings;
    settings.policy = lab::Policy::Srtf;
    lab->loadProblem(workload, settings);
    lab->resize(1060, 760);

    const QString comparePicture = QString::fromLocal8Bit(argv[1]);
    const QString stepsPicture = QString::fromLocal8Bit(argv[2]);
    int result = 0;
    QTimer::singleShot(500, &app, [&] {
        lab->findChild<XPButtonX *>(QStringLiteral("labCompare"))->press();
        QTimer::singleShot(500, &app, [&] {
            if (!lab->grab().save(comparePicture))
                result = 1;
            auto *tabs = lab->findChild<QTabWidget *>(QStringLiteral("labTabs"));
            auto *steps = lab->findChild<QAbstractItemView *>(QStringLiteral("labSteps"));
            tabs->setCurrentIndex(tabs->indexOf(steps->parentWidget()));
            steps->setCurrentIndex(steps->model()->index(2, 0));
            QTimer::singleShot(500, &app, [&] {
                if (!lab->grab().save(stepsPicture))
                    result = 1;
                app.quit();
            });
        });
    });
    app.exec();
    return result;
}
