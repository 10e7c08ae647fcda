#include "tests/host/markup/page_outline.h"

#include <gumbo.h>

#include <algorithm>

#include "host/markup/gumbo_input.h"
#include "host/markup/gumbo_parse.h"

namespace norvel::tests {
namespace {

constexpr std::string_view kProbe = "norvel-probe";

bool isProbe(const GumboElement& element) {
    for (const char* name : {"id", "name"}) {
        const GumboAttribute* attribute = gumbo_get_attribute(&element.attributes, name);
        if (attribute != nullptr && attribute->value == kProbe)
            return true;
    }
    return false;
}

class Outliner {
  public:
    Outliner(std::string_view probeMarkup, PageOutline& outline)
        : probeMarkup_(probeMarkup), outline_(outline) {}

    void walk(const GumboNode* node, std::vector<std::string>* section) {
        std::vector<std::pair<const GumboNode*, std::vector<std::string>*>> pending{
            {node, section}};
        while (!pending.empty()) {
            auto [current, into] = pending.back();
            pending.pop_back();
            std::vector<std::string>* childSection = into;
            if (!visit(current, childSection))
                continue;
            const GumboVector& children = current->v.element.children;
            for (unsigned i = children.length; i > 0; --i)
                pending.push_back(
                    {static_cast<const GumboNode*>(children.data[i - 1]), childSection});
        }
    }

  private:
    // Records the node; true when its children are to be walked, into `into` (which it
    // changes for the head and body).
    bool visit(const GumboNode* node, std::vector<std::string>*& into) {
        if (node->type == GUMBO_NODE_ELEMENT || node->type == GUMBO_NODE_TEMPLATE) {
            const GumboElement& element = node->v.element;
            if (isProbe(element)) {
                noteProbe(into);
                return false;
            }
            bool childOfHtml = node->parent != nullptr &&
                               node->parent->type == GUMBO_NODE_ELEMENT &&
                               node->parent->v.element.tag == GUMBO_TAG_HTML;
            if (childOfHtml && element.tag == GUMBO_TAG_HEAD) {
                into = &outline_.head;
            } else if (childOfHtml &&
                       (element.tag == GUMBO_TAG_BODY || element.tag == GUMBO_TAG_FRAMESET)) {
                into = &outline_.body;
            } else if (element.tag != GUMBO_TAG_HTML && into != nullptr) {
                into->push_back("<" + std::string(gumbo_normalized_tagname(element.tag)) + ">");
            }
            return true;
        }
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_CDATA ||
            node->type == GUMBO_NODE_WHITESPACE) {
            std::string text = node->v.text.text;
            if (!probeMarkup_.empty()) {
                for (size_t at; (at = text.find(probeMarkup_)) != std::string::npos;) {
                    text.erase(at, probeMarkup_.size());
                    noteProbe(into);
                }
            }
            // Blanks at the ends of a text node depend on what follows it (blanks after </body>
            // join the body's last text): only the text itself is compared.
            size_t first = text.find_first_not_of(" \t\r\n\f");
            if (into != nullptr && first != std::string::npos)
                into->push_back(text.substr(first, text.find_last_not_of(" \t\r\n\f") + 1 - first));
        }
        return false;
    }

    void noteProbe(const std::vector<std::string>* section) {
        if (section == &outline_.head) {
            outline_.probeInHead = true;
        } else if (section == &outline_.body) {
            outline_.probeInBody = true;
        } else {
            outline_.probeElsewhere = true;
        }
    }

    std::string_view probeMarkup_;
    PageOutline& outline_;
};

}  // namespace

PageOutline outlinePage(std::string_view page, std::string_view probeMarkup) {
    host::GumboParse parse(host::gumboInputKeepingOffsets(page));
    PageOutline outline;
    Outliner outliner(probeMarkup, outline);
    outliner.walk(parse.root(), nullptr);
    return outline;
}

}  // namespace norvel::tests
