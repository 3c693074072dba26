#include "common/testsupport.h"
#include "ui/button/xpbuttonx.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QWindow>

#include <memory>

namespace {

// Row 1 at the middle of a 100 x 30 button tells the looks apart (the caption never reaches it).
const QRgb kPressedRow = qRgb(209, 204, 192);
const QRgb kHoverRow = qRgb(255, 240, 207);
const QRgb kFocusRow = qRgb(206, 231, 251);
const QRgb kPlainRow = qRgb(255, 255, 255);
const QRgb kDisabledFill = qRgb(245, 244, 234);

const QPoint kFarAway(5, 5); // a screen point outside every test window
const QPoint kInside(50, 15);

QRgb lookRow(const XPButtonX *button)
{
    return button->image().pixel(50, 1) | 0xff000000;
}

QRgb restingRow(const XPButtonX *button)
{
    return button->hasFocus() ? kFocusRow : kPlainRow;
}

// The nine events of any number of buttons, in the order they were raised.
class EventLog : public QObject {
public:
    void watch(XPButtonX *button, const QString &name = {})
    {
        const QString prefix = name.isEmpty() ? QString() : name + QLatin1Char(':');
        const auto mouse = [this, prefix](const char *event) {
            return [this, prefix, event](std::int16_t &b, std::int16_t &s, float &x, float &y) {
                add(prefix + QStringLiteral("%1 %2 %3 %4 %5").arg(QLatin1String(event)).arg(b).arg(s).arg(x).arg(y));
            };
        };
        const auto key = [this, prefix](const char *event) {
            return [this, prefix, event](std::int16_t &code, std::int16_t &shift) {
                add(prefix + QStringLiteral("%1 %2 %3").arg(QLatin1String(event)).arg(code).arg(shift));
            };
        };
        connect(button, &XPButtonX::Click, this, [this, prefix] { add(prefix + QStringLiteral("Click")); });
        connect(button, &XPButtonX::MouseDown, this, mouse("MouseDown"));
        connect(button, &XPButtonX::MouseMove, this, mouse("MouseMove"));
        connect(button, &XPButtonX::MouseUp, this, mouse("MouseUp"));
        connect(button, &XPButtonX::KeyPress, this,
                [this, prefix](std::int16_t &ascii) { add(prefix + QStringLiteral("KeyPress %1").arg(ascii)); });
        connect(button, &XPButtonX::KeyDown, this, key("KeyDown"));
        connect(button, &XPButtonX::KeyUp, this, key("KeyUp"));
        connect(button, &XPButtonX::MouseOver, this, [this, prefix] { add(prefix + QStringLiteral("MouseOver")); });
        connect(button, &XPButtonX::MouseOut, this, [this, prefix] { add(prefix + QStringLiteral("MouseOut")); });
    }

    QStringList entries;

private:
    void add(const QString &entry) { entries << entry; }
};

// A window with a row of 100 x 30 buttons named b1, b2, ...
struct ButtonRow {
    explicit ButtonRow(int count, bool logFromStart = true)
    {
        window.setGeometry(200, 200, 20 + count * 110, 80);
        for (int i = 0; i < count; ++i) {
            auto *button = new XPButtonX(&window);
            button->setObjectName(QStringLiteral("b%1").arg(i + 1));
            button->setGeometry(10 + i * 110, 10, 100, 30);
            button->setCaption(QStringLiteral("Command%1").arg(i + 1));
            buttons << button;
            if (logFromStart)
                log.watch(button, count > 1 ? button->objectName() : QString());
        }
    }

    // Shows and activates the window with the pointer elsewhere, and waits until every
    // button has seen the pointer outside once and stopped its timer.
    bool show()
    {
        QCursor::setPos(kFarAway);
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        for (XPButtonX *button : buttons) {
            if (!QTest::qWaitFor([button] { return !button->hoverTimer()->isActive(); }))
                return false;
        }
        return true;
    }

    QPoint inWindow(int index, QPoint at = kInside) const { return buttons.at(index)->mapTo(&window, at); }

