// The tokenizer pass: where tags, comments and raw text end, read as a browser reads them.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "host/markup/gumbo_input.h"
#include "host/markup/gumbo_parse.h"
#include "host/markup/markup_scanner.h"
#include "tests/host/markup/corpus_pages.h"

namespace norvel::host {
namespace {

using Kind = MarkupToken::Kind;

// The tokens as "kind:name:source" strings, for readable comparisons.
std::vector<std::string> tokensOf(std::string_view html) {
    std::vector<std::string> out;
    for (const MarkupToken& token : scanMarkup(html)) {
        static const char* const kinds[] = {"start", "end", "comment", "doctype", "text"};
        out.push_back(std::string(kinds[static_cast<int>(token.kind)]) + ":" + token.name + ":" +
                      std::string(html.substr(token.begin, token.end - token.begin)));
    }
    return out;
}

TEST(MarkupScanner, ScriptEndsAtItsEndTagButNotInsideItsEscapedPart) {
    EXPECT_EQ(tokensOf("<script><!--document.write(\"<script>x</script>\");--></script><p>"),
              (std::vector<std::string>{"start:script:<script>",
                                        "text::<!--document.write(\"<script>x</script>\");-->",
                                        "end:script:</script>", "start:p:<p>"}));
    // Without a nested <script>, the escaped part ends at the first </script>.
    EXPECT_EQ(
        tokensOf("<script><!--a</script>b"),
        (std::vector<std::string>{"start:script:<script>", "text::<!--a", "end:script:</script>"}));
    // "</head>" and "<body>" in a script are text; "</SCRIPT >" closes it.
    EXPECT_EQ(tokensOf("<script>x = '</head><body>';</SCRIPT ><i>"),
              (std::vector<std::string>{"start:script:<script>", "text::x = '</head><body>';",
                                        "end:script:</SCRIPT >", "start:i:<i>"}));
    // "</script" needs a blank, '/' or '>' after it: at the end of the input it is text.
    EXPECT_EQ(tokensOf("<script>a</scripts>b</script"),
              (std::vector<std::string>{"start:script:<script>", "text::a</scripts>b</script"}));
}

TEST(MarkupScanner, RawTextEndsOnlyAtItsOwnDelimitedEndTag) {
    EXPECT_EQ(tokensOf("<style>a</stylex>b</style  >c"),
              (std::vector<std::string>{"start:style:<style>", "text::a</stylex>b",
                                        "end:style:</style  >"}));
    EXPECT_EQ(tokensOf("<title>a</title"),
              (std::vector<std::string>{"start:title:<title>", "text::a</title"}));
    EXPECT_EQ(tokensOf("<textarea></TEXTAREA/>q"),
              (std::vector<std::string>{"start:textarea:<textarea>", "end:textarea:</TEXTAREA/>"}));
    EXPECT_EQ(tokensOf("<xmp><b></xmp><plaintext></body><b>"),
              (std::vector<std::string>{"start:xmp:<xmp>", "text::<b>", "end:xmp:</xmp>",
                                        "start:plaintext:<plaintext>", "text::</body><b>"}));
}

TEST(MarkupScanner, QuotesOpenAValueOnlyAfterAnEqualsSign) {
    EXPECT_EQ(tokensOf("<a title=\"x>y\" b='>' c=d>z"),
              (std::vector<std::string>{"start:a:<a title=\"x>y\" b='>' c=d>"}));
    EXPECT_EQ(tokensOf("<a =\"x>\">"), (std::vector<std::string>{"start:a:<a =\"x>"}));
    EXPECT_EQ(tokensOf("<a b==\" x>\">"), (std::vector<std::string>{"start:a:<a b==\" x>"}));
    EXPECT_EQ(tokensOf("<a b\"c=\"d>\">"), (std::vector<std::string>{"start:a:<a b\"c=\"d>\">"}));
    EXPECT_EQ(tokensOf("</p class=\">\">"), (std::vector<std::string>{"end:p:</p class=\">\">"}));
}

TEST(MarkupScanner, CommentsAndBogusCommentsEndWhereBrowsersEndThem) {
    EXPECT_EQ(tokensOf("<!--><!---><!-- a --!> b --><!-- c --->"),
              (std::vector<std::string>{"comment::<!-->", "comment::<!--->", "comment::<!-- a --!>",
                                        "comment::<!-- c --->"}));
    EXPECT_EQ(
        tokensOf("<!DOCTYPE html><?xml version=\"1.0\"?></3 x><![CDATA[ a > b ]]>"),
        (std::vector<std::string>{"doctype::<!DOCTYPE html>", "comment::<?xml version=\"1.0\"?>",
                                  "comment::</3 x>", "comment::<![CDATA[ a >"}));
    EXPECT_EQ(tokensOf("a < b </> <!-- never closed <p>"),
              (std::vector<std::string>{"comment::<!-- never closed <p>"}));
}

TEST(MarkupScanner, ATagTheInputEndsInsideIsDropped) {
    std::string html = "<p>a<b c=\"x>";
    MarkupScanner scanner(html);
    MarkupToken token;
    ASSERT_TRUE(scanner.next(token));
    EXPECT_EQ(token.name, "p");
    EXPECT_FALSE(scanner.next(token));
    EXPECT_EQ(scanner.markupEnd(), 4u);
    EXPECT_EQ(tokensOf("<p>a</p"), (std::vector<std::string>{"start:p:<p>"}));
}

TEST(MarkupScanner, AttributesAreReadAsTheTokenizerReadsThem) {
    auto attributes = parseTagAttributes(
        "<LINK REL=StyleSheet href='a&amp;b.css' rel=\"x\" Title=\"&quot;&#65;&#x42;\" "
        "disabled src=x.gif/>");
    ASSERT_EQ(attributes.size(), 5u);
    EXPECT_EQ(attributes[0].name, "rel");
    EXPECT_EQ(attributes[0].value, "StyleSheet");  // the first of repeated names wins
    EXPECT_EQ(attributes[1].value, "a&b.css");
    EXPECT_EQ(attributes[2].name, "title");
    EXPECT_EQ(attributes[2].value, "\"AB");
    EXPECT_EQ(attributes[3].name, "disabled");
    EXPECT_EQ(attributes[3].value, "");
    EXPECT_EQ(attributes[4].value, "x.gif/");  // an unquoted value takes the '/'
    auto odd = parseTagAttributes("<a/b ='c' d = \"e\"/>");
    ASSERT_EQ(odd.size(), 2u);
    EXPECT_EQ(odd[0].name, "b");
    EXPECT_EQ(odd[0].value, "c");
    EXPECT_EQ(odd[1].name, "d");
    EXPECT_EQ(odd[1].value, "e");
}

TEST(MarkupScanner, CharacterReferencesDecodeAsInAttributeValues) {
    EXPECT_EQ(decodeCharacterReferences("&amp;&lt;&gt;&quot;&apos;&nbsp;"), "&<>\"'\xC2\xA0");
    EXPECT_EQ(decodeCharacterReferences("&#65;&#x42;&#X43;&#0068"), "ABCD");
    EXPECT_EQ(decodeCharacterReferences("&#150;&#128;"), "\xE2\x80\x93\xE2\x82\xAC");  // – €
    EXPECT_EQ(decodeCharacterReferences("&#0;&#xD800;&#99999999999;"),
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(decodeCharacterReferences("&copy; & &#; &#x; a&b"), "&copy; & &#; &#x; a&b");
}

// Every element gumbo built from a written tag starts at a tag the scanner found, and ends
// with it: the scanner reads the corpus as a browser's tokenizer does.
TEST(MarkupScanner, FindsTheTagsGumboFindsInTheCorpus) {
    for (const auto& page : tests::corpusPages()) {
        SCOPED_TRACE(page.name);
        std::map<size_t, size_t> tagEnds;
        for (const MarkupToken& token : scanMarkup(page.bytes))
            if (token.kind == Kind::StartTag || token.kind == Kind::EndTag)
                tagEnds[token.begin] = token.end;
        GumboParse parse(gumboInputKeepingOffsets(page.bytes));
        std::vector<const GumboNode*> pending{parse.root()};
        size_t checked = 0;
        while (!pending.empty()) {
            const GumboNode* node = pending.back();
            pending.pop_back();
            if (node->type != GUMBO_NODE_ELEMENT)
                continue;
            const GumboElement& element = node->v.element;
            // Inside SVG and MathML the tokenizer reads raw text differently (see the header).
            if (element.tag_namespace != GUMBO_NAMESPACE_HTML)
                continue;
            if (element.original_tag.length > 0) {
                size_t begin = element.start_pos.offset;
                ASSERT_TRUE(tagEnds.count(begin)) << "no tag at " << begin;
                EXPECT_EQ(tagEnds[begin], begin + element.original_tag.length) << "at " << begin;
                ++checked;
            }
            for (unsigned i = 0; i < element.children.length; ++i)
                pending.push_back(static_cast<const GumboNode*>(element.children.data[i]));
        }
        if (!page.bytes.empty() && page.name != "data_file.txt") {
            EXPECT_GT(checked, 0u);
        }
    }
}

}  // namespace
}  // namespace norvel::host
