// The tree's answer: gumbo builds the page as a browser would, and its source positions say
// where the head and body lie, written or implied.
#include <gumbo.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "host/markup/gumbo_parse.h"
#include "host/markup/markup_scanner.h"
#include "host/markup/page_skeleton.h"

namespace norvel::host {
namespace {

using Kind = MarkupToken::Kind;

bool onlySpace(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    });
}

struct Span {
    size_t begin;
    size_t end;
};

// Where a tag gumbo recorded really starts: gumbo counts a "</>" (which the tokenizer drops)
// right before a tag as part of that tag.
size_t tagStart(const GumboSourcePosition& position, const GumboStringPiece& original) {
    size_t start = position.offset;
    std::string_view text(original.data, original.length);
    while (text.starts_with("</>")) {
        text.remove_prefix(3);
        start += 3;
    }
    return start;
}

const GumboVector* childrenOf(const GumboNode* node) {
    if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE)
        return &node->v.element.children;
    return nullptr;
}

bool hasRawTextContent(const GumboNode* element) {
    if (element->v.element.tag_namespace != GUMBO_NAMESPACE_HTML)
        return false;
    switch (element->v.element.tag) {
        case GUMBO_TAG_SCRIPT:
        case GUMBO_TAG_STYLE:
        case GUMBO_TAG_TEXTAREA:
        case GUMBO_TAG_TITLE:
        case GUMBO_TAG_XMP:
        case GUMBO_TAG_IFRAME:
        case GUMBO_TAG_NOEMBED:
        case GUMBO_TAG_NOFRAMES:
        case GUMBO_TAG_PLAINTEXT:
            return true;
        default:
            return false;
    }
}

class TreePositions {
  public:
    explicit TreePositions(std::string_view html) : html_(html) {}

    bool hasEndTag(const GumboNode* node) const {
        return node->v.element.original_end_tag.length > 0 &&
               (node->parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG) == 0;
    }

    // The source range covered by an element's descendants (none when it has none with a
    // place in the source). Walks without recursion: pages can nest deeply.
    std::optional<Span> contentSpan(const GumboNode* element) const {
        std::optional<Span> result;
        auto include = [&](std::optional<Span> span) {
            if (!span)
                return;
            if (!result) {
                result = span;
            } else {
                result->begin = std::min(result->begin, span->begin);
                result->end = std::max(result->end, span->end);
            }
        };
        std::vector<const GumboNode*> pending;
        auto pushChildren = [&](const GumboNode* node) {
            if (const GumboVector* children = childrenOf(node))
                for (unsigned i = 0; i < children->length; ++i)
                    pending.push_back(static_cast<const GumboNode*>(children->data[i]));
        };
        pushChildren(element);
        while (!pending.empty()) {
            const GumboNode* node = pending.back();
            pending.pop_back();
            include(ownSpan(node));
            pushChildren(node);
        }
        return result;
    }

  private:
    // The node's own tags or text, without its descendants.
    std::optional<Span> ownSpan(const GumboNode* node) const {
        switch (node->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                return textSpan(node);
            case GUMBO_NODE_COMMENT:
                return clamp(node->v.text.start_pos.offset, node->v.text.original_text.length);
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE: {
                const GumboElement& element = node->v.element;
                if (element.original_tag.length == 0)
                    return std::nullopt;  // made up
                Span span = clamp(element.start_pos.offset, element.original_tag.length);
                span.begin = std::min(span.end, tagStart(element.start_pos, element.original_tag));
                if (hasEndTag(node))
                    span.end = clamp(element.end_pos.offset, element.original_end_tag.length).end;
                return span;
            }
            default:
                return std::nullopt;
        }
    }

    Span clamp(size_t begin, size_t length) const {
        begin = std::min(begin, html_.size());
        return {begin, std::min(html_.size(), begin + length)};
    }

    // A text node's original text may run over tags the tree builder ignored ("a</x>b" is one
    // node) and over end tags after it. It ends with its last non-blank text; a blank node
    // ends where its first run of blanks does.
    Span textSpan(const GumboNode* node) const {
        Span whole = clamp(node->v.text.start_pos.offset, node->v.text.original_text.length);
        const GumboNode* parent = node->parent;
        if (node->type == GUMBO_NODE_CDATA ||
            (parent != nullptr && parent->type == GUMBO_NODE_ELEMENT && hasRawTextContent(parent)))
            return whole;
        std::string_view text = html_.substr(whole.begin, whole.end - whole.begin);
        MarkupScanner scanner(text);
        MarkupToken token;
        size_t textFrom = 0;
        std::optional<size_t> firstRunEnd;
        std::optional<size_t> lastNonBlankEnd;
        auto run = [&](size_t end) {
            if (!firstRunEnd)
                firstRunEnd = end;
            if (!onlySpace(text.substr(textFrom, end - textFrom)))
                lastNonBlankEnd = end;
        };
        while (scanner.next(token)) {
            run(token.begin);
            textFrom = token.end;
        }
        run(text.size());
        return {whole.begin, whole.begin + lastNonBlankEnd.value_or(*firstRunEnd)};
    }

    std::string_view html_;
};

