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
              "X_link[1]=\"<a target='_blank' href='http://example.com/a'>here<\\/a>\"\r\n");
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
    auto restored = RestoreMessages("X_content[0]=broken\r\nX_link[1]=\"<a \r\n", 2);
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(restored[0].NewsText, "");
    EXPECT_FALSE(restored[0].AddLink);
    EXPECT_EQ(restored[1].NewsText, "");
    EXPECT_FALSE(restored[1].AddLink);
}

TEST(ScriptMessageArrays, AnyTypedTextComesBackIntact) {
    const std::string hostile =
        "it's \"q\" </script> <!-- <SCRIPT> & &amp; &#39; \\ "
        "\u00dcber \u2028 \u2029 \U0001F600 </a> end";
    std::vector<clsNews> messages = {message(hostile + "\r\nsecond line"),
                                     linked(hostile, "ex.com/it's?a=1&amp;b", hostile, "_self")};
    std::string stored = MakeMessageArrays(messages);
    for (const char* forbidden : {"</", "<!--", "<script", "<SCRIPT", "\u2028", "\u00dc"})
        EXPECT_EQ(stored.find(forbidden), std::string::npos) << forbidden << " in " << stored;
    auto restored = RestoreMessages(stored, 2);
    ASSERT_EQ(restored.size(), 2u);
    expectSame(messages[0], restored[0]);
    expectSame(messages[1], restored[1]);
}

TEST(ScriptMessageArrays, BlocksWrittenBeforeStillReadBack) {
    std::string stored =
        "X_content[0]=\"say \\\"hi\\\"<br>next \\\\ end\"\r\n"
        "X_link[0]=\"<a target='_blank' href='http://ex.com/?a=1&b=2'>read \\\"more\\\"</a>\"\r\n";
    auto restored = RestoreMessages(stored, 1);
    ASSERT_EQ(restored.size(), 1u);
    EXPECT_EQ(restored[0].NewsText, "say \"hi\"\r\nnext \\ end");
    EXPECT_EQ(restored[0].URL, "ex.com/?a=1&b=2");
    EXPECT_EQ(restored[0].Link, "read \"more\"");
    EXPECT_EQ(restored[0].Target, "_blank");
}

TEST(ScriptMessageArrays, ADamagedCountRestoresOnlyWhatTheTextHolds) {
    std::string stored = MakeMessageArrays({message("one"), message("two")});
    auto restored = RestoreMessages(stored, 2000000000);
    ASSERT_EQ(restored.size(), 2u);
    EXPECT_EQ(restored[1].NewsText, "two");
    EXPECT_TRUE(RestoreMessages(stored, -5).empty());
    // A gap in the elements gives an empty message in its place.
    restored = RestoreMessages("X_content[0]=\"a\"\r\nX_content[2]=\"c\"\r\n", 99);
    ASSERT_EQ(restored.size(), 3u);
    EXPECT_EQ(restored[1].NewsText, "");
    EXPECT_EQ(restored[2].NewsText, "c");
}

TEST(ScriptString, EscapesWhatWouldEndTheStringOrTheScriptElement) {
    EXPECT_EQ(escapeScriptString(R"(a "b" \c)"), R"(a \"b\" \\c)");
    EXPECT_EQ(escapeScriptString("plain 'single' a<b"), "plain 'single' a<b");
    EXPECT_EQ(escapeScriptString("</script><!--<Script>"), R"(<\/script>\x3C!--\x3CScript>)");
    EXPECT_EQ(escapeScriptString("1\r\n2\t\x01"), R"(1\r\n2\t\x01)");
    EXPECT_EQ(escapeScriptString("\u00e9\u2028\u2029\U0001F600"),
              R"(\u00E9\u2028\u2029\uD83D\uDE00)");
    for (std::string text : {"", "\\", "\"", "\\\"\\\\", "x\\ny", "</script>", "\xff\xfe bytes",
                             "\u00dcber caf\u00e9 \u2028", "\U0001F600\r\n\x7f"})
        EXPECT_EQ(unescapeScriptString(escapeScriptString(text)), text) << text;
}

TEST(ScriptString, ReadsEscapesAsAScriptEngineDoes) {
    EXPECT_EQ(unescapeScriptString(R"(\x41\u0042\u{43}\q\'\/)"), "ABCq'/");
    EXPECT_EQ(unescapeScriptString(R"(\uD83D\uDE00)"), "\U0001F600");
    EXPECT_EQ(unescapeScriptString(R"(\uD83D!)"), "\uFFFD!");  // a lone half
    EXPECT_EQ(unescapeScriptString(R"(\xZ\u12)"), "xZu12");
}

}  // namespace
}  // namespace norvel::script
