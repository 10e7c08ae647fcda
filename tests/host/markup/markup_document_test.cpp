// The page model's edits, selection, text and style sheets on small pages.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "host/markup/html_document.h"
#include "tests/host/markup/corpus_pages.h"

namespace norvel::host {
namespace {

const std::string kPage = "<html><head><title>t</title></head><body>one two three</body></html>";

size_t at(const std::string& html, const std::string& text) {
    return html.find(text);
}

TEST(MarkupDocument, TheSelectionMovesWithTheTextAcrossSplices) {
    HtmlDocument page(kPage);
    ASSERT_TRUE(page.selectText("two"));
    size_t two = at(kPage, "two");
    EXPECT_EQ(page.selection().begin, two);
    EXPECT_EQ(page.selection().end, two + 3);

    page.replaceRange(at(kPage, "t</title>"), at(kPage, "t</title>") + 1, "longer");  // before
    size_t moved = two + 5;
    EXPECT_EQ(page.selection().begin, moved);
    EXPECT_EQ(page.selection().end, moved + 3);

    page.replaceRange(moved + 4, moved + 9, "");  // after: "three" removed
    EXPECT_EQ(page.selection().begin, moved);
    EXPECT_EQ(page.selection().end, moved + 3);

    page.replaceRange(moved + 2, moved + 4, "OO");  // over its end: it ends after the new text
    EXPECT_EQ(page.selection().begin, moved);
    EXPECT_EQ(page.selection().end, moved + 4);

    page.pasteHtml("<b>2</b>");  // replaces the selection "twOO"; the caret follows the paste
    EXPECT_EQ(page.html(),
              "<html><head><title>longer</title></head><body>one <b>2</b></body></html>");
    EXPECT_EQ(page.selection().begin, moved + 8);
    EXPECT_EQ(page.selection().end, moved + 8);
}

TEST(MarkupDocument, TheCaretStaysInTheBody) {
    HtmlDocument page(kPage);
    EXPECT_EQ(page.selection().begin, at(kPage, "</body>"));  // a page starts at the body's end
    page.selectRange(0, 5);                                   // clamped into the body
    EXPECT_EQ(page.selection().begin, at(kPage, "one"));
    EXPECT_EQ(page.selection().end, at(kPage, "one"));
    EXPECT_FALSE(page.caretAfterText("title"));  // only the body is searched
    EXPECT_FALSE(page.selectText(""));
    EXPECT_EQ(page.selection().begin, at(kPage, "one"));
    // The body's content is replaced around the caret: it stays inside the new body.
    page.caretAtBodyEnd();
    page.setBodyInnerHtml("x");
    page.pasteHtml("y");
    EXPECT_EQ(page.bodyInnerHtml(), "xy");
    page.setHtml("<p>new page</p>");
    page.pasteHtml("!");
    EXPECT_EQ(page.html(), "<p>new page</p>!");
}

TEST(MarkupDocument, ContentInsertedWhereThePageLeavesSomethingOpenStandsAsMarkup) {
    HtmlDocument comment("<html><head></head><body><p>x</p><!-- never closed");
    comment.pasteHtml("<p>y</p>");
    EXPECT_EQ(comment.html(), "<html><head></head><body><p>x</p><!-- never closed--><p>y</p>");
    HtmlDocument script("<title>t</title><script><!--<script>");
    script.setBodyInnerHtml("b");
    EXPECT_EQ(script.html(), "<title>t</title><script><!--<script>--></script><body>b</body>");
    EXPECT_EQ(script.bodyInnerHtml(), "b");
    HtmlDocument title("<head><title>t");
    title.appendStyleSheetLink("a.css");
    EXPECT_EQ(
        title.html(),
        "<head><title>t</title>\n<link rel=\"stylesheet\" type=\"text/css\" href=\"a.css\">\n");
    ASSERT_EQ(title.styleSources().size(), 1u);
    EXPECT_TRUE(title.styleSources()[0].inHead);
    // Here the title runs into an end tag that the page ends inside: a browser drops that tag.
    HtmlDocument dropped("<head><title>t</title x=\"y>");
    dropped.appendStyleSheetLink("a.css");
    EXPECT_EQ(dropped.html(),
              "<head><title>t</title>\n<link rel=\"stylesheet\" type=\"text/css\" "
              "href=\"a.css\">\n</title x=\"y>");
    ASSERT_EQ(dropped.styleSources().size(), 1u);
    EXPECT_TRUE(dropped.styleSources()[0].inHead);
}

TEST(MarkupDocument, BodyTextDecodesEntitiesAndLeavesScriptsOut) {
    HtmlDocument page(tests::corpusPage("entities_text.htm").bytes);
    EXPECT_EQ(page.bodyInnerText(),
              "\r\nFish & chips <3 \xC2\xA9 2000 \xE2\x82\xAC \xE2\x98\xBA \xC2\xA0"
              "end\r\nLine one\r\nLine two\r\nLine three\r\n\r\n\r\n");
    HtmlDocument lf("<body>a<br>b\n<noscript>n</noscript><style>s</style>c &amp; d</body>");
    EXPECT_EQ(lf.bodyInnerText(), "a\nb\nc & d");
}

TEST(MarkupDocument, ADataFileReadsBackLineByLine) {
    HtmlDocument data(tests::corpusPage("data_file.txt").bytes);
    std::vector<std::string> lines;
    std::string text = data.bodyInnerText();
    for (size_t pos = 0, end; (end = text.find("\r\n", pos)) != std::string::npos; pos = end + 2)
        lines.push_back(text.substr(pos, end - pos));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "Q||A||3||B||1");
    EXPECT_EQ(lines[1], "What is your favourite colour?||Red||12||Blue||7");
    // Windows-1252 bytes survive the parser, even where markup sends the text through it.
    HtmlDocument latin("Caf\xE9 & cr\xE8me||2\r\n<b>\x93x\x94</b>||1\r\n");
    EXPECT_EQ(latin.bodyInnerText(), "Caf\xE9 & cr\xE8me||2\r\n\x93x\x94||1\r\n");
}

TEST(MarkupDocument, BodyStartTagIsTheWrittenOneAsItStands) {
    HtmlDocument written(
        "<html><head><title>a<body></title></head>\r\n"
        "<BODY bgcolor=\"#ffffcc\" onload=\"x('<body>')\">\r\n<p>x</p></BODY>");
    EXPECT_EQ(written.bodyStartTag(), "<BODY bgcolor=\"#ffffcc\" onload=\"x('<body>')\">");
    HtmlDocument implied("<p>no body tag</p>");
    EXPECT_EQ(implied.bodyStartTag(), "");
    HtmlDocument bodyless("<html><bodyx><p>x</p></html>");
    EXPECT_EQ(bodyless.bodyStartTag(), "");
}

TEST(MarkupDocument, StyleSourcesListStyleElementsAndStyleSheetLinks) {
    std::string html = tests::corpusPage("style_links.htm").bytes;
    HtmlDocument page(html);
    auto sources = page.styleSources();
    ASSERT_EQ(sources.size(), 5u);
    EXPECT_EQ(sources[0].href, "styles/site.css");   // rel="StyleSheet"
    EXPECT_EQ(sources[1].href, "styles/large.css");  // rel="alternate stylesheet"
    EXPECT_FALSE(sources[2].isLink);
    EXPECT_EQ(html.substr(sources[2].textBegin, sources[2].textEnd - sources[2].textBegin),
              "\r\np { margin: 0 }\r\n.warn { color: red; font-weight: bold }\r\n");
    EXPECT_EQ(html.substr(sources[2].elementEnd - 8, 8), "</style>");
    EXPECT_EQ(sources[3].href, "styles/print.css?v=2&x=1");
    EXPECT_EQ(sources[4].href, "body-link.css");
    for (size_t i = 0; i < 4; ++i)
        EXPECT_TRUE(sources[i].inHead) << i;
    EXPECT_FALSE(sources[4].inHead);
}

TEST(MarkupDocument, ANewLinkFollowsTheHeadsLastStyleSheet) {
    HtmlDocument page(tests::corpusPage("style_links.htm").bytes);
    page.appendStyleSheetLink("new \"one\".css");
    EXPECT_NE(page.html().find("media=print>\r\n<link rel=\"stylesheet\" type=\"text/css\" "
                               "href=\"new &quot;one&quot;.css\">\r\n</head>"),
              std::string::npos);
    EXPECT_EQ(page.styleSources()[4].href, "new \"one\".css");

    HtmlDocument none("<html><head>\n<title>t</title>\n</head><body></body></html>");
    none.appendStyleSheetLink("a.css");
    EXPECT_EQ(none.html(),
              "<html><head>\n<title>t</title>\n<link rel=\"stylesheet\" type=\"text/css\" "
              "href=\"a.css\">\n</head><body></body></html>");
    HtmlDocument implied("<p>x</p>");
    implied.appendStyleSheetLink("a.css");
    EXPECT_EQ(implied.html(),
              "<link rel=\"stylesheet\" type=\"text/css\" href=\"a.css\">\n<p>x</p>");
    // After a STYLE left open the link would be its text: it goes after it, closing it.
    HtmlDocument open("<head><style>p{}");
    open.appendStyleSheetLink("a.css");
    EXPECT_EQ(open.styleSources().size(), 2u);
}

TEST(MarkupDocument, ImpliedHeadAndBodyAreWrittenWhenSet) {
    HtmlDocument page("<!DOCTYPE html>\r\n<p>text</p>\r\n");
    page.setHeadInnerHtml("<title>x</title>");
    EXPECT_EQ(page.html(), "<!DOCTYPE html><head><title>x</title></head>\r\n\r\n<p>text</p>\r\n");
    EXPECT_EQ(page.headInnerHtml(), "<title>x</title>");
    page.setBodyInnerHtml("<p>new</p>");
    EXPECT_EQ(page.html(),
              "<!DOCTYPE html><head><title>x</title></head>\r\n\r\n<body><p>new</p></body>");
    EXPECT_EQ(page.bodyInnerHtml(), "<p>new</p>");
}

}  // namespace
}  // namespace norvel::host
