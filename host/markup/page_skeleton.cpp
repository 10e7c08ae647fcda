#include "host/markup/page_skeleton.h"

#include <gumbo.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "host/markup/markup_scanner.h"

namespace norvel::host {
namespace {

using Kind = MarkupToken::Kind;

bool onlySpace(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
    });
}

bool allowedInHead(const std::string& name) {
    static const char* const names[] = {"title", "meta",     "link",     "style",    "script",
                                        "base",  "noscript", "template", "basefont", "bgsound"};
    return std::any_of(std::begin(names), std::end(names),
                       [&](const char* n) { return name == n; });
}

// The scan's answer when the page writes <head>...</head> then <body>...</body> in the
// usual way, with nothing a browser would move; none otherwise.
std::optional<PageSkeleton> scanSkeleton(std::string_view html) {
    std::vector<MarkupToken> tokens = scanMarkup(html);
    const MarkupToken* head = nullptr;
    const MarkupToken* headEnd = nullptr;
    const MarkupToken* body = nullptr;
    const MarkupToken* bodyEnd = nullptr;
    size_t textFrom = 0;  // where the text before the current token starts
    // A leading byte order mark is not content.
    if (html.substr(0, 3) == "\xEF\xBB\xBF")
        textFrom = 3;
    for (const MarkupToken& token : tokens) {
        std::string_view textBefore = html.substr(textFrom, token.begin - textFrom);
        textFrom = token.end;
        if (token.name == "frameset")
            return std::nullopt;
        if (head == nullptr) {
            if (!onlySpace(textBefore))
                return std::nullopt;
            if (token.kind == Kind::Comment || token.kind == Kind::Doctype)
                continue;
            if (token.kind == Kind::StartTag && token.name == "html")
                continue;
            if (token.kind == Kind::StartTag && token.name == "head") {
                head = &token;
                continue;
            }
            return std::nullopt;
        }
        if (headEnd == nullptr) {
            if (token.kind == Kind::EndTag && token.name == "head") {
                if (!onlySpace(textBefore))
                    return std::nullopt;
                headEnd = &token;
                continue;
            }
            // Text in the head (outside raw-text elements) would start the body early.
            if (!onlySpace(textBefore))
                return std::nullopt;
            if (token.kind == Kind::StartTag && !allowedInHead(token.name))
                return std::nullopt;
            continue;
        }
        if (body == nullptr) {
            if (!onlySpace(textBefore))
                return std::nullopt;
            if (token.kind == Kind::Comment)
                continue;
            if (token.kind == Kind::StartTag && token.name == "body") {
                body = &token;
                continue;
            }
            return std::nullopt;
        }
        if (token.kind == Kind::EndTag && token.name == "body") {
            bodyEnd = &token;
            break;
        }
    }
    if (bodyEnd == nullptr)
        return std::nullopt;
    PageSkeleton skeleton;
    skeleton.headWritten = true;
    skeleton.headInnerBegin = head->end;
    skeleton.headInnerEnd = headEnd->begin;
    skeleton.bodyWritten = true;
    skeleton.bodyInnerBegin = body->end;
    skeleton.bodyInnerEnd = bodyEnd->begin;
    skeleton.fromScan = true;
    return skeleton;
}

// --- the tree's answer

class GumboTree {
  public:
    explicit GumboTree(const std::string& text)
        : output_(gumbo_parse_with_options(&kGumboDefaultOptions, text.data(), text.size())) {}
    ~GumboTree() { gumbo_destroy_output(&kGumboDefaultOptions, output_); }
    GumboTree(const GumboTree&) = delete;
    GumboTree& operator=(const GumboTree&) = delete;
    GumboNode* root() const { return output_->root; }

  private:
    GumboOutput* output_;
};

struct Span {
    size_t begin;
    size_t end;
};

class TreePositions {
  public:
    explicit TreePositions(std::string_view html) : html_(html) {}

