// The pieces of a body a person clicks between: where they start and end, what keeps them
// together, and that every page, however broken, gives ordered pieces inside its body.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/markup/page_segments.h"
#include "host/markup/page_skeleton.h"
#include "host/markup/webbot_block.h"
#include "tests/host/markup/corpus_pages.h"

namespace norvel::host {
namespace {

using Kind = PageSegment::Kind;

std::string page(const std::string& body) {
    return "<html>\r\n<head><title>t</title></head>\r\n<body>\r\n" + body +
           "\r\n</body>\r\n</html>\r\n";
}

// Each piece as "E:", "T:" or "B<n>:" followed by its bytes.
std::vector<std::string> pieces(const std::string& html) {
    std::vector<std::string> out;
    for (const PageSegment& s : pageSegments(html)) {
        std::string prefix = s.kind == Kind::Element ? "E:"
                             : s.kind == Kind::Text  ? "T:"
                                                     : "B" + std::to_string(s.blockNumber) + ":";
        out.push_back(prefix + html.substr(s.begin, s.end - s.begin));
    }
    return out;
}

using Pieces = std::vector<std::string>;

std::string block(const std::string& body, const std::string& extra = "") {
    return "<!--webbot bot=\"norvelfpbot\" s-class=\"norvelfp.main\" clientside" + extra +
           " startspan -->\r\n" + body + "\r\n<!--webbot bot=\"norvelfpbot\" endspan -->";
}

TEST(MarkupPageSegments, BlockLevelTagsStartPiecesAndLooseTextJoinsThePieceBefore) {
    EXPECT_EQ(pieces(page("<h1>Title</h1>\r\n<p>one <b>two</b></p>\r\nloose text\r\n<hr>\r\n"
                          "<ul><li>a<li>b</ul>")),
              (Pieces{"E:<h1>Title</h1>", "E:<p>one <b>two</b></p>\r\nloose text", "E:<hr>",
                      "E:<ul><li>a<li>b</ul>"}));
    // Text before any block-level tag is a piece of its own; a <br> does not split it.
    EXPECT_EQ(pieces(page("  Hello <i>you</i><br>there\r\n<p>para</p>")),
              (Pieces{"T:Hello <i>you</i><br>there", "E:<p>para</p>"}));
    // Inline start tags with nothing of their own go with the next piece.
    EXPECT_EQ(pieces(page("<font size=2><p>a</p>\r\n<p>b</p></font>")),
              (Pieces{"E:<font size=2><p>a</p>", "E:<p>b</p></font>"}));
    // Unclosed paragraphs still split: each <p> is a new piece.
    EXPECT_EQ(pieces(page("<p>one\r\n<P>two<p>three")),
              (Pieces{"E:<p>one", "E:<P>two", "E:<p>three"}));
}

TEST(MarkupPageSegments, ContainersHoldTheirInnerBlocksTogether) {
    EXPECT_EQ(pieces(page("<table><tr><td><p>a</p><p>b</p></td></tr>\r\n<tr><td><table><tr><td>"
                          "<h2>x</h2></td></tr></table></td></tr></table>\r\n<p>after</p>")),
              (Pieces{"E:<table><tr><td><p>a</p><p>b</p></td></tr>\r\n<tr><td><table><tr><td>"
                      "<h2>x</h2></td></tr></table></td></tr></table>",
                      "E:<p>after</p>"}));
    // An end tag closes what was left open inside its element; stray end tags do nothing.
    EXPECT_EQ(pieces(page("</div><div><ul><li><p>a</div><p>b</p></table><p>c</p>")),
              (Pieces{"E:<div><ul><li><p>a</div>", "E:<p>b</p></table>", "E:<p>c</p>"}));
    // A container the page never closes runs to the end of the body.
    EXPECT_EQ(pieces(page("<p>a</p><div class=x><p>b<p>c\r\n<table><tr><td>d")),
              (Pieces{"E:<p>a</p>", "E:<div class=x><p>b<p>c\r\n<table><tr><td>d"}));
    // A block-level tag in an inline element does not split it: only containers count.
    EXPECT_EQ(pieces(page("<blockquote><center><pre>x\r\n\r\n<p>y</pre></center></blockquote>"
                          "<form><p>f</form>")),
              (Pieces{"E:<blockquote><center><pre>x\r\n\r\n<p>y</pre></center></blockquote>",
                      "E:<form><p>f</form>"}));
}

TEST(MarkupPageSegments, AWebbotBlockIsOnePieceWithItsWrappingTag) {
    std::string first = block("<table><tr><td><p>in</p></td></tr></table></div><div><ul>");
    std::string second = block("<p>second</p>", " dir=\"x\"");
    std::string html = page("<p>before</p>\r\n<p>" + first + "</p>\r\n<p>after</p>\r\n" + second +
                            " tail\r\n<p>see: " + block("3") + "</p>");
    EXPECT_EQ(pieces(html),
              (Pieces{"E:<p>before</p>", "B1:<p>" + first + "</p>", "E:<p>after</p>",
                      "B2:" + second + " tail", "E:<p>see:", "B3:" + block("3") + "</p>"}));
    auto segments = pageSegments(html);
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(segments[1].begin + 3, blocks[0].begin);
    EXPECT_EQ(segments[3].begin, blocks[1].begin);
}

TEST(MarkupPageSegments, ABlockInsideAContainerStaysInItsPieceButKeepsItsNumber) {
    std::string inTable = "<table><tr><td>" + block("<p>x</p>") + "</td></tr></table>";
    std::string html = page(inTable + "\r\n<p>" + block("<p>y</p>") + "</p>");
    EXPECT_EQ(pieces(html), (Pieces{"E:" + inTable, "B2:<p>" + block("<p>y</p>") + "</p>"}));
}

TEST(MarkupPageSegments, EmptyAndUnwrittenBodies) {
    EXPECT_TRUE(pageSegments("").empty());
    EXPECT_TRUE(pageSegments(page("")).empty());
    EXPECT_TRUE(pageSegments(page(" \r\n\t \r\n")).empty());
    EXPECT_TRUE(pageSegments("<html><head><title>x</title></head></html>").empty());
    EXPECT_EQ(pieces(tests::corpusPage("no_body.htm").bytes),
              (Pieces{"E:<h1>Heading</h1>", "E:<p>Content without a body element.</p>"}));
    EXPECT_EQ(pieces("just text"), (Pieces{"T:just text"}));
}

TEST(MarkupPageSegments, CommentsAndScriptsAreNoBlockLevelMarkup) {
    // A comment starts no piece and belongs to the piece before it.
    EXPECT_EQ(pieces(page("<!-- top --><p>a</p>\r\n<!-- <p>not a tag</p> -->\r\n<p>b</p>")),
              (Pieces{"E:<p>a</p>\r\n<!-- <p>not a tag</p> -->", "E:<p>b</p>"}));
    // Script text is text: its "<p>" and "<table>" neither split nor open anything.
    EXPECT_EQ(pieces(page("<script>var s = \"<table><p>\";</script>\r\n<p>a</p>")),
              (Pieces{"T:<script>var s = \"<table><p>\";</script>", "E:<p>a</p>"}));
    std::string tricky = tests::corpusPage("script_tricky.htm").bytes;
    Pieces found = pieces(tricky);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_TRUE(found[0].starts_with("T:<script language")) << found[0];
    EXPECT_EQ(found[1], "E:<p>Visible text.</p>");
}

// Ordered, inside the body, non-overlapping, trimmed, and every block of the body covered.
void expectWellFormed(const std::string& html) {
    PageSkeleton skeleton = findPageSkeleton(html);
    auto blocks = findWebbotBlocks(html);
    auto segments = pageSegments(html, skeleton, blocks);
    size_t previousEnd = skeleton.bodyInnerBegin;
    for (const PageSegment& s : segments) {
        ASSERT_LE(previousEnd, s.begin);
        ASSERT_LT(s.begin, s.end);
        ASSERT_LE(s.end, skeleton.bodyInnerEnd);
        EXPECT_NE(html[s.begin], ' ');
        EXPECT_NE(html[s.end - 1], '\n');
        if (s.kind == Kind::WebbotBlock) {
            ASSERT_GE(s.blockNumber, 1);
            const WebbotBlock& b = blocks[s.blockNumber - 1];
            EXPECT_TRUE(s.begin <= b.begin && b.end <= s.end);
        }
        previousEnd = s.end;
    }
    for (const WebbotBlock& b : blocks) {
        if (b.begin < skeleton.bodyInnerBegin || b.end > skeleton.bodyInnerEnd)
            continue;
        bool covered = false;
        for (const PageSegment& s : segments)
            covered = covered || (s.begin <= b.begin && b.end <= s.end);
        EXPECT_TRUE(covered) << "block at " << b.begin;
    }
}

TEST(MarkupPageSegments, EveryCorpusPageGivesOrderedPiecesInsideItsBody) {
    for (const auto& corpus : tests::corpusPages()) {
        SCOPED_TRACE(corpus.name);
        expectWellFormed(corpus.bytes);
    }
    auto good = pieces(tests::corpusPage("webbot_good.htm").bytes);
    ASSERT_EQ(good.size(), 4u);
    EXPECT_TRUE(good[1].starts_with("B1:<!--webbot")) << good[1];
    EXPECT_TRUE(good[3].starts_with("B2:<!--webbot")) << good[3];
}

TEST(MarkupPageSegments, CutPagesStillGiveWellFormedPieces) {
    for (const auto& corpus : tests::corpusPages()) {
        SCOPED_TRACE(corpus.name);
        const std::string& bytes = corpus.bytes;
        size_t step = std::max<size_t>(1, bytes.size() / 60);
        for (size_t length = 0; length < bytes.size(); length += step)
            expectWellFormed(bytes.substr(0, length));
    }
}

TEST(MarkupPageSegments, DeepNestingAndManyStrayEndTagsStayCorrect) {
    std::string body;
    for (int i = 0; i < 20000; ++i)
        body += "<div>";
    for (int i = 0; i < 20000; ++i)
        body += "</table>";
    body += "<p>inside</p>";
    for (int i = 0; i < 20000; ++i)
        body += "</div>";
    body += "<p>outside</p>";
    // The skeleton is given: the tree builder is slow on such nesting, and it is not tested.
    std::string html = "<body>" + body + "</body>";
    PageSkeleton skeleton;
    skeleton.bodyInnerBegin = 6;
    skeleton.bodyInnerEnd = 6 + body.size();
    auto segments = pageSegments(html, skeleton, {});
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(html.substr(segments[1].begin, segments[1].end - segments[1].begin),
              "<p>outside</p>");
}

}  // namespace
}  // namespace norvel::host
