#include <gtest/gtest.h>

#include <string>

#include "host/css/css_sheet_outline.h"

namespace norvel::host {
namespace {

std::string slice(std::string_view text, size_t begin, size_t end) {
    return std::string(text.substr(begin, end - begin));
}

std::string selectorOf(std::string_view text, const CssRuleSpan& rule) {
    return slice(text, rule.begin, rule.selectorEnd);
}

TEST(CssOutline, DeclarationRangesLeaveOutSpacingCommentsAndPriority) {
    std::string text = "p { color : /*a*/ red /*b*/ ;margin:0 ! IMPORTANT; x:; font: a b }";
    CssSheetOutline outline = outlineCssSheet(text);
    ASSERT_EQ(outline.rules.size(), 1u);
    const auto& d = outline.rules[0].declarations;
    ASSERT_EQ(d.size(), 4u);
    EXPECT_EQ(slice(text, d[0].valueBegin, d[0].valueEnd), "red");
    EXPECT_EQ(slice(text, d[0].begin, d[0].end), "color : /*a*/ red /*b*/ ;");
    EXPECT_TRUE(d[1].important);
    EXPECT_EQ(slice(text, d[1].valueBegin, d[1].valueEnd), "0");
    EXPECT_EQ(slice(text, d[1].importantBegin, d[1].importantEnd), "! IMPORTANT");
    EXPECT_EQ(d[2].valueBegin, d[2].valueEnd);
    EXPECT_EQ(text[d[2].valueBegin], ';');
    EXPECT_FALSE(d[3].hasSemicolon);
    EXPECT_EQ(slice(text, d[3].begin, d[3].end), "font: a b");
    EXPECT_TRUE(outline.rules[0].lastItemOpen);
}

TEST(CssOutline, NestedRulesAndGarbageAreNotDeclarations) {
    std::string text = "a { a:hover { color: blue } color: red; junk here; @media x { b {} } }";
    CssSheetOutline outline = outlineCssSheet(text);
    ASSERT_EQ(outline.rules.size(), 1u);
    const auto& d = outline.rules[0].declarations;
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(slice(text, d[0].valueBegin, d[0].valueEnd), "red");
    EXPECT_FALSE(outline.rules[0].lastItemOpen);
}

TEST(CssOutline, OnlyTopLevelStyleRulesAreListed) {
    std::string text =
        "@charset \"x\"; @import url(a.css) screen;\n"
        "@media print { body { color: red } }\n"
        "@font-face { font-family: x; src: url(x.woff) }\n"
        "@keyframes k { from { top: 0 } to { top: 1px } }\n"
        "h1 { a: b }\n";
    CssSheetOutline outline = outlineCssSheet(text);
    ASSERT_EQ(outline.rules.size(), 1u);
    EXPECT_EQ(selectorOf(text, outline.rules[0]), "h1");
}

TEST(CssOutline, InvalidPreludesAreDroppedLikeABrowserDoes) {
    // A stray '}' joins the next prelude and spoils that rule only.
    std::string text = "a {} } b { x: y } c { x: y } @bad; d;e { } {x:y} f{}";
    CssSheetOutline outline = outlineCssSheet(text);
    std::vector<std::string> selectors;
    for (const auto& rule : outline.rules)
        selectors.push_back(selectorOf(text, rule));
    EXPECT_EQ(selectors, (std::vector<std::string>{"a", "c", "f"}));
}

TEST(CssOutline, BracesInsideStringsCommentsAndParenthesesDoNotCount) {
    std::string text = "a { content: \"}\"; b: '{' } /* } { */ c { d: f(}) } e { }";
    CssSheetOutline outline = outlineCssSheet(text);
    ASSERT_EQ(outline.rules.size(), 3u);
    EXPECT_EQ(outline.rules[0].declarations.size(), 2u);
    EXPECT_EQ(selectorOf(text, outline.rules[1]), "c");
    EXPECT_EQ(slice(text, outline.rules[1].declarations[0].valueBegin,
                    outline.rules[1].declarations[0].valueEnd),
              "f(})");
}

TEST(CssOutline, AppendPointClosesWhatTheTextLeftOpen) {
    struct Case {
        std::string text;
        std::string closers;
    };
    for (const Case& c : std::vector<Case>{{"a {}", ""},
                                           {"a { color: rgb(1, 2", ")}"},
                                           {"a { /* open", "*/}"},
                                           {"a { content: 'x", "'}"},
                                           {"a { b: x\\", " }"},
                                           {"a { b: 'x\\", " '}"},
                                           {"@\\", " ;"},
                                           {"a { b: url(x", ")}"},
                                           {"@import 'x'", ";"},
                                           {"a {} junk", "{}"},
                                           {"@media x { b [", "]}"}}) {
        CssSheetOutline outline = outlineCssSheet(c.text);
        EXPECT_EQ(outline.closersAtAppend, c.closers) << c.text;
        EXPECT_EQ(outline.appendAt, c.text.size()) << c.text;
    }
}

TEST(CssOutline, AppendPointStaysInsideAClosingHtmlComment) {
    std::string text = "<!--\na { }\n/* last */\n-->\n";
    CssSheetOutline outline = outlineCssSheet(text);
    EXPECT_EQ(outline.appendAt, text.find("*/") + 2);
    EXPECT_TRUE(outline.contentBeforeAppend);
    EXPECT_EQ(outlineCssSheet("  ").appendAt, 2u);
    EXPECT_FALSE(outlineCssSheet("  ").contentBeforeAppend);
}

TEST(CssOutline, UnclosedBlockKnowsWhatClosesItsInside) {
    std::string text = "a { x: f([ ";
    CssSheetOutline outline = outlineCssSheet(text);
    ASSERT_EQ(outline.rules.size(), 1u);
    EXPECT_FALSE(outline.rules[0].blockClosed);
    EXPECT_EQ(outline.rules[0].closersInside, "])");
    EXPECT_EQ(outline.rules[0].blockEnd, text.size());
}

}  // namespace
}  // namespace norvel::host