    QWidget window;
    QList<XPButtonX *> buttons;
    EventLog log;
};

void sendKey(QWidget *to, QEvent::Type type, Qt::Key key, const QString &text, bool autoRepeat = false)
{
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

void sendMouse(QWidget *to, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, to->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(to, &event);
}

} // namespace

class ButtonInputTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QCursor::setPos(kFarAway); }

    void hoverFollowsThePointerInAndOut();
    void hoverEndsWhenAnotherWindowCoversThePointer();
    void leftPressShowsPressedLookAndReleaseInsideClicks();
    void dragWithLeftButtonHeld();
    void rightClickThenSpace();
    void holdingEnterClicksOnceOnRelease();
    void spaceThenEnterClicksOnlyForTheLastKeyDown();
    void arrowsMoveTheFocus_data();
    void arrowsMoveTheFocus();
    void keyCodesAndCharacters_data();
    void keyCodesAndCharacters();
    void keysTheButtonIgnoresReachTheDialog();
    void accessKeyFromCaption_data();
    void accessKeyFromCaption();
    void altWithAccessKeyClicks();
    void bareAccessKeyOnlyWhileAButtonHasFocus();
    void sharedAccessKeyMovesFocusWithoutClicking();
    void doubleClickThroughTheWindow();
    void doubleClickHoldsThePointerUntilRelease();
    void releaseHandledDuringThePressYield();
    void disabledButtonRaisesNothing();
};

void ButtonInputTest::hoverFollowsThePointerInAndOut()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    // Shown with the pointer elsewhere: one timer tick found it outside.
    QCOMPARE(row.log.entries, QStringList{"MouseOut"});
    row.log.entries.clear();

    // (QTRY: on a real display the moves arrive some time after the pointer was moved.)
    QTest::mouseMove(b, kInside);
    QTRY_COMPARE(row.log.entries, (QStringList{"MouseOver", "MouseMove 0 0 50 15"}));
    QCOMPARE(b->hovering(), std::int16_t(-1));
    QVERIFY(b->hoverTimer()->isActive());
    QCOMPARE(lookRow(b), kHoverRow);

    // The second move inside raises MouseMove and latches; later ones raise nothing.
    QTest::mouseMove(b, QPoint(51, 15));
    QTRY_COMPARE(b->moveLatch(), std::int16_t(1));
    QTest::mouseMove(b, QPoint(52, 15));
    QTest::mouseMove(b, QPoint(53, 16));
    QTest::qWait(50);
    QCOMPARE(row.log.entries, (QStringList{"MouseOver", "MouseMove 0 0 50 15", "MouseMove 0 0 51 15"}));

    // A cut-out corner pixel belongs to what lies beneath: the hover ends there.
    QCursor::setPos(b->mapToGlobal(QPoint(0, 0)));
    QTRY_VERIFY(!b->hoverTimer()->isActive());
    QCOMPARE(row.log.entries.mid(3), QStringList{"MouseOut"});
    QCOMPARE(b->hovering(), std::int16_t(0));
    QCOMPARE(b->moveLatch(), std::int16_t(0));
    QCOMPARE(lookRow(b), restingRow(b));

    // Back in: a new hover starts.
    QTest::mouseMove(b, QPoint(20, 20));
    QTRY_COMPARE(row.log.entries.mid(4), (QStringList{"MouseOver", "MouseMove 0 0 20 20"}));
    QCursor::setPos(kFarAway);
    QTRY_VERIFY(!b->hoverTimer()->isActive());
    QCOMPARE(row.log.entries.last(), QStringLiteral("MouseOut"));
}

void ButtonInputTest::hoverEndsWhenAnotherWindowCoversThePointer()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    QTest::mouseMove(b, kInside);
    QTRY_COMPARE(b->hovering(), std::int16_t(-1));
    QTest::qWait(30);
    QVERIFY(b->hoverTimer()->isActive()); // resting on the button keeps the hover

    // A window opens over the resting pointer: the window under it is no longer the button's.
    QWidget cover;
    cover.setGeometry(QRect(b->mapToGlobal(QPoint(0, 0)) - QPoint(20, 20), QSize(200, 100)));
    cover.show();
    QVERIFY(QTest::qWaitForWindowExposed(&cover));
    QTRY_COMPARE(b->hovering(), std::int16_t(0));
    QVERIFY(!b->hoverTimer()->isActive());
    QCOMPARE(row.log.entries.last(), QStringLiteral("MouseOut"));
}

