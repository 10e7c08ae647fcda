// The encoding a page is written in, and the conversions between its bytes and the text the
// suite works with (UTF-8). A page keeps its own encoding: what is inserted is written in it,
// with numeric character references for the characters it cannot hold, and bytes that were not
// edited stay exactly as they were. Conversions go through iconv.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::host {

// What the page itself says: "UTF-8" for a UTF-8 byte order mark, else the label of the first
// <meta charset> or <meta http-equiv="Content-Type" content="...charset=..."> within the first
// 1024 bytes, as written; empty when it says nothing.
std::string declaredEncodingLabel(std::string_view bytes);

class PageEncoding {
  public:
    // The encoding of a page: its BOM or meta charset when this system knows the label and the
    // encoding keeps ASCII as ASCII (as the markup needs), else `webDefault`.
    static PageEncoding ofPage(std::string_view bytes, std::string_view webDefault);
    // UTF-8, or the iconv name of a known, ASCII-compatible encoding; none of these otherwise.
    static bool usable(const std::string& iconvName);
    explicit PageEncoding(std::string iconvName);

    const std::string& name() const { return name_; }
    bool isUtf8() const { return utf8_; }

    // Page bytes as UTF-8. A byte the encoding does not define becomes a private-use mark that
    // encode() writes back as that very byte. A UTF-8 page is returned as it is.
    std::string decode(std::string_view bytes) const;
    // The same, with the page offset each decoded byte came from (one entry more, the end).
    std::string decode(std::string_view bytes, std::vector<size_t>& sourceOffsets) const;
    // UTF-8 text in the page's encoding; a character it cannot hold as &#N;.
    std::string encode(std::string_view text) const;
    // `bytes` after their decoded text was edited into `editedText`: only the span that
    // differs is encoded anew, every byte before and after it is kept.
    std::string reencodeEdited(std::string_view bytes, std::string_view editedText) const;

  private:
    std::string name_;
    bool utf8_ = true;
    // For an encoding of one byte a character, what iconv reads each byte as (empty: not a
    // character): a page is then decoded by lookup, not one conversion call per byte.
    std::shared_ptr<const std::array<std::string, 256>> byteTexts_;
};

}  // namespace norvel::host
