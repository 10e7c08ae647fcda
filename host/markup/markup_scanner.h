// A fast, linear pass over a page's markup that finds its tags and comments the way a
// browser's tokenizer does in HTML content: comments, doctypes and bogus comments end where
// the tokenizer ends them, quoted attribute values may hold '>', a tag the input ends in is
// dropped, and the content of raw-text elements (script with its escaped "<!--" parts, style,
// textarea, title...) is text, not markup. It builds no tree: the page model uses it for the
// positions it needs, and leaves the tree rules to gumbo where they matter. (Inside SVG and
// MathML, in a select and in a frameset the tree builder reads some of these differently;
// callers that must be exact there ask gumbo.)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/markup/character_references.h"
#include "host/markup/markup_tag.h"

namespace norvel::host {

struct MarkupToken {
    enum class Kind { StartTag, EndTag, Comment, Doctype, RawText };
    Kind kind = Kind::Comment;
    size_t begin = 0;  // the '<' (or the first byte of raw text)
    size_t end = 0;    // one past the closing '>' (or the raw text's last byte)
    std::string name;  // tag name in lower case; empty for comments, doctypes and raw text
};

// Reads the tokens of a page one by one, so a long page needs no token list. Text between
// tokens is not reported (it is what lies in between). Never fails: unterminated comments and
// raw text run to the end of the input, as in a browser.
class MarkupScanner {
  public:
    explicit MarkupScanner(std::string_view html) : html_(html) {}
    // The next token into `token`; false at the end of the input.
    bool next(MarkupToken& token);
    // Where the page's markup ends once next() returned false: the end of the input, or the
    // '<' of a tag that the input ends inside (browsers drop it).
    size_t markupEnd() const { return markupEnd_; }

  private:
    std::string_view html_;
    size_t pos_ = 0;
    size_t markupEnd_ = html_.size();
    size_t pendingRawTextEnd_ = 0;  // raw text [pos_, this) still to report, when > pos_
};

// All the tokens of `html` in order.
std::vector<MarkupToken> scanMarkup(std::string_view html);

// Elements whose content the tokenizer reads as text in HTML content.
bool isRawTextElement(std::string_view name);

}  // namespace norvel::host
