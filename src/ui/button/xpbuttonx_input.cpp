// The input half of XPButtonX: hover tracking, mouse, keyboard, focus and the access key.
//
// Qt's events are turned into the control's own notifications (mouse down/up/move, click,
// double click, key down/press/up, got/lost focus, access key) with the button, shift and key
// codes of the old platform, and each notification handler keeps the exact order of state
// changes, paints and raised events that the buttons' users rely on.

#include "ui/button/xpbuttonx.h"

#include "ui/button/deferreddeletehold.h"

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

// Codes of the old platform.
namespace Code {
constexpr std::int16_t LeftButton = 1;
constexpr std::int16_t RightButton = 2;
constexpr std::int16_t MiddleButton = 4;

constexpr std::int16_t ShiftKey = 1;
constexpr std::int16_t CtrlKey = 2;
constexpr std::int16_t AltKey = 4;

constexpr std::int16_t Backspace = 8;
constexpr std::int16_t Enter = 13;
constexpr std::int16_t Escape = 27;
constexpr std::int16_t Space = 32;
constexpr std::int16_t Left = 37;
constexpr std::int16_t Up = 38;
constexpr std::int16_t Right = 39;
constexpr std::int16_t Down = 40;
constexpr std::int16_t KeypadDigit0 = 96;
constexpr std::int16_t F1 = 112;
} // namespace Code

// Keys whose code is not their own upper-case character. Shifted characters of a US keyboard
// map back to the key that types them, as the old key codes name keys, not characters.
constexpr std::pair<int, std::int16_t> kKeyCodes[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},     {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},     {Qt::Key_Control, 17},    {Qt::Key_Alt, 18},
    {Qt::Key_Pause, 19},     {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},
    {Qt::Key_End, 35},       {Qt::Key_Home, 36},       {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},        {Qt::Key_Right, 39},      {Qt::Key_Down, 40},
    {Qt::Key_Select, 41},    {Qt::Key_Printer, 42},    {Qt::Key_Execute, 43},
    {Qt::Key_Print, 44},     {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},      {Qt::Key_Meta, 91},       {Qt::Key_Menu, 93},
    {Qt::Key_NumLock, 144},  {Qt::Key_ScrollLock, 145},
    // Shifted digits.
    {Qt::Key_ParenRight, 48}, {Qt::Key_Exclam, 49},    {Qt::Key_At, 50},
    {Qt::Key_NumberSign, 51}, {Qt::Key_Dollar, 52},    {Qt::Key_Percent, 53},
    {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55}, {Qt::Key_Asterisk, 56},
    {Qt::Key_ParenLeft, 57},
    // Punctuation keys, plain and shifted.
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},     {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},      {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219}, {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    // Media and browser keys rarely reach a button, but they have codes of their own.
    {Qt::Key_VolumeMute, 173}, {Qt::Key_VolumeDown, 174}, {Qt::Key_VolumeUp, 175},
    {Qt::Key_MediaNext, 176},  {Qt::Key_MediaPrevious, 177}, {Qt::Key_MediaStop, 178},
    {Qt::Key_MediaPlay, 179},  {Qt::Key_LaunchMail, 180}, {Qt::Key_Back, 166},
    {Qt::Key_Forward, 167},    {Qt::Key_Refresh, 168},   {Qt::Key_Stop, 169},
    {Qt::Key_Search, 170},     {Qt::Key_Favorites, 171}, {Qt::Key_HomePage, 172},
    {Qt::Key_Sleep, 95},
};

// Keypad keys other than digits, whose codes differ from the main keyboard's.
constexpr std::pair<int, std::int16_t> kKeypadCodes[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Comma, 108},
    {Qt::Key_Minus, 109},    {Qt::Key_Period, 110}, {Qt::Key_Slash, 111},
};

std::int16_t lookUp(const auto &table, int key)
{
    for (const auto &[qtKey, code] : table) {
        if (qtKey == key)
            return code;
    }
    return 0;
}

// The key code of a key event, 0 for a key that has none.
std::int16_t keyCodeOf(const QKeyEvent *event)
{
    const int key = event->key();
    if (event->modifiers() & Qt::KeypadModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return static_cast<std::int16_t>(Code::KeypadDigit0 + (key - Qt::Key_0));
        if (const std::int16_t code = lookUp(kKeypadCodes, key))
            return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::int16_t>(key); // their upper-case ASCII, like the old codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(Code::F1 + (key - Qt::Key_F1));
    return lookUp(kKeyCodes, key);
}

// The character code a key press types, or -1 when it types none. Alt combinations type
// nothing (they are menu and access keys); Enter, Backspace and Escape type their control codes
// even where the event carries no text.
std::int16_t keyAsciiOf(const QKeyEvent *event)
{
    if ((event->modifiers() & Qt::AltModifier) && !(event->modifiers() & Qt::ControlModifier))
        return -1;
    const QString text = event->text();
    if (text.size() == 1 && text.at(0).unicode() < 256)
        return static_cast<std::int16_t>(text.at(0).unicode());
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Code::Enter;
    case Qt::Key_Backspace:
        return Code::Backspace;
    case Qt::Key_Escape:
        return Code::Escape;
    default:
        return -1;
    }
}

std::int16_t shiftCodeOf(Qt::KeyboardModifiers modifiers)
{
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= Code::ShiftKey;
    if (modifiers & Qt::ControlModifier)
        code |= Code::CtrlKey;
    if (modifiers & Qt::AltModifier)
        code |= Code::AltKey;
    return code;
}

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
    UserControl_MouseDown(button, shiftCodeOf(event->modifiers()),
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
    UserControl_MouseUp(button, shiftCodeOf(event->modifiers()),
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
    UserControl_MouseMove(buttonCodeOf(event->buttons()), shiftCodeOf(event->modifiers()),
                          static_cast<float>(event->position().x()),
                          static_cast<float>(event->position().y()));
}

void XPButtonX::keyPressEvent(QKeyEvent *event)
{
    const std::int16_t keyCode = keyCodeOf(event);
    if (keyCode == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPointer<XPButtonX> self(this);
    UserControl_KeyDown(keyCode, shiftCodeOf(event->modifiers()));
    const std::int16_t keyAscii = keyAsciiOf(event);
    if (self && keyAscii >= 0)
        UserControl_KeyPress(keyAscii);
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
    const std::int16_t keyCode = keyCodeOf(event);
    if (keyCode == 0) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    UserControl_KeyUp(keyCode, shiftCodeOf(event->modifiers()));
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
