#pragma once

#include <Qt>

#include <cstdint>
#include <optional>

class QKeyEvent;

// The codes every window's key handlers work with: a key-press handler receives the character
// a key produces as a 16-bit code it may discard, a key-down or key-up handler a key code that
// names the key itself, with a shift state. One translation for the boxes of the main window and
// for the drawn buttons.
namespace keycodes {

inline constexpr std::int16_t kBackspace = 8;
inline constexpr std::int16_t kTab = 9;
inline constexpr std::int16_t kEnter = 13;
inline constexpr std::int16_t kEscape = 27;
inline constexpr std::int16_t kSpace = 32;
inline constexpr std::int16_t kLeft = 37;
inline constexpr std::int16_t kUp = 38;
inline constexpr std::int16_t kRight = 39;
inline constexpr std::int16_t kDown = 40;
inline constexpr std::int16_t kDigitZero = 48;
inline constexpr std::int16_t kDigitNine = 57;

// Shift state bits, added together.
inline constexpr std::int16_t kShiftBit = 1;
inline constexpr std::int16_t kCtrlBit = 2;
inline constexpr std::int16_t kAltBit = 4;

// The character code a key press produces: printable characters, Backspace (8), Enter (13),
// Escape (27) and the control characters of Ctrl with a letter (Ctrl+C 3, Ctrl+V 22, ...).
// Arrows, Delete, Home, End, function keys, Tab, modifiers alone and Alt combinations
// produce none.
std::optional<std::int16_t> characterCode(const QKeyEvent &event);

// The key code of a key: letters and digits as their upper-case ASCII code, 16 Shift, 17 Ctrl,
// 18 Alt, 37..40 arrows, 112.. function keys, keypad and punctuation keys their own codes
// (shifted characters name the key that types them); 0 when the key has no code.
std::int16_t keyCode(const QKeyEvent &event);

// Shift state: 1 Shift, 2 Ctrl, 4 Alt, added together.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

} // namespace keycodes
