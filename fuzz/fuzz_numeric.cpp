// libFuzzer target: the number reader and writer of the engine.
//
// The input is one box text. Whatever it holds, reading it either gives a finite number or
// fails with the program's overflow error; the number written back reads as (nearly) the same
// number, with either decimal separator; rounding to 16 bits follows halves-to-even exactly
// or reports an overflow for values out of range; 16-bit addition agrees with int arithmetic.
#include "engine/numeric.h"
#include "engine/runtimeerror.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void failure(const char *what, std::string_view text, double value = 0)
{
    std::fprintf(stderr, "fuzz_numeric: %s (text \"%.*s\", value %.17g)\n", what,
                 static_cast<int>(text.size()), text.data(), value);
    std::abort();
}

void expectOverflow(const engine::RuntimeError &error, std::string_view text)
{
    if (error.number() != 6 || error.description() != "Overflow")
        failure("a failure other than overflow", text);
}

bool isWrittenNumber(const std::string &written, char separator)
{
    // Plain digits, an optional sign and separator, or the exponent form of very large and
    // very small magnitudes; never blanks, never a trailing separator.
    if (written.empty() || written.back() == separator)
        return false;
    for (char c : written) {
        const bool ok = (c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'E' || c == separator;
        if (!ok)
            return false;
    }
    return true;
}

void checkWriting(double value, std::string_view text)
{
    const std::string dot = engine::numeric::format(value, ".");
    const std::string comma = engine::numeric::format(value, ",");
    if (!isWrittenNumber(dot, '.') || !isWrittenNumber(comma, ','))
        failure("badly written number", text, value);
    std::string commaAsDot = comma;
    for (char &c : commaAsDot) {
        if (c == ',')
            c = '.';
    }
    if (commaAsDot != dot)
        failure("the separator changes more than the separator", text, value);
    // A fraction written without an exponent has no trailing zero.
    if (dot.find('.') != std::string::npos && dot.find('E') == std::string::npos && dot.back() == '0')
        failure("trailing zero in a fraction", text, value);

    double reread = 0;
    try {
        reread = engine::numeric::leadingNumber(dot);
    } catch (const engine::RuntimeError &) {
        failure("a written number cannot be read back", text, value);
    }
    // Fifteen significant digits: the round trip is exact to about 1e-15 relative.
    const double tolerance = std::abs(value) * 1e-14 + std::numeric_limits<double>::denorm_min();
    if (std::abs(reread - value) > tolerance)
        failure("a written number reads back as another number", text, value);
}

void checkRounding(double value, std::string_view text)
{
    // The default floating-point rounding mode is to nearest, halves to even.
    const double expected = std::nearbyint(value);
    const bool fits = std::isfinite(value) && expected >= -32768.0 && expected <= 32767.0;
    try {
        const std::int16_t got = engine::numeric::toInt16(value);
        if (!fits || got != expected)
            failure("wrong 16-bit rounding", text, value);
    } catch (const engine::RuntimeError &error) {
        expectOverflow(error, text);
        if (fits)
            failure("overflow reported for a value in range", text, value);
    }
}

void checkAddition(std::int16_t a, std::int16_t b, std::string_view text)
{
    const int sum = int(a) + int(b);
    const bool fits = sum >= -32768 && sum <= 32767;
    try {
        const std::int16_t got = engine::numeric::addInt16(a, b);
        if (!fits || got != sum)
            failure("wrong 16-bit sum", text, sum);
    } catch (const engine::RuntimeError &error) {
        expectOverflow(error, text);
        if (fits)
            failure("overflow reported for a sum in range", text, sum);
    }
}

// What the key filter lets into a box: up to four digits. Such a text reads as its value.
void checkBoxText(std::string_view text)
{
    std::string digits;
    for (char c : text) {
        if (c < '0' || c > '9' || digits.size() == 4)
            break;
        digits.push_back(c);
    }
    const double expected = digits.empty() ? 0.0 : std::stoi(digits);
    if (engine::numeric::leadingNumber(digits) != expected)
        failure("a box of digits reads as another number", digits, expected);
    if (engine::numeric::format(expected) != (digits.empty() ? "0" : std::to_string(std::stoi(digits))))
        failure("a whole number is not written as plain digits", digits, expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);

    checkBoxText(text);

    double value = 0;
    try {
        value = engine::numeric::leadingNumber(text);
    } catch (const engine::RuntimeError &error) {
        expectOverflow(error, text);
        return 0;
    }
    if (!std::isfinite(value))
        failure("the reader gave a value that is not finite", text, value);

    checkWriting(value, text);
    checkWriting(value / 5, text);   // how averages are written
    checkRounding(value, text);
    checkRounding(value / 5, text);

    if (size >= 4) {
        const auto a = static_cast<std::int16_t>(data[0] | (data[1] << 8));
        const auto b = static_cast<std::int16_t>(data[2] | (data[3] << 8));
        checkAddition(a, b, text);
    }
    return 0;
}