    // The source range of a node, or none for an element the parser made up with nothing in it.
    std::optional<Span> span(const GumboNode* node) const {
        switch (node->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                return textSpan(node);
            case GUMBO_NODE_COMMENT: {
                size_t begin = node->v.text.start_pos.offset;
                return Span{begin,
                            std::min(html_.size(), begin + node->v.text.original_text.length)};
            }
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE:
                return elementSpan(node);
            default:
                return std::nullopt;
        }
    }

    // The range covered by an element's children.
    std::optional<Span> childrenSpan(const GumboElement* element) const {
        std::optional<Span> result;
        for (unsigned i = 0; i < element->children.length; ++i) {
            auto child = span(static_cast<const GumboNode*>(element->children.data[i]));
            if (!child)
                continue;
            if (!result) {
                result = child;
            } else {
                result->begin = std::min(result->begin, child->begin);
                result->end = std::max(result->end, child->end);
            }
        }
        return result;
    }

    bool hasEndTag(const GumboNode* node) const {
        return node->v.element.original_end_tag.length > 0 &&
               (node->parse_flags & GUMBO_INSERTION_IMPLICIT_END_TAG) == 0;
    }

  private:
    // A text node ends where the next tag, end tag or comment starts: its original text may
    // run over end tags that follow it.
    Span textSpan(const GumboNode* node) const {
        size_t begin = node->v.text.start_pos.offset;
        size_t limit = std::min(html_.size(), begin + node->v.text.original_text.length);
        if (node->parent != nullptr && node->parent->type == GUMBO_NODE_ELEMENT) {
            GumboTag tag = node->parent->v.element.tag;
            if (tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_TEXTAREA ||
                tag == GUMBO_TAG_TITLE || tag == GUMBO_TAG_XMP || tag == GUMBO_TAG_PLAINTEXT)
                return {begin, limit};
        }
        for (size_t i = begin; i + 1 < limit; ++i) {
            if (html_[i] != '<')
                continue;
            char c = html_[i + 1];
            if (c == '/' || c == '!' || c == '?' || (c >= 'a' && c <= 'z') ||
                (c >= 'A' && c <= 'Z'))
                return {begin, i};
        }
        return {begin, limit};
    }

    std::optional<Span> elementSpan(const GumboNode* node) const {
        const GumboElement* element = &node->v.element;
        std::optional<Span> children = childrenSpan(element);
        if (element->original_tag.length == 0)
            return children;
        size_t begin = element->start_pos.offset;
        size_t end = begin + element->original_tag.length;
        if (hasEndTag(node)) {
            end = element->end_pos.offset + element->original_end_tag.length;
        } else if (children) {
            end = std::max(end, children->end);
        }
        if (children)
            begin = std::min(begin, children->begin);
        return Span{begin, std::min(end, html_.size())};
    }

    std::string_view html_;
};

const GumboNode* childElement(const GumboElement& parent, GumboTag tag) {
    for (unsigned i = 0; i < parent.children.length; ++i) {
        auto* node = static_cast<const GumboNode*>(parent.children.data[i]);
        if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == tag)
            return node;
    }
    return nullptr;
}

// Where an implied head goes when it has nothing in it: after a written <html ...> tag, or
// else after the doctype and the comments and blanks that open the page.
size_t impliedHeadPlace(std::string_view html, const GumboElement& root) {
    if (root.original_tag.length > 0)
        return root.start_pos.offset + root.original_tag.length;
    size_t place = html.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    for (const MarkupToken& token : scanMarkup(html)) {
        if (!onlySpace(html.substr(place, token.begin - place)))
            break;
        if (token.kind != Kind::Comment && token.kind != Kind::Doctype)
            break;
        place = token.end;
    }
    return place;
}

}  // namespace

