// The input half of XPButtonX: hover tracking, mouse, keyboard, focus and the access key.
//
// Qt's events are turned into the control's own notifications (mouse down/up/move, click,
// double click, key down/press/up, got/lost focus, access key) with 16-bit button, shift and
// key codes (ui/keycodes.h), and each notification handler keeps the exact order of state
// changes, paints and raised events that the buttons' users rely on.

#include "ui/button/xpbuttonx.h"

#include "ui/button/deferreddeletehold.h"
#include "ui/keycodes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QRegion>
#include <QShortcutEvent>
#include <QTimer>

#include <utility>

namespace {

// Mouse button codes (added together when several are held) and the keys the control acts on.
namespace Code {
constexpr std::int16_t LeftButton = 1;
constexpr std::int16_t RightButton = 2;
constexpr std::int16_t MiddleButton = 4;

constexpr std::int16_t Enter = keycodes::kEnter;
constexpr std::int16_t Space = keycodes::kSpace;
constexpr std::int16_t Left = keycodes::kLeft;
constexpr std::int16_t Up = keycodes::kUp;
constexpr std::int16_t Right = keycodes::kRight;
constexpr std::int16_t Down = keycodes::kDown;
} // namespace Code

std::int16_t buttonCodeOf(Qt::MouseButtons buttons)
{
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= Code::LeftButton;
    if (buttons & Qt::RightButton)
        code |= Code::RightButton;
    if (buttons & Qt::MiddleButton)
        code |= Code::MiddleButton;
    return code;
}

// The buttons whose focus lets the bare access-key letter act, as in dialogs of push buttons.
bool isButton(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const XPButtonX *>(widget);
}

} // namespace

// --- Qt events to notifications -----------------------------------------------------------

bool XPButtonX::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && isEnabled()) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        const int id = shortcut->shortcutId();
        if (id != 0 && (id == m_shortcutId || id == m_bareShortcutId)) {
            if (shortcut->isAmbiguous()) {
                // Several controls of the window share the key: like Qt's own buttons, each
                // press moves the focus on to the next of them and none is clicked.
                setFocus(Qt::ShortcutFocusReason);
                window()->setAttribute(Qt::WA_KeyboardFocusChange);
            } else {
                UserControl_AccessKeyPress(static_cast<std::int16_t>(m_accessKey.unicode()));
            }
            return true;
        }
    }
    return QWidget::event(event);
}

void XPButtonX::mousePressEvent(QMouseEvent *event)
{
    const std::int16_t button = buttonCodeOf(event->button());
    if (button == 0) {
        event->ignore(); // extra buttons have no code of their own
        return;
    }
    if (event->button() == Qt::LeftButton)
        m_clickArmed = true;
    m_buttonHeld = true;
    UserControl_MouseDown(button, keycodes::shiftState(event->modifiers()),
                          static_cast<float>(event->position().x()),
                          static_cast<float>(event->position().y()));
}

void XPButtonX::mouseReleaseEvent(QMouseEvent *event)
{
    const std::int16_t button = buttonCodeOf(event->button());
    if (button == 0) {
        event->ignore();
        return;
    }
    const bool lastHeld = event->buttons() == Qt::NoButton;
    if (lastHeld)
        m_buttonHeld = false;
    const QPointer<XPButtonX> self(this);
    UserControl_MouseUp(button, keycodes::shiftState(event->modifiers()),
                        static_cast<float>(event->position().x()),
                        static_cast<float>(event->position().y()));
    if (!self)
        return;
    if (lastHeld && m_capturing) {
        m_capturing = false;
        releaseMouse();
    }
    if (event->button() != Qt::LeftButton)
        return;
    const bool armed = std::exchange(m_clickArmed, false);
    const QPoint at = event->position().toPoint();
    const QRegion shape = mask();
    const bool inside = rect().contains(at) && (shape.isEmpty() || shape.contains(at));
    if (armed && inside)
        UserControl_Click();
}

void XPButtonX::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        // Only the left button has a double click of its own; for the others the second
        // press stays a press.
        mousePressEvent(event);
        return;
    }
    // It stands in for the second press and no click follows its release.
    m_clickArmed = false;
    m_buttonHeld = true;
    UserControl_DblClick();
}

void XPButtonX::mouseMoveEvent(QMouseEvent *event)
{
    UserControl_MouseMove(buttonCodeOf(event->buttons()), keycodes::shiftState(event->modifiers()),
                          static_cast<float>(event->position().x()),
                          static_cast<float>(event->position().y()));
}

