#include "host/session/script_lexer.h"

#include <gtest/gtest.h>

#include "host/session/script_error.h"

namespace norvel::host {
namespace {

using Tokens = std::vector<std::string>;

TEST(SessionLexer, SplitsWordsOnSpacesAndTabs) {
    EXPECT_EQ(splitScriptLine("  menu\tNorvel  \t Polls ", 1), (Tokens{"menu", "Norvel", "Polls"}));
    EXPECT_EQ(splitScriptLine("", 1), Tokens{});
    EXPECT_EQ(splitScriptLine(" \t ", 1), Tokens{});
    EXPECT_EQ(splitScriptLine("set a\\b c:\\d", 1), (Tokens{"set", "a\\b", "c:\\d"}));
    EXPECT_EQ(splitScriptLine("open caf\xC3\xA9.htm", 1), (Tokens{"open", "caf\xC3\xA9.htm"}));
}

TEST(SessionLexer, ReadsQuotedTokensWithEscapes) {
    EXPECT_EQ(splitScriptLine(R"(menu Norvel "PHP Polls" "options ")", 1),
              (Tokens{"menu", "Norvel", "PHP Polls", "options "}));
    EXPECT_EQ(splitScriptLine(R"(set x "" "a\"b\\c\rd\ne\tf")", 1),
              (Tokens{"set", "x", "", "a\"b\\c\rd\ne\tf"}));
    EXPECT_EQ(splitScriptLine("set x \"tab\tinside\"", 1), (Tokens{"set", "x", "tab\tinside"}));
}

TEST(SessionLexer, HashStartsACommentOnlyAtATokensStart) {
    EXPECT_EQ(splitScriptLine("# whole line", 1), Tokens{});
    EXPECT_EQ(splitScriptLine("   #indented", 1), Tokens{});
    EXPECT_EQ(splitScriptLine("save # keep it", 1), Tokens{"save"});
    EXPECT_EQ(splitScriptLine("save\t#tab before", 1), Tokens{"save"});
    EXPECT_EQ(splitScriptLine("choose lst a#b c# #d e", 1), (Tokens{"choose", "lst", "a#b", "c#"}));
    EXPECT_EQ(splitScriptLine(R"(choose lst "#3")", 1), (Tokens{"choose", "lst", "#3"}));
    EXPECT_EQ(splitScriptLine(R"(set t "a # b" # note)", 1), (Tokens{"set", "t", "a # b"}));
    EXPECT_EQ(splitScriptLine(R"(# "unclosed in a comment)", 1), Tokens{});
}

TEST(SessionLexer, ReportsMalformedTokensWithTheirLine) {
    struct Case {
        std::string line;
        std::string message;
    };
    std::vector<Case> cases = {
        {R"(set x "open)", "unclosed quote"},
        {R"(set x "ends in backslash\)", "unclosed quote"},
        {R"(set x "bad \q escape")", "unknown escape '\\q' in a quoted token"},
        {R"(set x ab"c")", "a quote inside a word; put the whole token in quotes"},
        {R"(set x "ab"c)", "a closing quote must be followed by a blank"},
        {R"(set x "ab"#c)", "a closing quote must be followed by a blank"},
    };
    for (const Case& c : cases) {
        try {
            splitScriptLine(c.line, 17);
            ADD_FAILURE() << "no error for: " << c.line;
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.line, 17) << c.line;
            EXPECT_EQ(error.message, c.message) << c.line;
            EXPECT_EQ(error.what(), "line 17: " + c.message);
        }
    }
}

}  // namespace
}  // namespace norvel::host
