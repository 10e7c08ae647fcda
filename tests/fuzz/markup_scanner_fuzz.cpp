// The scanner against gumbo: every element gumbo builds from a written tag starts at a tag
// the scanner found and ends with it. Foreign content, selects, framesets and templates,
// where the tree builder reads raw text differently, are left out.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/markup/gumbo_input.h"
#include "host/markup/gumbo_parse.h"
#include "host/markup/markup_scanner.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

bool mentionsTreeDependentMarkup(std::string text) {
    for (char& c : text)
        c = static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
    for (const char* name : {"<svg", "<math", "<select", "<frameset", "<template"})
        if (text.find(name) != std::string::npos)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    using namespace norvel::host;
    std::map<size_t, size_t> tagEnds;
    for (const MarkupToken& token : scanMarkup(bytes)) {
        norvel::fuzz::check(token.begin <= token.end && token.end <= bytes.size(), "token range");
        if (token.kind == MarkupToken::Kind::StartTag || token.kind == MarkupToken::Kind::EndTag)
            tagEnds[token.begin] = token.end;
    }
    if (mentionsTreeDependentMarkup(bytes))
        return 0;
    GumboParse parse(gumboInputKeepingOffsets(bytes));
    std::vector<const GumboNode*> pending{parse.root()};
    while (!pending.empty()) {
        const GumboNode* node = pending.back();
        pending.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT)
            continue;
        const GumboElement& element = node->v.element;
        if (element.original_tag.length > 0) {
            // gumbo counts a dropped "</>" right before a tag into that tag.
            size_t start = element.start_pos.offset;
            std::string_view tag(element.original_tag.data, element.original_tag.length);
            for (; tag.starts_with("</>"); tag.remove_prefix(3))
                start += 3;
            auto found = tagEnds.find(start);
            norvel::fuzz::check(found != tagEnds.end(), "gumbo's element starts at a tag");
            norvel::fuzz::check(
                found->second == element.start_pos.offset + element.original_tag.length,
                "gumbo's element's tag ends where the scanner's does");
        }
        for (unsigned i = 0; i < element.children.length; ++i)
            pending.push_back(static_cast<const GumboNode*>(element.children.data[i]));
    }
    return 0;
}
