// Random input over the main window, the print window, the About box, the scheduling
// laboratory (opened with Ctrl+L, at the start and whenever the monkey presses it) and the
// practice window (Ctrl+T, likewise), as a user with a
// keyboard and a mouse could give it: keys and key combinations, clicks and double clicks at
// random places, pastes from the context menu, text committed by an input method, and real
// message boxes closed at random. Nothing may crash, no box may follow box without end, and
// afterwards the window still computes the worked example.
//
// QUORVEL_MONKEY_START   the random start value (default: taken from the clock); a failing
//                        run prints it, and setting it repeats that run
// QUORVEL_MONKEY_EVENTS  how many input events to give (default 20000)
// QUORVEL_MONKEY_SECONDS stop after this long even if fewer events were given (default 60)

#include "displayinput.h"

#include "common/testsupport.h"
#include "platform/registrymemory.h"
#include "ui/about/frmabout.h"
#include "ui/button/xpbuttonx.h"
#include "ui/gantt/frmgantt.h"
#include "ui/lab/schedulinglab.h"
#include "ui/lab/windowparts.h"
#include "ui/main/form1.h"
#include "ui/practice/practicewindow.h"
#include "ui/practice/worksheetdialog.h"
#include "ui/report/form2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>
#include <QWindow>

#include <cstdint>
#include <random>