void ButtonInputTest::leftPressShowsPressedLookAndReleaseInsideClicks()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    row.log.entries.clear();

    QTest::mousePress(b, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, kInside);
    QCOMPARE(row.log.entries, QStringList{"MouseDown 1 3 50 15"});
    QCOMPARE(b->lastButton(), std::int16_t(1));
    QCOMPARE(lookRow(b), kPressedRow);
    QTest::mouseRelease(b, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier, kInside);
    QCOMPARE(row.log.entries, (QStringList{"MouseDown 1 3 50 15", "MouseUp 1 3 50 15", "Click"}));
    QCOMPARE(lookRow(b), restingRow(b));

    // Released beside the button: no click.
    row.log.entries.clear();
    QTest::mousePress(b, Qt::LeftButton, {}, kInside);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(130, 15));
    QCOMPARE(row.log.entries, (QStringList{"MouseDown 1 0 50 15", "MouseUp 1 0 130 15"}));

    // A middle press shows no pressed look and clicks nothing.
    row.log.entries.clear();
    QTest::mousePress(b, Qt::MiddleButton, Qt::AltModifier, kInside);
    QCOMPARE(lookRow(b), restingRow(b));
    QTest::mouseRelease(b, Qt::MiddleButton, Qt::AltModifier, kInside);
    QCOMPARE(row.log.entries, (QStringList{"MouseDown 4 4 50 15", "MouseUp 4 4 50 15"}));
}

void ButtonInputTest::dragWithLeftButtonHeld()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    QTest::mouseMove(b, kInside); // hover starts
    QTest::mousePress(b, Qt::LeftButton, {}, kInside);
    row.log.entries.clear();

    // Moving inside with the left button held: pressed look in the hover colours, hover flag
    // left at 0.
    QCursor::setPos(b->mapToGlobal(QPoint(60, 15)));
    sendMouse(b, QEvent::MouseMove, QPoint(60, 15), Qt::LeftButton);
    QCOMPARE(lookRow(b), kPressedRow);
    QCOMPARE(b->hovering(), std::int16_t(0));
    QCOMPARE(b->moveLatch(), std::int16_t(1));

    // Dragged out while latched: unpressed again, and no click on release there.
    QCursor::setPos(kFarAway);
    sendMouse(b, QEvent::MouseMove, QPoint(150, 15), Qt::LeftButton);
    QVERIFY(lookRow(b) != kPressedRow);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(150, 15));
    QVERIFY(!row.log.entries.contains("Click"));
    QCOMPARE(row.log.entries.first(), QStringLiteral("MouseMove 1 0 60 15"));
    QVERIFY(row.log.entries.contains("MouseMove 1 0 150 15"));
}

void ButtonInputTest::rightClickThenSpace()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    b->setFocus();
    QVERIFY(b->hasFocus());
    QCOMPARE(b->lastButton(), std::int16_t(1)); // set by the focus
    row.log.entries.clear();
    QSignalSpy clicks(b, &XPButtonX::Click);

    QTest::mousePress(b, Qt::RightButton, {}, kInside);
    QCOMPARE(lookRow(b), kFocusRow);
    QCOMPARE(b->lastButton(), std::int16_t(2));
    QTest::mouseRelease(b, Qt::RightButton, {}, kInside);
    QCOMPARE(clicks.count(), 0);

    QTest::keyPress(b, Qt::Key_Space);
    QCOMPARE(lookRow(b), kFocusRow); // still no pressed look: the last button was the right one
    QCOMPARE(clicks.count(), 0);
    QTest::keyRelease(b, Qt::Key_Space);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(b->lastButton(), std::int16_t(1));
    QCOMPARE(row.log.entries, (QStringList{"MouseDown 2 0 50 15", "MouseUp 2 0 50 15", "KeyDown 32 0",
                                           "KeyPress 32", "Click", "KeyUp 32 0"}));

    // With the left button now the last one, Space shows the pressed look.
    QTest::keyPress(b, Qt::Key_Space);
    QCOMPARE(lookRow(b), kPressedRow);
    QTest::keyRelease(b, Qt::Key_Space);
    QCOMPARE(lookRow(b), kFocusRow);
    QCOMPARE(clicks.count(), 2);
}

