// Runs one of the worked examples in the main window, opens the Gantt chart window as the menu
// item does and saves a picture of it: gantt_preview <fcfs|sjf|compare|sjf-late> <file.png>.
// Run it on a real or virtual display (xvfb-run); the README's pictures come from it.
#include "ui/gantt/frmgantt.h"
#include "ui/main/application.h"
#include "ui/main/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

void setBox(Form1 &window, const char *name, const char *text)
{
    window.findChild<QLineEdit *>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
}

frmGantt *openChartWindow(Form1 &window)
{
    window.findChild<QAction *>(QStringLiteral("mngantt"))->trigger();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *chart = qobject_cast<frmGantt *>(widget))
            return chart;
    }
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    const char *scenarios[] = {"fcfs", "sjf", "compare", "sjf-late"};
    const bool known = argc == 3 && std::any_of(std::begin(scenarios), std::end(scenarios),
                                                [&](const char *s) { return !std::strcmp(s, argv[1]); });
    if (!known) {
        std::fprintf(stderr, "usage: %s <fcfs|sjf|compare|sjf-late> <file.png>\n", argv[0]);
        return 2;
    }
    const QString scenario = QString::fromLatin1(argv[1]);
    QuorvelApplication app(argc, argv);

    Form1 mainWindow;
    mainWindow.show();
    const char *boxes[][2] = {{"Text1", "0"}, {"Text2", "1"}, {"Text3", "2"}, {"Text4", "3"},
                              {"Text10", "4"}, {"Text5", "5"}, {"Text6", "3"}, {"Text7", "8"},
                              {"Text8", "6"}, {"Text9", "2"}};
    for (const auto &box : boxes)
        setBox(mainWindow, box[0], box[1]);
    if (scenario == QLatin1String("sjf-late"))
        setBox(mainWindow, "Text10", "20");
    if (scenario.startsWith(QLatin1String("sjf")))
        mainWindow.findChild<QRadioButton *>(QStringLiteral("Option2"))->setChecked(true);
    mainWindow.Command1_Click();

    frmGantt *chartWindow = openChartWindow(mainWindow);
    if (!chartWindow)
        return 1;
    if (scenario == QLatin1String("compare"))
        chartWindow->findChild<QCheckBox *>(QStringLiteral("chkCompare"))->setChecked(true);
    chartWindow->resize(chartWindow->sizeHint());

    const QString target = QString::fromLocal8Bit(argv[2]);
    int result = 1;
    // Give the buttons their first hover-timer round so they show as the user sees them.
    QTimer::singleShot(500, &app, [&] {
        result = chartWindow->grab().save(target) ? 0 : 1;
        app.quit();
    });
    app.exec();
    return result;
}
