#include "host/qt/page/page_text.h"

#include <algorithm>

namespace norvel::host::qt {
namespace {

// Windows-1252 for 0x80..0x9F; the five unassigned bytes keep their Latin-1 code points.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t singleByteCharacter(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0)
        return kWindows1252High[byte - 0x80];
    return byte;
}

// Length and code point of the valid UTF-8 sequence at `pos`; 0 when there is none.
size_t utf8Sequence(std::string_view bytes, size_t pos, char32_t& codePoint) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
    const unsigned char lead = byte(0);
    size_t length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, codePoint = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, codePoint = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, codePoint = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() - pos < length)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3F);
    }
    if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// What a text document shows for a decoded character: line separators become its own line
// break, and characters it reads as structure or drops become visible stand-ins.
char32_t shownCharacter(char32_t c) {
    if (c == 0x2028 || c == 0x2029)
        return '\n';
    if (c == 0)
        return 0x2400;  // SYMBOL FOR NULL
    if (c == 0xFDD0 || c == 0xFDD1)
        return 0xFFFD;  // the text document's frame markers
    return c;
}

}  // namespace

PageText::PageText(std::string_view bytes) : byteSize_(bytes.size()) {
    text_.reserve(static_cast<qsizetype>(bytes.size()));
    byteLengths_.reserve(bytes.size());
    const auto append = [&](char32_t c, size_t length) {
        if (c >= 0x10000) {
            text_.append(QChar(QChar::highSurrogate(c)));
            text_.append(QChar(QChar::lowSurrogate(c)));
            byteLengths_.push_back(static_cast<uint8_t>(length));
            byteLengths_.push_back(0);
        } else {
            text_.append(QChar(static_cast<char16_t>(c)));
            byteLengths_.push_back(static_cast<uint8_t>(length));
        }
    };
    size_t pos = 0;
    while (pos < bytes.size()) {
        const unsigned char lead = static_cast<unsigned char>(bytes[pos]);
        if (lead == '\r') {
            size_t length = pos + 1 < bytes.size() && bytes[pos + 1] == '\n' ? 2 : 1;
            append('\n', length);
            pos += length;
        } else if (lead < 0x80) {
            append(shownCharacter(lead), 1);
            ++pos;
        } else {
            char32_t codePoint = 0;
            size_t length = utf8Sequence(bytes, pos, codePoint);
            if (length == 0) {
                append(singleByteCharacter(lead), 1);
                ++pos;
            } else {
                append(shownCharacter(codePoint), length);
                pos += length;
            }
        }
    }
    size_t offset = 0;
    for (size_t i = 0; i < byteLengths_.size(); ++i) {
        if (i % kCheckpointEvery == 0)
            checkpoints_.push_back(offset);
        offset += byteLengths_[i];
    }
}

size_t PageText::byteOffset(qsizetype index) const {
    if (index <= 0)
        return 0;
    if (index >= text_.size())
        return byteSize_;
    const size_t unit = static_cast<size_t>(index);
    size_t offset = checkpoints_[unit / kCheckpointEvery];
    for (size_t i = unit - unit % kCheckpointEvery; i < unit; ++i)
        offset += byteLengths_[i];
    if (byteLengths_[unit] == 0)  // inside a surrogate pair: its start
        offset -= byteLengths_[unit - 1];
    return offset;
}

qsizetype PageText::textIndex(size_t offset) const {
    if (offset >= byteSize_)
        return text_.size();
    // From the last checkpoint at or before the offset, unit by unit.
    auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), offset);
    size_t chunk = static_cast<size_t>(after - checkpoints_.begin()) - 1;
    size_t end = checkpoints_[chunk];
    for (size_t unit = chunk * kCheckpointEvery; unit < byteLengths_.size(); ++unit) {
        end += byteLengths_[unit];
        if (offset < end)
            return static_cast<qsizetype>(unit);
    }
    return text_.size();
}

std::string pageBytesFromText(const QString& text, std::string_view lineBreak) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    qsizetype from = 0;
    while (from <= text.size()) {
        qsizetype newline = text.indexOf(QLatin1Char('\n'), from);
        qsizetype end = newline < 0 ? text.size() : newline;
        bytes += text.mid(from, end - from).toStdString();
        if (newline < 0)
            break;
        bytes += lineBreak;
        from = newline + 1;
    }
    return bytes;
}

QString plainTextFromRaw(QString raw) {
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return raw;
}

}  // namespace norvel::host::qt
