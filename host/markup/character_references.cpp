#include "host/markup/character_references.h"

#include <cstdint>

#include "host/markup/html_characters.h"

namespace norvel::host {
namespace {

// Numeric references to C1 controls mean the Windows-1252 characters at those bytes, as old
// pages written on Windows expect.
uint32_t windows1252Replacement(uint32_t code) {
    static const uint16_t table[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    return code >= 0x80 && code <= 0x9F ? table[code - 0x80] : code;
}

void appendUtf8(std::string& out, uint32_t code) {
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The length of the numeric reference starting at `text` ("&#..."), with its code point;
// 0 when there are no digits (the text is then kept as written).
size_t readNumericReference(std::string_view text, uint32_t& code) {
    bool hex = text.size() > 2 && (text[2] == 'x' || text[2] == 'X');
    size_t pos = hex ? 3 : 2;
    size_t digitsBegin = pos;
    code = 0;
    while (pos < text.size() &&
           (hex ? isAsciiHexDigit(text[pos]) : common::isAsciiDigit(text[pos]))) {
        // Saturates: any number past the last code point reads as an invalid one.
        code = code > 0x10FFFF ? code
                               : code * (hex ? 16 : 10) +
                                     static_cast<uint32_t>(common::hexDigitValue(text[pos]));
        ++pos;
    }
    if (pos == digitsBegin)
        return 0;
    if (pos < text.size() && text[pos] == ';')
        ++pos;
    code = windows1252Replacement(code);
    return pos;
}

}  // namespace

std::string decodeCharacterReferences(std::string_view text) {
    static const struct {
        std::string_view name;
        std::string_view value;
    } named[] = {{"&amp;", "&"}, {"&quot;", "\""}, {"&lt;", "<"},
                 {"&gt;", ">"},  {"&apos;", "'"},  {"&nbsp;", "\xC2\xA0"}};
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        size_t amp = text.find('&', i);
        if (amp == std::string_view::npos)
            amp = text.size();
        out.append(text.substr(i, amp - i));
        i = amp;
        if (i >= text.size())
            break;
        std::string_view rest = text.substr(i);
        size_t used = 0;
        for (const auto& entity : named) {
            if (rest.substr(0, entity.name.size()) == entity.name) {
                out.append(entity.value);
                used = entity.name.size();
                break;
            }
        }
        uint32_t code = 0;
        if (used == 0 && rest.size() > 1 && rest[1] == '#' &&
            (used = readNumericReference(rest, code)) > 0)
            appendUtf8(out, code);
        if (used == 0) {
            out += '&';
            used = 1;
        }
        i += used;
    }
    return out;
}

}  // namespace norvel::host
