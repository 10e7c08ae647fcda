// Finding webbot blocks: well-formed pairs, malformed ones skipped, values read back as written.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "common/webbot_attribute.h"
#include "host/markup/webbot_block.h"
#include "tests/host/markup/corpus_pages.h"

namespace norvel::host {
namespace {

using Attributes = std::vector<std::pair<std::string, std::string>>;

std::string bodyOf(const std::string& html, const WebbotBlock& block) {
    return html.substr(block.bodyBegin, block.bodyEnd - block.bodyBegin);
}

TEST(MarkupWebbot, GoodBlocksGiveTheirAttributesAndBody) {
    std::string html = tests::corpusPage("webbot_good.htm").bytes;
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 2u);  // the one in a script is text
    EXPECT_EQ(blocks[0].bot, "norvelfpbot");
    EXPECT_EQ(blocks[0].attributes, (Attributes{{"s-class", "norvelfp.main"},
                                                {"clientside", ""},
                                                {"dir", "polls/p1"},
                                                {"T", "P2"},
                                                {"question", "Do you like \"tea\"?"}}));
    EXPECT_EQ(bodyOf(html, blocks[0]),
              "<form method=\"post\" action=\"polls/p1/vote.php\"><p>Do you like \"tea\"?</p>"
              "</form>");
    EXPECT_TRUE(html.substr(blocks[0].begin).starts_with("<!--webbot bot=\"norvelfpbot\" s-class"));
    EXPECT_TRUE(
        html.substr(0, blocks[0].end).ends_with("<!--webbot bot=\"norvelfpbot\" endspan -->"));
    EXPECT_EQ(bodyOf(html, blocks[1]), "<script>document.write(new Date());</script>");
}

TEST(MarkupWebbot, MalformedPairsAreNoBlocksButLaterBlocksCount) {
    std::string html = tests::corpusPage("webbot_broken.htm").bytes;
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(bodyOf(html, blocks[0]), "<p>nested inner</p>");  // the inner of two starts
    EXPECT_EQ(bodyOf(html, blocks[1]), "<p>good one</p>");      // no line breaks to trim
    EXPECT_EQ(blocks[1].attributes, (Attributes{{"s-class", "norvelfp.main"}, {"dir", "ok"}}));
    for (const char* broken : {
             "<!--webbot bot=\"b\" x=y startspan -->a<!--webbot bot=\"b\" endspan -->",
             "<!--webbot bot=\"b\" x=\"y\"z startspan -->a<!--webbot bot=\"b\" endspan -->",
             "<!--webbot bot=\"b\" bot=\"c\" startspan -->a<!--webbot bot=\"b\" endspan -->",
             "<!--webbot s-class=\"b\" startspan -->a<!--webbot bot=\"b\" endspan -->",
             "<!--webbot bot=\"b\" startspan x -->a<!--webbot bot=\"b\" endspan -->",
             "<!--webbot bot=\"b\" startspan --!>a<!--webbot bot=\"b\" endspan -->",
             "<!--WEBBOT bot=\"b\" startspan -->a<!--webbot bot=\"b\" endspan -->",
         })
        EXPECT_TRUE(findWebbotBlocks(broken).empty()) << broken;
}

TEST(MarkupWebbot, ValuesReadBackExactlyAsTyped) {
    const std::string value =
        "say \"hi\" --> a --!> b & &amp; &quot; &gt; &#233; --&gt; <!-- c </script> d";
    std::string formatted = common::encodeWebbotAttributeValue(value);
    EXPECT_EQ(formatted,
              "say &quot;hi&quot; --&gt; a --!&gt; b & &amp;amp; &amp;quot; &amp;gt; &amp;#233; "
              "--&amp;gt; <!-- c </script> d");
    std::string html = "<p><!--webbot bot=\"b\" v=\"" + formatted +
                       "\" startspan -->\r\nbody\r\n<!--webbot bot=\"b\" endspan --></p>";
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].attributes, (Attributes{{"v", value}}));
    EXPECT_EQ(bodyOf(html, blocks[0]), "body");
    EXPECT_EQ(blocks[0].end, html.size() - 4);
}

TEST(MarkupWebbot, BlocksWrittenBeforeReadAsTheyWereMeant) {
    // Earlier writers escaped only the double quote (and the host "-->"); an ampersand stood
    // as it was. A character a single-byte page cannot hold stands as a numeric reference.
    std::string html =
        "<!--webbot bot=\"b\" PREVIEW=\"<a href='?a=1&b=2'>Tom &amp; &quot;Jerry&quot;</a>\" "
        "link=\"Next --&gt; page\" word=\"caf&#233; &#x2192; &#0; &#xD800; &#12\" startspan "
        "-->x<!--webbot bot=\"b\" endspan -->";
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].attributes,
              (Attributes{{"PREVIEW", "<a href='?a=1&b=2'>Tom &amp; \"Jerry\"</a>"},
                          {"link", "Next --> page"},
                          {"word", "caf\u00e9 \u2192 &#0; &#xD800; &#12"}}));
}

}  // namespace
}  // namespace norvel::host
