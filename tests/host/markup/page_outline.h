// What a browser builds from a page, as gumbo parses it, flattened for comparison: the nodes
// of the head and of the body in document order ("<tag>", or the text without the blanks at its
// ends; blank text left out).
// A probe (an element with id or name "norvel-probe", or its markup inside text) is taken out
// and only noted, so that a page with a probe added compares equal to the page without it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvel::tests {

struct PageOutline {
    std::vector<std::string> head;
    std::vector<std::string> body;  // the body, or the frameset
    bool probeInHead = false;
    bool probeInBody = false;
    bool probeElsewhere = false;
};

PageOutline outlinePage(std::string_view page, std::string_view probeMarkup);

}  // namespace norvel::tests
