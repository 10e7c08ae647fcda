#include "host/markup/open_markup.h"

#include "host/markup/markup_scanner.h"

namespace norvel::host {
namespace {

using Kind = MarkupToken::Kind;

bool commentIsClosed(std::string_view comment) {
    if (!comment.starts_with("<!--"))
        return comment.ends_with(">");  // doctype, bogus comment
    std::string_view content = comment.substr(4);
    return content == ">" || content == "->" || (content.size() >= 3 && content.ends_with("-->")) ||
           (content.size() >= 4 && content.ends_with("--!>"));
}

// The last token of `html`, and the start tag before it.
struct LastTokens {
    bool any = false;
    MarkupToken last;
    std::string elementOfRawText;
};

LastTokens lastTokens(std::string_view html) {
    LastTokens result;
    MarkupScanner scanner(html);
    MarkupToken token;
    std::string lastStartTag;
    while (scanner.next(token)) {
        if (token.kind == Kind::StartTag)
            lastStartTag = token.name;
        if (token.kind == Kind::RawText)
            result.elementOfRawText = lastStartTag;
        result.any = true;
        result.last = token;
    }
    // Content after a tag the input ends inside goes after that tag's '<'... which swallows
    // it: there is nothing sensible to close.
    if (scanner.markupEnd() != html.size())
        result.any = false;
    return result;
}

// `closer` ends what is open at the end of `html` when, after it, the scanner sees markup.
bool closes(std::string_view html, const std::string& closer) {
    std::string probe = std::string(html) + closer + "<p>";
    MarkupScanner scanner(probe);
    MarkupToken token;
    MarkupToken last;
    while (scanner.next(token))
        last = token;
    return last.kind == Kind::StartTag && last.begin == html.size() + closer.size();
}

}  // namespace

std::string closerAtEnd(std::string_view html) {
    LastTokens tokens = lastTokens(html);
    if (!tokens.any || tokens.last.end != html.size())
        return {};
    const MarkupToken& last = tokens.last;
    std::string_view source = html.substr(last.begin, last.end - last.begin);
    switch (last.kind) {
        case Kind::Comment:
        case Kind::Doctype:
            if (commentIsClosed(source))
                return {};
            return source.starts_with("<!--") ? "-->" : ">";
        case Kind::StartTag:
        case Kind::RawText: {
            const std::string& name =
                last.kind == Kind::RawText ? tokens.elementOfRawText : last.name;
            if (name == "plaintext" || !isRawTextElement(name))
                return {};
            std::string endTag = "</" + name + ">";
            // A script may be inside its "<!--" part, which "-->" ends first.
            for (const std::string& closer : {endTag, "-->" + endTag})
                if (closes(html, closer))
                    return closer;
            return {};
        }
        default:
            return {};
    }
}

}  // namespace norvel::host

namespace norvel::host {

std::string closerBefore(std::string_view html, size_t begin, size_t end) {
    MarkupScanner scanner(html);
    MarkupToken token;
    while (scanner.next(token))
        if (token.begin >= end)
            return {};
    return closerAtEnd(html.substr(0, begin));
}

}  // namespace norvel::host