void ButtonInputTest::holdingEnterClicksOnceOnRelease()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    b->setFocus();
    QSignalSpy clicks(b, &XPButtonX::Click);
    row.log.entries.clear();

    sendKey(b, QEvent::KeyPress, Qt::Key_Return, "\r");
    QCOMPARE(lookRow(b), kPressedRow);
    // A held key repeats as pairs of auto-repeated release and press.
    for (int i = 0; i < 3; ++i) {
        sendKey(b, QEvent::KeyRelease, Qt::Key_Return, "\r", true);
        QCOMPARE(clicks.count(), 0);
        sendKey(b, QEvent::KeyPress, Qt::Key_Return, "\r", true);
        QCOMPARE(lookRow(b), kPressedRow);
    }
    QCOMPARE(row.log.entries.count("KeyDown 13 0"), 4);
    QCOMPARE(row.log.entries.count("KeyPress 13"), 4);
    sendKey(b, QEvent::KeyRelease, Qt::Key_Return, "\r");
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(lookRow(b), kFocusRow);
}

void ButtonInputTest::spaceThenEnterClicksOnlyForTheLastKeyDown()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    b->setFocus();
    QSignalSpy clicks(b, &XPButtonX::Click);

    QTest::keyPress(b, Qt::Key_Space);
    QTest::keyPress(b, Qt::Key_Return);
    QTest::keyRelease(b, Qt::Key_Space);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(b->lastKeyCode(), std::int16_t(13));
    QTest::keyRelease(b, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
}

void ButtonInputTest::arrowsMoveTheFocus_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("keyDown");
    QTest::newRow("Right moves on") << 0 << int(Qt::Key_Right) << 1 << "b1:KeyDown 39 0";
    QTest::newRow("Left moves on") << 1 << int(Qt::Key_Left) << 2 << "b2:KeyDown 37 0";
    QTest::newRow("Right wraps to the first") << 2 << int(Qt::Key_Right) << 0 << "b3:KeyDown 39 0";
    QTest::newRow("Down moves back") << 2 << int(Qt::Key_Down) << 1 << "b3:KeyDown 40 0";
    QTest::newRow("Up wraps to the last") << 0 << int(Qt::Key_Up) << 2 << "b1:KeyDown 38 0";
}

void ButtonInputTest::arrowsMoveTheFocus()
{
    QFETCH(int, from);
    QFETCH(int, key);
    QFETCH(int, to);
    QFETCH(QString, keyDown);

    ButtonRow row(3);
    QVERIFY(row.show());
    XPButtonX *source = row.buttons.at(from);
    source->setFocus();
    QVERIFY(source->hasFocus());
    // The focus moves as a typed Tab would, after the key has been handled here.
    QWidget *focusAtKeyDown = nullptr;
    connect(source, &XPButtonX::KeyDown, this,
            [&focusAtKeyDown](std::int16_t &, std::int16_t &) { focusAtKeyDown = QApplication::focusWidget(); });
    row.log.entries.clear();

    QTest::keyClick(source, static_cast<Qt::Key>(key));
    QTRY_VERIFY(row.buttons.at(to)->hasFocus());
    QCOMPARE(row.log.entries.first(), keyDown);
    QCOMPARE(focusAtKeyDown, source);
    QCOMPARE(source->focusedState(), std::int16_t(0));
    QCOMPARE(row.buttons.at(to)->focusedState(), std::int16_t(-1));
    QCOMPARE(lookRow(row.buttons.at(to)), kFocusRow);
    QCOMPARE(lookRow(source), kPlainRow);
}

