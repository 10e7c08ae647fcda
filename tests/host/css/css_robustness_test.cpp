// Whatever the text, the model must not crash, must keep the text byte for byte until asked to
// change it, and every change it accepts must leave a sheet that reads back as expected.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/error.h"
#include "host/css/css_sheet_outline.h"
#include "host/css/css_style_sheet.h"

namespace norvel::host {
namespace {

std::vector<std::string> selectorsOf(const CssStyleSheet& sheet) {
    std::vector<std::string> selectors;
    for (const CssStyleRule& rule : sheet.rules())
        selectors.push_back(rule.selectorText());
    return selectors;
}

struct Difference {
    size_t begin;   // first byte that differs
    size_t oldEnd;  // end of the replaced bytes in the old text
};

Difference differenceOf(const std::string& before, const std::string& after) {
    size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) {
        ++prefix;
    }
    size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return {prefix, before.size() - suffix};
}

// A declaration edit may only touch bytes of its own block.
void expectInsideBlock(const std::string& before, const std::string& after, size_t rule) {
    CssRuleSpan span = outlineCssSheet(before).rules[rule];
    Difference difference = differenceOf(before, after);
    EXPECT_GT(difference.begin, span.blockOpen);
    EXPECT_LE(difference.oldEnd, span.blockClosed ? span.blockEnd - 1 : before.size());
}

// Reads everything, then tries each kind of edit; checks what each accepted edit promised.
void exercise(const std::string& input) {
    SCOPED_TRACE(testing::PrintToString(input));
    CssStyleSheet sheet(input);
    ASSERT_EQ(sheet.text(), input);
    std::vector<std::string> selectors = selectorsOf(sheet);
    for (const CssStyleRule& rule : sheet.rules()) {
        rule.style().getAttribute("color");
        rule.style().getAttribute("");
    }

    for (size_t i = 0; i < sheet.ruleCount() && i < 3; ++i) {
        CssStyleDeclaration style = sheet.rule(i).style();
        std::string before = sheet.text();
        try {
            style.setAttribute("color", "blue");
            EXPECT_EQ(style.getAttribute("color"), "blue");
            expectInsideBlock(before, sheet.text(), i);
        } catch (const common::Error& error) {
            EXPECT_EQ(error.number(), common::errnum::kInvalidCall);
            EXPECT_EQ(sheet.text(), before);
        }
        before = sheet.text();
        try {
            style.removeAttribute("margin");
            EXPECT_EQ(style.getAttribute("margin"), std::nullopt);
            if (sheet.text() != before)
                expectInsideBlock(before, sheet.text(), i);
        } catch (const common::Error& error) {
            EXPECT_EQ(error.number(), common::errnum::kInvalidCall);
            EXPECT_EQ(sheet.text(), before);
        }
        EXPECT_EQ(selectorsOf(sheet), selectors);
    }

    // Adding only inserts, at the front or where the sheet ends.
    if (!selectors.empty()) {
        std::string before = sheet.text();
        CssStyleRule first = sheet.addRule("p.first", "", 0);
        Difference difference = differenceOf(before, sheet.text());
        EXPECT_EQ(difference.begin, difference.oldEnd);
        EXPECT_EQ(first.selectorText(), "p.first");
        selectors.insert(selectors.begin(), "p.first");
    }
    std::string beforeAppend = sheet.text();
    // Appending always has a place to go: closing what the text left open makes one.
    try {
        CssStyleRule added = sheet.addRule("p.z", "top: 1px", -1);
        EXPECT_EQ(added.style().getAttribute("top"), "1px");
        Difference difference = differenceOf(beforeAppend, sheet.text());
        EXPECT_EQ(difference.begin, difference.oldEnd);
    } catch (const common::Error& error) {
        FAIL() << error.description();
    }
    std::vector<std::string> after = selectorsOf(sheet);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), "p.z");
    // Earlier rules survive; closing a selector left pending may list it before p.z.
    after.pop_back();
    if (after.size() > selectors.size())
        after.pop_back();
    EXPECT_EQ(after, selectors);
    // The edited text reads back the same from scratch: it stays a sheet the model can parse.
    EXPECT_EQ(selectorsOf(CssStyleSheet(sheet.text())), selectorsOf(sheet));
}

