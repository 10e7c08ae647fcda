// The editor's side of a double-click on a webbot block, through a real component library.
#include <gtest/gtest.h>

#include "common/error.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/editor/webbot_rebuild.h"
#include "host/markup/webbot_block.h"
#include "tests/host/editor/editor_fixture.h"

namespace norvel::host {
namespace {

std::string block(const std::string& sClass, const std::string& attributes,
                  const std::string& body) {
    return "<p><!--webbot bot=\"norvelfpbot\" s-class=\"" + sClass + "\" clientside " + attributes +
           " startspan -->\r\n" + body + "\r\n<!--webbot bot=\"norvelfpbot\" endspan --></p>";
}

std::string page(const std::string& body) {
    return "<html>\r\n<head><title>t</title></head>\r\n<body>\r\n" + body +
           "\r\n</body>\r\n</html>\r\n";
}

TEST(WebbotRebuild, ComponentGetsLowerCaseNamesAndTheBody) {
    common::StringDictionary d =
        blockAttributesForComponent({{"s-class", "norvelfp.main"},
                                     {"clientside", ""},
                                     {"dir", "x"},
                                     {"T", "P2"},
                                     {"PREVIEW", "<b>p</b>"},
                                     {"t", "dropped: the first of a name wins"}},
                                    "BODY");
    EXPECT_EQ(d.keys(), (std::vector<std::string>{"clientside", "dir", "t", "preview", "s-html"}));
    EXPECT_EQ(d.value("t"), "P2");
    EXPECT_EQ(d.value("s-html"), "BODY");
}

TEST(WebbotRebuild, KeysTheComponentWroteWinOverOlderOnesDifferingInCase) {
    common::StringDictionary d;
    for (const char* k : {"clientside", "dir", "t", "preview", "s-html"})
        d.add(k, std::string("old ") + k);
    std::vector<std::string> given = d.keys();
    d.set("dir", "kept");     // same key changed in place keeps its place
    d.add("T", "J3");         // replaces "t"
    d.add("PREVIEW", "new");  // replaces "preview"
    d.add("S-HTML", "body");  // replaces "s-html" as the body
    d.add("TAG", "p");
    EXPECT_EQ(rebuildWebbotBlock("norvelfpbot", "norvelfp.main", d, given),
              "<!--webbot bot=\"norvelfpbot\" s-class=\"norvelfp.main\" clientside dir=\"kept\" "
              "T=\"J3\" PREVIEW=\"new\" TAG=\"p\" startspan -->\r\nbody\r\n"
              "<!--webbot bot=\"norvelfpbot\" endspan -->");
}

TEST_F(EditorFixture, EditingABlockRebuildsItFromWhatTheComponentLeft) {
    std::string before = "<p>before</p>\r\n";
    std::string after = "\r\n<p>after</p>";
    writePage("index.htm",
              page(before + block("norveltest.clsBlockEditor", "dir=\"d\" t=\"J1\"", "old body") +
                   after));
    app->openWeb(web.path());
    auto window = app->openPageByPath("index.htm", 1);
    app->editBlock(1);
    std::string html = window->GetDocument()->DocumentHTML();
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(html.substr(blocks[0].bodyBegin, blocks[0].bodyEnd - blocks[0].bodyBegin),
              "<b>rebuilt</b> old body");
    std::vector<std::pair<std::string, std::string>> expected{
        {"s-class", "norveltest.clsBlockEditor"},
        {"clientside", ""},
        {"dir", "d"},
        {"T", "J9"},
        {"quote", "say \"hi\""},
        {"count", "7"}};
    EXPECT_EQ(blocks[0].attributes, expected);
    // Only the block changed; the double quote went into the page as &quot;.
    EXPECT_EQ(html.substr(0, html.find("<p><!--webbot")),
              page(before).substr(0, page(before).find("\r\n</body>")));
    EXPECT_NE(html.find("quote=\"say &quot;hi&quot;\""), std::string::npos);
    EXPECT_EQ(html.substr(html.size() - (after + "\r\n</body>\r\n</html>\r\n").size()),
              after + "\r\n</body>\r\n</html>\r\n");
}

TEST_F(EditorFixture, ACancelledOrFailingEditLeavesThePageAsItWas) {
    std::string original = page(block("norveltest.clsBlockEditor", "mode=\"cancel\"", "x") +
                                "\r\n" + block("norveltest.clsBlockEditor", "mode=\"fail\"", "y") +
                                "\r\n" + block("nothere.clsLoad", "", "z"));
    writePage("index.htm", original);
    app->openWeb(web.path());
    auto window = app->openPageByPath("index.htm", 1);
    app->editBlock(1);
    app->editBlock(2);
    app->editBlock(3);
    EXPECT_EQ(window->GetDocument()->DocumentHTML(), original);
    EXPECT_NE(transcript.str().find("File not found"), std::string::npos);
    EXPECT_NE(transcript.str().find("'nothere.clsLoad' is not registered"), std::string::npos);
    EXPECT_THROW(app->editBlock(4), common::Error);
}

TEST_F(EditorFixture, ABlockInAPageOfAnotherEncodingIsReadAndWrittenInIt) {
    const std::string head =
        "<html>\r\n<head><meta charset=\"windows-1252\"><title>R\xE9sum\xE9</title></head>\r\n"
        "<body>\r\n<p>caf\xE9 \x81</p>\r\n";
    const std::string tail = "\r\n<p>na\xEFve</p>\r\n</body>\r\n</html>\r\n";
    writePage("latin.htm", head +
                               block("norveltest.clsBlockEditor", "dir=\"caf\xE9 &#8594; --&gt;\"",
                                     "caf\xE9 body") +
                               tail);
    app->openWeb(web.path());
    auto window = app->openPageByPath("latin.htm", 1);
    app->editBlock(1);

    // The component saw the text, and its new values went back in the page's encoding.
    std::string text = window->GetDocument()->DocumentHTML();
    auto blocks = findWebbotBlocks(text);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(text.substr(blocks[0].bodyBegin, blocks[0].bodyEnd - blocks[0].bodyBegin),
              "<b>rebuilt</b> caf\u00e9 body");
    EXPECT_EQ(blocks[0].attributes[2],
              (std::pair<std::string, std::string>("dir", "caf\u00e9 \u2192 -->")));
    const std::string& bytes = window->document().page().html();
    EXPECT_TRUE(bytes.starts_with(head)) << bytes;
    EXPECT_TRUE(bytes.ends_with(tail)) << bytes;
    EXPECT_NE(bytes.find("dir=\"caf\xE9 &#8594; --&gt;\""), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("\r\n<b>rebuilt</b> caf\xE9 body\r\n"), std::string::npos) << bytes;
}

}  // namespace
}  // namespace norvel::host
