#include "host/markup/inner_text.h"

#include <gumbo.h>

#include <vector>

#include "host/markup/gumbo_input.h"
#include "host/markup/gumbo_parse.h"

namespace norvel::host {
namespace {

bool leftOutOfText(GumboTag tag) {
    return tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE || tag == GUMBO_TAG_TEMPLATE ||
           tag == GUMBO_TAG_NOSCRIPT;
}

// The text of the tree in document order; walks without recursion, as pages can nest deeply.
std::string collectText(const GumboNode* root) {
    std::string out;
    std::vector<const GumboNode*> pending{root};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        const GumboVector* children = nullptr;
        switch (node->type) {
            case GUMBO_NODE_TEXT:
            case GUMBO_NODE_WHITESPACE:
            case GUMBO_NODE_CDATA:
                out += node->v.text.text;
                break;
            case GUMBO_NODE_DOCUMENT:
                children = &node->v.document.children;
                break;
            case GUMBO_NODE_ELEMENT:
            case GUMBO_NODE_TEMPLATE:
                if (node->v.element.tag == GUMBO_TAG_BR) {
                    out += '\n';
                } else if (!leftOutOfText(node->v.element.tag)) {
                    children = &node->v.element.children;
                }
                break;
            default:
                break;
        }
        if (children != nullptr)
            for (unsigned i = children->length; i > 0; --i)
                pending.push_back(static_cast<const GumboNode*>(children->data[i - 1]));
    }
    return out;
}

}  // namespace

std::string innerTextOfBodyContent(std::string_view html) {
    // Plain text (a data file) is its own text, bytes as they are, whatever its encoding.
    if (html.find_first_of("<&") == std::string_view::npos)
        return std::string(html);
    GumboParse fragment(gumboInputKeepingBytes(html), GUMBO_TAG_BODY);
    std::string out = restoreBytes(collectText(fragment.root()));
    // The parser turns CR LF into LF; a source written with CR LF gets them back.
    if (html.find("\r\n") != std::string_view::npos) {
        std::string crlf;
        crlf.reserve(out.size() + out.size() / 16);
        for (char c : out) {
            if (c == '\n')
                crlf += '\r';
            crlf += c;
        }
        return crlf;
    }
    return out;
}

}  // namespace norvel::host
