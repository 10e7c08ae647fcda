// Text typed into a paragraph of the Normal view, written back into the page's bytes as one
// splice of that paragraph: Qt's shown text of the paragraph is matched against the
// paragraph's markup (tags skipped, entities and white space read as a browser reads them), the
// changed run of characters is replaced by the new text, HTML-escaped, and every tag inside
// the run stays, so the markup stays balanced and every other byte of the page is as it was.
#pragma once

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::host::qt {

// Where each character of `shown` (the text Qt shows for the markup html[begin, end)) lies in
// the bytes: [starts[i], ends[i]). Nothing when the text does not match the markup.
struct ShownTextPlaces {
    std::vector<size_t> starts;
    std::vector<size_t> ends;
};
std::optional<ShownTextPlaces> placeShownText(std::string_view html, size_t begin, size_t end,
                                              const QString& shown);

struct ParagraphSplice {
    size_t begin = 0;
    size_t end = 0;
    std::string bytes;
};

// The splice that makes the paragraph html[begin, end), shown as `before`, show `after`.
// Typed text is escaped for HTML; on a page that is not UTF-8 (`utf8` false) characters
// beyond ASCII are written as character references. Nothing when `before` does not match the
// markup or nothing changed.
std::optional<ParagraphSplice> paragraphSplice(std::string_view html, size_t begin, size_t end,
                                               const QString& before, const QString& after,
                                               bool utf8);

}  // namespace norvel::host::qt
