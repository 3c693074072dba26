#include "ui/main/keyascii.h"

#include <QKeyEvent>

namespace keyascii {

namespace {

constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kEscape = 27;
constexpr std::int16_t kLineFeed = 10;
constexpr std::int16_t kDeleteChar = 127;

bool isLetterKey(int key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool isDigitKey(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

// Ctrl with a key: the ASCII control characters, as a Windows edit box would receive them.
std::optional<std::int16_t> controlCharacter(int key)
{
    if (isLetterKey(key))
        return static_cast<std::int16_t>(key - Qt::Key_A + 1);
    switch (key) {
    case Qt::Key_BracketLeft: return kEscape;
    case Qt::Key_Backslash: return std::int16_t{28};
    case Qt::Key_BracketRight: return std::int16_t{29};
    case Qt::Key_Return:
    case Qt::Key_Enter: return kLineFeed;
    case Qt::Key_Backspace: return kDeleteChar;
    default: return std::nullopt;
    }
}

} // namespace

std::optional<std::int16_t> characterCode(const QKeyEvent &event)
{
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers();

    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    // Alt with a key is a menu or access-key request, never a character.
    if (modifiers & Qt::AltModifier)
        return std::nullopt;
    if (modifiers & Qt::ControlModifier)
        return controlCharacter(key);

    switch (key) {
    case Qt::Key_Backspace: return kBackspace;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kEnter;
    case Qt::Key_Escape: return kEscape;
    default: break;
    }

    const QString text = event.text();
    if (text.isEmpty())
        return std::nullopt;
    const char16_t first = text.at(0).unicode();
    // Control characters that arrive as text without a key of their own (e.g. from an input
    // method) are not typed characters; printable ones are.
    if (first < 32 || first == kDeleteChar)
        return std::nullopt;
    return static_cast<std::int16_t>(first);
}

std::int16_t virtualKeyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (isLetterKey(key) || isDigitKey(key))
        return static_cast<std::int16_t>(key);   // Qt's codes of these keys are their ASCII codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Pause: return 19;
    case Qt::Key_CapsLock: return 20;
    case Qt::Key_Escape: return 27;
    case Qt::Key_Space: return 32;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: return 0;
    }
}

std::int16_t shiftState(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= 1;
    if (modifiers & Qt::ControlModifier)
        state |= 2;
    if (modifiers & Qt::AltModifier)
        state |= 4;
    return state;
}

} // namespace keyascii
