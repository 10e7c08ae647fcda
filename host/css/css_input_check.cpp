#include "host/css/css_input_check.h"

#include <vector>

#include "common/ascii_text.h"
#include "common/error.h"
#include "host/css/css_text_layout.h"
#include "host/css/css_tokenizer.h"

namespace norvel::host {

namespace {

using common::Error;

enum class Fragment { Value, Selector, Declarations };

[[noreturn]] void refuse(std::string_view what, std::string_view text, std::string_view why) {
    std::string description = "Invalid procedure call or argument: the ";
    description += what;
    description += " \"";
    description += text;
    description += "\" ";
    description += why;
    throw Error(common::errnum::kInvalidCall, "norvel", std::move(description));
}

const char* fragmentName(Fragment fragment) {
    switch (fragment) {
        case Fragment::Value:
            return "value";
        case Fragment::Selector:
            return "selector";
        case Fragment::Declarations:
            return "declarations";
    }
    return "text";
}

bool refusedIn(Fragment fragment, CssTokenKind kind) {
    switch (kind) {
        case CssTokenKind::LeftBrace:
        case CssTokenKind::RightBrace:
        case CssTokenKind::BadString:
        case CssTokenKind::BadUrl:
            return true;
        case CssTokenKind::Semicolon:
            return fragment != Fragment::Declarations;
        case CssTokenKind::Comment:
            return fragment == Fragment::Value;
        case CssTokenKind::AtKeyword:
        case CssTokenKind::Cdo:
        case CssTokenKind::Cdc:
        case CssTokenKind::Url:
            return fragment == Fragment::Selector;
        default:
            return false;
    }
}

// Throws when `text` (already trimmed) could reach past its place; returns its tokens.
CssTokenList checkFragment(Fragment fragment, std::string_view text) {
    const char* what = fragmentName(fragment);
    if (fragment == Fragment::Value) {
        for (char c : text) {
            if (isLineBreakChar(c))
                refuse(what, text, "must stay on one line");
        }
    }
    CssTokenList list = tokenizeCss(text);
    if (list.endsInsideEscape)
        refuse(what, text, "ends with a backslash");
    std::vector<char> expectedClosers;
    for (const CssToken& token : list.tokens) {
        if (token.unterminated)
            refuse(what, text, "leaves a comment, string or url open");
        if (refusedIn(fragment, token.kind)) {
            std::string why = "may not hold ";
            why += text.substr(token.begin, token.end - token.begin);
            refuse(what, text, why);
        }
        if (token.kind == CssTokenKind::LeftParen || token.kind == CssTokenKind::Function) {
            expectedClosers.push_back(')');
        } else if (token.kind == CssTokenKind::LeftBracket) {
            expectedClosers.push_back(']');
        } else if (token.kind == CssTokenKind::RightParen ||
                   token.kind == CssTokenKind::RightBracket) {
            char closer = token.kind == CssTokenKind::RightParen ? ')' : ']';
            if (expectedClosers.empty() || expectedClosers.back() != closer) {
                refuse(what, text, "has unbalanced brackets");
            }
            expectedClosers.pop_back();
        }
    }
    if (!expectedClosers.empty())
        refuse(what, text, "has unbalanced brackets");
    return list;
}

bool isBlank(CssTokenKind kind) {
    return kind == CssTokenKind::Whitespace || kind == CssTokenKind::Comment;
}

}  // namespace

std::string cssPropertyKey(std::string_view name) {
    std::string_view trimmed = trimCssWhitespace(name);
    CssTokenList list = tokenizeCss(trimmed);
    if (list.tokens.size() == 1 && list.tokens[0].kind == CssTokenKind::Ident) {
        return common::toLowerAscii(cssNameOf(trimmed));
    }
    return common::toLowerAscii(trimmed);
}

std::string checkedCssPropertyName(std::string_view name) {
    std::string_view trimmed = trimCssWhitespace(name);
    CssTokenList list = tokenizeCss(trimmed);
    if (list.tokens.size() != 1 || list.tokens[0].kind != CssTokenKind::Ident ||
        list.endsInsideEscape) {
        refuse("property name", trimmed, "is not a CSS property name");
    }
    return std::string(trimmed);
}

CheckedCssValue checkedCssValue(std::string_view value) {
    CheckedCssValue checked;
    std::string_view trimmed = trimCssWhitespace(value);
    CssTokenList list = checkFragment(Fragment::Value, trimmed);
    checked.text = std::string(trimmed);

    std::vector<const CssToken*> solid;  // the tokens that are not white space
    for (const CssToken& token : list.tokens) {
        if (!isBlank(token.kind))
            solid.push_back(&token);
    }
    size_t n = solid.size();
    if (n >= 2 && solid[n - 1]->kind == CssTokenKind::Ident &&
        common::toLowerAscii(cssNameOf(trimmed.substr(
            solid[n - 1]->begin, solid[n - 1]->end - solid[n - 1]->begin))) == "important" &&
        solid[n - 2]->kind == CssTokenKind::Delim && trimmed[solid[n - 2]->begin] == '!') {
        checked.hasPriority = true;
        checked.withoutPriority =
            std::string(trimCssWhitespace(trimmed.substr(0, solid[n - 2]->begin)));
        if (checked.withoutPriority.empty())
            refuse("value", trimmed, "has no value before !important");
    } else {
        checked.withoutPriority = checked.text;
    }
    return checked;
}

std::string checkedCssSelector(std::string_view selector) {
    std::string_view trimmed = trimCssWhitespace(selector);
    CssTokenList list = checkFragment(Fragment::Selector, trimmed);
    const CssToken* first = nullptr;
    const CssToken* last = nullptr;
    for (const CssToken& token : list.tokens) {
        if (isBlank(token.kind))
            continue;
        if (!first)
            first = &token;
        last = &token;
    }
    if (!first)
        refuse("selector", trimmed, "selects nothing");
    return std::string(trimmed.substr(first->begin, last->end - first->begin));
}

std::string checkedCssDeclarations(std::string_view declarations) {
    std::string_view trimmed = trimCssWhitespace(declarations);
    checkFragment(Fragment::Declarations, trimmed);
    return std::string(trimmed);
}

}  // namespace norvel::host