const GumboNode* childElement(const GumboNode* parent, GumboTag tag) {
    const GumboVector& children = parent->v.element.children;
    for (unsigned i = 0; i < children.length; ++i) {
        auto* node = static_cast<const GumboNode*>(children.data[i]);
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag)
            return node;
    }
    return nullptr;
}

// Where an implied head goes when it has nothing in it: after the doctype, comments, blanks
// and <html> tag that open the page.
size_t impliedHeadPlace(std::string_view html) {
    size_t place = html.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    MarkupScanner scanner(html);
    MarkupToken token;
    while (scanner.next(token)) {
        if (!onlySpace(html.substr(place, token.begin - place)))
            break;
        bool opening = token.kind == Kind::Comment || token.kind == Kind::Doctype ||
                       (token.kind == Kind::StartTag && token.name == "html");
        if (!opening)
            break;
        place = token.end;
    }
    return place;
}

// Where an implied body with nothing in it goes: before a written </body> or </html> after
// the head, else at the end.
size_t impliedBodyPlace(std::string_view html, size_t afterHead) {
    MarkupScanner scanner(html);
    MarkupToken token;
    while (scanner.next(token))
        if (token.kind == Kind::EndTag && token.begin >= afterHead &&
            (token.name == "body" || token.name == "html"))
            return token.begin;
    return html.size();
}

// Where the content of an element with a written start tag lies: from the end of that tag to
// the start of its end tag, or, with no end tag, to the end of what the tree put inside it.
struct WrittenRange {
    size_t tagBegin = 0;
    size_t innerBegin = 0;
    size_t innerEnd = 0;
    size_t afterElement = 0;  // one past the end tag, else the end of the content
};

WrittenRange writtenInnerRange(const GumboNode* node, const std::optional<Span>& content,
                               const TreePositions& positions, std::string_view html) {
    const GumboElement& element = node->v.element;
    WrittenRange range;
    range.innerBegin =
        std::min(html.size(), element.start_pos.offset + element.original_tag.length);
    // Gumbo's tag may start with markup it ignored ("</>"): the tag itself is the start tag
    // of this name that ends where the content begins.
    const size_t from = std::min(range.innerBegin, size_t{element.start_pos.offset});
    range.tagBegin = range.innerBegin;
    MarkupScanner scanner(html.substr(from, range.innerBegin - from));
    for (MarkupToken token; scanner.next(token);)
        if (token.kind == MarkupToken::Kind::StartTag &&
            token.name == gumbo_normalized_tagname(element.tag) &&
            from + token.end == range.innerBegin)
            range.tagBegin = from + token.begin;
    if (positions.hasEndTag(node)) {
        range.innerEnd =
            std::max(range.innerBegin,
                     std::min(html.size(), tagStart(element.end_pos, element.original_end_tag)));
        range.afterElement =
            std::min(html.size(), element.end_pos.offset + element.original_end_tag.length);
    } else {
        range.innerEnd = content ? std::max(content->end, range.innerBegin) : range.innerBegin;
        range.afterElement = range.innerEnd;
    }
    return range;
}

}  // namespace

PageSkeleton findPageSkeletonWithGumbo(std::string_view html) {
    GumboParse tree(gumboInputKeepingOffsets(html));
    TreePositions positions(html);
    const GumboNode* headNode = childElement(tree.root(), GUMBO_TAG_HEAD);
    const GumboNode* bodyNode = childElement(tree.root(), GUMBO_TAG_BODY);
    if (bodyNode == nullptr)
        bodyNode = childElement(tree.root(), GUMBO_TAG_FRAMESET);

    PageSkeleton skeleton;
    size_t afterHead = 0;  // one past the head as written or implied
    std::optional<Span> headContent =
        headNode ? positions.contentSpan(headNode) : std::optional<Span>();
    if (headNode != nullptr && headNode->v.element.original_tag.length > 0) {
        WrittenRange head = writtenInnerRange(headNode, headContent, positions, html);
        skeleton.headWritten = true;
        skeleton.headInnerBegin = head.innerBegin;
        skeleton.headInnerEnd = head.innerEnd;
        afterHead = head.afterElement;
    } else {
        size_t place = impliedHeadPlace(html);
        skeleton.headInnerBegin = headContent ? headContent->begin : place;
        skeleton.headInnerEnd = headContent ? headContent->end : place;
        afterHead = skeleton.headInnerEnd;
    }

    std::optional<Span> bodyContent =
        bodyNode ? positions.contentSpan(bodyNode) : std::optional<Span>();
    if (bodyNode != nullptr && bodyNode->v.element.original_tag.length > 0) {
        WrittenRange body = writtenInnerRange(bodyNode, bodyContent, positions, html);
        skeleton.bodyWritten = true;
        skeleton.bodyInnerBegin = body.innerBegin;
        skeleton.bodyInnerEnd = body.innerEnd;
        skeleton.bodyTagBegin = body.tagBegin;
        return skeleton;
    }
    if (bodyContent) {
        skeleton.bodyInnerBegin = bodyContent->begin;
        skeleton.bodyInnerEnd = bodyContent->end;
    } else {
        skeleton.bodyInnerBegin = skeleton.bodyInnerEnd = impliedBodyPlace(html, afterHead);
    }
    skeleton.bodyTagBegin = skeleton.bodyInnerBegin;
    return skeleton;
}

}  // namespace norvel::host
