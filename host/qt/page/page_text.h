// A page's bytes as the text an editor widget shows, with the way back from each character
// to the bytes it came from. UTF-8 is decoded; a byte that is no part of valid UTF-8 shows as
// its Windows-1252 character (old pages in that encoding read naturally); every line break
// (CR LF, CR, LF, and the Unicode separators) shows as one '\n', which is what Qt's text
// documents keep; characters a text document would not keep as written show as stand-ins.
// Because each character maps to its own bytes, an edit can be written back as a splice of
// exactly the bytes it touched, and everything else stays byte for byte.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::host::qt {

class PageText {
  public:
    PageText() = default;
    explicit PageText(std::string_view bytes);

    const QString& text() const { return text_; }

    // Where the character at `index` starts in the bytes (the end of the bytes for
    // index == text().size()). An index between the halves of a surrogate pair counts as the
    // pair's start.
    size_t byteOffset(qsizetype index) const;
    // The character whose bytes hold `offset` (text().size() at or past the end).
    qsizetype textIndex(size_t offset) const;

  private:
    static constexpr qsizetype kCheckpointEvery = 256;

    QString text_;
    size_t byteSize_ = 0;
    // Bytes behind each UTF-16 unit: 1 to 4, 0 for the second half of a surrogate pair.
    std::vector<uint8_t> byteLengths_;
    // The byte offset of unit k * kCheckpointEvery.
    std::vector<size_t> checkpoints_;
};

// The text `text` of an editor widget as page bytes: UTF-8, each '\n' written as
// `lineBreak`.
std::string pageBytesFromText(const QString& text, std::string_view lineBreak);

// A text document's raw text as the plain text PageText gives: paragraph separators
// become '\n'.
QString plainTextFromRaw(QString raw);

}  // namespace norvel::host::qt
