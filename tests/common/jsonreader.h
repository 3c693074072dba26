#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// A strict JSON reader for tests: it accepts exactly the JSON grammar (no trailing commas, no
// raw control characters in strings, no leading zeros, valid \u escapes and UTF-8) and keeps
// the members of an object in their order, so that a test can check the shape of what a
// program wrote. Throws std::runtime_error with the offset on anything else.
namespace testsupport::json {

struct Value;
using Array = std::vector<Value>;
using Members = std::vector<std::pair<std::string, Value>>;

struct Value {
    // null, boolean, number (with its text, to tell 4 from 4.0), string, array, object
    std::variant<std::nullptr_t, bool, double, std::string, std::shared_ptr<Array>, std::shared_ptr<Members>> data;
    std::string numberText;

    bool isNull() const { return std::holds_alternative<std::nullptr_t>(data); }
    bool isNumber() const { return std::holds_alternative<double>(data); }
    bool isString() const { return std::holds_alternative<std::string>(data); }
    bool isArray() const { return std::holds_alternative<std::shared_ptr<Array>>(data); }
    bool isObject() const { return std::holds_alternative<std::shared_ptr<Members>>(data); }
    // A number written without fraction or exponent.
    bool isInteger() const { return isNumber() && numberText.find_first_of(".eE") == std::string::npos; }

