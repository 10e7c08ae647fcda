// Any bytes as a page through the page model.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/markup/gumbo_input.h"
#include "host/markup/gumbo_parse.h"
#include "host/markup/html_document.h"
#include "host/markup/page_skeleton.h"
#include "host/markup/webbot_block.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using norvel::fuzz::check;
using namespace norvel::host;

// `after` is `before` with [begin, end) replaced by something.
bool onlySpanChanged(const std::string& before, const std::string& after, size_t begin,
                     size_t end) {
    if (begin > end || end > before.size() || after.size() < before.size() - (end - begin))
        return false;
    size_t inserted = after.size() - (before.size() - (end - begin));
    return after.compare(0, begin, before, 0, begin) == 0 &&
           after.compare(begin + inserted, std::string::npos, before, end) == 0;
}

// A LINK element with this href is in gumbo's head.
bool headHoldsLink(const std::string& html, const std::string& href) {
    GumboParse parse(gumboInputKeepingOffsets(html));
    bool found = false;
    std::vector<std::pair<const GumboNode*, bool>> pending{{parse.root(), false}};
    while (!pending.empty() && !found) {
        auto [node, inHead] = pending.back();
        pending.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_TEMPLATE)
            continue;
        const GumboElement& element = node->v.element;
        const GumboAttribute* link = gumbo_get_attribute(&element.attributes, "href");
        if (inHead && element.tag == GUMBO_TAG_LINK && link != nullptr && href == link->value)
            found = true;
        for (unsigned i = 0; i < element.children.length; ++i)
            pending.push_back({static_cast<const GumboNode*>(element.children.data[i]),
                               inHead || element.tag == GUMBO_TAG_HEAD});
    }
    return found;
}

void checkSkeleton(const std::string& bytes) {
    PageSkeleton s = findPageSkeleton(bytes);
    check(s.headInnerBegin <= s.headInnerEnd && s.headInnerEnd <= bytes.size(), "head range");
    check(s.bodyInnerBegin <= s.bodyInnerEnd && s.bodyInnerEnd <= bytes.size(), "body range");
    PageSkeleton scanned;
    if (scanPageSkeleton(bytes, scanned)) {
        PageSkeleton tree = findPageSkeletonWithGumbo(bytes);
        tree.fromScan = true;
        check(scanned == tree, "the fast scan and the tree place head and body alike");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkSkeleton(bytes);

    HtmlDocument page(bytes);
    page.headInnerHtml();
    page.bodyInnerHtml();
    page.bodyInnerText();
    for (const auto& source : page.styleSources())
        check(source.textBegin <= source.textEnd && source.textEnd <= source.elementEnd &&
                  source.elementEnd <= bytes.size(),
              "style source range");
    findWebbotBlocks(bytes);
    check(page.html() == bytes, "reading changes no byte");

    HtmlDocument pasted(bytes);
    HtmlDocument::Range caret = pasted.selection();
    pasted.pasteHtml("<i>x</i>");
    check(onlySpanChanged(bytes, pasted.html(), caret.begin, caret.end), "paste at the caret");

    HtmlDocument head(bytes);
    PageSkeleton s = findPageSkeleton(bytes);
    head.setHeadInnerHtml("<meta name=x>");
    check(onlySpanChanged(bytes, head.html(), s.headInnerBegin, s.headInnerEnd), "set head");

    HtmlDocument linked(bytes);
    linked.appendStyleSheetLink("fuzz.css");
    check(linked.html().size() > bytes.size(), "a link was written");
    bool listed = false;
    for (const auto& source : linked.styleSources())
        listed = listed || (source.isLink && source.href == "fuzz.css" && source.inHead);
    check(listed, "the new link is a style sheet of the head");
    check(headHoldsLink(linked.html(), "fuzz.css"), "gumbo puts the new link in the head");
    return 0;
}