void ButtonInputTest::keyCodesAndCharacters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("events");
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << QStringList{"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"};
    QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A"
                                    << QStringList{"KeyDown 65 1", "KeyPress 65", "KeyUp 65 1"};
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << QStringList{"KeyDown 55 0", "KeyPress 55", "KeyUp 55 0"};
    QTest::newRow("shifted digit names its key") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << "!"
                                                 << QStringList{"KeyDown 49 1", "KeyPress 33", "KeyUp 49 1"};
    QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "5"
                                  << QStringList{"KeyDown 101 0", "KeyPress 53", "KeyUp 101 0"};
    QTest::newRow("function key") << int(Qt::Key_F3) << 0 << "" << QStringList{"KeyDown 114 0", "KeyUp 114 0"};
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "" << QStringList{"KeyDown 46 0", "KeyUp 46 0"};
    QTest::newRow("control letter") << int(Qt::Key_C) << int(Qt::ControlModifier) << "\x03"
                                    << QStringList{"KeyDown 67 2", "KeyPress 3", "KeyUp 67 2"};
    QTest::newRow("alt letter types nothing") << int(Qt::Key_X) << int(Qt::AltModifier) << "x"
                                              << QStringList{"KeyDown 88 4", "KeyUp 88 4"};
    QTest::newRow("enter without text") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << ""
                                        << QStringList{"KeyDown 13 0", "KeyPress 13", "Click", "KeyUp 13 0"};
}

void ButtonInputTest::keyCodesAndCharacters()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(QStringList, events);

    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    b->setFocus();
    row.log.entries.clear();
    const auto mods = Qt::KeyboardModifiers(modifiers);
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(b, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(b, &release);
    QCOMPARE(row.log.entries, events);
}

void ButtonInputTest::keysTheButtonIgnoresReachTheDialog()
{
    QDialog dialog;
    dialog.setGeometry(200, 200, 240, 80);
    auto *b = new XPButtonX(&dialog);
    b->setGeometry(10, 10, 100, 30);
    EventLog log;
    log.watch(b);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    b->setFocus();

    // Space is the button's own; Escape is raised as KeyDown and then closes the dialog.
    QTest::keyClick(b, Qt::Key_Space);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(b, Qt::Key_Escape);
    QCOMPARE(log.entries.filter("KeyDown"), (QStringList{"KeyDown 32 0", "KeyDown 27 0"}));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void ButtonInputTest::accessKeyFromCaption_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("key");
    QTest::newRow("marker first") << "&Proses" << "p";
    QTest::newRow("marker inside, upper case") << "E&Xit" << "x";
    QTest::newRow("digit") << "&1 Satu" << "1";
    QTest::newRow("one escaped pair, then a marker") << "a&&b &Cd" << "c";
    QTest::newRow("escaped pair right before the marker") << "&&&x" << "x";
    QTest::newRow("only an escaped pair") << "a&&b" << "";
    QTest::newRow("only an escaped pair, alone") << "&&" << "";
    QTest::newRow("escaped pair, marker last") << "a&&b&" << "";
    QTest::newRow("two escaped pairs") << "a&&b&&c" << "";
    QTest::newRow("two escaped pairs, then a marker") << "a&&b&&&c" << "";
    QTest::newRow("marker last") << "abc&" << "";
    QTest::newRow("one character") << "x" << "";
    QTest::newRow("lone ampersand") << "&" << "";
    QTest::newRow("no marker") << "Proses" << "";
    QTest::newRow("empty") << "" << "";
}

void ButtonInputTest::accessKeyFromCaption()
{
    QFETCH(QString, caption);
    QFETCH(QString, key);
    XPButtonX button;
    button.setCaption(QStringLiteral("&Zz")); // a previous key must not survive
    button.setCaption(caption);
    QCOMPARE(button.accessKey().isNull() ? QString() : QString(button.accessKey()), key);
}

