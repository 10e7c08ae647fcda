#include "host/markup/markup_scanner.h"

#include <algorithm>

#include "host/markup/html_characters.h"
#include "host/markup/raw_text_end.h"

namespace norvel::host {
namespace {

constexpr size_t npos = std::string_view::npos;

// One past the end of a comment that starts at `pos` ("<!--").
size_t commentEnd(std::string_view html, size_t pos) {
    // "<!-->" and "<!--->" are complete (empty) comments.
    if (html.compare(pos + 4, 1, ">") == 0)
        return pos + 5;
    if (html.compare(pos + 4, 2, "->") == 0)
        return pos + 6;
    size_t close = html.find("--", pos + 4);
    while (close != npos) {
        if (html.compare(close + 2, 1, ">") == 0)
            return close + 3;
        if (html.compare(close + 2, 2, "!>") == 0)
            return close + 4;  // "--!>" ends it too
        close = html.find("--", close + 1);
    }
    return html.size();
}

// One past the '>' of a doctype or bogus comment whose content starts at `from`.
size_t bogusCommentEnd(std::string_view html, size_t from) {
    size_t close = html.find('>', from);
    return close == npos ? html.size() : close + 1;
}

bool isDoctype(std::string_view html, size_t pos) {
    static constexpr std::string_view doctype = "<!doctype";
    if (html.size() - pos < doctype.size())
        return false;
    for (size_t i = 0; i < doctype.size(); ++i)
        if (asciiLower(html[pos + i]) != doctype[i])
            return false;
    return true;
}

}  // namespace

bool isRawTextElement(std::string_view name) {
    static constexpr std::string_view names[] = {"script", "style",   "textarea", "title",    "xmp",
                                                 "iframe", "noembed", "noframes", "plaintext"};
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool MarkupScanner::next(MarkupToken& token) {
    const size_t size = html_.size();
    if (pendingRawTextEnd_ > pos_) {
        token.kind = MarkupToken::Kind::RawText;
        token.begin = pos_;
        token.end = pendingRawTextEnd_;
        token.name.clear();
        pos_ = pendingRawTextEnd_;
        return true;
    }
    while ((pos_ = html_.find('<', pos_)) != npos && pos_ + 1 < size) {
        const size_t start = pos_;
        const char next = html_[pos_ + 1];
        token.begin = start;
        token.name.clear();
        if (next == '!' || next == '?') {
            bool comment = next == '!' && html_.compare(start, 4, "<!--") == 0;
            token.kind = next == '!' && isDoctype(html_, start) ? MarkupToken::Kind::Doctype
                                                                : MarkupToken::Kind::Comment;
            token.end = comment ? commentEnd(html_, start) : bogusCommentEnd(html_, start + 2);
            pos_ = token.end;
            return true;
        }
        const bool endTag = next == '/';
        const size_t nameStart = start + (endTag ? 2 : 1);
        if (nameStart >= size || !isAsciiAlpha(html_[nameStart])) {
            if (endTag && nameStart < size && html_[nameStart] == '>') {
                pos_ = nameStart + 1;  // "</>" is dropped
                continue;
            }
            if (endTag && nameStart < size) {  // "</3..." is a bogus comment
                token.kind = MarkupToken::Kind::Comment;
                token.end = bogusCommentEnd(html_, nameStart);
                pos_ = token.end;
                return true;
            }
            pos_ = start + 1;  // a lone '<' is text
            continue;
        }
        size_t nameEnd = nameStart;
        while (nameEnd < size && !isHtmlSpace(html_[nameEnd]) && html_[nameEnd] != '/' &&
               html_[nameEnd] != '>')
            ++nameEnd;
        size_t close = findTagEnd(html_, nameEnd);
        if (close == npos) {  // the input ends inside the tag: a browser drops it
            markupEnd_ = start;
            pos_ = size;
            return false;
        }
        token.kind = endTag ? MarkupToken::Kind::EndTag : MarkupToken::Kind::StartTag;
        token.end = close;
        token.name.assign(html_.substr(nameStart, nameEnd - nameStart));
        for (char& c : token.name)
            c = asciiLower(c);
        pos_ = close;
        if (!endTag && isRawTextElement(token.name))
            pendingRawTextEnd_ = rawTextEnd(html_, close, token.name);
        return true;
    }
    pos_ = size;
    return false;
}

std::vector<MarkupToken> scanMarkup(std::string_view html) {
    std::vector<MarkupToken> tokens;
    MarkupScanner scanner(html);
    MarkupToken token;
    while (scanner.next(token))
        tokens.push_back(token);
    return tokens;
}

}  // namespace norvel::host
