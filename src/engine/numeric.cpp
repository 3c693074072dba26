#include "engine/numeric.h"

#include "engine/runtimeerror.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace engine::numeric {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Val ignores blanks, tabs and line feeds wherever they stand, even between digits.
bool isSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// The text without the characters Val skips, so that the number can be scanned in one go.
std::string withoutBlanks(std::string_view text)
{
    std::string packed;
    packed.reserve(text.size());
    for (char c : text) {
        if (!isSkipped(c))
            packed.push_back(c);
    }
    return packed;
}

constexpr long long kExponentCap = 1'000'000;

} // namespace

double leadingNumber(std::string_view text)
{
    const std::string packed = withoutBlanks(text);
    std::size_t pos = 0;

    // The number is rebuilt in the neutral form from_chars reads: sign, digits, '.', digits,
    // 'e', exponent. from_chars does not look at the C locale, unlike strtod.
    std::string number;
    bool negative = false;
    if (pos < packed.size() && (packed[pos] == '+' || packed[pos] == '-')) {
        negative = packed[pos] == '-';
        ++pos;
    }

    int significantIntegerDigits = 0;   // integer digits after leading zeros
    int leadingFractionZeros = 0;       // zeros right after the point while nothing else came
    bool anyNonZero = false;
    bool anyDigit = false;

    while (pos < packed.size() && isDigit(packed[pos])) {
        anyDigit = true;
        if (packed[pos] != '0' || anyNonZero) {
            anyNonZero = true;
            ++significantIntegerDigits;
        }
        number.push_back(packed[pos++]);
    }
    if (pos < packed.size() && packed[pos] == '.') {
        number.push_back('.');
        ++pos;
        while (pos < packed.size() && isDigit(packed[pos])) {
            anyDigit = true;
            if (packed[pos] != '0')
                anyNonZero = true;
            else if (!anyNonZero)
                ++leadingFractionZeros;
            number.push_back(packed[pos++]);
        }
    }
    if (!anyDigit || !anyNonZero)
        return 0.0;

    long long exponent = 0;
    if (pos < packed.size()
        && (packed[pos] == 'E' || packed[pos] == 'e' || packed[pos] == 'D' || packed[pos] == 'd')) {
        std::size_t expPos = pos + 1;
        bool expNegative = false;
        if (expPos < packed.size() && (packed[expPos] == '+' || packed[expPos] == '-')) {
            expNegative = packed[expPos] == '-';
            ++expPos;
        }
        // An exponent letter without digits after it is not part of the number.
        if (expPos < packed.size() && isDigit(packed[expPos])) {
            while (expPos < packed.size() && isDigit(packed[expPos])) {
                if (exponent < kExponentCap)
                    exponent = exponent * 10 + (packed[expPos] - '0');
                ++expPos;
            }
            if (expNegative)
                exponent = -exponent;
        }
    }
    number.push_back('e');
    number += std::to_string(exponent);

    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                           std::chars_format::general);
    (void)end;
    if (ec == std::errc::result_out_of_range || !std::isfinite(value)) {
        // Decimal magnitude of the number decides between too large and too small.
        const long long magnitude = significantIntegerDigits > 0
            ? significantIntegerDigits + exponent
            : exponent - leadingFractionZeros;
        if (magnitude <= 0)
            return negative ? -0.0 : 0.0;
        throw RuntimeError::overflow();
    }
    if (ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}

double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5)
        return below + 1.0;
    if (fraction < 0.5)
        return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

std::int16_t toInt16(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const double rounded = roundHalfEven(value);
    if (rounded < std::numeric_limits<std::int16_t>::min()
        || rounded > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError::overflow();
    return static_cast<std::int16_t>(rounded);
}

std::int16_t addInt16(std::int16_t a, std::int16_t b)
{
    const int sum = int(a) + int(b);
    if (sum < std::numeric_limits<std::int16_t>::min()
        || sum > std::numeric_limits<std::int16_t>::max())
        throw RuntimeError::overflow();
    return static_cast<std::int16_t>(sum);
}

std::string format(double value, std::string_view decimalSeparator)
{
    if (value == 0.0)
        return "0";   // also for -0
    // Fifteen significant digits in %G style: plain digits for exponents -5 < e < 15,
    // otherwise mantissa and a signed exponent of at least two digits ("1E+15", "1E-05").
    std::array<char, 64> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                         std::chars_format::general, 15);
    if (ec != std::errc())
        return {};
    std::string text;
    for (const char *p = buffer.data(); p != end; ++p) {
        if (*p == '.')
            text += decimalSeparator;
        else if (*p == 'e')
            text.push_back('E');
        else
            text.push_back(*p);
    }
    return text;
}

} // namespace engine::numeric
