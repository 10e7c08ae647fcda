#include "host/markup/html_document.h"

#include <algorithm>

#include "common/ascii_text.h"
#include "host/markup/inner_text.h"
#include "host/markup/markup_scanner.h"
#include "host/markup/markup_tag.h"
#include "host/markup/open_markup.h"

namespace norvel::host {

HtmlDocument::HtmlDocument(std::string bytes) : bytes_(std::move(bytes)) {}

void HtmlDocument::setHtml(std::string bytes) {
    size_t prefix = 0;
    size_t limit = std::min(bytes.size(), bytes_.size());
    while (prefix < limit && bytes[prefix] == bytes_[prefix])
        ++prefix;
    size_t suffix = 0;
    while (suffix < limit - prefix &&
           bytes[bytes.size() - 1 - suffix] == bytes_[bytes_.size() - 1 - suffix])
        ++suffix;
    replaceRange(prefix, bytes_.size() - suffix,
                 std::string_view(bytes).substr(prefix, bytes.size() - suffix - prefix));
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

std::string HtmlDocument::standingText(size_t begin, size_t end, std::string_view text) {
    // Where the scan decided, a </body> follows every place the model writes.
    if (skeleton().fromScan)
        return std::string(text);
    return closerBefore(bytes_, begin, end) + std::string(text);
}

void HtmlDocument::setHeadInnerHtml(std::string_view html) {
    PageSkeleton s = skeleton();
    std::string content =
        s.headWritten ? std::string(html) : "<head>" + std::string(html) + "</head>" + lineBreak();
    replaceRange(s.headInnerBegin, s.headInnerEnd,
                 standingText(s.headInnerBegin, s.headInnerEnd, content));
}

std::string HtmlDocument::bodyInnerHtml() {
    const PageSkeleton& s = skeleton();
    return bytes_.substr(s.bodyInnerBegin, s.bodyInnerEnd - s.bodyInnerBegin);
}

std::string_view HtmlDocument::bodyStartTag() {
    const PageSkeleton& s = skeleton();
    return std::string_view(bytes_).substr(s.bodyTagBegin, s.bodyInnerBegin - s.bodyTagBegin);
}

void HtmlDocument::setBodyInnerHtml(std::string_view html) {
    PageSkeleton s = skeleton();
    std::string content =
        s.bodyWritten ? std::string(html) : "<body>" + std::string(html) + "</body>";
    replaceRange(s.bodyInnerBegin, s.bodyInnerEnd,
                 standingText(s.bodyInnerBegin, s.bodyInnerEnd, content));
}

std::string HtmlDocument::bodyInnerText() {
    return innerTextOfBodyContent(bodyInnerHtml());
}

HtmlDocument::Range HtmlDocument::selection() {
    const PageSkeleton& s = skeleton();
    if (!selection_)
        return {s.bodyInnerEnd, s.bodyInnerEnd};
    // Edits move it with the text; should one have left it outside the body (rewriting the
    // page around it), it comes back to the nearest place in the body.
    auto clamp = [&](size_t p) { return std::clamp(p, s.bodyInnerBegin, s.bodyInnerEnd); };
    return {clamp(selection_->begin), clamp(selection_->end)};
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
    std::string text = standingText(range.begin, range.end, html);
    replaceRange(range.begin, range.end, text);
    size_t caret = range.begin + text.size();
    selection_ = Range{caret, caret};
}

void HtmlDocument::replaceRange(size_t begin, size_t end, std::string_view text) {
    begin = std::min(begin, bytes_.size());
    end = std::clamp(end, begin, bytes_.size());
    history_.record({begin, bytes_.substr(begin, end - begin), std::string(text)});
    splice(begin, end, text);
}

bool HtmlDocument::undo() {
    EditHistory::Step step = history_.takeUndo();
    if (step.empty())
        return false;
    for (auto splice = step.rbegin(); splice != step.rend(); ++splice)
        this->splice(splice->begin, splice->begin + splice->inserted.size(), splice->removed);
    size_t caret = step.front().begin + step.front().removed.size();
    selectRange(caret, caret);
    return true;
}

bool HtmlDocument::redo() {
    EditHistory::Step step = history_.takeRedo();
    if (step.empty())
        return false;
    for (const auto& splice : step)
        this->splice(splice.begin, splice.begin + splice.removed.size(), splice.inserted);
    size_t caret = step.back().begin + step.back().inserted.size();
    selectRange(caret, caret);
    return true;
}

void HtmlDocument::splice(size_t begin, size_t end, std::string_view text) {
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

namespace {

// rel="stylesheet", "StyleSheet" or "alternate stylesheet": the words compare ignoring case.
bool relNamesStyleSheet(std::string_view rel) {
    size_t pos = 0;
    while (pos < rel.size()) {
        size_t space = std::min(rel.find_first_of(" \t\r\n\f", pos), rel.size());
        std::string_view word = rel.substr(pos, space - pos);
        if (common::equalsIgnoreCase(word, "stylesheet"))
            return true;
        pos = space + 1;
    }
    return false;
}

}  // namespace

std::vector<HtmlDocument::StyleSource> HtmlDocument::styleSources() {
    const PageSkeleton& s = skeleton();
    std::vector<StyleSource> sources;
    MarkupScanner scanner(bytes_);
    MarkupToken token;
    std::optional<size_t> openStyle;  // the STYLE whose text and end tag may follow
    while (scanner.next(token)) {
        if (openStyle) {
            StyleSource& style = sources[*openStyle];
            if (token.kind == MarkupToken::Kind::RawText) {
                style.textEnd = style.elementEnd = token.end;
                continue;
            }
            if (token.kind == MarkupToken::Kind::EndTag && token.name == "style") {
                style.elementEnd = token.end;
                style.closed = true;
            }
            openStyle.reset();
        }
        if (token.kind != MarkupToken::Kind::StartTag)
            continue;
        StyleSource source;
        source.inHead = token.begin >= s.headInnerBegin && token.end <= s.headInnerEnd;
        source.textBegin = source.textEnd = source.elementEnd = token.end;
        if (token.name == "style") {
            openStyle = sources.size();
            sources.push_back(source);
        } else if (token.name == "link") {
            std::string_view tag =
                std::string_view(bytes_).substr(token.begin, token.end - token.begin);
            bool stylesheet = false;
            for (MarkupAttribute& attribute : parseTagAttributes(tag)) {
                if (attribute.name == "rel")
                    stylesheet = relNamesStyleSheet(attribute.value);
                if (attribute.name == "href")
                    source.href = std::move(attribute.value);
            }
            if (!stylesheet)
                continue;
            source.isLink = true;
            source.closed = true;
            sources.push_back(std::move(source));
        }
    }
    return sources;
}

void HtmlDocument::appendStyleSheetLink(std::string_view href) {
    std::string link =
        "<link rel=\"stylesheet\" type=\"text/css\" href=\"" + escapeAttribute(href) + "\">";
    // An implied head takes it where its content ends, without a <head> tag: a browser puts a
    // LINK found there in the head.
    PageSkeleton s = skeleton();
    size_t place = s.headInnerEnd;
    bool afterSheet = false;
    // After an unclosed STYLE the link would be part of its text.
    for (const StyleSource& source : styleSources())
        if (source.inHead && source.closed) {
            place = source.elementEnd;
            afterSheet = true;
        }
    std::string text;
    if (afterSheet) {
        text = lineBreak() + link;
    } else {
        // At the end of the head, on a line of its own.
        bool atLineStart = place == 0 || bytes_[place - 1] == '\n';
        text = atLineStart ? link + lineBreak() : lineBreak() + link + lineBreak();
    }
    replaceRange(place, place, standingText(place, place, text));
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
