// The webbot block and its paste, the poll data comparison, and finding a linked style sheet.
#include "common/editor/document.h"
#include "common/error.h"
#include "common/functions.h"
#include "host/editor/webbot_rebuild.h"
#include "host/markup/webbot_block.h"
#include "tests/pollcollection/poll_web_fixture.h"

namespace norvel::poll {
namespace {

using common::StringDictionary;

TEST(PollFunctionsBlock, WritesEveryAttributeButTheBodyAndClientsideInOrder) {
    StringDictionary attributes;
    attributes.set("dir", "phppollx1");
    attributes.set("T", "P2");
    attributes.set("clientside", "");
    attributes.set("S-HTML", "X");
    EXPECT_EQ(common::BuildWebbotBlock(attributes, "norvelfpbot"),
              "<p><!--webbot bot=\"norvelfpbot\" s-class=\"norvelfp.main\" clientside "
              "dir=\"phppollx1\" T=\"P2\" startspan -->\r\nX\r\n"
              "<!--webbot bot=\"norvelfpbot\" endspan --></p>");
}

TEST(PollFunctionsBlock, AnEmptyDictionaryGivesAnEmptyBodyAndGainsTheBodyKey) {
    StringDictionary attributes;
    EXPECT_EQ(common::BuildWebbotBlock(attributes, "norvelfpbot"),
              "<p><!--webbot bot=\"norvelfpbot\" s-class=\"norvelfp.main\" clientside "
              "startspan -->\r\n\r\n<!--webbot bot=\"norvelfpbot\" endspan --></p>");
    EXPECT_TRUE(attributes.exists("S-HTML"));
}

TEST(PollFunctionsBlock, ValuesGoInVerbatimExceptADoubleQuote) {
    StringDictionary attributes;
    attributes.set("PREVIEW", "<span style='width:3'>a & b</span>");
    attributes.set("but", "Vote \"now\"");
    attributes.set("s-html", "kept as an attribute: only S-HTML is the body");
    attributes.set("S-HTML", "<b>\"body\"</b>");
    std::string block = common::BuildWebbotBlock(attributes, "norvelfpbot");
    EXPECT_NE(block.find(" PREVIEW=\"<span style='width:3'>a & b</span>\" "), std::string::npos);
    EXPECT_NE(block.find(" but=\"Vote &quot;now&quot;\" "), std::string::npos) << block;
    EXPECT_NE(block.find(" s-html=\"kept as"), std::string::npos);
    EXPECT_NE(block.find("startspan -->\r\n<b>\"body\"</b>\r\n<!--webbot"), std::string::npos);
}

TEST(PollFunctionsBlock, AnyTypedTextComesBackFromTheWrittenAndTheRebuiltBlock) {
    const std::string typed =
        "Next --> page \"quoted\" & &quot; <b> --!> &amp; &#38; </script> \u00dcber";
    StringDictionary attributes;
    attributes.set("link", typed);
    attributes.set("T", "J1");
    attributes.set("S-HTML", "<a>body</a>");
    std::string page = "<body>" + common::BuildWebbotBlock(attributes, "norvelfpbot") + "</body>";
    auto blocks = host::findWebbotBlocks(page);
    ASSERT_EQ(blocks.size(), 1u) << page;
    ASSERT_EQ(blocks[0].attributes.size(), 4u);  // s-class, clientside, link, T
    EXPECT_EQ(blocks[0].attributes[2], (std::pair<std::string, std::string>("link", typed)));

    // The editor hands the value to the component and writes the block again.
    StringDictionary forComponent = host::blockAttributesForComponent(blocks[0].attributes, "b");
    EXPECT_EQ(forComponent.value("link"), typed);
    std::string rebuilt =
        host::rebuildWebbotBlock("norvelfpbot", "norvelfp.main", forComponent, forComponent.keys());
    auto again = host::findWebbotBlocks(rebuilt);
    ASSERT_EQ(again.size(), 1u) << rebuilt;
    EXPECT_EQ(host::blockAttributesForComponent(again[0].attributes, "b").value("link"), typed);
}

TEST(PollFunctionsPollData, CountsPlayNoPart) {
    EXPECT_TRUE(common::SameQuestionAndAnswers("Q||A||3||B||0", "Q||A||0||B||9"));
    EXPECT_FALSE(common::SameQuestionAndAnswers("Q||A||0", "Q||A||0||B||0"));
    EXPECT_FALSE(common::SameQuestionAndAnswers("Q||A||0||B||0", "Q||A||0||b||0"));
    EXPECT_FALSE(common::SameQuestionAndAnswers("Q||A||0", "Q?||A||0"));
    EXPECT_FALSE(common::SameQuestionAndAnswers("", ""));
    EXPECT_FALSE(common::SameQuestionAndAnswers("Q||A||0", ""));
    EXPECT_TRUE(common::SameQuestionAndAnswers("Q", "Q"));
}

class PollFunctionsPage : public PollWebFixture {};

TEST_F(PollFunctionsPage, FindsALinkedStyleSheetByItsExactAddress) {
    openNewPage("index.htm",
                "<style>p{color:red}</style>"
                "<link rel=\"stylesheet\" href=\"phppollx/pollstyle.css\">");
    std::shared_ptr<common::editor::StyleSheet> sheet;
    ASSERT_TRUE(common::StyleObFinder(runtime(), sheet, "phppollx/pollstyle.css"));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->href(), "phppollx/pollstyle.css");
    EXPECT_FALSE(common::StyleObFinder(runtime(), sheet, "PHPPOLLX/pollstyle.css"));
    EXPECT_EQ(sheet, nullptr);
    // A STYLE element has no address: the empty address finds it.
    ASSERT_TRUE(common::StyleObFinder(runtime(), sheet, ""));
    EXPECT_GT(sheet->rulesLength(), 0);
}

TEST_F(PollFunctionsPage, StyleObFinderWithoutAPageFailsWithItsName) {
    std::shared_ptr<common::editor::StyleSheet> sheet;
    common::Error error = errorOf([&] { common::StyleObFinder(runtime(), sheet, "a.css"); });
    EXPECT_EQ(error.source().rfind("Function StyleObFinder in ", 0), 0u) << error.source();
}

TEST_F(PollFunctionsPage, PastesAtTheSelectionOfTheActivePage) {
    auto window = openNewPage("index.htm");
    common::AddCodeInPlace(runtime(), "<b>poll</b>");
    EXPECT_NE(window->GetDocument()->bodyInnerHTML().find("<b>poll</b>"), std::string::npos);
}

}  // namespace
}  // namespace norvel::poll
