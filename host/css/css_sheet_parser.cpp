// Builds a CssSheetOutline from the tokens. Brackets are matched once up front, so skipping a
// component value (a block, a function) is a jump and the parser never recurses.
#include <optional>

#include "common/ascii_text.h"
#include "host/css/css_sheet_outline.h"
#include "host/css/css_tokenizer.h"

namespace norvel::host {

namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

bool isCloser(CssTokenKind kind) {
    return kind == CssTokenKind::RightParen || kind == CssTokenKind::RightBracket ||
           kind == CssTokenKind::RightBrace;
}

CssTokenKind closerFor(CssTokenKind opener) {
    if (opener == CssTokenKind::LeftBracket)
        return CssTokenKind::RightBracket;
    if (opener == CssTokenKind::LeftBrace)
        return CssTokenKind::RightBrace;
    return CssTokenKind::RightParen;
}

char closerChar(CssTokenKind closer) {
    if (closer == CssTokenKind::RightBracket)
        return ']';
    if (closer == CssTokenKind::RightBrace)
        return '}';
    return ')';
}

bool isImportantKeyword(const std::string& name) {
    return common::equalsIgnoreCase(name, "important");
}

// Tokens that no selector can hold; a rule whose prelude has one is dropped, as browsers do.
bool breaksSelector(CssTokenKind kind) {
    switch (kind) {
        case CssTokenKind::RightBrace:
        case CssTokenKind::LeftBrace:
        case CssTokenKind::Semicolon:
        case CssTokenKind::BadString:
        case CssTokenKind::BadUrl:
        case CssTokenKind::Url:
        case CssTokenKind::AtKeyword:
        case CssTokenKind::Cdo:
        case CssTokenKind::Cdc:
            return true;
        default:
            return false;
    }
}

class OutlineParser {
  public:
    explicit OutlineParser(std::string_view text) : text_(text), list_(tokenizeCss(text)) {
        for (size_t i = 0; i < list_.tokens.size(); ++i) {
            if (list_.tokens[i].kind != CssTokenKind::Comment)
                significant_.push_back(i);
        }
        matchBrackets();
    }

    CssSheetOutline run() {
        readTopLevel();
        placeAppend();
        return std::move(outline_);
    }

  private:
    // Positions below are indexes into significant_ (all tokens but comments); count() is the
    // end of the text.
    size_t count() const { return significant_.size(); }
    const CssToken& token(size_t at) const { return list_.tokens[significant_[at]]; }
    CssTokenKind kind(size_t at) const { return token(at).kind; }

    void matchBrackets() {
        closeOf_.assign(count(), kNone);
        for (size_t at = 0; at < count(); ++at) {
            CssTokenKind k = kind(at);
            if (opensCssBlock(k)) {
                openAtEnd_.push_back({at, closerFor(k)});
            } else if (isCloser(k) && !openAtEnd_.empty() && openAtEnd_.back().closer == k) {
                closeOf_[openAtEnd_.back().at] = at;
                openAtEnd_.pop_back();
            }
            // Any other closer is a stray token inside whatever block holds it.
        }
    }

    // Past one component value: a whole block or function, or one token.
    size_t skip(size_t at) const {
        if (!opensCssBlock(kind(at)))
            return at + 1;
        return closeOf_[at] == kNone ? count() : closeOf_[at] + 1;
    }

    std::string nameOf(size_t at) const {
        return cssNameOf(text_.substr(token(at).begin, token(at).end - token(at).begin));
    }

    size_t skipWhitespace(size_t at, size_t end) const {
        while (at < end && kind(at) == CssTokenKind::Whitespace)
            ++at;
        return at;
    }

    // End offset of the last non-whitespace token before `at`, not looking before `floor`.
    size_t endOfLastBefore(size_t at, size_t floor) const {
        while (at > floor && kind(at - 1) == CssTokenKind::Whitespace)
            --at;
        return token(at - 1).end;
    }

    // Where text written after `token` starts, so that it does not join the token. A bad
    // string ends only at its line break, and a lone backslash stays lone only before one, so
    // writing goes after that line break.
    size_t endForWriting(const CssToken& token) const {
        bool loneBackslash = token.kind == CssTokenKind::Delim && text_[token.begin] == '\\';
        if (token.kind != CssTokenKind::BadString && !loneBackslash)
            return token.end;
        size_t end = token.end;
        if (text_.substr(end, 2) == "\r\n")
            return end + 2;
        return end < text_.size() ? end + 1 : end;
    }