TEST(CssRobustness, HostileInputsFromATable) {
    std::vector<std::string> inputs = {
        "",
        " ",
        "{",
        "}",
        "a{",
        "a{b",
        "a{b:",
        "a{b:c",
        "a{b:c;",
        "/*",
        "*/ a {}",
        "'",
        "\"\\",
        "a{b:'\\",
        "a{b:\\",
        "\\",
        "@",
        "@media",
        "@media {",
        "@media { a {",
        "url(",
        "a{b:url(",
        "a{b:url(x\\",
        "a{b:url(x y",
        "<!--",
        "-->",
        "<!-- a {} -- >",
        "a { b: c } } } { { d {}",
        "a;b{c:d}",
        "a{;;;:;:}",
        "a{:b}",
        "a{b:{c}}",
        "a{--x:{ } y}",
        "a{b:c!}",
        "a{b:!important}",
        "a{b:c!important!important}",
        "a[x=\"]\"]{b:c}",
        "a{b:'x\ny';c:d}",
        std::string("\0{\0:\0}", 6),
        "\xFF\xFE{\x80:\xC3}",
        "a{b:" + std::string(20000, '(') + "}",
        std::string(20000, '{'),
        std::string(20000, '}') + "a{}",
        "a{" + std::string(5000, ';') + "b:c}",
    };
    for (const std::string& input : inputs)
        exercise(input);
}

// NORVEL_CSS_FUZZ_ROUNDS and NORVEL_CSS_FUZZ_SEED let a developer run a longer search.
int roundsToRun() {
    const char* rounds = std::getenv("NORVEL_CSS_FUZZ_ROUNDS");
    return rounds ? std::atoi(rounds) : 1500;
}

unsigned seedToUse() {
    const char* seed = std::getenv("NORVEL_CSS_FUZZ_SEED");
    return seed ? static_cast<unsigned>(std::strtoul(seed, nullptr, 10)) : 20240611u;
}

// Random damage to real-looking sheets: inserted syntax characters and odd bytes, deleted and
// duplicated ranges, cut ends. The seed is fixed so that a failure repeats.
TEST(CssRobustness, RandomlyMangledSheets) {
    const std::vector<std::string> seeds = {
        "<!--\nbody { font-family: Arial; color: #000000 }\n.questionx { font-weight: bold "
        "}\n-->\n",
        "@charset \"utf-8\";\r\n@import url(\"base.css\");\r\nBODY {\r\n\tmargin: 0px;\r\n}\r\n",
        "@media print { p { color: black } }\na:hover, a:link { color: red !important }\n",
        "p { content: \"a;b}\"; background: url(x.png) } /* c */ h1{color:red;margin:0}",
    };
    const std::string syntax = "{}()[];:'\"\\/*!@<>-,# \n\r\t";
    std::mt19937 random(seedToUse());
    auto pick = [&](size_t n) { return n == 0 ? 0 : static_cast<size_t>(random() % n); };
    for (int round = 0; round < roundsToRun(); ++round) {
        std::string text = seeds[pick(seeds.size())];
        if (round % 4 == 3) {  // now and then a short text made of syntax alone
            text.clear();
            for (size_t n = pick(40); n > 0; --n)
                text += (syntax + "ab1@")[pick(syntax.size() + 4)];
        }
        int damage = 1 + static_cast<int>(pick(4));
        for (int d = 0; d < damage; ++d) {
            size_t at = pick(text.size() + 1);
            switch (pick(5)) {
                case 0:
                    text.insert(at, 1, syntax[pick(syntax.size())]);
                    break;
                case 1:
                    text.insert(at, 1, static_cast<char>(pick(256)));
                    break;
                case 2:
                    text.erase(at, pick(8));
                    break;
                case 3:
                    text.insert(at, text.substr(pick(text.size() + 1), pick(12)));
                    break;
                default:
                    text.resize(at);
                    break;
            }
        }
        exercise(text);
        if (testing::Test::HasFailure())
            break;  // one failing input is enough to report
    }
}

}  // namespace
}  // namespace norvel::host