namespace {

constexpr int kMaxBoxesWithoutUserEvent = 20;

// The first open window of a kind (the laboratory, the chart window, Latihan), if any.
template <typename T>
T *openWindow()
{
    return testsupport::topLevels<T>().value(0, nullptr);
}

qint64 environmentNumber(const char *name, qint64 fallback)
{
    bool ok = false;
    const qint64 value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

// Opened web pages land here instead of in a browser.
class PageSink : public QObject {
    Q_OBJECT

public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

class Monkey {
public:
    explicit Monkey(std::uint32_t start) : m_random(start) {}

    int events() const { return m_events; }
    int longestBoxRun() const { return m_longestBoxRun; }
    int boxes() const { return m_boxes; }
    // Composed text that got past a box's key filter.
    const QStringList &filterEscapes() const { return m_filterEscapes; }
    // The messages of the longest run, in order.
    const QStringList &longestRunTexts() const { return m_longestRunTexts; }
    int menus() const { return m_menus; }
    // Windows closed and opened again at once that were not open afterwards.
    const QStringList &lostWindows() const { return m_lostWindows; }
    int typeAheads() const { return m_typeAheads; }
    int reopenings() const { return m_reopenings; }

    // One step: answers an open menu or message box, or gives the windows one random input.
    void step()
    {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()))
            return answerMenu(menu);
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            return answerBox(box);
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
            // Something else that blocks (a file dialog, say): Escape as a user would.
            keyToFocus(Qt::Key_Escape, {});
            return;
        }
        m_boxRun = 0;
        m_lastBox = nullptr;
        checkReopened();
        userInput();
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    QString randomText(int maxLength)
    {
        static const QString pool = QStringLiteral("0123456789abcxyzABC -.,/\\éü٫٣中\t\n?&");
        QString text;
        for (int i = pick(maxLength) + 1; i > 0; --i)
            text.append(pool.at(pick(static_cast<int>(pool.size()))));
        return text;
    }

    static QList<QWidget *> windows()
    {
        QList<QWidget *> shown;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->windowHandle()
                && (qobject_cast<Form1 *>(window) || qobject_cast<Form2 *>(window)
                    || qobject_cast<frmAbout *>(window) || qobject_cast<SchedulingLab *>(window)
                    || qobject_cast<PracticeWindow *>(window) || qobject_cast<frmGantt *>(window)))
                shown.append(window);
        }
        return shown;
    }

    // Keys go where a display sends them: to the focus widget of the active window.
    static QWidget *keyTarget()
    {
        // Qt gives no key to a window a modal box blocks, even before the box is active.
        if (QWidget *modal = QApplication::activeModalWidget()) {
            QWidget *focus = QApplication::focusWidget();
            if (focus && focus->window() == modal)
                return focus;
            return modal->focusWidget() ? modal->focusWidget() : modal;
        }
        if (QWidget *focus = QApplication::focusWidget())
            return focus;
        if (QWidget *active = QApplication::activeWindow())
            return active;
        const QList<QWidget *> shown = windows();
        return shown.isEmpty() ? nullptr : shown.first();
    }

    // A key press now and its release queued behind whatever the press sets off, for the focus
    // of its time.
    void keyToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QWidget *target = keyTarget();
        if (!target)
            return;
        QTest::keyPress(target, key, modifiers);
        m_events += 2;
        displayinput::queue([key, modifiers] {
            if (QWidget *later = keyTarget())
                QTest::keyRelease(later, key, modifiers);
        });
    }

    void answerBox(QMessageBox *box)
    {
        if (box != m_lastBox) {
            m_lastBox = box;
            ++m_boxes;
            if (m_boxRun == 0) {
                m_runTexts.clear();
                m_runAnswer = pick(4);
            }
            m_runTexts.append(box->text().left(40));
            if (++m_boxRun > m_longestBoxRun) {
                m_longestBoxRun = m_boxRun;
                m_longestRunTexts = m_runTexts;
            }
        }
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        // A question (Yes / No) is clicked on either answer.
        if (!ok && !box->buttons().isEmpty())
            ok = box->buttons().at(pick(static_cast<int>(box->buttons().size())));
        const QPointer<QWidget> owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        // Someone closing a series of boxes keeps to one way of doing it.
        switch (m_runAnswer) {
        case 0:
            keyToFocus(Qt::Key_Return, {});
            // A fast user's click that waits in the queue right behind the Enter.
            if (chance(20))
                queueClickBehind(qobject_cast<Form1 *>(owner.data()));
            break;
        case 1: keyToFocus(Qt::Key_Escape, {}); break;
        case 2: keyToFocus(Qt::Key_Space, {}); break;
        default:
            if (ok) {
                QTest::mouseClick(ok->window()->windowHandle(), Qt::LeftButton, {},
                                  ok->mapTo(ok->window(), ok->rect().center()));
                m_events += 2;
            }
            break;
        }
        // As a window manager does, the window the box belonged to gets the keyboard back.
        if (owner && owner->isVisible() && !QApplication::activeModalWidget()
            && !QApplication::activeWindow())
            QApplication::setActiveWindow(owner);
    }

    // A click on the drawn Proses or Reset, queued behind the input before it: it arrives
    // while the message that input closes still has its event loop running.
    void queueClickBehind(Form1 *main)
    {
        if (!main)
            return;
        auto *button = main->findChild<XPButtonX *>(chance(70) ? QStringLiteral("XPButton1")
                                                              : QStringLiteral("XPButton2"));
        if (!button)
            return;
        ++m_typeAheads;
        const QPointer<XPButtonX> target(button);
        displayinput::queue([this, target] {
            if (!displayinput::reachable(target))
                return;
            // A user's input: the boxes a run it starts shows are a new series.
            m_boxRun = 0;
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        });
        m_events += 2;
    }

    // The chart window or the print window closed, and opened again before the event loop runs.
    void closeAndReopen()
    {
        Form1 *main = openWindow<Form1>();
        if (!main)
            return;
        const bool chart = chance(50);
        QWidget *open = chart ? static_cast<QWidget *>(openWindow<frmGantt>()) : Form2::instance();
        if (open && open->isVisible()) {
            if (chance(50))
                open->close();
            else
                QTest::keyClick(open, Qt::Key_Escape);
        }
        if (chart)
            main->findChild<QAction *>(QStringLiteral("mngantt"))->trigger();
        else if (auto *print = main->findChild<XPButtonX *>(QStringLiteral("CMBPrint")))
            QTest::mouseClick(print, Qt::LeftButton, {}, print->rect().center());
        ++m_reopenings;
        m_events += 4;
        m_expectOpen = chart ? QStringLiteral("chart") : QStringLiteral("print");
    }

    // At the next input, the window reopened last is there.
    void checkReopened()
    {
        if (m_expectOpen.isEmpty())
            return;
        // The print window may still be loading behind its no-printer message, not shown yet.
        const frmGantt *chart = openWindow<frmGantt>();
        const bool lost = m_expectOpen == QLatin1String("chart") ? !chart || !chart->isVisible() : !Form2::instance();
        if (lost)
            m_lostWindows.append(m_expectOpen);
        m_expectOpen.clear();
    }

    void answerMenu(QMenu *menu)
    {
        ++m_menus;
        const QList<QAction *> actions = menu->actions();
        QList<QAction *> usable;
        for (QAction *action : actions) {
            if (action->isEnabled() && !action->isSeparator() && !menu->actionGeometry(action).isEmpty())
                usable.append(action);
        }
        // A paste is what the context menu is opened for most of the time.
        for (QAction *action : usable) {
            if (action->text().contains(QStringLiteral("Paste")) && chance(60))
                return clickMenu(menu, action);
        }
        if (usable.isEmpty() || chance(15)) {
            QTest::keyClick(menu, Qt::Key_Escape);
            m_events += 2;
            return;
        }
        clickMenu(menu, usable.at(pick(static_cast<int>(usable.size()))));
    }

    void clickMenu(QMenu *menu, QAction *action)
    {
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(action).center());
        m_events += 2;
    }

    void userInput()
    {
        const QList<QWidget *> shown = windows();
        if (shown.isEmpty())
            return;
        QWidget *window = shown.at(pick(static_cast<int>(shown.size())));
        const int kind = pick(100);
        if (kind < 30)
            typeKey();
        else if (kind < 40)
            keyToFocus(chance(50) ? Qt::Key_Return : Qt::Key_Enter,
                       chance(50) ? Qt::KeyboardModifiers{} : Qt::KeypadModifier);
        else if (kind < 45)
            keyToFocus(chance(70) ? Qt::Key_Tab : Qt::Key_Backtab, {});
        else if (kind < 48)
            keyToFocus(Qt::Key_Escape, {});
        else if (kind < 52)
            keyToFocus(Qt::Key_Space, {});
        else if (kind < 57)
            keyToFocus(static_cast<Qt::Key>(Qt::Key_A + pick(26)), Qt::AltModifier);
        else if (kind < 60) {
            QGuiApplication::clipboard()->setText(randomText(6));
            keyToFocus(Qt::Key_V, Qt::ControlModifier);
        } else if (kind < 66)
            commitText();
        else if (kind < 70)
            pasteFromContextMenu();
        else if (kind < 73)
            openMenu();
        else if (kind < 75)
            // The laboratory (Ctrl+L) or the practice window (Ctrl+T).
            keyToFocus(chance(50) ? Qt::Key_L : Qt::Key_T, Qt::ControlModifier);
        else if (kind < 77)
            doubleClickClosingButton();
        else if (kind < 78)
            closeAndReopen();
        else
            clickSomewhere(window, kind < 84);
    }

    void typeKey()
    {
        static const Qt::Key keys[] = {
            Qt::Key_0, Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5, Qt::Key_6,
            Qt::Key_7, Qt::Key_8, Qt::Key_9, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
            Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Minus,
            Qt::Key_Period, Qt::Key_A, Qt::Key_C, Qt::Key_P, Qt::Key_R, Qt::Key_S, Qt::Key_O,
        };
        const Qt::Key key = keys[pick(static_cast<int>(std::size(keys)))];
        keyToFocus(key, chance(10) ? Qt::ShiftModifier : Qt::KeyboardModifiers{});
    }

    void commitText()
    {
        QObject *focus = QGuiApplication::focusObject();
        if (!focus)
            return;
        QInputMethodEvent composing(QStringLiteral("e"), {});
        QApplication::sendEvent(focus, &composing);
        QInputMethodEvent event;
        event.setCommitString(chance(50) ? QString::number(pick(100)) : randomText(3));
        const QPointer<QLineEdit> edit = qobject_cast<QLineEdit *>(focus);
        const QString before = edit ? edit->text() : QString();
        if (QPointer<QObject> alive(focus); alive)
            QApplication::sendEvent(focus, &event);
        m_events += 2;
        // A read-only box takes no composed text; a box with a key filter takes no letters.
        if (edit && edit->isReadOnly() && edit->text() != before)
            m_filterEscapes.append(edit->objectName() + QStringLiteral(": ") + edit->text());
        if (edit && !edit->isReadOnly() && edit->objectName().startsWith(QStringLiteral("Text"))
            && edit->text().contains(QRegularExpression(QStringLiteral("[^0-9]"))) && !before.contains(QRegularExpression(QStringLiteral("[^0-9]"))))
            m_filterEscapes.append(edit->objectName() + QStringLiteral(": ") + edit->text());
    }

    void pasteFromContextMenu()
    {
        auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!edit)
            return;
        QGuiApplication::clipboard()->setText(randomText(8));
        const QPoint at(pick(qMax(1, edit->width())), pick(qMax(1, edit->height())));
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, edit->mapToGlobal(at));
        m_events += 1;
        // Blocks in the menu until a later step answers it.
        QApplication::sendEvent(edit, &event);
    }

    void openMenu()
    {
        auto *main = qobject_cast<Form1 *>(QApplication::activeWindow());
        if (!main)
            return;
        QMenuBar *bar = main->menuBar();
        const QList<QAction *> actions = bar->actions();
        if (actions.isEmpty())
            return;
        const QRect item = bar->actionGeometry(actions.first());
        QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, bar->mapTo(main, item.center()));
        m_events += 2;
    }

    // Cancel or Print Now of the print window, OK or Sistem Info of the About box.
    void doubleClickClosingButton()
    {
        QList<XPButtonX *> buttons;
        for (QWidget *window : windows()) {
            if (qobject_cast<Form2 *>(window) || qobject_cast<frmAbout *>(window))
                buttons += window->findChildren<XPButtonX *>();
        }
        if (buttons.isEmpty())
            return;
        XPButtonX *button = buttons.at(pick(static_cast<int>(buttons.size())));
        displayinput::queueDoubleClick(button, button->rect().center());
        m_events += 4;
    }

    // At a random point of the window, or at the middle of one of its controls.
    void clickSomewhere(QWidget *window, bool onControl)
    {
        QPoint at(pick(window->width()), pick(window->height()));
        if (onControl) {
            QList<QWidget *> controls;
            for (QWidget *child : window->findChildren<QWidget *>()) {
                if (child->isVisible() && child->focusPolicy() != Qt::NoFocus && child->isEnabled())
                    controls.append(child);
            }
            if (!controls.isEmpty()) {
                QWidget *control = controls.at(pick(static_cast<int>(controls.size())));
                at = control->mapTo(window, control->rect().center());
            }
        }
        QWindow *handle = window->windowHandle();
        const int how = pick(10);
        if (how < 6) {
            QTest::mouseClick(handle, Qt::LeftButton, {}, at);
            m_events += 2;
        } else if (how < 8) {
            QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
            m_events += 4;
        } else {
            QTest::mouseClick(handle, Qt::RightButton, {}, at);
            m_events += 2;
        }
    }

    std::mt19937 m_random;
    int m_events = 0;
    int m_boxRun = 0;
    int m_longestBoxRun = 0;
    int m_boxes = 0;
    QStringList m_filterEscapes;
    int m_runAnswer = 0;
    QStringList m_runTexts;
    QStringList m_longestRunTexts;
    int m_menus = 0;
    int m_typeAheads = 0;
    int m_reopenings = 0;
    QString m_expectOpen;
    QStringList m_lostWindows;
    QPointer<QMessageBox> m_lastBox;
};

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void randomInputLeavesAWorkingWindow();
    void cleanup();

