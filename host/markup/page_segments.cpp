#include "host/markup/page_segments.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <unordered_map>

#include "host/markup/html_characters.h"
#include "host/markup/markup_scanner.h"

namespace norvel::host {
namespace {

using Kind = PageSegment::Kind;
using TokenKind = MarkupToken::Kind;

bool isOneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Start tags that show something by themselves: a piece holding one is not empty.
bool isVisibleVoid(std::string_view name) {
    return isOneOf(name, {"br", "img", "hr", "input", "embed", "wbr", "area", "keygen", "image"});
}

// Walks the body's tokens once, building the pieces as it goes.
class SegmentBuilder {
  public:
    SegmentBuilder(std::string_view html, const PageSkeleton& skeleton,
                   const std::vector<WebbotBlock>& blocks)
        : html_(html),
          bodyBegin_(std::min(skeleton.bodyInnerBegin, html.size())),
          bodyEnd_(std::clamp(skeleton.bodyInnerEnd, bodyBegin_, html.size())),
          blocks_(blocks) {}

    std::vector<PageSegment> build() {
        MarkupScanner scanner(html_.substr(0, bodyEnd_));
        MarkupToken token;
        size_t gapBegin = bodyBegin_;
        size_t skipUntil = 0;  // the end of the block being skipped
        size_t nextBlock = 0;
        while (scanner.next(token)) {
            if (token.begin < bodyBegin_ || token.begin < skipUntil) {
                gapBegin = std::max(gapBegin, token.end);
                continue;
            }
            text(gapBegin, token.begin);
            gapBegin = token.end;
            while (nextBlock < blocks_.size() && blocks_[nextBlock].begin < token.begin)
                ++nextBlock;
            if (token.kind == TokenKind::Comment && nextBlock < blocks_.size() &&
                blocks_[nextBlock].begin == token.begin && blocks_[nextBlock].end <= bodyEnd_) {
                block(nextBlock);
                gapBegin = skipUntil = blocks_[nextBlock].end;
                ++nextBlock;
                continue;
            }
            markup(token);
        }
        text(gapBegin, std::max(gapBegin, scanner.markupEnd()));
        return std::move(segments_);
    }

  private:
    void startPiece(Kind kind, size_t begin) {
        segments_.push_back({begin, begin, kind, 0});
        pieceOpen_ = true;
        pieceHasContent_ = false;
    }
    void extend(size_t end) { segments_.back().end = end; }

    // Text between tokens: only what is not white space counts.
    void text(size_t begin, size_t end) {
        while (begin < end && isHtmlSpace(html_[begin]))
            ++begin;
        while (end > begin && isHtmlSpace(html_[end - 1]))
            --end;
        if (begin == end)
            return;
        if (!pieceOpen_)
            startPiece(Kind::Text, begin);
        extend(end);
        pieceHasContent_ = true;
    }

    void block(size_t index) {
        const WebbotBlock& found = blocks_[index];
        if (containers_.empty()) {
            // Start tags with nothing of their own before it wrap the block: they go with it.
            if (pieceOpen_ && !pieceHasContent_)
                segments_.back().kind = Kind::WebbotBlock;
            else
                startPiece(Kind::WebbotBlock, found.begin);
            segments_.back().blockNumber = static_cast<int>(index + 1);
        }
        extend(found.end);
        pieceHasContent_ = true;
    }

    void markup(const MarkupToken& token) {
        switch (token.kind) {
            case TokenKind::StartTag:
                startTag(token);
                break;
            case TokenKind::EndTag:
                closeContainer(token.name);
                if (pieceOpen_) {
                    extend(token.end);
                    pieceHasContent_ = true;
                }
                break;
            case TokenKind::RawText:
                text(token.begin, token.end);
                break;
            case TokenKind::Comment:
            case TokenKind::Doctype:
                // Invisible: part of the piece they are in, never the start of one.
                if (pieceOpen_)
                    extend(token.end);
                break;
        }
    }

    void startTag(const MarkupToken& token) {
        if (containers_.empty() && startsPageSegment(token.name)) {
            // Start tags with nothing of their own before it belong to the new piece.
            if (pieceOpen_ && !pieceHasContent_)
                segments_.back().kind = Kind::Element;
            else
                startPiece(Kind::Element, token.begin);
        } else if (!pieceOpen_) {
            startPiece(Kind::Text, token.begin);
        }
        extend(token.end);
        if (isVisibleVoid(token.name))
            pieceHasContent_ = true;
        if (isSegmentContainer(token.name)) {
            containers_.push_back(token.name);
            ++openCount_[token.name];
        }
    }

    // An end tag closes its container and any left open inside it; stray ones do nothing.
    // The count per name keeps this linear however the page nests.
    void closeContainer(const std::string& name) {
        auto open = openCount_.find(name);
        if (open == openCount_.end() || open->second == 0)
            return;
        while (!containers_.empty()) {
            std::string top = std::move(containers_.back());
            containers_.pop_back();
            --openCount_[top];
            if (top == name)
                break;
        }
    }

    std::string_view html_;
    size_t bodyBegin_;
    size_t bodyEnd_;
    const std::vector<WebbotBlock>& blocks_;
    std::vector<PageSegment> segments_;
    bool pieceOpen_ = false;
    bool pieceHasContent_ = false;  // anything but start tags and comments since it began
    std::vector<std::string> containers_;
    std::unordered_map<std::string, int> openCount_;
};

}  // namespace

bool isSegmentContainer(std::string_view tagName) {
    return isOneOf(tagName,
                   {"table",   "div",      "ul",         "ol",     "dl",     "menu",    "dir",
                    "form",    "fieldset", "blockquote", "center", "pre",    "listing", "section",
                    "article", "aside",    "nav",        "header", "footer", "main",    "figure",
                    "details", "noscript", "object",     "applet", "map",    "select",  "marquee"});
}

bool startsPageSegment(std::string_view tagName) {
    if (tagName.size() == 2 && tagName[0] == 'h' && tagName[1] >= '1' && tagName[1] <= '6')
        return true;
    return isOneOf(tagName,
                   {"p",         "hr",      "address",  "li",         "dt",     "dd",     "xmp",
                    "plaintext", "table",   "div",      "ul",         "ol",     "dl",     "menu",
                    "dir",       "form",    "fieldset", "blockquote", "center", "pre",    "listing",
                    "section",   "article", "aside",    "nav",        "header", "footer", "main",
                    "figure",    "details", "hgroup",   "figcaption", "caption"});
}

std::vector<PageSegment> pageSegments(std::string_view html, const PageSkeleton& skeleton,
                                      const std::vector<WebbotBlock>& blocks) {
    return SegmentBuilder(html, skeleton, blocks).build();
}

std::vector<PageSegment> pageSegments(std::string_view html) {
    return pageSegments(html, findPageSkeleton(html), findWebbotBlocks(html));
}

}  // namespace norvel::host
