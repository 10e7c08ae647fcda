// A page as bytes, edited by splicing: every operation rewrites only its own span, so a page
// opened and saved without changes is byte-identical, whatever it holds.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/markup/edit_history.h"
#include "host/markup/page_skeleton.h"

namespace norvel::host {

class HtmlDocument {
  public:
    explicit HtmlDocument(std::string bytes = {});

    // The whole page (the editor's DocumentHTML), read and replaced. Replacing writes only
    // the span that differs, as a splice.
    const std::string& html() const { return bytes_; }
    void setHtml(std::string bytes);

    // The head's content. Writing to a page without a written <head> inserts one where the
    // browser implies it, holding the new content. Content written where the page ends inside
    // a comment or raw text (an unclosed <title>, <!-- ...) comes after what closes that,
    // here and in setBodyInnerHtml, pasteHtml and appendStyleSheetLink.
    std::string headInnerHtml();
    void setHeadInnerHtml(std::string_view html);
    // The body's content; the same for a page without a written <body>.
    std::string bodyInnerHtml();
    // The written <body ...> tag as it stands in the page; empty when the page has none.
    std::string_view bodyStartTag();
    void setBodyInnerHtml(std::string_view html);
    // The body's text: tags dropped, character references decoded, line breaks as written
    // (CR LF stays CR LF), <br> as a line break, script and style content left out.
    std::string bodyInnerText();

    // The selection: a caret (begin == end) or a range of bytes inside the body's content.
    // A page starts with the caret at the end of its body. Edits move it with the text.
    struct Range {
        size_t begin;
        size_t end;
    };
    Range selection();
    void selectRange(size_t begin, size_t end);  // clamped into the body
    void caretAtBodyStart();
    void caretAtBodyEnd();
    // Caret before / after, or selection of, the first `text` in the body's markup; false
    // (and no change) when the body has none.
    bool caretBeforeText(std::string_view text);
    bool caretAfterText(std::string_view text);
    bool selectText(std::string_view text);
    // Replaces the selection with `html` unchanged; the caret ends right after it.
    void pasteHtml(std::string_view html);

    // Replaces bytes [begin, end) — the one splice every edit goes through. A selection after
    // the span moves with the text; one inside it ends at the end of the new text.
    void replaceRange(size_t begin, size_t end, std::string_view text);

    // Undo and redo of the splices, one step per command: endUndoStep() closes the step the
    // splices since the last call belong to (undo() closes it too). Undo and redo put the
    // caret at the end of the span they rewrote; false when there was nothing to do.
    void endUndoStep() { history_.seal(); }
    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    bool undo();
    bool redo();

    // The page's style sheets in document order: STYLE elements with the range of their
    // text, and LINK elements whose rel holds "stylesheet", with their href as written.
    struct StyleSource {
        bool isLink = false;
        size_t textBegin = 0;  // STYLE: its text
        size_t textEnd = 0;
        size_t elementEnd = 0;  // one past the element (after </style>, or after the link tag)
        std::string href;       // LINK: the address (character references decoded)
        bool inHead = false;
        bool closed = false;  // a LINK, or a STYLE with its end tag
    };
    std::vector<StyleSource> styleSources();
    // Links a style sheet after the last style sheet of the head, or at the end of the head
    // (written or implied).
    void appendStyleSheetLink(std::string_view href);

    // The line break the page uses: "\r\n" when it has any, else "\n".
    std::string lineBreak() const;

  private:
    const PageSkeleton& skeleton();
    // `text` to write over [begin, end): when no markup follows, behind a closer of whatever
    // comment or raw text the page leaves open there, so that it stands as markup.
    std::string standingText(size_t begin, size_t end, std::string_view text);
    void invalidate() { skeleton_.reset(); }
    // The splice itself, kept out of the history (undo and redo replay through it).
    void splice(size_t begin, size_t end, std::string_view text);

    std::string bytes_;
    std::optional<PageSkeleton> skeleton_;
    std::optional<Range> selection_;  // none: the end of the body
    EditHistory history_;
};

// Writes `value` for a double-quoted HTML attribute (&, ", < escaped).
std::string escapeAttribute(std::string_view value);

}  // namespace norvel::host