void XPButtonX::keyPressEvent(QKeyEvent *event)
{
    const std::int16_t keyCode = keycodes::keyCode(*event);
    if (keyCode == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPointer<XPButtonX> self(this);
    UserControl_KeyDown(keyCode, keycodes::shiftState(event->modifiers()));
    const std::optional<std::int16_t> keyAscii = keycodes::characterCode(*event);
    if (self && keyAscii)
        UserControl_KeyPress(*keyAscii);
    // Keys the control does not act on go on to its container (Escape to a dialog, say).
    switch (keyCode) {
    case Code::Enter:
    case Code::Space:
    case Code::Left:
    case Code::Up:
    case Code::Right:
    case Code::Down:
        event->accept();
        break;
    default:
        event->ignore();
        break;
    }
}

void XPButtonX::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats as release/press pairs; only the real release counts, so holding
    // Enter or Space gives one Click.
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const std::int16_t keyCode = keycodes::keyCode(*event);
    if (keyCode == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    UserControl_KeyUp(keyCode, keycodes::shiftState(event->modifiers()));
    event->accept();
}

void XPButtonX::focusInEvent(QFocusEvent *)
{
    UserControl_GotFocus();
}

void XPButtonX::focusOutEvent(QFocusEvent *)
{
    // Whatever takes the keyboard now (a message box, another window, a menu) also takes the
    // release of a key pressed here: the press no longer counts as this button's.
    m_lastKeyCode = 0;
    UserControl_LostFocus();
}

// --- notification handlers ---------------------------------------------------------------

void XPButtonX::HoverTimer_Timer()
{
    if (pointerKnownToRest() || IsMouseOver() != 0)
        return;
    m_hoverTimer->stop();
    m_hovering = 0;
    m_moveLatch = 0;
    PaintButton(0);
    emit MouseOut();
}

void XPButtonX::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    const QPointer<XPButtonX> self(this);
    if (Button < 2) {
        if (IsMouseOver() == 0) {
            if (m_moveLatch == 0)
                return;
            PaintButton(0);
        } else {
            if (m_moveLatch == 1)
                return;
            m_moveLatch = 1;
            if (Button == 0 && m_hovering == 0) {
                m_hoverTimer->start();
                m_hovering = -1;
                m_moveLatch = 0;
                PaintButton(0);
                emit MouseOver();
                if (!self)
                    return;
            } else if (Button == 1) {
                m_hovering = -1;
                PaintButton(1);
                m_hovering = 0;
            }
        }
    }
    emit MouseMove(Button, Shift, X, Y);
}

void XPButtonX::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    if (m_enabledValue != -1)
        return;
    const QPointer<XPButtonX> self(this);
    emit MouseDown(Button, Shift, X, Y);
    if (!self)
        return;
    m_lastButton = Button;
    refreshNow();
    if (!yieldToPendingEvents())
        return;
    // The yield may already have handled the release of this press (a quick click on a busy
    // machine); the pressed look would then stay on a button nobody holds.
    if (m_buttonHeld)
        PaintButton(1);
}

void XPButtonX::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y)
{
    emit MouseUp(Button, Shift, X, Y);
    PaintButton(0);
    refreshNow();
}

void XPButtonX::UserControl_Click()
{
    if (m_lastButton != 1)
        return;
    PaintButton(0);
    refreshNow();
    emit Click();
}

void XPButtonX::UserControl_DblClick()
{
    if (m_lastButton != 1)
        return;
    const QPointer<XPButtonX> self(this);
    UserControl_MouseDown(1, 0, 0.0F, 0.0F);
    if (!self)
        return;
    // Keep the release with the control even if the pointer leaves it; not when the release
    // already came during the mouse-down yield, or the grab would outlive the press, and not
    // when that release closed the window.
    if (m_buttonHeld && !m_capturing && isVisible()) {
        m_capturing = true;
        grabMouse();
    }
}

void XPButtonX::UserControl_GotFocus()
{
    m_focused = -1;
    if (m_enabledValue == -1) {
        m_lastButton = 1;
        refreshNow();
        PaintButton(0);
    }
}

void XPButtonX::UserControl_LostFocus()
{
    m_focused = 0;
    PaintButton(0);
}

void XPButtonX::UserControl_KeyDown(std::int16_t KeyCode, std::int16_t Shift)
{
    m_lastKeyCode = KeyCode;
    if (KeyCode == Code::Space || KeyCode == Code::Enter)
        PaintButton(1);
    else if (KeyCode == Code::Left || KeyCode == Code::Right)
        sendTabKey(true);
    else if (KeyCode == Code::Down || KeyCode == Code::Up)
        sendTabKey(false);
    emit KeyDown(KeyCode, Shift);
}

void XPButtonX::UserControl_KeyPress(std::int16_t KeyAscii)
{
    emit KeyPress(KeyAscii);
}

void XPButtonX::UserControl_KeyUp(std::int16_t KeyCode, std::int16_t Shift)
{
    // The release uses up its press: a later release of the same key (one whose press went to
    // a message box this Click opened, say) finds nothing to finish.
    const bool ownPress = KeyCode == m_lastKeyCode;
    if (ownPress)
        m_lastKeyCode = 0;
    if (ownPress && (KeyCode == Code::Enter || KeyCode == Code::Space)) {
        PaintButton(0);
        m_lastButton = 1;
        refreshNow();
        const QPointer<XPButtonX> self(this);
        emit Click();
        if (!self)
            return;
    }
    emit KeyUp(KeyCode, Shift);
}

