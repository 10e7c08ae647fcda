#include "scriptcollection/script_string.h"

#include "common/ascii_text.h"
#include "common/webbot_attribute.h"

namespace norvel::script {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendHex(std::string& out, unsigned value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kHexDigits[(value >> shift) & 0xF];
}

void appendUnicodeEscape(std::string& out, char32_t c) {
    auto unit = [&](unsigned value) {
        out += "\\u";
        appendHex(out, value, 4);
    };
    if (c < 0x10000) {
        unit(static_cast<unsigned>(c));
    } else {
        char32_t v = c - 0x10000;
        unit(0xD800 + static_cast<unsigned>(v >> 10));
        unit(0xDC00 + static_cast<unsigned>(v & 0x3FF));
    }
}

// The code point of the valid UTF-8 sequence at `i` and its length; length 0 when none.
size_t decodeUtf8(std::string_view s, size_t i, char32_t& c) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    unsigned char lead = byte(0);
    size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (lead >= 0xF5 || length == 0 || i + length > s.size())
        return 0;
    char32_t value = lead & (length == 2 ? 0x1F : length == 3 ? 0x0F : 0x07);
    for (size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(k) & 0x3F);
    }
    bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    if (overlong || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    c = value;
    return length;
}

// `digits` hexadecimal digits at `text[at]`, or -1.
long hexValue(std::string_view text, size_t at, size_t digits) {
    if (at + digits > text.size())
        return -1;
    long value = 0;
    for (size_t k = 0; k < digits; ++k) {
        int digit = common::hexDigitValue(text[at + k]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

// A '<' (the rest of the text follows it) where the HTML tokenizer of a script element would
// see the start of "</script>", of "<!--" or of "<script": written so that it sees none.
void appendLessThan(std::string& out, std::string_view rest) {
    if (rest.starts_with("/")) {
        out += "<\\";  // "<\/" is "</" to the script, no end tag to HTML
    } else if (rest.starts_with("!--") || common::equalsIgnoreCase(rest.substr(0, 6), "script")) {
        out += "\\x3C";
    } else {
        out += '<';
    }
}

}  // namespace

std::string escapeScriptString(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            char32_t codePoint = 0;
            size_t length = decodeUtf8(text, i, codePoint);
            if (length == 0) {
                out += text[i++];
            } else {
                appendUnicodeEscape(out, codePoint);
                i += length;
            }
            continue;
        }
        ++i;
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '<':
                appendLessThan(out, text.substr(i));
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    out += "\\x";
                    appendHex(out, c, 2);
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out;
}

std::string unescapeScriptString(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    char32_t pendingHigh = 0;  // a high surrogate waiting for its low half
    auto flushHigh = [&] {
        if (pendingHigh != 0)
            common::appendUtf8(out, 0xFFFD);
        pendingHigh = 0;
    };
    auto emit = [&](char32_t unit) {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushHigh();
            pendingHigh = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (pendingHigh != 0)
                common::appendUtf8(out, 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00));
            else
                common::appendUtf8(out, 0xFFFD);
            pendingHigh = 0;
        } else {
            flushHigh();
            common::appendUtf8(out, unit);
        }
    };
    for (size_t i = 0; i < text.size();) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            flushHigh();
            out += text[i++];
            continue;
        }
        char next = text[i + 1];
        i += 2;
        long value = -1;
        switch (next) {
            case 'n':
                emit('\n');
                break;
            case 'r':
                emit('\r');
                break;
            case 't':
                emit('\t');
                break;
            case 'b':
                emit('\b');
                break;
            case 'f':
                emit('\f');
                break;
            case 'v':
                emit('\v');
                break;
            case '0':
                emit(U'\0');
                break;
            case 'x':
                value = hexValue(text, i, 2);
                if (value < 0) {
                    emit('x');
                } else {
                    emit(static_cast<char32_t>(value));
                    i += 2;
                }
                break;
            case 'u':
                if (i < text.size() && text[i] == '{') {
                    size_t close = text.find('}', i);
                    if (close != std::string_view::npos && close - i - 1 >= 1 && close - i - 1 <= 6)
                        value = hexValue(text, i + 1, close - i - 1);
                    if (value >= 0 && value <= 0x10FFFF) {
                        emit(static_cast<char32_t>(value));
                        i = close + 1;
                    } else {
                        emit('u');
                    }
                } else if ((value = hexValue(text, i, 4)) >= 0) {
                    emit(static_cast<char32_t>(value));
                    i += 4;
                } else {
                    emit('u');
                }
                break;
            default:
                flushHigh();
                out += next;  // any other character (also a UTF-8 lead byte) stands for itself
        }
    }
    flushHigh();
    return out;
}

}  // namespace norvel::script
