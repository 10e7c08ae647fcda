// The tokens of a style sheet, as the CSS syntax reads them, each with its byte range in the
// text so that edits can splice the original bytes.
#pragma once

#include <cstddef>
#include <vector>

namespace norvel::host {

enum class CssTokenKind {
    Whitespace,
    Comment,  // kept as a token so that ranges can skip or keep comments deliberately
    Ident,
    Function,  // "name(" including "url(" followed by a quoted string
    AtKeyword,
    Hash,
    String,
    BadString,  // a string cut by a raw line break
    Url,        // unquoted url(...)
    BadUrl,
    Delim,
    Numeric,  // number, percentage or dimension: the model never needs to tell them apart
    Cdo,      // <!--
    Cdc,      // -->
    Colon,
    Semicolon,
    Comma,
    LeftBracket,
    RightBracket,
    LeftParen,
    RightParen,
    LeftBrace,
    RightBrace,
};

struct CssToken {
    CssTokenKind kind = CssTokenKind::Delim;
    size_t begin = 0;  // byte offsets into the text: [begin, end)
    size_t end = 0;
    bool unterminated = false;  // a comment, string or url that the end of the text cut off
};

struct CssTokenList {
    std::vector<CssToken> tokens;   // they cover the text without gaps
    bool endsInsideEscape = false;  // the text ends with a backslash that starts an escape
};

}  // namespace norvel::host
