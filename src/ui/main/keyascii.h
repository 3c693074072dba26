#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

// The old toolkit's view of a key press: a key handler of a box receives the character code
// the key produces (or nothing for keys that produce none) and a key-down handler receives a
// virtual key code with a shift state.
namespace keyascii {

// The character code a key press produces: printable characters, Backspace (8), Enter (13),
// Escape (27) and the control characters of Ctrl with a letter (Ctrl+C 3, Ctrl+V 22, ...).
// Arrows, Delete, Home, End, function keys, Tab, modifiers alone and Alt combinations
// produce none.
std::optional<std::int16_t> characterCode(const QKeyEvent &event);

// Virtual key code of a key going down (letters and digits as their upper-case ASCII code,
// 16 Shift, 17 Ctrl, 18 Alt, 37..40 arrows, ...), 0 when the key has no such code.
std::int16_t virtualKeyCode(const QKeyEvent &event);

// Shift state of a key event: 1 Shift, 2 Ctrl, 4 Alt, added together.
std::int16_t shiftState(const QKeyEvent &event);

} // namespace keyascii
