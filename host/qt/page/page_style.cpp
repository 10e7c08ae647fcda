#include "host/qt/page/page_style.h"

#include <exception>
#include <string>

#include "common/ascii_text.h"
#include "common/atomic_file.h"
#include "host/editor/host_document.h"
#include "host/markup/html_characters.h"
#include "host/markup/markup_tag.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {
namespace {

bool allOf(std::string_view text, bool (*accepted)(char)) {
    if (text.empty())
        return false;
    for (char c : text)
        if (!accepted(c))
            return false;
    return true;
}

// A colour attribute as CSS: "#rrggbb", "#rgb", "rrggbb" as old pages write it, or a colour
// name. Anything else is left out, so that no attribute can write style of its own.
std::string cssColor(std::string_view value) {
    value = common::trimBlanks(value);
    if (!value.empty() && value.front() == '#')
        value.remove_prefix(1);
    if ((value.size() == 6 || value.size() == 3) && allOf(value, isAsciiHexDigit))
        return "#" + std::string(value);
    if (allOf(value, isAsciiAlpha))
        return std::string(value);
    return {};
}

// The colours the BODY tag gives (text, link) as rules that the page's own style overrides,
// as a browser ranks them.
std::string bodyAttributeRules(std::string_view bodyTag) {
    std::string rules;
    for (const MarkupAttribute& attribute : parseTagAttributes(bodyTag)) {
        const std::string color = cssColor(attribute.value);
        if (color.empty())
            continue;
        if (attribute.name == "text")
            rules += "body { color: " + color + " }\n";
        else if (attribute.name == "link")
            rules += "a { color: " + color + " }\n";
    }
    return rules;
}

}  // namespace

QString pageStyleSheet(HostDocument& document) {
    HtmlDocument& page = document.page();
    std::string css = bodyAttributeRules(page.bodyStartTag());
    for (const HtmlDocument::StyleSource& source : page.styleSources()) {
        if (!source.isLink) {
            css.append(page.html(), source.textBegin, source.textEnd - source.textBegin);
        } else {
            std::filesystem::path file = document.linkedSheetPath(source.href);
            if (file.empty())
                continue;
            try {
                css += common::readFileBytes(file);
            } catch (const std::exception&) {
                continue;  // a sheet that cannot be read styles nothing, as in a browser
            }
        }
        css += '\n';
    }
    return PageText(css).text();
}

}  // namespace norvel::host::qt