    double number() const { return std::get<double>(data); }
    std::int64_t integer() const
    {
        if (!isInteger())
            throw std::runtime_error("not an integer: " + numberText);
        return std::stoll(numberText);
    }
    const std::string &string() const { return std::get<std::string>(data); }
    const Array &array() const { return *std::get<std::shared_ptr<Array>>(data); }
    const Members &members() const { return *std::get<std::shared_ptr<Members>>(data); }
    std::vector<std::string> keys() const
    {
        std::vector<std::string> names;
        for (const auto &member : members())
            names.push_back(member.first);
        return names;
    }
    bool has(std::string_view key) const
    {
        for (const auto &member : members()) {
            if (member.first == key)
                return true;
        }
        return false;
    }
    const Value &operator[](std::string_view key) const
    {
        for (const auto &member : members()) {
            if (member.first == key)
                return member.second;
        }
        throw std::runtime_error("no member " + std::string(key));
    }
    const Value &operator[](std::size_t index) const { return array().at(index); }
};

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    Value document()
    {
        Value value = parseValue();
        skipSpace();
        if (m_pos != m_text.size())
            fail("text after the value");
        return value;
    }

private:
    [[noreturn]] void fail(const std::string &what) const
    {
        throw std::runtime_error("JSON: " + what + " at offset " + std::to_string(m_pos));
    }
    void skipSpace()
    {
        while (m_pos < m_text.size()
               && (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\n' || m_text[m_pos] == '\r'))
            ++m_pos;
    }
    char peek() const { return m_pos < m_text.size() ? m_text[m_pos] : '\0'; }
    void expect(char c)
    {
        if (peek() != c)
            fail(std::string("expected '") + c + "'");
        ++m_pos;
    }
    bool literal(std::string_view word)
    {
        if (m_text.substr(m_pos, word.size()) != word)
            return false;
        m_pos += word.size();
        return true;
    }

    Value parseValue()
    {
        skipSpace();
        Value value;
        const char c = peek();
        if (c == '{') {
            ++m_pos;
            auto members = std::make_shared<Members>();
            skipSpace();
            if (peek() == '}') {
                ++m_pos;
            } else {
                for (;;) {
                    skipSpace();
                    std::string key = parseString();
                    for (const auto &member : *members) {
                        if (member.first == key)
                            fail("duplicate key " + key);
                    }
                    skipSpace();
                    expect(':');
                    Value member = parseValue();
                    members->emplace_back(std::move(key), std::move(member));
                    skipSpace();
                    if (peek() == ',') {
                        ++m_pos;
                        continue;
                    }
                    expect('}');
                    break;
                }
            }
            value.data = members;
        } else if (c == '[') {
            ++m_pos;
            auto items = std::make_shared<Array>();
            skipSpace();
            if (peek() == ']') {
                ++m_pos;
            } else {
                for (;;) {
                    items->push_back(parseValue());
                    skipSpace();
                    if (peek() == ',') {
                        ++m_pos;
                        continue;
                    }
                    expect(']');
                    break;
                }
            }
            value.data = items;
        } else if (c == '"') {
            value.data = parseString();
        } else if (literal("true")) {
            value.data = true;
        } else if (literal("false")) {
            value.data = false;
        } else if (literal("null")) {
            value.data = nullptr;
        } else {
            value.numberText = parseNumberText();
            value.data = std::strtod(value.numberText.c_str(), nullptr);
        }
        return value;
    }

    std::string parseNumberText()
    {
        const std::size_t start = m_pos;
        const auto digits = [this] {
            const std::size_t from = m_pos;
            while (peek() >= '0' && peek() <= '9')
                ++m_pos;
            return m_pos - from;
        };
        if (peek() == '-')
            ++m_pos;
        if (peek() == '0') {
            ++m_pos;
        } else if (digits() == 0) {
            fail("not a value");
        }
        if (peek() == '.') {
            ++m_pos;
            if (digits() == 0)
                fail("no digits after the decimal point");
        }
        if (peek() == 'e' || peek() == 'E') {
            ++m_pos;
            if (peek() == '+' || peek() == '-')
                ++m_pos;
            if (digits() == 0)
                fail("no digits in the exponent");
        }
        return std::string(m_text.substr(start, m_pos - start));
    }

    unsigned hex4()
    {
        if (m_pos + 4 > m_text.size())
            fail("short \\u escape");
        unsigned value = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_text[m_pos++];
            value <<= 4;
            if (c >= '0' && c <= '9')
                value |= static_cast<unsigned>(c - '0');
            else if (c >= 'a' && c <= 'f')
                value |= static_cast<unsigned>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                value |= static_cast<unsigned>(c - 'A' + 10);
            else
                fail("bad \\u escape");
        }
        return value;
    }

    static void appendUtf8(std::string &out, unsigned code)
    {
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xc0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3f)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xe0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3f)));
        } else {
            out.push_back(static_cast<char>(0xf0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3f)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3f)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3f)));
        }
    }

    // One UTF-8 sequence copied as it is; anything else is refused.
    void copyUtf8(std::string &out)
    {
        const auto lead = static_cast<unsigned char>(m_text[m_pos]);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xbf;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            low = lead == 0xe0 ? 0xa0 : 0x80;
            high = lead == 0xed ? 0x9f : 0xbf;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            low = lead == 0xf0 ? 0x90 : 0x80;
            high = lead == 0xf4 ? 0x8f : 0xbf;
        } else {
            fail("not UTF-8");
        }
        if (m_pos + length > m_text.size())
            fail("cut UTF-8 sequence");
        for (std::size_t i = 1; i < length; ++i) {
            const auto byte = static_cast<unsigned char>(m_text[m_pos + i]);
            if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xbf))
                fail("not UTF-8");
        }
        out.append(m_text.substr(m_pos, length));
        m_pos += length;
    }

    std::string parseString()
    {
        expect('"');
        std::string out;
        for (;;) {
            if (m_pos >= m_text.size())
                fail("unclosed string");
            const auto c = static_cast<unsigned char>(m_text[m_pos]);
            if (c == '"') {
                ++m_pos;
                return out;
            }
            if (c < 0x20)
                fail("raw control character in a string");
            if (c >= 0x80) {
                copyUtf8(out);
                continue;
            }
            ++m_pos;
            if (c != '\\') {
                out.push_back(static_cast<char>(c));
                continue;
            }
            if (m_pos >= m_text.size())
                fail("cut escape");
            const char e = m_text[m_pos++];
            switch (e) {
            case '"': out.push_back('"'); break;
            case '\\': out.push_back('\\'); break;
            case '/': out.push_back('/'); break;
            case 'b': out.push_back('\b'); break;
            case 'f': out.push_back('\f'); break;
            case 'n': out.push_back('\n'); break;
            case 'r': out.push_back('\r'); break;
            case 't': out.push_back('\t'); break;
            case 'u': {
                unsigned code = hex4();
                if (code >= 0xd800 && code <= 0xdbff) {
                    if (!literal("\\u"))
                        fail("lone high surrogate");
                    const unsigned low = hex4();
                    if (low < 0xdc00 || low > 0xdfff)
                        fail("bad low surrogate");
                    code = 0x10000 + ((code - 0xd800) << 10) + (low - 0xdc00);
                } else if (code >= 0xdc00 && code <= 0xdfff) {
                    fail("lone low surrogate");
                }
                appendUtf8(out, code);
                break;
            }
            default:
                fail("bad escape");
            }
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

inline Value parse(std::string_view text)
{
    return Reader(text).document();
}

} // namespace testsupport::json
