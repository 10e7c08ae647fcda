#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "host/css/css_style_sheet.h"

namespace norvel::host {
namespace {

std::string afterSet(const std::string& text, std::string_view name, std::string_view value,
                     size_t rule = 0, std::string_view reads = {}) {
    CssStyleSheet sheet(text);
    sheet.rule(rule).style().setAttribute(name, value);
    EXPECT_EQ(sheet.rule(rule).style().getAttribute(name), reads.empty() ? value : reads) << text;
    return sheet.text();
}

std::string afterRemove(const std::string& text, std::string_view name) {
    CssStyleSheet sheet(text);
    sheet.rule(0).style().removeAttribute(name);
    EXPECT_EQ(sheet.rule(0).style().getAttribute(name), std::nullopt) << text;
    return sheet.text();
}

// A sheet with everything that must survive an edit elsewhere untouched. The stray "}}" spoils
// the junk rule after it, which is therefore not listed: BODY is rule 0, .questionx rule 1.
const std::string kBusySheet =
    "@charset \"utf-8\";\r\n/* header { color: red } */\r\n"
    "@media print {\r\n  p { color: black }\r\n}\r\n"
    "BODY  {  color :  red ;  MARGIN:0px  }  }} junk { color: red }\r\n"
    "  .questionx\t{ font: 12px \"a;b\" /* c */ }\r\n"
    "@font-face { font-family: x }\r\n";

TEST(CssSetAttribute, ReplacesOnlyTheValueBytes) {
    std::string expected = kBusySheet;
    expected.replace(expected.find(":  red") + 3, 3, "#00FF00");
    EXPECT_EQ(afterSet(kBusySheet, "Color", "#00FF00"), expected);

    expected = kBusySheet;
    expected.replace(expected.find("12px \"a;b\""), 10, "bold 9pt 'x}'");
    EXPECT_EQ(afterSet(kBusySheet, "font", "bold 9pt 'x}'", 1), expected);
}

TEST(CssSetAttribute, ChangesTheLastDeclarationOnly) {
    EXPECT_EQ(afterSet("p { color: red; color: rgba(0,0,0,.5) }", "color", "blue"),
              "p { color: red; color: blue }");
}

TEST(CssSetAttribute, KeepsImportantUnlessTheValueBringsItsOwn) {
    EXPECT_EQ(afterSet("p { color: red !important; }", "color", "blue"),
              "p { color: blue !important; }");
    EXPECT_EQ(afterSet("p { color: red ! important; }", "color", "blue  !IMPORTANT", 0, "blue"),
              "p { color: blue  !IMPORTANT; }");
    EXPECT_EQ(afterSet("p { color: red; }", "color", "blue !important", 0, "blue"),
              "p { color: blue !important; }");
}

TEST(CssSetAttribute, AppendsInTheBlocksOwnLayout) {
    struct Case {
        std::string before;
        std::string after;
    };
    for (const Case& c : std::vector<Case>{
             {"body {\n    color: red;\n}\n", "body {\n    color: red;\n    margin: 0;\n}\n"},
             {"body {\r\n\tcolor: red\r\n}", "body {\r\n\tcolor: red;\r\n\tmargin: 0;\r\n}"},
             {"a { color: red; }", "a { color: red; margin: 0; }"},
             {"a{color:red}", "a{color:red; margin: 0;}"},
             {"a {}", "a { margin: 0; }"},
             {"a { }", "a { margin: 0; }"},
             {"a {\n}\nb {\n  x: y;\n}", "a {\n  margin: 0;\n}\nb {\n  x: y;\n}"},
             {"a {\n  color: red; /* why */\n}", "a {\n  color: red; /* why */\n  margin: 0;\n}"},
             {"a { color: red /* c */ }", "a { color: red /* c */; margin: 0; }"},
             {"a { b:hover { x: y } }", "a { b:hover { x: y } margin: 0; }"},
             {"a { junk }", "a { junk; margin: 0; }"},
             {"a { color: rgb(1, 2", "a { color: rgb(1, 2); margin: 0;"},
             {"a { /* open", "a { /* open*/ margin: 0;"},
         }) {
        EXPECT_EQ(afterSet(c.before, "margin", "0"), c.after) << c.before;
    }
}

TEST(CssSetAttribute, WritesTheNameAsGiven) {
    EXPECT_EQ(afterSet("a { }", "Background-Color", "red"), "a { Background-Color: red; }");
    EXPECT_EQ(afterSet("a { COLOR: red }", "color", "blue"), "a { COLOR: blue }");
}

TEST(CssSetAttribute, StringsMayHoldWhatIsRefusedOutsideThem) {
    EXPECT_EQ(afterSet("a { }", "content", "\"; } { /* \""), "a { content: \"; } { /* \"; }");
    EXPECT_EQ(afterSet("a { }", "background", "url(a;b.png)"), "a { background: url(a;b.png); }");
}

TEST(CssSetAttribute, RefusesValuesThatWouldBreakOutAndChangesNothing) {
    const std::string text = "a { color: red }\nb { x: y }";
    for (std::string bad :
         {"blue; x: y", "blue }", "blue { x", "blue /* c */", "blue /* open", "blue\nx", "blue\rx",
          "'open", "url(open", "f(1", "x)", "blue\\", "\"a\nb\"", "!important"}) {
        CssStyleSheet sheet(text);
        int changes = 0;
        sheet.setChangeListener([&] { ++changes; });
        for (std::string name : {"color", "margin"}) {
            try {
                sheet.rule(0).style().setAttribute(name, bad);
                ADD_FAILURE() << "accepted " << bad;
            } catch (const common::Error& error) {
                EXPECT_EQ(error.number(), common::errnum::kInvalidCall) << bad;
            }
        }
        EXPECT_EQ(sheet.text(), text) << bad;
        EXPECT_EQ(changes, 0);
    }
}

TEST(CssSetAttribute, RefusesNamesThatAreNotOneCssName) {
    CssStyleSheet sheet("a { }");
    for (std::string bad : {"", "a b", "x:y", "a;b", "1px", "{", "col\\"}) {
        EXPECT_THROW(sheet.rule(0).style().setAttribute(bad, "1"), common::Error) << bad;
    }
    EXPECT_EQ(sheet.text(), "a { }");
}

TEST(CssSetAttribute, EmptyValueRemovesTheProperty) {
    CssStyleSheet sheet("a { color: red; margin: 0 }");
    sheet.rule(0).style().setAttribute("color", "  ");
    EXPECT_EQ(sheet.text(), "a { margin: 0 }");
}

TEST(CssRemoveAttribute, TakesTheWhiteSpaceThatBelongedToIt) {
    struct Case {
        std::string before;
        std::string after;
    };
    for (const Case& c : std::vector<Case>{
             {"a {\n  color: red;\n  margin: 0;\n}", "a {\n  margin: 0;\n}"},
             {"a {\r\n\tmargin: 0;\r\n\tcolor: red;\r\n}\r\n", "a {\r\n\tmargin: 0;\r\n}\r\n"},
             {"a { color: red; margin: 0; }", "a { margin: 0; }"},
             {"a { margin: 0; color: red }", "a { margin: 0; }"},
             {"a{margin:0;color:red}", "a{margin:0;}"},
             {"a{margin:0; color:red;}", "a{margin:0;}"},
             {"a {color: red;\n  margin: 0; }", "a {\n  margin: 0; }"},
             {"a { color: red }", "a { }"},
             {"a { color: red; /* keep */ margin: 0 }", "a { /* keep */ margin: 0 }"},
             {"a { color : /* in */ red /* in */ ; x: y }", "a { x: y }"},
             {"a { COLOR: red; margin: 0; Color: blue }", "a { margin: 0; }"},
             {"a { color: red; color: blue; }", "a { }"},
         }) {
        EXPECT_EQ(afterRemove(c.before, "color"), c.after) << c.before;
    }
}

TEST(CssRemoveAttribute, LeavesTheRestOfABusySheetAlone) {
    std::string expected = kBusySheet;
    expected.erase(expected.find("MARGIN:0px  "), 12);
    EXPECT_EQ(afterRemove(kBusySheet, "margin"), expected);
    EXPECT_EQ(afterRemove(kBusySheet, "padding"), kBusySheet);
}

TEST(CssEditCycles, SetAndRemoveAgainAndAgainComeBackToTheStart) {
    for (std::string start : {"body {\r\n    color: red;\r\n}\r\n", "a{color:red;}", "a { }",
                              "a {\n}\n", "p { color: red !important; }"}) {
        CssStyleSheet sheet(start);
        CssStyleDeclaration style = sheet.rule(0).style();
        std::optional<std::string> color = style.getAttribute("color");
        for (int i = 0; i < 25; ++i) {
            std::string margin = std::to_string(i) + "px";
            style.setAttribute("margin", margin);
            style.setAttribute("color", "#" + std::to_string(100000 + i));
            EXPECT_EQ(style.getAttribute("margin"), margin);
            style.removeAttribute("margin");
            EXPECT_EQ(style.getAttribute("margin"), std::nullopt);
        }
        if (color) {
            style.setAttribute("color", *color);
        } else {
            style.removeAttribute("color");
        }
        EXPECT_EQ(sheet.text(), start);
    }
}

TEST(CssEditCycles, ALastDeclarationThatGotItsSemicolonKeepsItButNothingDrifts) {
    CssStyleSheet sheet("a{color:red}");
    CssStyleDeclaration style = sheet.rule(0).style();
    for (int i = 0; i < 10; ++i) {
        style.setAttribute("margin", "0");
        style.removeAttribute("margin");
        EXPECT_EQ(sheet.text(), "a{color:red;}");
    }
}

TEST(CssEditCycles, EveryChangeIsReportedOnce) {
    CssStyleSheet sheet("a { color: red }");
    int changes = 0;
    sheet.setChangeListener([&] { ++changes; });
    CssStyleDeclaration style = sheet.rule(0).style();
    style.setAttribute("color", "blue");
    style.setAttribute("margin", "0");
    style.removeAttribute("margin");
    style.removeAttribute("padding");  // nothing to remove, nothing changed
    EXPECT_EQ(changes, 3);
}

}  // namespace
}  // namespace norvel::host
