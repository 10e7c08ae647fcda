#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "common/error.h"
#include "host/css/css_style_sheet.h"

namespace norvel::host {
namespace {

std::string afterAdd(const std::string& text, int index = -1) {
    CssStyleSheet sheet(text);
    size_t count = sheet.ruleCount();
    CssStyleRule added = sheet.addRule(" p.new ", " color: red ", index);
    EXPECT_EQ(added.selectorText(), "p.new") << text;
    EXPECT_EQ(added.style().getAttribute("color"), "red") << text;
    EXPECT_EQ(sheet.ruleCount(), count + 1) << text;
    size_t expectedIndex = index == -1 ? count : static_cast<size_t>(index);
    EXPECT_EQ(sheet.rule(expectedIndex).selectorText(), "p.new") << text;
    return sheet.text();
}

TEST(CssAddRule, AppendsOnANewLineInTheSheetsLineBreaks) {
    EXPECT_EQ(afterAdd(""), "p.new {color: red}");
    EXPECT_EQ(afterAdd("a {}"), "a {}\np.new {color: red}");
    EXPECT_EQ(afterAdd("a {}\n"), "a {}\np.new {color: red}\n");
    EXPECT_EQ(afterAdd("a {}\r\nb {}\r\n"), "a {}\r\nb {}\r\np.new {color: red}\r\n");
    EXPECT_EQ(afterAdd("\n  a {}\n  "), "\n  a {}\n  p.new {color: red}\n  ");
    EXPECT_EQ(afterAdd("a {} /* last */"), "a {} /* last */\np.new {color: red}");
    EXPECT_EQ(afterAdd("\n"), "\np.new {color: red}");
}

TEST(CssAddRule, AppendsInsideTheHtmlCommentThatWrapsAStyleElement) {
    EXPECT_EQ(afterAdd("\n<!--\nbody { color: red }\n-->\n"),
              "\n<!--\nbody { color: red }\np.new {color: red}\n-->\n");
    EXPECT_EQ(afterAdd("<!-- -->"), "<!--\np.new {color: red} -->");
    EXPECT_EQ(afterAdd("-->"), "p.new {color: red}\n-->");
}

TEST(CssAddRule, ClosesWhatTheSheetLeftOpenBeforeAppending) {
    EXPECT_EQ(afterAdd("a { color: blue"), "a { color: blue}\np.new {color: red}");
    EXPECT_EQ(afterAdd("a { x: 'y"), "a { x: 'y'}\np.new {color: red}");
    EXPECT_EQ(afterAdd("a {} /* open"), "a {} /* open*/\np.new {color: red}");
    EXPECT_EQ(afterAdd("@import 'x.css'"), "@import 'x.css';\np.new {color: red}");
    EXPECT_EQ(afterAdd("@media print { a { x: f(y"),
              "@media print { a { x: f(y)}}\np.new {color: red}");
}

TEST(CssAddRule, InsertsBeforeTheRuleAtIndex) {
    EXPECT_EQ(afterAdd("  a {}\n  b {}\n", 1), "  a {}\n  p.new {color: red}\n  b {}\n");
    EXPECT_EQ(afterAdd("a {}\r\nb {}", 0), "p.new {color: red}\r\na {}\r\nb {}");
    EXPECT_EQ(afterAdd("a {} b {}", 1), "a {} p.new {color: red} b {}");
    EXPECT_EQ(afterAdd("/* first */ a {}", 0), "/* first */ p.new {color: red} a {}");
    EXPECT_EQ(afterAdd("@media x { y {} }\na {}", 0),
              "@media x { y {} }\np.new {color: red}\na {}");
    EXPECT_EQ(afterAdd("a {}", 1), "a {}\np.new {color: red}");  // the count means the end
}

TEST(CssAddRule, RefusesBadIndexesAndTextThatWouldBreakOut) {
    const std::string text = "a { x: y }";
    CssStyleSheet sheet(text);
    for (int index : {-2, 2, 100}) {
        try {
            sheet.addRule("p", "", index);
            ADD_FAILURE() << index;
        } catch (const common::Error& error) {
            EXPECT_EQ(error.number(), common::errnum::kSubscriptOutOfRange);
        }
    }
    for (std::string selector : {"", "  /* c */ ", "p {", "p }", "p;", "@media", "<!-- p", "p[x",
                                 "p:not(a", "p /* open", "p[title='x]"}) {
        EXPECT_THROW(sheet.addRule(selector, "color: red"), common::Error) << selector;
    }
    for (std::string declarations : {"color: red }", "x { y", "a: 'b", "a: f(", "a: b /* c"}) {
        EXPECT_THROW(sheet.addRule("p", declarations), common::Error) << declarations;
    }
    EXPECT_EQ(sheet.text(), text);
}

TEST(CssAddRule, DeclarationsMayHoldSeveralPropertiesAndComments) {
    CssStyleSheet sheet("");
    CssStyleRule added = sheet.addRule("p", "color: red; /* note */ content: '};'");
    EXPECT_EQ(sheet.text(), "p {color: red; /* note */ content: '};'}");
    EXPECT_EQ(added.style().getAttribute("content"), "'};'");
}

TEST(CssRuleHandles, FollowTheirRuleWhenRulesAreAddedBeforeThem) {
    CssStyleSheet sheet("a { color: red }\nb { color: blue }\n");
    CssStyleRule b = sheet.rule(1);
    CssStyleDeclaration bStyle = b.style();
    sheet.addRule("first", "", 0);
    sheet.addRule("middle", "", 2);
    EXPECT_EQ(b.selectorText(), "b");
    bStyle.setAttribute("color", "green");
    EXPECT_EQ(sheet.text(), "first {}\na { color: red }\nmiddle {}\nb { color: green }\n");
    EXPECT_EQ(sheet.rule(3).style().getAttribute("color"), "green");
}

TEST(CssRuleHandles, StayValidAcrossEditsOfOtherRules) {
    CssStyleSheet sheet("a { color: red }\nb { color: blue }\n");
    CssStyleDeclaration a = sheet.rule(0).style();
    CssStyleDeclaration b = sheet.rule(1).style();
    for (int i = 0; i < 10; ++i) {
        a.setAttribute("margin", std::to_string(i) + "px");
        b.setAttribute("padding", std::string(static_cast<size_t>(i), 'x') + "y");
        a.removeAttribute("margin");
    }
    EXPECT_EQ(sheet.text(), "a { color: red; }\nb { color: blue; padding: xxxxxxxxxy; }\n");
}

TEST(CssRuleHandles, FailClearlyAfterTheTextIsReplacedOrTheSheetIsGone) {
    auto sheet = std::make_unique<CssStyleSheet>("a { color: red }");
    CssStyleRule rule = sheet->rule(0);
    CssStyleDeclaration style = rule.style();
    sheet->setText("a { color: blue }");
    try {
        rule.selectorText();
        FAIL() << "no error";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.number(), common::errnum::kElementNotFound);
    }
    EXPECT_THROW(style.setAttribute("color", "x"), common::Error);
    EXPECT_EQ(sheet->text(), "a { color: blue }");

    CssStyleDeclaration fresh = sheet->rule(0).style();
    CssStyleSheet moved = std::move(*sheet);  // moving keeps handles working
    fresh.setAttribute("color", "green");
    EXPECT_EQ(moved.text(), "a { color: green }");
    EXPECT_THROW(sheet->text(), common::Error);
    sheet.reset();
    { CssStyleSheet gone = std::move(moved); }
    EXPECT_THROW(fresh.getAttribute("color"), common::Error);
    EXPECT_THROW(fresh.setAttribute("color", "x"), common::Error);
}

}  // namespace
}  // namespace norvel::host