void ButtonInputTest::altWithAccessKeyClicks()
{
    ButtonRow row(2);
    auto *edit = new QLineEdit(&row.window);
    edit->setGeometry(10, 45, 100, 24);
    row.buttons[0]->setCaption(QStringLiteral("&Proses"));
    row.buttons[1]->setCaption(QStringLiteral("&Tutup"));
    QVERIFY(row.show());
    // The access key clicks even after a right press left the last button at 2.
    QTest::mouseClick(row.buttons[0], Qt::RightButton, {}, kInside);
    QCOMPARE(row.buttons[0]->lastButton(), std::int16_t(2));
    edit->setFocus();
    row.log.entries.clear();

    QTest::keyClick(edit, Qt::Key_P, Qt::AltModifier);
    QCOMPARE(row.log.entries, QStringList{"b1:Click"});
    QCOMPARE(row.buttons[0]->lastButton(), std::int16_t(1));
    QTest::keyClick(edit, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(row.log.entries, (QStringList{"b1:Click", "b2:Click"}));
    QVERIFY(edit->hasFocus());
    QVERIFY(edit->text().isEmpty());

    // A new caption takes the old key away.
    row.buttons[0]->setCaption(QStringLiteral("&Hitung"));
    row.log.entries.clear();
    QTest::keyClick(edit, Qt::Key_P, Qt::AltModifier);
    QVERIFY(row.log.entries.isEmpty());
    QTest::keyClick(edit, Qt::Key_H, Qt::AltModifier);
    QCOMPARE(row.log.entries, QStringList{"b1:Click"});
}

void ButtonInputTest::bareAccessKeyOnlyWhileAButtonHasFocus()
{
    ButtonRow row(2);
    auto *edit = new QLineEdit(&row.window);
    edit->setGeometry(10, 45, 100, 24);
    auto *push = new QPushButton(QStringLiteral("Other"), &row.window);
    push->setGeometry(120, 45, 80, 24);
    auto *list = new QListWidget(&row.window);
    list->addItems({QStringLiteral("Device"), QStringLiteral("Port"), QStringLiteral("Driver")});
    list->setGeometry(10, 80, 200, 60);
    row.window.resize(row.window.width(), 150);
    row.buttons[0]->setCaption(QStringLiteral("&Proses"));
    QVERIFY(row.show());
    QSignalSpy clicks(row.buttons[0], &XPButtonX::Click);

    row.buttons[1]->setFocus();
    QTest::keyClick(row.buttons[1], Qt::Key_P);
    QCOMPARE(clicks.count(), 1);

    push->setFocus();
    QTest::keyClick(push, Qt::Key_P);
    QCOMPARE(clicks.count(), 2);

    // In a text box the letter is text.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_P);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(edit->text(), QStringLiteral("p"));

    // In a list the letter searches the list.
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_P);
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(list->currentRow(), 1);

    // A button of another window does not make the letter live here.
    QWidget other;
    auto *foreign = new QPushButton(QStringLiteral("Foreign"), &other);
    other.setGeometry(500, 200, 120, 60);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    foreign->setFocus();
    QTest::keyClick(foreign, Qt::Key_P);
    QCOMPARE(clicks.count(), 2);
}

void ButtonInputTest::sharedAccessKeyMovesFocusWithoutClicking()
{
    ButtonRow row(3);
    row.buttons[0]->setCaption(QStringLiteral("&Proses"));
    row.buttons[1]->setCaption(QStringLiteral("&Print"));
    QVERIFY(row.show());
    row.buttons[2]->setFocus();
    row.log.entries.clear();

    QTest::keyClick(row.buttons[2], Qt::Key_P, Qt::AltModifier);
    QWidget *first = QApplication::focusWidget();
    QVERIFY(first == row.buttons[0] || first == row.buttons[1]);
    QTest::keyClick(first, Qt::Key_P, Qt::AltModifier);
    QWidget *second = QApplication::focusWidget();
    QVERIFY(second == row.buttons[0] || second == row.buttons[1]);
    QVERIFY(second != first);
    QVERIFY(!row.log.entries.join(' ').contains("Click"));
}

void ButtonInputTest::doubleClickThroughTheWindow()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    QList<QRgb> looksAtRelease;
    connect(b, &XPButtonX::MouseUp, this,
            [&looksAtRelease, b](std::int16_t &, std::int16_t &, float &, float &) { looksAtRelease << lookRow(b); });
    row.log.entries.clear();

    // Qt's own double-click detection: press, release, double click (for the second press),
    // release.
    QTest::mouseDClick(row.window.windowHandle(), Qt::LeftButton, {}, row.inWindow(0));
    QCOMPARE(row.log.entries, (QStringList{"MouseDown 1 0 50 15", "MouseUp 1 0 50 15", "Click",
                                           "MouseDown 1 0 0 0", "MouseUp 1 0 50 15"}));
    QCOMPARE(looksAtRelease, (QList<QRgb>{kPressedRow, kPressedRow}));
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QVERIFY(lookRow(b) != kPressedRow);
}