    // Text that closes everything the end of the text leaves open, innermost first, leaving
    // the `keptOpen` outermost blocks open.
    std::string closersAtEnd(size_t keptOpen) const {
        std::string closers;
        // A backslash at the very end escapes whatever is written next: give it a space to
        // escape, which keeps every token what it was (an escaped line break would not).
        if (list_.endsInsideEscape)
            closers += ' ';
        if (!list_.tokens.empty() && list_.tokens.back().unterminated) {
            const CssToken& last = list_.tokens.back();
            if (last.kind == CssTokenKind::Comment)
                closers += "*/";
            if (last.kind == CssTokenKind::String)
                closers += text_[last.begin];
            if (last.kind == CssTokenKind::Url || last.kind == CssTokenKind::BadUrl) {
                closers += ')';
            }
        }
        for (size_t i = openAtEnd_.size(); i > keptOpen; --i) {
            closers += closerChar(openAtEnd_[i - 1].closer);
        }
        return closers;
    }

    void readTopLevel() {
        size_t at = 0;
        while (at < count()) {
            CssTokenKind k = kind(at);
            if (k == CssTokenKind::Whitespace || k == CssTokenKind::Cdo || k == CssTokenKind::Cdc) {
                ++at;
            } else if (k == CssTokenKind::AtKeyword) {
                bool leftOpen = false;
                at = skipAtRule(at + 1, count(), &leftOpen);
                if (leftOpen)
                    pendingAtEnd_ = ";";
            } else {
                at = readQualifiedRule(at);
            }
        }
    }

    // From just past the at-keyword to past its ';' or block. `leftOpen` tells that `end` came
    // first, so the at-rule still needs its ';' there.
    size_t skipAtRule(size_t at, size_t end, bool* leftOpen) {
        *leftOpen = false;
        while (at < end) {
            CssTokenKind k = kind(at);
            if (k == CssTokenKind::Semicolon)
                return at + 1;
            if (k == CssTokenKind::LeftBrace)
                return skip(at);
            at = skip(at);
        }
        *leftOpen = true;
        return at;
    }

    size_t readQualifiedRule(size_t start) {
        size_t at = start;
        while (at < count() && kind(at) != CssTokenKind::LeftBrace)
            at = skip(at);
        if (at == count()) {
            pendingAtEnd_ = "{}";  // a selector with no block yet
            return at;
        }
        if (preludeIsSelector(start, at))
            outline_.rules.push_back(readStyleRule(start, at));
        return skip(at);
    }

    bool preludeIsSelector(size_t start, size_t open) const {
        if (start == open)
            return false;  // "{...}" with nothing to select
        for (size_t at = start; at < open; ++at) {
            if (breaksSelector(kind(at)))
                return false;
        }
        return true;
    }

    CssRuleSpan readStyleRule(size_t start, size_t open) {
        CssRuleSpan rule;
        rule.begin = token(start).begin;
        rule.selectorEnd = endOfLastBefore(open, start);
        rule.blockOpen = token(open).begin;
        size_t close = closeOf_[open];
        rule.blockClosed = close != kNone;
        size_t end = rule.blockClosed ? close : count();
        rule.blockEnd = rule.blockClosed ? token(close).end : text_.size();

        size_t raw = rule.blockClosed ? significant_[close] : list_.tokens.size();
        while (list_.tokens[raw - 1].kind == CssTokenKind::Whitespace)
            --raw;
        rule.contentEnd = endForWriting(list_.tokens[raw - 1]);
        if (!rule.blockClosed)
            rule.closersInside = closersAtEnd(1);

        readBlockContents(open + 1, end, &rule);
        return rule;
    }

    void readBlockContents(size_t at, size_t end, CssRuleSpan* rule) {
        bool lastOpen = false;
        while (at < end) {
            CssTokenKind k = kind(at);
            if (k == CssTokenKind::Whitespace) {
                ++at;
            } else if (k == CssTokenKind::Semicolon) {
                ++at;
                lastOpen = false;
            } else if (k == CssTokenKind::AtKeyword) {
                at = skipAtRule(at + 1, end, &lastOpen);
            } else if (auto declaration = readDeclaration(at, end, &at)) {
                rule->declarations.push_back(std::move(*declaration));
                lastOpen = true;
            } else {
                // A nested rule, or something unreadable that runs to the next ';'.
                lastOpen = true;
                while (at < end && kind(at) != CssTokenKind::Semicolon) {
                    bool block = kind(at) == CssTokenKind::LeftBrace;
                    at = skip(at);
                    if (block) {
                        lastOpen = false;
                        break;
                    }
                }
            }
        }
        rule->lastItemOpen = lastOpen;
    }