std::string sanitizedUtf8(std::string_view bytes) {
    std::string out(bytes);
    size_t i = 0;
    while (i < out.size()) {
        auto c = static_cast<unsigned char>(out[i]);
        size_t length = c < 0x80           ? 1
                        : (c >> 5) == 0x6  ? 2
                        : (c >> 4) == 0xE  ? 3
                        : (c >> 3) == 0x1E ? 4
                                           : 0;
        bool valid = length > 0 && i + length <= out.size();
        for (size_t k = 1; valid && k < length; ++k)
            valid = (static_cast<unsigned char>(out[i + k]) & 0xC0) == 0x80;
        if (valid && length == 2)
            valid = c >= 0xC2;
        if (valid && length == 3) {
            auto c1 = static_cast<unsigned char>(out[i + 1]);
            valid = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0);
        }
        if (valid && length == 4) {
            auto c1 = static_cast<unsigned char>(out[i + 1]);
            valid = c <= 0xF4 && !(c == 0xF0 && c1 < 0x90) && !(c == 0xF4 && c1 >= 0x90);
        }
        if (!valid) {
            out[i] = '?';
            ++i;
        } else {
            i += length;
        }
    }
    return out;
}

PageSkeleton findPageSkeletonWithGumbo(std::string_view html) {
    std::string text = sanitizedUtf8(html);
    GumboTree tree(text);
    TreePositions positions(html);
    const GumboElement& root = tree.root()->v.element;
    const GumboNode* headNode = childElement(root, GUMBO_TAG_HEAD);
    const GumboNode* bodyNode = childElement(root, GUMBO_TAG_BODY);
    if (bodyNode == nullptr)
        bodyNode = childElement(root, GUMBO_TAG_FRAMESET);
    const GumboElement* head = headNode ? &headNode->v.element : nullptr;
    const GumboElement* body = bodyNode ? &bodyNode->v.element : nullptr;

    PageSkeleton skeleton;
    size_t headEndPlace = impliedHeadPlace(html, root);
    if (head != nullptr && head->original_tag.length > 0) {
        skeleton.headWritten = true;
        skeleton.headInnerBegin = head->start_pos.offset + head->original_tag.length;
        if (positions.hasEndTag(headNode)) {
            skeleton.headInnerEnd = head->end_pos.offset;
            headEndPlace = head->end_pos.offset + head->original_end_tag.length;
        } else {
            auto children = positions.childrenSpan(head);
            skeleton.headInnerEnd = children ? std::max(children->end, skeleton.headInnerBegin)
                                             : skeleton.headInnerBegin;
            headEndPlace = skeleton.headInnerEnd;
        }
    } else {
        auto children = head ? positions.childrenSpan(head) : std::nullopt;
        skeleton.headInnerBegin = children ? children->begin : headEndPlace;
        skeleton.headInnerEnd = children ? children->end : headEndPlace;
        headEndPlace = skeleton.headInnerEnd;
    }

    if (body != nullptr && body->original_tag.length > 0) {
        skeleton.bodyWritten = true;
        skeleton.bodyInnerBegin = body->start_pos.offset + body->original_tag.length;
        if (positions.hasEndTag(bodyNode)) {
            skeleton.bodyInnerEnd = body->end_pos.offset;
        } else {
            auto children = positions.childrenSpan(body);
            skeleton.bodyInnerEnd = children ? std::max(children->end, skeleton.bodyInnerBegin)
                                             : skeleton.bodyInnerBegin;
        }
    } else {
        auto children = body ? positions.childrenSpan(body) : std::nullopt;
        // Blanks right after the head belong to no element; content starts after them.
        skeleton.bodyInnerBegin = children ? children->begin : headEndPlace;
        skeleton.bodyInnerEnd = children ? children->end : headEndPlace;
        if (!children) {
            // An empty implied body goes before a written </html>, else at the end.
            size_t close = html.size();
            for (const MarkupToken& token : scanMarkup(html))
                if (token.kind == Kind::EndTag && token.name == "html" &&
                    token.begin >= headEndPlace) {
                    close = token.begin;
                    break;
                }
            skeleton.bodyInnerBegin = skeleton.bodyInnerEnd =
                std::max(headEndPlace, std::min(close, html.size()));
            if (close == html.size())
                skeleton.bodyInnerBegin = skeleton.bodyInnerEnd = html.size();
        }
    }
    return skeleton;
}

PageSkeleton findPageSkeleton(std::string_view html) {
    if (auto fast = scanSkeleton(html))
        return *fast;
    return findPageSkeletonWithGumbo(html);
}

}  // namespace norvel::host
