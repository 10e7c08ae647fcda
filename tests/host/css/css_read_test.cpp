#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "host/css/css_style_sheet.h"

namespace norvel::host {
namespace {

std::vector<std::string> selectorsOf(const CssStyleSheet& sheet) {
    std::vector<std::string> selectors;
    for (const CssStyleRule& rule : sheet.rules())
        selectors.push_back(rule.selectorText());
    return selectors;
}

TEST(CssReadSelectors, AsWrittenWithoutSurroundingSpaceAndComments) {
    CssStyleSheet sheet(
        "BODY { }\nbody{}\n.questionx {}\n/* links */ a:hover,  a:link /* both */ {}\n"
        "\t/*x*/ div  >  p\r\n{}  #Id.Class[title=\"a b\"] {}");
    EXPECT_EQ(selectorsOf(sheet),
              (std::vector<std::string>{"BODY", "body", ".questionx", "a:hover,  a:link",
                                        "div  >  p", "#Id.Class[title=\"a b\"]"}));
}

TEST(CssReadSelectors, RulesInsideAtRuleBlocksAreNotListed) {
    CssStyleSheet sheet(
        "@media screen { body { color: red } }\n@supports (display: grid) { .g {} }\n"
        "@font-face { font-family: f }\n@page :first { margin: 0 }\nbody { color: blue }");
    ASSERT_EQ(sheet.ruleCount(), 1u);
    EXPECT_EQ(sheet.rule(0).style().getAttribute("color"), "blue");
}

TEST(CssReadSelectors, RuleIndexOutOfRangeIsError9) {
    CssStyleSheet sheet("a {}");
    try {
        sheet.rule(1);
        FAIL() << "no error";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.number(), common::errnum::kSubscriptOutOfRange);
        EXPECT_EQ(error.source(), "norvel");
    }
}

TEST(CssReadValues, LastDeclarationWinsAndNamesIgnoreCase) {
    CssStyleSheet sheet("p { COLOR: red; margin: 0; Color: Blue }");
    CssStyleDeclaration style = sheet.rule(0).style();
    EXPECT_EQ(style.getAttribute("color"), "Blue");
    EXPECT_EQ(style.getAttribute("cOlOr"), "Blue");
    EXPECT_EQ(style.getAttribute("margin"), "0");
    EXPECT_EQ(style.getAttribute("padding"), std::nullopt);
    EXPECT_EQ(style.getAttribute(""), std::nullopt);
}

TEST(CssReadValues, CommentsAroundAreLeftOutInnerTextKept) {
    CssStyleSheet sheet(
        "/* a { color: red } */ p { /* color: green; */ color: /*c*/ blue /*d*/; "
        "font:  12px  /*e*/ Arial ;}");
    ASSERT_EQ(sheet.ruleCount(), 1u);
    CssStyleDeclaration style = sheet.rule(0).style();
    EXPECT_EQ(style.getAttribute("color"), "blue");
    EXPECT_EQ(style.getAttribute("font"), "12px  /*e*/ Arial");
}

TEST(CssReadValues, StringsAndUrlsMayHoldSemicolonsAndBraces) {
    CssStyleSheet sheet(
        "p { content: \"a; b } c\"; quotes: '{' '}'; background: url(x;y.png) ; top: 1px }");
    CssStyleDeclaration style = sheet.rule(0).style();
    EXPECT_EQ(style.getAttribute("content"), "\"a; b } c\"");
    EXPECT_EQ(style.getAttribute("quotes"), "'{' '}'");
    EXPECT_EQ(style.getAttribute("background"), "url(x;y.png)");
    EXPECT_EQ(style.getAttribute("top"), "1px");
}

TEST(CssReadValues, EscapedNamesMatchTheirMeaningValuesStayAsWritten) {
    CssStyleSheet sheet("p { col\\6f r: r\\65 d; \\77 idth: 1px; content: '\\'x' }");
    CssStyleDeclaration style = sheet.rule(0).style();
    EXPECT_EQ(style.getAttribute("color"), "r\\65 d");
    EXPECT_EQ(style.getAttribute("width"), "1px");
    EXPECT_EQ(style.getAttribute("content"), "'\\'x'");
}

TEST(CssReadValues, ImportantIsNotPartOfTheValue) {
    CssStyleSheet sheet("p { color: red !important; margin: 0!IMPORTANT; top: 1px ! important }");
    CssStyleDeclaration style = sheet.rule(0).style();
    EXPECT_EQ(style.getAttribute("color"), "red");
    EXPECT_EQ(style.getAttribute("margin"), "0");
    EXPECT_EQ(style.getAttribute("top"), "1px");
}

TEST(CssReadValues, EmptyValueIsAnEmptyString) {
    CssStyleSheet sheet("p { color: ; margin: }");
    EXPECT_EQ(sheet.rule(0).style().getAttribute("color"), "");
    EXPECT_EQ(sheet.rule(0).style().getAttribute("margin"), "");
}

// Sheets as found in real pages and files; reading them must not change a byte.
const std::vector<std::string>& variedSheets() {
    static const std::vector<std::string> sheets = {
        "",
        "\n",
        "<!--\nbody { font-family: Arial; color: #000000 }\n.questionx { font-weight: bold "
        "}\n-->\n",
        "@charset \"utf-8\";\r\n@import url(\"base.css\");\r\nBODY {\r\n\tmargin: 0px;\r\n}\r\n",
        "a:hover, a:link { color: red !important } /* end",
        "p { content: 'unclosed\n} q { x: y }",
        "}}} a { b: c }",
        "@media print { p { color: black } } p { color: red }",
        "h1{color:red;;;margin:0;}h2{}",
        "\xEF\xBB\xBF"
        "body { font-family: \"\xE9\xE8\" }\x80\xFF",
        std::string("a { b: c\0d }", 12),
        "a { b: url( x.png ) url(bad\"url) }",
        "a { b: ((((( }",
    };
    return sheets;
}

TEST(CssReadRoundTrip, ReadingChangesNoByte) {
    for (const std::string& text : variedSheets()) {
        CssStyleSheet sheet(text);
        for (const CssStyleRule& rule : sheet.rules()) {
            rule.selectorText();
            rule.style().getAttribute("color");
        }
        EXPECT_EQ(sheet.text(), text);
    }
}

}  // namespace
}  // namespace norvel::host