    std::optional<CssDeclarationSpan> readDeclaration(size_t start, size_t end, size_t* next) {
        if (kind(start) != CssTokenKind::Ident)
            return std::nullopt;
        size_t colon = skipWhitespace(start + 1, end);
        if (colon == end || kind(colon) != CssTokenKind::Colon)
            return std::nullopt;

        size_t stop = colon + 1;
        std::vector<size_t> items;  // the value's component values, whitespace left out
        while (stop < end && kind(stop) != CssTokenKind::Semicolon) {
            if (kind(stop) != CssTokenKind::Whitespace)
                items.push_back(stop);
            stop = skip(stop);
        }

        CssDeclarationSpan declaration;
        declaration.name = nameOf(start);
        declaration.begin = token(start).begin;
        size_t n = items.size();
        if (n >= 2 && kind(items[n - 1]) == CssTokenKind::Ident &&
            isImportantKeyword(nameOf(items[n - 1])) && kind(items[n - 2]) == CssTokenKind::Delim &&
            text_[token(items[n - 2]).begin] == '!') {
            declaration.important = true;
            declaration.importantBegin = token(items[n - 2]).begin;
            declaration.importantEnd = token(items[n - 1]).end;
            items.resize(n - 2);
        }

        // A {} block is a whole value or no value, unless the property is a custom one: this is
        // how "a:hover { ... }" nested in a block is told from a declaration.
        bool customProperty = declaration.name.rfind("--", 0) == 0;
        if (!customProperty && items.size() > 1) {
            for (size_t item : items) {
                if (kind(item) == CssTokenKind::LeftBrace)
                    return std::nullopt;
            }
        }

        if (items.empty()) {
            size_t afterColon = colon + 1;
            declaration.valueBegin =
                afterColon < end && kind(afterColon) == CssTokenKind::Whitespace
                    ? token(afterColon).end
                    : token(colon).end;
            declaration.valueEnd = declaration.valueBegin;
        } else {
            declaration.valueBegin = token(items.front()).begin;
            declaration.valueEnd = endOfLastBefore(skip(items.back()), items.back());
        }
        declaration.hasSemicolon = stop < end && kind(stop) == CssTokenKind::Semicolon;
        declaration.end = declaration.hasSemicolon ? token(stop).end : endOfLastBefore(stop, colon);
        *next = stop;
        return declaration;
    }

    void placeAppend() {
        std::string closers = closersAtEnd(0) + pendingAtEnd_;
        const std::vector<CssToken>& tokens = list_.tokens;
        size_t last = tokens.size();
        while (last > 0 && tokens[last - 1].kind == CssTokenKind::Whitespace)
            --last;
        if (last == 0) {
            outline_.appendAt = text_.size();
            return;
        }
        const CssToken& lastToken = tokens[last - 1];
        if (lastToken.kind == CssTokenKind::Cdc && closers.empty()) {
            size_t before = last - 1;
            while (before > 0 && tokens[before - 1].kind == CssTokenKind::Whitespace)
                --before;
            outline_.contentAfterAppend = true;
            if (before == 0) {
                outline_.appendAt = lastToken.begin;
            } else {
                outline_.appendAt = tokens[before - 1].end;
                outline_.contentBeforeAppend = true;
            }
            return;
        }
        outline_.appendAt = endForWriting(lastToken);
        outline_.contentBeforeAppend = true;
        outline_.closersAtAppend = std::move(closers);
    }

    struct OpenBlock {
        size_t at;
        CssTokenKind closer;
    };

    std::string_view text_;
    CssTokenList list_;
    std::vector<size_t> significant_;   // token indexes, comments left out
    std::vector<size_t> closeOf_;       // for an opener: where its closer is, or kNone
    std::vector<OpenBlock> openAtEnd_;  // blocks the end of the text leaves open, outermost first
    std::string pendingAtEnd_;
    CssSheetOutline outline_;
};

}  // namespace

CssSheetOutline outlineCssSheet(std::string_view text) {
    return OutlineParser(text).run();
}

}  // namespace norvel::host
