// The fading messages as script text and back, and the escaping of typed texts for script
// strings.
#include <gtest/gtest.h>

#include "scriptcollection/message_arrays.h"
#include "scriptcollection/script_string.h"

namespace norvel::script {
namespace {

clsNews message(std::string text) {
    clsNews item;
    item.NewsText = std::move(text);
    return item;
}

clsNews linked(std::string text, std::string url, std::string link, std::string target) {
    clsNews item = message(std::move(text));
    item.AddLink = true;
    item.URL = std::move(url);
    item.Link = std::move(link);
    item.Target = std::move(target);
    return item;
}

void expectSame(const clsNews& expected, const clsNews& actual) {
    EXPECT_EQ(actual.NewsText, expected.NewsText);
    EXPECT_EQ(actual.AddLink, expected.AddLink);
    EXPECT_EQ(actual.URL, expected.URL);
    EXPECT_EQ(actual.Link, expected.Link);
    if (expected.AddLink)
        EXPECT_EQ(actual.Target, expected.Target);
}

TEST(ScriptFindAssignment, FindsTheKeyIgnoringCaseAndBlanksBeforeTheEqualsSign) {
    std::string text = "a=1\r\nX_Content[0] \t= \"hi\"\r\nlast=end";
    EXPECT_EQ(FindAssignment(text, "x_content[0]"), " \"hi\"");
    EXPECT_EQ(FindAssignment(text, "LAST"), "end");
    EXPECT_EQ(FindAssignment(text, "missing"), std::nullopt);
    EXPECT_EQ(FindAssignment("key : 1", "key"), std::nullopt);
    EXPECT_EQ(FindAssignment("key  ", "key"), std::nullopt);
    // Index 1 is not found inside index 10.
    EXPECT_EQ(FindAssignment("X[10]=ten\r\nX[1]=one", "X[1]"), "one");
}

TEST(ScriptTextBetween, SkipsEscapedDelimiters) {
    EXPECT_EQ(TextBetween(R"(x="say \"hi\"" y)", "\"", "\""), R"(say \"hi\")");
    // An escaped backslash does not escape the closing quote.
    EXPECT_EQ(TextBetween(R"("dir\\" rest")", "\"", "\""), R"(dir\\)");
    EXPECT_EQ(TextBetween(R"(\"a" b")", "\"", "\""), " b");
    EXPECT_EQ(TextBetween("'>link</a>", "'>", "</a>"), "link");
    EXPECT_EQ(TextBetween("\"\"", "\"", "\""), std::nullopt);
    EXPECT_EQ(TextBetween("\"open", "\"", "\""), std::nullopt);
    EXPECT_EQ(TextBetween("none", "\"", "\""), std::nullopt);
}

TEST(ScriptMessageArrays, WritesOneContentAndOneLinkLinePerMessage) {
    std::vector<clsNews> messages = {message("Line 1\r\nsays \"hi\""),
                                     linked("More", "example.com/a", "here", "_blank")};
    EXPECT_EQ(MakeMessageArrays(messages),
              "X_content[0]=\"Line 1<br>says \\\"hi\\\"\"\r\n"
              "X_link[0]=\"\"\r\n"
              "X_content[1]=\"More\"\r\n"
              "X_link[1]=\"<a target='_blank' href='http://example.com/a'>here</a>\"\r\n");
    EXPECT_EQ(MakeMessageArrays({message("C:\\dir\\")}),
              "X_content[0]=\"C:\\\\dir\\\\\"\r\nX_link[0]=\"\"\r\n");
}

TEST(ScriptMessageArrays, RoundTripKeepsBreaksQuotesBackslashesAndLinks) {
    std::vector<clsNews> messages = {
        message("First\r\nsecond \"quoted\""),
        message("ends in a backslash\\"),
        linked("Read", "example.com/?q=\"x\"", "a \"b\" \\c", "_self"),
        linked("New window", "example.com", "go", "_blank"),
    };
    std::string stored = "var X_content = [];\r\n" + MakeMessageArrays(messages) + "start();";
    auto restored = RestoreMessages(stored, static_cast<int>(messages.size()));
    ASSERT_EQ(restored.size(), messages.size());
    for (size_t i = 0; i < messages.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(messages[i], restored[i]);
    }
}

TEST(ScriptMessageArrays, TwelveMessagesComeBackInOrder) {
    std::vector<clsNews> messages;
    for (int i = 1; i <= 12; ++i)
        messages.push_back(message("message " + std::to_string(i)));
    auto restored = RestoreMessages(MakeMessageArrays(messages), 12);
    ASSERT_EQ(restored.size(), 12u);
    EXPECT_EQ(restored[0].NewsText, "message 1");
    EXPECT_EQ(restored[1].NewsText, "message 2");
    EXPECT_EQ(restored[11].NewsText, "message 12");
}

TEST(ScriptMessageArrays, UnreadableOrMissingLinesGiveEmptyFields) {
    auto restored = RestoreMessages("X_content[0]=broken\r\n", 2);
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(restored[0].NewsText, "");
    EXPECT_FALSE(restored[0].AddLink);
    EXPECT_EQ(restored[1].NewsText, "");
}

TEST(ScriptMessageArrays, SingleQuoteInALinkAddressDoesNotComeBackIntact) {
    // Link addresses are written between single quotes as typed; this is the known limit.
    auto restored =
        RestoreMessages(MakeMessageArrays({linked("m", "ex.com/it's", "t", "_self")}), 1);
    EXPECT_EQ(restored[0].URL, "ex.com/it");
    EXPECT_EQ(restored[0].Link, "t");
}

TEST(ScriptString, EscapesQuotesAndBackslashesAndReadsThemBack) {
    EXPECT_EQ(escapeScriptString(R"(a "b" \c)"), R"(a \"b\" \\c)");
    EXPECT_EQ(escapeScriptString("plain 'single'"), "plain 'single'");
    for (std::string text : {"", "\\", "\"", "\\\"\\\\", "x\\ny"})
        EXPECT_EQ(unescapeScriptString(escapeScriptString(text)), text);
}

}  // namespace
}  // namespace norvel::script
