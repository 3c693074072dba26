#include "ui/keycodes.h"

#include <QKeyEvent>

#include <utility>

namespace keycodes {

namespace {

constexpr std::int16_t kLineFeed = 10;
constexpr std::int16_t kDeleteChar = 127;
constexpr std::int16_t kKeypadDigitZero = 96;
constexpr std::int16_t kFunctionKeyOne = 112;

// Keys whose code is not their own upper-case character. Shifted characters of a US keyboard
// map back to the key that types them: a key code names a key, not a character.
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
    // Media and browser keys rarely reach a control, but they have codes of their own.
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

bool isLetterKey(int key)
{
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool isDigitKey(int key)
{
    return key >= Qt::Key_0 && key <= Qt::Key_9;
}

// Ctrl with a key: the ASCII control characters, as an edit box receives them.
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

std::int16_t keyCode(const QKeyEvent &event)
{
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (isDigitKey(key))
            return static_cast<std::int16_t>(kKeypadDigitZero + (key - Qt::Key_0));
        if (const std::int16_t code = lookUp(kKeypadCodes, key))
            return code;
    }
    if (isLetterKey(key) || isDigitKey(key))
        return static_cast<std::int16_t>(key);   // Qt's codes of these keys are their ASCII codes
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(kFunctionKeyOne + (key - Qt::Key_F1));
    return lookUp(kKeyCodes, key);
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t state = 0;
    if (modifiers & Qt::ShiftModifier)
        state |= kShiftBit;
    if (modifiers & Qt::ControlModifier)
        state |= kCtrlBit;
    if (modifiers & Qt::AltModifier)
        state |= kAltBit;
    return state;
}

} // namespace keycodes
