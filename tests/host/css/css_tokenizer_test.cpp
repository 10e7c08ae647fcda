#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/css/css_tokenizer.h"

namespace norvel::host {
namespace {

using K = CssTokenKind;

std::vector<K> kindsOf(std::string_view text) {
    std::vector<K> kinds;
    for (const CssToken& token : tokenizeCss(text).tokens)
        kinds.push_back(token.kind);
    return kinds;
}

std::vector<std::string> piecesOf(std::string_view text) {
    std::vector<std::string> pieces;
    for (const CssToken& token : tokenizeCss(text).tokens) {
        pieces.emplace_back(text.substr(token.begin, token.end - token.begin));
    }
    return pieces;
}

TEST(CssTokenizer, TokensCoverEveryByteInOrder) {
    std::string text =
        "@import url(a.css);\r\n/* c */ BODY{color:#FFF!important;width:-1.5e3px}\x80\xff"
        "<!-- a[href$='x'] --> \"open";
    std::string joined;
    size_t expectedBegin = 0;
    for (const CssToken& token : tokenizeCss(text).tokens) {
        EXPECT_EQ(token.begin, expectedBegin);
        EXPECT_LT(token.begin, token.end);
        joined += text.substr(token.begin, token.end - token.begin);
        expectedBegin = token.end;
    }
    EXPECT_EQ(joined, text);
}

TEST(CssTokenizer, CommentsStringsAndUrlsAreSingleTokens) {
    EXPECT_EQ(piecesOf("a/* } ; */b"), (std::vector<std::string>{"a", "/* } ; */", "b"}));
    EXPECT_EQ(piecesOf("'a\\'}' \"b;\""), (std::vector<std::string>{"'a\\'}'", " ", "\"b;\""}));
    EXPECT_EQ(kindsOf("url( a;b.png )"), (std::vector<K>{K::Url}));
    // A quoted url is a function holding a string, as the syntax has it.
    EXPECT_EQ(kindsOf("url(\"a\")"), (std::vector<K>{K::Function, K::String, K::RightParen}));
    EXPECT_EQ(kindsOf("URL('a')"), (std::vector<K>{K::Function, K::String, K::RightParen}));
}

TEST(CssTokenizer, BrokenStringsAndUrlsRecoverAsTheSyntaxSays) {
    // A raw line break ends a string as a bad string; the line break itself stays outside.
    EXPECT_EQ(kindsOf("'ab\ncd'"),
              (std::vector<K>{K::BadString, K::Whitespace, K::Ident, K::String}));
    // A quote inside an unquoted url spoils it up to the next ')'.
    EXPECT_EQ(piecesOf("url(a\"b) x"), (std::vector<std::string>{"url(a\"b)", " ", "x"}));
    EXPECT_EQ(kindsOf("url(a\"b)"), (std::vector<K>{K::BadUrl}));
    // An escaped ')' does not end the remnants of a bad url.
    EXPECT_EQ(piecesOf("url(a b\\)c) d").front(), "url(a b\\)c)");
}

TEST(CssTokenizer, EscapesResolveInNames) {
    EXPECT_EQ(piecesOf("col\\6f r \\63 olor \\;x"),
              (std::vector<std::string>{"col\\6f r", " ", "\\63 olor", " ", "\\;x"}));
    EXPECT_EQ(cssNameOf("col\\6f r"), "color");
    EXPECT_EQ(cssNameOf("\\63 olor"), "color");
    EXPECT_EQ(cssNameOf("\\;x"), ";x");
    EXPECT_EQ(cssNameOf("\\e9t\\E9 "), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(cssNameOf("a\\0 b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(cssNameOf("a\\110000"), "a\xEF\xBF\xBD");
    // An escaped "url" is still url(): its unquoted argument is one token.
    EXPECT_EQ(kindsOf("\\75 rl(a b)"), (std::vector<K>{K::BadUrl}));
}

TEST(CssTokenizer, PunctuationNumbersAndMarkers) {
    EXPECT_EQ(kindsOf("<!---->"), (std::vector<K>{K::Cdo, K::Cdc}));
    EXPECT_EQ(kindsOf("-->-x --y -1px +.5% 1e3"),
              (std::vector<K>{K::Cdc, K::Ident, K::Whitespace, K::Ident, K::Whitespace, K::Numeric,
                              K::Whitespace, K::Numeric, K::Whitespace, K::Numeric}));
    EXPECT_EQ(kindsOf("@media #id # @ !"),
              (std::vector<K>{K::AtKeyword, K::Whitespace, K::Hash, K::Whitespace, K::Delim,
                              K::Whitespace, K::Delim, K::Whitespace, K::Delim}));
    EXPECT_EQ(kindsOf("rgb(1,2)[x]{:;}"),
              (std::vector<K>{K::Function, K::Numeric, K::Comma, K::Numeric, K::RightParen,
                              K::LeftBracket, K::Ident, K::RightBracket, K::LeftBrace, K::Colon,
                              K::Semicolon, K::RightBrace}));
}

TEST(CssTokenizer, TheEndOfTheTextMarksWhatItCutOff) {
    EXPECT_TRUE(tokenizeCss("a /* open").tokens.back().unterminated);
    EXPECT_TRUE(tokenizeCss("'open").tokens.back().unterminated);
    EXPECT_TRUE(tokenizeCss("url(open").tokens.back().unterminated);
    EXPECT_FALSE(tokenizeCss("/* closed */").tokens.back().unterminated);
    EXPECT_TRUE(tokenizeCss("red\\").endsInsideEscape);
    EXPECT_TRUE(tokenizeCss("'red\\").endsInsideEscape);
    EXPECT_FALSE(tokenizeCss("red\\\\").endsInsideEscape);
    // A backslash before a line break is no escape: it stands alone.
    EXPECT_EQ(kindsOf("\\\n"), (std::vector<K>{K::Delim, K::Whitespace}));
    EXPECT_TRUE(tokenizeCss("").tokens.empty());
}

}  // namespace
}  // namespace norvel::host
