// Runs the main window in a process of its own, opens further windows, triggers the Close
// command in the way the first argument names and reports what happened on stdout:
//   close-event <window>    a window received a close event (none must)
//   after-modal             the handler that had a modal box open went on after Close
//   timers <n>              timers of the main window still active after the main loop
//   visible <n>             top-level windows still visible after the main loop
//   exit <code>             the main loop's return code
// Ways: "button" (mouse on the Close button), "altc" (Alt+C), "modal" (Close while a modal
// message box is open, as from a nested event loop), "none" (never closes; the main loop is
// ended by a fallback timer with code 3, so a test can tell the two apart).
#include "platform/messagebox.h"
#include "ui/about/frmabout.h"
#include "ui/main/form1.h"
#include "ui/report/form2.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

// Watches every widget of the program for close events.
class CloseWatcher : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Close && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->isWindow())
            out() << "close-event " << watched->metaObject()->className() << Qt::endl;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi, true);
    QApplication app(argc, argv);
    const QString way = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("button");

    // Messages of the other windows (a machine without a printer, say) are noted, not shown;
    // the boxes this helper opens itself are real modal boxes with event loops of their own.
    platform::setMessageHook([](const platform::MessageRequest &request) {
        if (request.title != QLatin1String("helper")) {
            out() << "message " << request.title << Qt::endl;
            return;
        }
        QMessageBox box(QMessageBox::NoIcon, request.title, request.text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    });

    CloseWatcher watcher;
    app.installEventFilter(&watcher);

    Form1 window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 10;
    window.CMBPrint_Click();
    window.mnabout_Click();
    window.activateWindow();
    QApplication::setActiveWindow(&window);

    QTimer::singleShot(100, &window, [&] {
        if (way == QLatin1String("button")) {
            QWidget *close = window.findChild<QWidget *>(QStringLiteral("XPButton3"));
            QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
        } else if (way == QLatin1String("altc")) {
            QWidget *text = window.findChild<QWidget *>(QStringLiteral("Text3"));
            text->setFocus();
            QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
        } else if (way == QLatin1String("modal")) {
            QTimer::singleShot(200, &window, [&] { window.Command2_Click(); });
            platform::showMessage(&window, QStringLiteral("first"), QStringLiteral("helper"),
                                  platform::MessageIcon::None);
            // Still unwinding after Close: a further box must not hold the program up.
            platform::showMessage(&window, QStringLiteral("second"), QStringLiteral("helper"),
                                  platform::MessageIcon::None);
            out() << "after-modal" << Qt::endl;
        }
    });
    QTimer::singleShot(5000, &app, [] { QCoreApplication::exit(3); });

    const int code = app.exec();

    int activeTimers = 0;
    for (QTimer *timer : window.findChildren<QTimer *>(Qt::FindDirectChildrenOnly))
        activeTimers += timer->isActive() ? 1 : 0;
    int visible = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        visible += top->isVisible() ? 1 : 0;
    out() << "timers " << activeTimers << Qt::endl;
    out() << "visible " << visible << Qt::endl;
    out() << "exit " << code << Qt::endl;
    return code;
}
