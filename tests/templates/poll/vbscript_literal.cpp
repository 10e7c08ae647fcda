#include "tests/templates/poll/vbscript_literal.h"

#include <cctype>

namespace norvel::tests {

namespace {

void skipBlanks(std::string_view text, size_t& at) {
    while (at < text.size() && text[at] == ' ')
        ++at;
}

bool readLiteral(std::string_view text, size_t& at, VbscriptExpression& result) {
    ++at;  // the opening quote
    std::string& literal = result.literals.emplace_back();
    while (at < text.size()) {
        char c = text[at++];
        if (c == '"') {
            if (at < text.size() && text[at] == '"') {
                ++at;
                result.value += u'"';
                literal += '"';
                continue;
            }
            return true;
        }
        // The generator writes only printable ASCII inside literals.
        if (c < 0x20 || c > 0x7e)
            return false;
        result.value += static_cast<char16_t>(c);
        literal += c;
    }
    return false;
}

bool readChrW(std::string_view text, size_t& at, VbscriptExpression& result) {
    constexpr std::string_view opening = "ChrW(";
    if (text.substr(at, opening.size()) != opening)
        return false;
    at += opening.size();
    size_t digits = at;
    long code = 0;
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) &&
           at - digits < 6)
        code = code * 10 + (text[at++] - '0');
    if (at == digits || at >= text.size() || text[at] != ')' || code > 0xFFFF)
        return false;
    ++at;
    result.value += static_cast<char16_t>(code);
    return true;
}

}  // namespace

std::optional<VbscriptExpression> readVbscriptStringExpression(std::string_view expression) {
    VbscriptExpression result;
    size_t at = 0;
    for (;;) {
        skipBlanks(expression, at);
        if (at >= expression.size())
            return std::nullopt;
        bool read = expression[at] == '"' ? readLiteral(expression, at, result)
                                          : readChrW(expression, at, result);
        if (!read)
            return std::nullopt;
        skipBlanks(expression, at);
        if (at == expression.size())
            return result;
        if (expression[at] != '&')
            return std::nullopt;
        ++at;
    }
}

std::u16string utf16(std::string_view utf8) {
    std::u16string units;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1   ? lead
                        : length == 2 ? lead & 0x1F
                        : length == 3 ? lead & 0x0F
                                      : lead & 0x07;
        for (int k = 1; k < length && i + k < utf8.size(); ++k)
            code = code << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        if (code >= 0x10000) {
            code -= 0x10000;
            units += static_cast<char16_t>(0xD800 + (code >> 10));
            units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
        i += length;
    }
    return units;
}

}  // namespace norvel::tests
