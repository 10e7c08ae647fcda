// The encoding-aware paste: any bytes as a page in a single- or multi-byte encoding, any text
// pasted into it. The page outside the insertion keeps its bytes, and the inserted text reads
// back the same (a character the encoding cannot hold as its numeric reference).
#include <cstddef>
#include <cstdint>
#include <string>

#include "common/webbot_attribute.h"
#include "host/markup/gumbo_input.h"
#include "host/markup/html_document.h"
#include "host/markup/page_encoding.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// What a reader makes of text with numeric references: the characters they name.
std::string withReferencesRead(const std::string& text) {
    return norvel::common::decodeWebbotAttributeValue(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace norvel::host;
    using norvel::fuzz::check;
    if (size < 3)
        return 0;
    // Single-byte encodings first: in a multi-byte one, a damaged lead byte just before the
    // caret may pair with the first inserted byte, so there only the bytes are checked.
    static const char* const encodings[] = {"WINDOWS-1252", "koi8-r", "ISO-8859-7", "CP932",
                                            "EUC-JP"};
    size_t chosen = data[0] % 5;
    bool singleByte = chosen < 3;
    PageEncoding encoding(encodings[chosen]);
    // The input splits into the page's bytes and the typed text (UTF-8, as dialogs give it).
    size_t split = 2 + (size - 2) * data[1] / 255;
    const std::string page(reinterpret_cast<const char*>(data) + 2, split - 2);
    const std::string typed =
        sanitizedUtf8(std::string(reinterpret_cast<const char*>(data) + split, size - split));

    // U+10FE80..U+10FEFF stand for the page's undefined bytes while it is read as text (and
    // are written back as those bytes): no text a person types holds them.
    if (typed.find("\xF4\x8F\xBA") != std::string::npos ||
        typed.find("\xF4\x8F\xBB") != std::string::npos)
        return 0;

    // Pasted at the caret: the page is its old bytes with the encoded text at the caret.
    HtmlDocument document(page);
    document.caretAtBodyEnd();
    size_t caret = document.selection().begin;
    std::string written = encoding.encode(typed);
    document.pasteHtml(written);
    const std::string& after = document.html();
    check(after.size() >= page.size(), "nothing of the page lost");
    size_t inserted = after.size() - page.size();
    size_t at = after.find(written, caret);
    check(at != std::string::npos, "the encoded text is in the page");
    check(after.compare(0, caret, page, 0, caret) == 0, "the bytes before the caret kept");
    check(after.compare(after.size() - (page.size() - caret), std::string::npos, page, caret) == 0,
          "the bytes after the caret kept");
    check(inserted >= written.size(), "the whole text inserted");
    check(withReferencesRead(encoding.decode(written)) == withReferencesRead(typed),
          "the pasted text reads back");  // on its own, in any encoding

    // Read as text, edited in the middle and written back: only the edit is new.
    std::string text = encoding.decode(page);
    if (singleByte)
        check(encoding.encode(text) == page, "decoding keeps every byte");
    size_t middle = text.size() / 2;
    while (middle > 0 && (static_cast<unsigned char>(text[middle]) & 0xC0) == 0x80)
        --middle;
    std::string edited = text.substr(0, middle) + typed + text.substr(middle);
    std::string rewritten = encoding.reencodeEdited(page, edited);
    size_t same = 0;
    while (same < page.size() && same < rewritten.size() && rewritten[same] == page[same])
        ++same;
    size_t sameAtEnd = 0;
    while (sameAtEnd < page.size() && sameAtEnd < rewritten.size() &&
           rewritten[rewritten.size() - 1 - sameAtEnd] == page[page.size() - 1 - sameAtEnd])
        ++sameAtEnd;
    check(same + sameAtEnd >= page.size(), "the page around the edit kept");
    if (singleByte)
        check(withReferencesRead(encoding.decode(rewritten)) == withReferencesRead(edited),
              "the edited text reads back");
    return 0;
}