void ButtonInputTest::doubleClickHoldsThePointerUntilRelease()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    QSignalSpy clicks(b, &XPButtonX::Click);
    const auto downs = [&row] { return row.log.entries.filter("MouseDown").size(); };

    QTest::mouseClick(b, Qt::LeftButton, {}, kInside);
    QTest::mouseDClick(b, Qt::LeftButton, {}, kInside);
    QCOMPARE(QWidget::mouseGrabber(), b);
    QCOMPARE(lookRow(b), kPressedRow);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs(), 2);

    // After a right press the double click is ignored altogether.
    QTest::mouseClick(b, Qt::RightButton, {}, kInside);
    row.log.entries.clear();
    QTest::mouseDClick(b, Qt::LeftButton, {}, kInside);
    QCOMPARE(downs(), 0);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QTest::mouseRelease(b, Qt::LeftButton, {}, kInside);
    QCOMPARE(clicks.count(), 1);
}

void ButtonInputTest::releaseHandledDuringThePressYield()
{
    ButtonRow row(1);
    QVERIFY(row.show());
    XPButtonX *b = row.buttons.first();
    row.log.entries.clear();

    // The release is already waiting when the press arrives: the press yields to it, and the
    // pressed look must not be painted after the release.
    QCoreApplication::postEvent(b, new QMouseEvent(QEvent::MouseButtonRelease, kInside, b->mapToGlobal(kInside),
                                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    sendMouse(b, QEvent::MouseButtonPress, kInside, Qt::LeftButton);
    QCOMPARE(row.log.entries, (QStringList{"MouseDown 1 0 50 15", "MouseUp 1 0 50 15", "Click"}));
    QCOMPARE(lookRow(b), restingRow(b));

    // The same for the second press of a double click: no pointer grab is left behind.
    QCoreApplication::postEvent(b, new QMouseEvent(QEvent::MouseButtonRelease, kInside, b->mapToGlobal(kInside),
                                                   Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    sendMouse(b, QEvent::MouseButtonDblClick, kInside, Qt::LeftButton);
    QCOMPARE(QWidget::mouseGrabber(), nullptr);
    QCOMPARE(lookRow(b), restingRow(b));
    QCOMPARE(row.log.entries.count("Click"), 1);
}

void ButtonInputTest::disabledButtonRaisesNothing()
{
    ButtonRow row(2);
    XPButtonX *b = row.buttons.first();
    b->setCaption(QStringLiteral("&Proses"));
    b->setEnabledProperty(0);
    QVERIFY(row.show());
    row.buttons[1]->setFocus();
    row.log.entries.clear();

    QWindow *window = row.window.windowHandle();
    QTest::mouseMove(window, row.inWindow(0));
    QTest::mouseMove(window, row.inWindow(0, QPoint(55, 15)));
    QTest::mouseClick(window, Qt::LeftButton, {}, row.inWindow(0));
    QTest::mouseDClick(window, Qt::LeftButton, {}, row.inWindow(0));
    QTest::mouseClick(window, Qt::RightButton, {}, row.inWindow(0));
    QTest::keyClick(b, Qt::Key_Space);
    QTest::keyClick(row.buttons[1], Qt::Key_P, Qt::AltModifier);
    QTest::keyClick(row.buttons[1], Qt::Key_P);
    b->setFocus();
    QVERIFY(!b->hasFocus());
    // The keys went to the focused second button; the first one raised nothing at all.
    QCOMPARE(row.log.entries.filter(QRegularExpression("^b1:")), QStringList());
    QVERIFY(row.log.entries.contains("b2:KeyDown 80 4"));
    QCOMPARE(b->hovering(), std::int16_t(0));
    QCOMPARE(lookRow(b), kDisabledFill);

    // Enabled again, it takes the focus and its access key works.
    b->setEnabledProperty(-1);
    row.log.entries.clear();
    QTest::keyClick(row.buttons[1], Qt::Key_P, Qt::AltModifier);
    QCOMPARE(row.log.entries.filter(QRegularExpression("^b1:")), QStringList{"b1:Click"});
    b->setFocus();
    QVERIFY(b->hasFocus());
}

QUORVEL_TEST_MAIN(ButtonInputTest)
#include "tst_buttoninput.moc"
