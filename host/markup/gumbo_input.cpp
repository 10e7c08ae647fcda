#include "host/markup/gumbo_input.h"

namespace norvel::host {
namespace {

// The length of the valid UTF-8 sequence at `i`, or 0 when the byte there starts none.
size_t validSequenceLength(std::string_view s, size_t i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
    unsigned char c = byte(0);
    if (c < 0x80)
        return 1;
    size_t length = (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > s.size())
        return 0;
    for (size_t k = 1; k < length; ++k)
        if ((byte(k) & 0xC0) != 0x80)
            return 0;
    if (length == 2 && c < 0xC2)
        return 0;                                         // overlong
    if (length == 3 && ((c == 0xE0 && byte(1) < 0xA0) ||  // overlong
                        (c == 0xED && byte(1) >= 0xA0)))  // surrogate
        return 0;
    if (length == 4 && (c > 0xF4 || (c == 0xF0 && byte(1) < 0x90) ||  // overlong
                        (c == 0xF4 && byte(1) >= 0x90)))              // past U+10FFFF
        return 0;
    return length;
}

// Stands for a byte of an invalid sequence where offsets must stay: like the U+FFFD a browser
// reads there, it means nothing to the tokenizer ('?' would: "<?" starts a bogus comment,
// "&#9" a character reference).
constexpr char kStandIn = '~';

// Private-use code points U+10FE80..U+10FEFF stand for the bytes 0x80..0xFF.
constexpr unsigned char kMarkLead = 0xF4;
constexpr unsigned char kMarkSecond = 0x8F;

}  // namespace

void appendByteMark(std::string& out, unsigned char b) {
    out += static_cast<char>(kMarkLead);
    out += static_cast<char>(kMarkSecond);
    out += static_cast<char>(b < 0xC0 ? 0xBA : 0xBB);
    out += static_cast<char>(0x80 | (b & 0x3F));
}

std::string sanitizedUtf8(std::string_view bytes) {
    std::string out(bytes);
    size_t i = 0;
    while (i < out.size()) {
        size_t length = validSequenceLength(out, i);
        if (length == 0) {
            out[i++] = kStandIn;
        } else {
            i += length;
        }
    }
    return out;
}

std::string gumboInputKeepingOffsets(std::string_view bytes) {
    std::string out = sanitizedUtf8(bytes);
    if (out.starts_with("\xEF\xBB\xBF"))
        out.replace(0, 3, "   ");
    return out;
}

std::string gumboInputKeepingBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        size_t length = validSequenceLength(bytes, i);
        // A page's own character in the marks' range is marked byte by byte, so that
        // restoreBytes gives exactly its bytes back.
        bool looksLikeMark = length == 4 && static_cast<unsigned char>(bytes[i]) == kMarkLead &&
                             static_cast<unsigned char>(bytes[i + 1]) == kMarkSecond &&
                             (static_cast<unsigned char>(bytes[i + 2]) & 0xFE) == 0xBA;
        if (looksLikeMark) {
            for (size_t k = 0; k < 4; ++k)
                appendByteMark(out, static_cast<unsigned char>(bytes[i + k]));
            i += 4;
        } else if (length == 0) {
            appendByteMark(out, static_cast<unsigned char>(bytes[i++]));
        } else {
            out.append(bytes.substr(i, length));
            i += length;
        }
    }
    return out;
}

std::string restoreBytes(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        auto at = [&](size_t k) { return static_cast<unsigned char>(text[i + k]); };
        if (i + 4 <= text.size() && at(0) == kMarkLead && at(1) == kMarkSecond &&
            (at(2) == 0xBA || at(2) == 0xBB) && (at(3) & 0xC0) == 0x80) {
            out += static_cast<char>((at(2) == 0xBA ? 0x80 : 0xC0) | (at(3) & 0x3F));
            i += 4;
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace norvel::host
