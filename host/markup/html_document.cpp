#include "host/markup/html_document.h"

#include <algorithm>

#include "host/markup/inner_text.h"
#include "host/markup/markup_scanner.h"

namespace norvel::host {

HtmlDocument::HtmlDocument(std::string bytes) : bytes_(std::move(bytes)) {}

void HtmlDocument::setHtml(std::string bytes) {
    bytes_ = std::move(bytes);
    invalidate();
    selection_.reset();
}

const PageSkeleton& HtmlDocument::skeleton() {
    if (!skeleton_)
        skeleton_ = findPageSkeleton(bytes_);
    return *skeleton_;
}

std::string HtmlDocument::lineBreak() const {
    return bytes_.find("\r\n") != std::string::npos ? "\r\n" : "\n";
}

std::string HtmlDocument::headInnerHtml() {
    const PageSkeleton& s = skeleton();
    return bytes_.substr(s.headInnerBegin, s.headInnerEnd - s.headInnerBegin);
}

void HtmlDocument::setHeadInnerHtml(std::string_view html) {
    PageSkeleton s = skeleton();
    if (s.headWritten) {
        replaceRange(s.headInnerBegin, s.headInnerEnd, html);
    } else {
        replaceRange(s.headInnerBegin, s.headInnerEnd,
                     "<head>" + std::string(html) + "</head>" + lineBreak());
    }
}

std::string HtmlDocument::bodyInnerHtml() {
    const PageSkeleton& s = skeleton();
    return bytes_.substr(s.bodyInnerBegin, s.bodyInnerEnd - s.bodyInnerBegin);
}

void HtmlDocument::setBodyInnerHtml(std::string_view html) {
    PageSkeleton s = skeleton();
    if (s.bodyWritten) {
        replaceRange(s.bodyInnerBegin, s.bodyInnerEnd, html);
    } else {
        replaceRange(s.bodyInnerBegin, s.bodyInnerEnd, "<body>" + std::string(html) + "</body>");
    }
}

std::string HtmlDocument::bodyInnerText() {
    return innerTextOfBodyContent(bodyInnerHtml());
}

HtmlDocument::Range HtmlDocument::selection() {
    const PageSkeleton& s = skeleton();
    if (!selection_)
        return {s.bodyInnerEnd, s.bodyInnerEnd};
    return *selection_;
}

void HtmlDocument::selectRange(size_t begin, size_t end) {
    const PageSkeleton& s = skeleton();
    auto clamp = [&](size_t p) { return std::clamp(p, s.bodyInnerBegin, s.bodyInnerEnd); };
    begin = clamp(begin);
    end = clamp(end);
    if (end < begin)
        std::swap(begin, end);
    selection_ = Range{begin, end};
}

void HtmlDocument::caretAtBodyStart() {
    size_t begin = skeleton().bodyInnerBegin;
    selection_ = Range{begin, begin};
}

void HtmlDocument::caretAtBodyEnd() {
    size_t end = skeleton().bodyInnerEnd;
    selection_ = Range{end, end};
}

bool HtmlDocument::caretBeforeText(std::string_view text) {
    const PageSkeleton& s = skeleton();
    size_t found = std::string_view(bytes_).substr(0, s.bodyInnerEnd).find(text, s.bodyInnerBegin);
    if (found == std::string::npos || text.empty())
        return false;
    selection_ = Range{found, found};
    return true;
}

bool HtmlDocument::caretAfterText(std::string_view text) {
    if (!caretBeforeText(text))
        return false;
    selection_ = Range{selection_->begin + text.size(), selection_->begin + text.size()};
    return true;
}

bool HtmlDocument::selectText(std::string_view text) {
    if (!caretBeforeText(text))
        return false;
    selection_->end = selection_->begin + text.size();
    return true;
}

void HtmlDocument::pasteHtml(std::string_view html) {
    Range range = selection();
    replaceRange(range.begin, range.end, html);
    size_t caret = range.begin + html.size();
    selection_ = Range{caret, caret};
}

void HtmlDocument::replaceRange(size_t begin, size_t end, std::string_view text) {
    begin = std::min(begin, bytes_.size());
    end = std::clamp(end, begin, bytes_.size());
    bytes_.replace(begin, end - begin, text);
    if (selection_) {
        auto move = [&](size_t p) {
            if (p >= end)
                return p - (end - begin) + text.size();
            if (p > begin)
                return begin + text.size();
            return p;
        };
        selection_ = Range{move(selection_->begin), move(selection_->end)};
    }
    invalidate();
}

std::vector<HtmlDocument::StyleSource> HtmlDocument::styleSources() {
    const PageSkeleton& s = skeleton();
    std::vector<StyleSource> sources;
    std::vector<MarkupToken> tokens = scanMarkup(bytes_);
    for (size_t i = 0; i < tokens.size(); ++i) {
        const MarkupToken& token = tokens[i];
        if (token.kind != MarkupToken::Kind::StartTag)
            continue;
        bool inHead = token.begin >= s.headInnerBegin && token.end <= s.headInnerEnd;
        if (token.name == "style") {
            StyleSource source;
            source.inHead = inHead;
            source.textBegin = source.textEnd = token.end;
            source.elementEnd = token.end;
            size_t next = i + 1;
            if (next < tokens.size() && tokens[next].kind == MarkupToken::Kind::RawText) {
                source.textEnd = tokens[next].end;
                source.elementEnd = tokens[next].end;
                ++next;
            }
            if (next < tokens.size() && tokens[next].kind == MarkupToken::Kind::EndTag &&
                tokens[next].name == "style")
                source.elementEnd = tokens[next].end;
            sources.push_back(source);
        } else if (token.name == "link") {
            std::string rel, href;
            for (const auto& attribute : parseTagAttributes(
                     std::string_view(bytes_).substr(token.begin, token.end - token.begin))) {
                if (attribute.name == "rel")
                    rel = attribute.value;
                if (attribute.name == "href")
                    href = attribute.value;
            }
            for (char& c : rel)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            bool stylesheet = false;
            size_t pos = 0;
            while (pos < rel.size()) {
                size_t space = rel.find_first_of(" \t\r\n\f", pos);
                if (space == std::string::npos)
                    space = rel.size();
                if (rel.compare(pos, space - pos, "stylesheet") == 0 && space - pos == 10)
                    stylesheet = true;
                pos = space + 1;
            }
            if (!stylesheet)
                continue;
            StyleSource source;
            source.isLink = true;
            source.inHead = inHead;
            source.href = href;
            source.textBegin = source.textEnd = source.elementEnd = token.end;
            sources.push_back(source);
        }
    }
    return sources;
}

void HtmlDocument::appendStyleSheetLink(std::string_view href) {
    std::string link =
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + escapeAttribute(href) + "\">";
    PageSkeleton s = skeleton();
    if (!s.headWritten) {
        setHeadInnerHtml(headInnerHtml() + link);
        return;
    }
    size_t place = s.headInnerEnd;
    bool afterSheet = false;
    for (const StyleSource& source : styleSources())
        if (source.inHead) {
            place = source.elementEnd;
            afterSheet = true;
        }
    if (afterSheet) {
        replaceRange(place, place, lineBreak() + link);
    } else {
        // At the end of the head, on a line of its own.
        bool atLineStart = place > 0 && bytes_[place - 1] == '\n';
        replaceRange(place, place,
                     atLineStart ? link + lineBreak() : lineBreak() + link + lineBreak());
    }
}

std::string escapeAttribute(std::string_view value) {
    std::string out;
    for (char c : value) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '<':
                out += "&lt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace norvel::host
