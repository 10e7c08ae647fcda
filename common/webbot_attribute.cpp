#include "common/webbot_attribute.h"

#include "common/ascii_text.h"

namespace norvel::common {
namespace {

// What may follow an '&' that the decoder would read as the start of an escape.
bool startsEscapeTail(std::string_view rest) {
    return rest.starts_with("quot;") || rest.starts_with("amp;") || rest.starts_with("gt;") ||
           rest.starts_with("#");
}

bool isScalarValue(unsigned long value) {
    return value != 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
}

// A numeric character reference at the start of `text` ("&#233;" or "&#xE9;"): its length,
// or 0 when there is none (or it names no character).
size_t numericReference(std::string_view text, char32_t& codePoint) {
    if (!text.starts_with("&#"))
        return 0;
    size_t pos = 2;
    bool hex = pos < text.size() && (text[pos] == 'x' || text[pos] == 'X');
    if (hex)
        ++pos;
    size_t digitsBegin = pos;
    unsigned long value = 0;
    while (pos < text.size() && pos - digitsBegin < 8) {
        int digit = hex ? hexDigitValue(text[pos])
                        : (text[pos] >= '0' && text[pos] <= '9' ? text[pos] - '0' : -1);
        if (digit < 0)
            break;
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
        ++pos;
    }
    if (pos == digitsBegin || pos >= text.size() || text[pos] != ';' || !isScalarValue(value))
        return 0;
    codePoint = static_cast<char32_t>(value);
    return pos + 1;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string encodeWebbotAttributeValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '"') {
            out += "&quot;";
        } else if (c == '&' && startsEscapeTail(value.substr(i + 1))) {
            out += "&amp;";
        } else if (c == '>' && (out.ends_with("--") || out.ends_with("--!"))) {
            out += "&gt;";
        } else {
            out += c;
        }
    }
    return out;
}

std::string decodeWebbotAttributeValue(std::string_view written) {
    std::string out;
    out.reserve(written.size());
    size_t i = 0;
    while (i < written.size()) {
        std::string_view rest = written.substr(i);
        char32_t codePoint = 0;
        if (rest.starts_with("&quot;")) {
            out += '"';
            i += 6;
        } else if (rest.starts_with("&amp;") && startsEscapeTail(rest.substr(5))) {
            out += '&';
            i += 5;
        } else if (rest.starts_with("--&gt;")) {
            out += "-->";
            i += 6;
        } else if (rest.starts_with("--!&gt;")) {
            out += "--!>";
            i += 7;
        } else if (size_t length = numericReference(rest, codePoint)) {
            appendUtf8(out, codePoint);
            i += length;
        } else {
            out += written[i++];
        }
    }
    return out;
}

}  // namespace norvel::common