void XPButtonX::UserControl_AccessKeyPress(std::int16_t KeyAscii)
{
    Q_UNUSED(KeyAscii);
    m_lastButton = 1;
    UserControl_Click();
}

// --- helpers -----------------------------------------------------------------------------

std::int16_t XPButtonX::IsMouseOver() const
{
    // widgetAt honours the window shape, so the four cut-out corners belong to what lies below.
    return QApplication::widgetAt(QCursor::pos()) == this ? -1 : 0;
}

void XPButtonX::UpdateAccessKey()
{
    m_accessKey = QChar();
    const QString &caption = m_captionText;
    // Positions count from 1 here; a position past the end reads as no character.
    const auto at = [&caption](qsizetype position) {
        return position >= 1 && position <= caption.size() ? caption.at(position - 1) : QChar();
    };
    const auto find = [&caption](qsizetype from) { return caption.indexOf(QLatin1Char('&'), from - 1) + 1; };

    if (caption.size() > 1) {
        const qsizetype p = find(1);
        if (p != 0 && p != caption.size()) {
            if (at(p + 1) != QLatin1Char('&')) {
                m_accessKey = at(p + 1).toLower();
            } else {
                // One escaped "&&" is looked past, no more.
                const qsizetype q = find(p + 2);
                if (q != 0 && at(q + 1) != QLatin1Char('&'))
                    m_accessKey = at(q + 1).toLower();
            }
        }
    }
    registerAccessKey();
}

// The hover timer ticks about a thousand times a second while the pointer rests on the button,
// and IsMouseOver costs several round trips to the display server each time (pointer position,
// then the window stack at that point). While no mouse button is held, Qt already knows which
// widget the pointer is over: it keeps that record from the server's enter and leave notices,
// which also come when another window opens above the pointer. So a tick may take Qt's word
// that the pointer is still here, and only every few ticks asks the server all the same, so that
// a case Qt missed ends the hover within a few milliseconds. A press or drag always asks, since Qt
// holds back leave notices while a button is down.
bool XPButtonX::pointerKnownToRest()
{
    constexpr unsigned kAskServerEvery = 16;
    if (m_buttonHeld || QGuiApplication::mouseButtons() != Qt::NoButton || !underMouse())
        return false;
    return ++m_restingTicks % kAskServerEvery != 0;
}

void XPButtonX::refreshNow()
{
    repaint();
}

bool XPButtonX::yieldToPendingEvents()
{
    const QPointer<XPButtonX> self(this);
    {
        const DeferredDeleteHold hold(this);
        QCoreApplication::processEvents();
    }
    return !self.isNull();
}

// Alt with the key anywhere in the window; the bare key too while a button of the window has
// the focus, where typing a letter has no other use.
void XPButtonX::registerAccessKey()
{
    if (m_shortcutId != 0)
        releaseShortcut(std::exchange(m_shortcutId, 0));
    if (m_bareShortcutId != 0)
        releaseShortcut(std::exchange(m_bareShortcutId, 0));
    if (m_accessKey.isNull() || m_accessKey.isSpace())
        return;

    const auto key = static_cast<Qt::Key>(m_accessKey.toUpper().unicode());
    m_shortcutId = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, key)), Qt::WindowShortcut);
    setShortcutAutoRepeat(m_shortcutId, false);
    if (!m_accessKey.isLetterOrNumber())
        return;
    m_bareShortcutId = grabShortcut(QKeySequence(QKeyCombination(Qt::NoModifier, key)), Qt::WindowShortcut);
    setShortcutAutoRepeat(m_bareShortcutId, false);
    if (!m_watchingFocus) {
        m_watchingFocus = true;
        connect(qApp, &QApplication::focusChanged, this, &XPButtonX::followFocus);
    }
    followFocus(nullptr, QApplication::focusWidget());
}

void XPButtonX::followFocus(QWidget *, QWidget *current)
{
    if (m_bareShortcutId == 0)
        return;
    const bool live = current != nullptr && isButton(current) && current->window() == window();
    setShortcutEnabled(m_bareShortcutId, live);
}

// Moves the focus the way a typed Tab (or Shift+Tab) would: the key is delivered after the
// current key handling ends, to whatever has the focus then.
void XPButtonX::sendTabKey(bool forward)
{
    QMetaObject::invokeMethod(
        qApp,
        [forward] {
            const Qt::Key key = forward ? Qt::Key_Tab : Qt::Key_Backtab;
            const Qt::KeyboardModifiers modifiers = forward ? Qt::NoModifier : Qt::ShiftModifier;
            if (QWidget *target = QApplication::focusWidget()) {
                QKeyEvent press(QEvent::KeyPress, key, modifiers);
                QCoreApplication::sendEvent(target, &press);
            }
            if (QWidget *target = QApplication::focusWidget()) {
                QKeyEvent release(QEvent::KeyRelease, key, modifiers);
                QCoreApplication::sendEvent(target, &release);
            }
        },
        Qt::QueuedConnection);
}
