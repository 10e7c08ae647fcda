#include "host/markup/inner_text.h"

#include <gumbo.h>

#include "host/markup/page_skeleton.h"

namespace norvel::host {
namespace {

void collectText(const GumboNode* node, std::string& out) {
    switch (node->type) {
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_WHITESPACE:
        case GUMBO_NODE_CDATA:
            out += node->v.text.text;
            return;
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
        case GUMBO_NODE_DOCUMENT: {
            if (node->type != GUMBO_NODE_DOCUMENT) {
                GumboTag tag = node->v.element.tag;
                if (tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE ||
                    tag == GUMBO_TAG_TEMPLATE || tag == GUMBO_TAG_NOSCRIPT)
                    return;
                if (tag == GUMBO_TAG_BR) {
                    out += '\n';
                    return;
                }
            }
            const GumboVector& children = node->type == GUMBO_NODE_DOCUMENT
                                              ? node->v.document.children
                                              : node->v.element.children;
            for (unsigned i = 0; i < children.length; ++i)
                collectText(static_cast<const GumboNode*>(children.data[i]), out);
            return;
        }
        default:
            return;
    }
}

}  // namespace

std::string innerTextOfBodyContent(std::string_view html) {
    // Plain text (a data file) is its own text, bytes as they are, whatever its encoding.
    if (html.find_first_of("<&") == std::string_view::npos)
        return std::string(html);
    std::string text = sanitizedUtf8(html);
    GumboOptions options = kGumboDefaultOptions;
    options.fragment_context = GUMBO_TAG_BODY;
    GumboOutput* output = gumbo_parse_with_options(&options, text.data(), text.size());
    std::string out;
    collectText(output->root, out);
    gumbo_destroy_output(&options, output);
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
