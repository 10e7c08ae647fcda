#include "host/css/css_text_layout.h"

namespace norvel::host {

std::string_view lineBreakStyle(std::string_view text) {
    if (text.find("\r\n") != std::string_view::npos)
        return "\r\n";
    if (text.find('\r') != std::string_view::npos && text.find('\n') == std::string_view::npos) {
        return "\r";
    }
    return "\n";
}

bool isLineBreakChar(char c) {
    return c == '\n' || c == '\r' || c == '\f';
}

size_t lineBreakLengthAt(std::string_view text, size_t at) {
    if (at >= text.size() || !isLineBreakChar(text[at]))
        return 0;
    return text.substr(at, 2) == "\r\n" ? 2 : 1;
}

size_t skipSpacesAndTabs(std::string_view text, size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    return at;
}

size_t backOverSpacesAndTabs(std::string_view text, size_t at) {
    while (at > 0 && (text[at - 1] == ' ' || text[at - 1] == '\t'))
        --at;
    return at;
}

std::optional<std::string_view> indentationBefore(std::string_view text, size_t at) {
    size_t start = backOverSpacesAndTabs(text, at);
    if (start > 0 && !isLineBreakChar(text[start - 1]))
        return std::nullopt;
    return text.substr(start, at - start);
}

std::string_view trimCssWhitespace(std::string_view text) {
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || isLineBreakChar(c); };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace norvel::host
