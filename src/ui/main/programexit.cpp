#include "ui/main/programexit.h"

#include <QApplication>
#include <QWidget>

void endProgramNow()
{
    // Hiding, unlike closing, sends no close event, so no window can veto or react; the
    // windows themselves are destroyed when the main loop returns and the process ends.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    // Leaves the main loop and every nested loop of a modal box; a box opened after this
    // returns at once, so a handler that is still unwinding cannot block the end.
    QCoreApplication::exit(0);
}