private:
    void typeInto(Form1 &window, const char *box, const char *digits);

    std::uint32_t m_start = 0;
};

void MonkeyTest::cleanup()
{
    if (QTest::currentTestFailed())
        qWarning("failed with random start value %u: QUORVEL_MONKEY_START=%u repeats this run", m_start, m_start);
}

void MonkeyTest::typeInto(Form1 &window, const char *box, const char *digits)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(box));
    QVERIFY(edit);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, edit->mapTo(&window, edit->rect().center()));
    QTRY_VERIFY2(edit->hasFocus(),
                 qPrintable(QStringLiteral("focus on %1, active window %2, popup %3")
                                .arg(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("-"),
                                     QApplication::activeWindow() ? QApplication::activeWindow()->objectName() : QStringLiteral("-"),
                                     QApplication::activePopupWidget() ? QStringLiteral("open") : QStringLiteral("none"))));
    QTest::keyClick(window.windowHandle(), Qt::Key_End);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(window.windowHandle(), Qt::Key_Backspace);
    QTest::keyClicks(edit, QLatin1String(digits));
    QCOMPARE(edit->text(), QLatin1String(digits));
}

void MonkeyTest::randomInputLeavesAWorkingWindow()
{
    const auto start = static_cast<std::uint32_t>(
        environmentNumber("QUORVEL_MONKEY_START", QDateTime::currentMSecsSinceEpoch() & 0x7fffffff));
    m_start = start;
    const qint64 wanted = environmentNumber("QUORVEL_MONKEY_EVENTS", 20000);
    const qint64 seconds = environmentNumber("QUORVEL_MONKEY_SECONDS", 60);
    qInfo("random start value %u (QUORVEL_MONKEY_START=%u repeats this run), %lld events, at most %lld s",
          start, start, wanted, seconds);
    const auto startNote = [start] {
        return QStringLiteral(" [random start value %1: QUORVEL_MONKEY_START=%1 repeats it]").arg(start);
    };

    // No printer, no web browser, no system tool: the commands fail and tell so.
    QTemporaryDir scratch;
    qputenv("CUPS_SERVER", QFile::encodeName(scratch.filePath(QStringLiteral("none.sock"))));
    PageSink pages;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &pages, "open");
    const QDateTime began = QDateTime::currentDateTime().addSecs(-1);
    // The windows' own random choices (the laboratory's numbers for Acak, Latihan's exercises) repeat too.
    labui::repeatRandomChoices(start);

    {
        Form1 window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // The Close command ends the program, so it is left out.
        auto *close = window.findChild<XPButtonX *>(QStringLiteral("XPButton3"));
        QVERIFY(close);
        close->setEnabledProperty(0);
        // The laboratory is opened as a user opens it, and its windows join the random input.
        QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
        QTRY_VERIFY(openWindow<SchedulingLab>() && openWindow<SchedulingLab>()->isVisible());
        // So is the practice window.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
        QTRY_VERIFY(openWindow<PracticeWindow>() && openWindow<PracticeWindow>()->isVisible());
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        Monkey monkey(start);
        QElapsedTimer clock;
        clock.start();
        const auto timeUp = [&clock, seconds] { return clock.elapsed() >= seconds * 1000; };
        bool stepQueued = false;
        bool stopped = false;
        QTimer driver;
        driver.setInterval(0);
        QObject::connect(&driver, &QTimer::timeout, [&] {
            if (stepQueued)
                return;
            // An About box the monkey opened looks up nothing in the system.
            if (frmAbout *about = frmAbout::instance())
                about->setRegistry(std::make_shared<platform::MemoryRegistry>());
            // The laboratory's imports, exports and pictures are answered "cancel": no file
            // dialog, and nothing written wherever a random click would put it.
            if (SchedulingLab *lab = openWindow<SchedulingLab>())
                lab->setFileQuestion([](QWidget *, SchedulingLab::FileQuestion, const QString &) { return QString(); });
            // So are the chart window's pictures.
            if (frmGantt *chart = openWindow<frmGantt>())
                chart->setPictureFileQuestion([](QWidget *, const QString &) { return QString(); });
            // The worksheets' folder is answered "cancel" the same way.
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *sheets = qobject_cast<WorksheetDialog *>(top))
                    sheets->setFolderQuestion([](QWidget *, const QString &) { return QString(); });
            }
            stepQueued = true;
            displayinput::queue([&] {
                stepQueued = false;
                if (!stopped)
                    monkey.step();
            });
        });
        driver.start();
        QTRY_VERIFY_WITH_TIMEOUT(monkey.events() >= wanted || timeUp()
                                     || monkey.longestBoxRun() > kMaxBoxesWithoutUserEvent,
                                 int(seconds * 1000 + 30000));
        driver.stop();
        stopped = true;
        // Releases and clicks still queued arrive before the windows are looked at.
        QTest::qWait(200);
        if (monkey.events() < wanted && monkey.longestBoxRun() <= kMaxBoxesWithoutUserEvent)
            qWarning("time was up after %d of %lld events", monkey.events(), wanted);
        qInfo("%d events in %lld ms; %d message boxes, at most %d in a row; %d menu answers; %d clicks "
              "queued behind a message's Enter; %d windows closed and reopened at once", monkey.events(),
              clock.elapsed(), monkey.boxes(), monkey.longestBoxRun(), monkey.menus(), monkey.typeAheads(),
              monkey.reopenings());
        QVERIFY2(monkey.lostWindows().isEmpty(),
                 qPrintable(QStringLiteral("closed and reopened at once, then gone: ")
                            + monkey.lostWindows().join(QStringLiteral(", ")) + startNote()));
        QVERIFY2(monkey.longestBoxRun() <= kMaxBoxesWithoutUserEvent,
                 qPrintable(QStringLiteral("%1 message boxes in a row: ").arg(monkey.longestBoxRun())
                            + monkey.longestRunTexts().join(QStringLiteral(" | ")) + startNote()));

        // Whatever is still open is closed the ordinary way.
        displayinput::BoxAnswerer answerer(Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget() || (QApplication::activePopupWidget()->close(), false));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        if (Form2 *print = Form2::instance())
            print->close();
        if (frmAbout *about = frmAbout::instance())
            about->close();
        QTRY_VERIFY(!Form2::instance() && !frmAbout::instance());

        QVERIFY2(monkey.filterEscapes().isEmpty(), qPrintable(monkey.filterEscapes().join(QStringLiteral(" | ")) + startNote()));
        // The result boxes hold what the program wrote, nothing typed, pasted or composed.
        // (SJF runs a late process before its arrival, so a total can be negative.)
        const QRegularExpression written(QStringLiteral("^(Buffer = 0|-?\\d+/5 = -?[\\d.]+ satuan waktu)$"));
        for (const char *name : {"HasilAWT", "HasilATT"}) {
            const QString text = window.findChild<QLineEdit *>(QLatin1String(name))->text();
            QVERIFY2(written.match(text).hasMatch(), qPrintable(text + startNote()));
        }
        for (int i = 1; i <= 10; ++i) {
            auto *box = window.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(i));
            QVERIFY2(box->text().size() <= 4, qPrintable(box->text() + startNote()));
        }

        // The worked example still computes right, typed and started as a user would.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *messages = window.findChild<QCheckBox *>(QStringLiteral("Check1"));
        messages->setChecked(false);
        const char *boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text10",
                               "Text5", "Text6", "Text7", "Text8", "Text9"};
        const char *values[] = {"0", "1", "2", "3", "4", "5", "3", "8", "6", "2"};
        for (int i = 0; i < 10; ++i) {
            typeInto(window, boxes[i], values[i]);
            QVERIFY(!QTest::currentTestFailed());
        }
        auto *fcfs = window.findChild<QRadioButton *>(QStringLiteral("Option1"));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, fcfs->mapTo(&window, QPoint(8, fcfs->height() / 2)));
        QVERIFY(fcfs->isChecked());
        auto *proses = window.findChild<XPButtonX *>(QStringLiteral("XPButton1"));
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, proses->mapTo(&window, proses->rect().center()));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        const QString average = window.findChild<QLineEdit *>(QStringLiteral("HasilAWT"))->text();
        QVERIFY2(average == QStringLiteral("41/5 = 8.2 satuan waktu"), qPrintable(average + startNote()));
    }

    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    // The reports the monkey saved lie beside the test program; none is left behind.
    const QDir folder(QCoreApplication::applicationDirPath());
    for (const QFileInfo &file : folder.entryInfoList({QStringLiteral("Quorvel_*.txt")}, QDir::Files)) {
        if (file.lastModified() >= began)
            QFile::remove(file.filePath());
    }
}

QUORVEL_TEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
