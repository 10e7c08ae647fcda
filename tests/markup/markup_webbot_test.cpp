// Finding webbot blocks: well-formed pairs, malformed ones skipped, values read back as written.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/markup/webbot_block.h"
#include "tests/markup/corpus_pages.h"

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

TEST(MarkupWebbot, ValuesReadBackAsTheyWereFormatted) {
    const std::string value = "say \"hi\" --> a --!> b & &amp; <!-- c";
    std::string formatted = formatWebbotAttributeValue(value);
    EXPECT_EQ(formatted, "say &quot;hi&quot; --&gt; a --!&gt; b & &amp; <!-- c");
    std::string html = "<p><!--webbot bot=\"b\" v=\"" + formatted +
                       "\" startspan -->\r\nbody\r\n<!--webbot bot=\"b\" endspan --></p>";
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].attributes, (Attributes{{"v", value}}));
    EXPECT_EQ(bodyOf(html, blocks[0]), "body");
    EXPECT_EQ(blocks[0].end, html.size() - 4);
}

}  // namespace
}  // namespace norvel::host
