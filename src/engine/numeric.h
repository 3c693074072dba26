#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The numeric rules the schedule is defined in: how a box's text becomes a number, how a
// number becomes a 16-bit whole number, and how a number is written back as text.
namespace engine::numeric {

// The number at the start of the text: leading blanks skipped, optional sign, digits, an
// optional decimal point with digits, an optional exponent (E or D, optional sign, digits).
// Reading stops at the first character that cannot continue the number. An empty text or a
// text that does not begin with a number gives 0. Values too large for a double give
// RuntimeError::overflow().
double leadingNumber(std::string_view text);

// Nearest whole number, a value exactly halfway going to the even neighbour (2.5 -> 2,
// 5.5 -> 6, -0.5 -> -0), whatever rounding mode the floating-point unit is in.
double roundHalfEven(double value);

// Nearest whole number, halves to even; RuntimeError::overflow() outside -32768..32767
// (after rounding) or for a value that is not a number.
std::int16_t toInt16(double value);

// 16-bit addition; RuntimeError::overflow() when the sum leaves -32768..32767.
std::int16_t addInt16(std::int16_t a, std::int16_t b);

// Shortest decimal form with at most 15 significant digits: no trailing zeros, no decimal
// point for a whole number, "-" for negatives, the given decimal separator.
std::string format(double value, std::string_view decimalSeparator = ".");

} // namespace engine::numeric
