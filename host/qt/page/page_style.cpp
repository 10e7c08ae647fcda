#include "host/qt/page/page_style.h"

#include <exception>
#include <string>

#include "common/atomic_file.h"
#include "host/editor/host_document.h"
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

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A colour attribute as CSS: "#rrggbb", "#rgb", "rrggbb" as old pages write it, or a colour
// name. Anything else is left out, so that no attribute can write style of its own.
std::string cssColor(std::string_view value) {
    while (!value.empty() && value.front() == ' ')
        value.remove_prefix(1);
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    if (!value.empty() && value.front() == '#')
        value.remove_prefix(1);
    if ((value.size() == 6 || value.size() == 3) && allOf(value, isHexDigit))
        return "#" + std::string(value);
    if (allOf(value, isLetter))
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
