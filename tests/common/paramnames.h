#pragma once

#include <cctype>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

// Names for the rows of GoogleTest's parameterised suites, so that a test's name says which
// row it is ("Minus2Point5", "1ePlus15_WithComma") instead of an index or the row's raw bytes.
namespace testsupport {

// Letters, digits and underscores stay; blanks become underscores and the other characters
// are spelled out. An empty text is "Empty".
inline std::string paramName(std::string_view text)
{
    if (text.empty())
        return "Empty";
    std::string name;
    for (const char ch : text) {
        if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '_') {
            name += ch;
            continue;
        }
        switch (ch) {
        case ' ': name += '_'; break;
        case '.': name += "Point"; break;
        case ',': name += "Comma"; break;
        case '-': name += "Minus"; break;
        case '+': name += "Plus"; break;
        case '\t': name += "Tab"; break;
        case '\n': name += "Newline"; break;
        default: {
            char code[8];
            std::snprintf(code, sizeof code, "X%02X", static_cast<unsigned char>(ch));
            name += code;
        }
        }
    }
    return name;
}

// A number by its shortest exact decimal form, e.g. 0.1 + 0.2 is "0Point30000000000000004".
inline std::string paramName(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return paramName(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

} // namespace testsupport
