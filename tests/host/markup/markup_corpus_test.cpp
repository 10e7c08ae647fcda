// Every corpus page through the page model: read without change, saved byte for byte, the
// fast scan in agreement with the tree, and every edit confined to its own bytes.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/editor/host_document.h"
#include "host/markup/html_document.h"
#include "host/markup/open_markup.h"
#include "host/markup/page_skeleton.h"
#include "tests/host/markup/corpus_pages.h"
#include "tests/host/markup/page_outline.h"
#include "tests/support/temporary_folder.h"

namespace norvel::host {
namespace {

using tests::corpusPages;

TEST(MarkupCorpus, HoldsEnoughVariedPages) {
    EXPECT_GE(corpusPages().size(), 30u);
}

TEST(MarkupCorpus, ReadingAPageChangesNoByte) {
    for (const auto& page : corpusPages()) {
        SCOPED_TRACE(page.name);
        HtmlDocument document(page.bytes);
        document.headInnerHtml();
        document.bodyInnerHtml();
        document.bodyInnerText();
        document.styleSources();
        document.selection();
        document.caretAtBodyStart();
        EXPECT_EQ(document.html(), page.bytes);
    }
}

TEST(MarkupCorpus, HostDocumentSavesEveryPageByteForByte) {
    tests::TemporaryFolder web;
    for (const auto& page : corpusPages()) {
        SCOPED_TRACE(page.name);
        auto original = web.path() / page.name;
        std::ofstream(original, std::ios::binary) << page.bytes;
        auto document = HostDocument::load(original, web.path());
        EXPECT_FALSE(document->modified());
        document->styleSheetsLength();
        document->bodyInnerText();
        auto copy = web.path() / ("saved-" + page.name);
        document->saveTo(copy);
        EXPECT_EQ(tests::readBytes(copy), page.bytes);
        EXPECT_EQ(document->page().html(), page.bytes);
        // Read as text in the page's own encoding and written back, every byte is the same.
        EXPECT_EQ(document->encoding().encode(document->DocumentHTML()), page.bytes);
    }
}

// The pages whose head and body the fast scan must place without a tree: the usual page.
const std::set<std::string> kDecidedByScan = {
    "attribute_gt.htm",         "bom_utf8.htm",
    "comments_around_html.htm", "conditional_comments.htm",
    "entities_text.htm",        "forms_select_textarea.htm",
    "frontpage_crlf.htm",       "long_line.htm",
    "noscript_head.htm",        "nul_bytes.htm",
    "object_marquee.htm",       "plain_lf.htm",
    "raw_text_elements.htm",    "script_tricky.htm",
    "style_links.htm",          "style_tricky.htm",
    "table_in_select_mess.htm", "unquoted_attributes.htm",
    "uppercase_tags.htm",       "webbot_broken.htm",
    "webbot_good.htm",          "windows1252.htm",
    "xhtml_prolog.htm"};

TEST(MarkupCorpus, FastScanDecidesTheUsualPagesAsTheTreeDoes) {
    std::set<std::string> decided;
    for (const auto& page : corpusPages()) {
        SCOPED_TRACE(page.name);
        PageSkeleton scanned;
        if (!scanPageSkeleton(page.bytes, scanned)) {
            EXPECT_FALSE(findPageSkeleton(page.bytes).fromScan);
            continue;
        }
        decided.insert(page.name);
        PageSkeleton tree = findPageSkeletonWithGumbo(page.bytes);
        EXPECT_TRUE(scanned.fromScan);
        EXPECT_FALSE(tree.fromScan);
        tree.fromScan = true;
        EXPECT_EQ(scanned, tree) << "scan head " << scanned.headInnerBegin << "-"
                                 << scanned.headInnerEnd << " body " << scanned.bodyInnerBegin
                                 << "-" << scanned.bodyInnerEnd << "; tree head "
                                 << tree.headInnerBegin << "-" << tree.headInnerEnd << " body "
                                 << tree.bodyInnerBegin << "-" << tree.bodyInnerEnd;
    }
    EXPECT_EQ(decided, kDecidedByScan);
}

// `after` is `before` with [begin, end) replaced by `text`.
void expectSplice(const std::string& before, const std::string& after, size_t begin, size_t end,
                  const std::string& text) {
    ASSERT_LE(begin, end);
    ASSERT_LE(end, before.size());
    ASSERT_EQ(after.size(), before.size() - (end - begin) + text.size());
    EXPECT_EQ(after.compare(0, begin, before, 0, begin), 0) << "bytes before the span changed";
    EXPECT_EQ(after.compare(begin, text.size(), text), 0) << "the span holds something else";
    EXPECT_EQ(after.compare(begin + text.size(), std::string::npos, before, end), 0)
        << "bytes after the span changed";
}

// What an edit writes over [begin, end): at the end of a page that leaves a comment or raw
// text open there (unclosed_tags.htm ends inside its <title>), behind what closes it.
std::string written(const std::string& page, size_t begin, size_t end, const std::string& text) {
    return closerBefore(page, begin, end) + text;
}

TEST(MarkupCorpus, EachEditChangesOnlyItsOwnSpan) {
    const std::string pasted = "<b>pasted</b>";
    for (const auto& page : corpusPages()) {
        SCOPED_TRACE(page.name);
        const PageSkeleton s = findPageSkeleton(page.bytes);
        const std::string lb = HtmlDocument(page.bytes).lineBreak();
        {
            SCOPED_TRACE("set head");
            HtmlDocument document(page.bytes);
            document.setHeadInnerHtml("<meta name=x>");
            expectSplice(
                page.bytes, document.html(), s.headInnerBegin, s.headInnerEnd,
                written(page.bytes, s.headInnerBegin, s.headInnerEnd,
                        s.headWritten ? "<meta name=x>" : "<head><meta name=x></head>" + lb));
        }
        {
            SCOPED_TRACE("set body");
            HtmlDocument document(page.bytes);
            document.setBodyInnerHtml("<p>new</p>");
            expectSplice(page.bytes, document.html(), s.bodyInnerBegin, s.bodyInnerEnd,
                         written(page.bytes, s.bodyInnerBegin, s.bodyInnerEnd,
                                 s.bodyWritten ? "<p>new</p>" : "<body><p>new</p></body>"));
        }
        {
            SCOPED_TRACE("paste at the start and the end");
            HtmlDocument document(page.bytes);
            document.pasteHtml(pasted);
            expectSplice(page.bytes, document.html(), s.bodyInnerEnd, s.bodyInnerEnd,
                         written(page.bytes, s.bodyInnerEnd, s.bodyInnerEnd, pasted));
            HtmlDocument atStart(page.bytes);
            atStart.caretAtBodyStart();
            atStart.pasteHtml(pasted);
            expectSplice(page.bytes, atStart.html(), s.bodyInnerBegin, s.bodyInnerBegin,
                         written(page.bytes, s.bodyInnerBegin, s.bodyInnerBegin, pasted));
        }
        // Some text from the middle of the body, found again from the body's start.
        std::string body = page.bytes.substr(s.bodyInnerBegin, s.bodyInnerEnd - s.bodyInnerBegin);
        if (body.size() >= 8) {
            std::string text = body.substr(body.size() / 2, 4);
            size_t at = s.bodyInnerBegin + body.find(text);
            SCOPED_TRACE("paste after and over text");
            HtmlDocument after(page.bytes);
            ASSERT_TRUE(after.caretAfterText(text));
            after.pasteHtml(pasted);
            expectSplice(page.bytes, after.html(), at + 4, at + 4,
                         written(page.bytes, at + 4, at + 4, pasted));
            HtmlDocument over(page.bytes);
            ASSERT_TRUE(over.selectText(text));
            over.pasteHtml(pasted);
            expectSplice(page.bytes, over.html(), at, at + 4,
                         written(page.bytes, at, at + 4, pasted));
        }
        {
            SCOPED_TRACE("replace a range");
            HtmlDocument document(page.bytes);
            size_t begin = page.bytes.size() / 3;
            size_t end = page.bytes.size() / 2;
            document.replaceRange(begin, end, "[x]");
            expectSplice(page.bytes, document.html(), begin, end, "[x]");
        }
        {
            SCOPED_TRACE("link a style sheet");
            HtmlDocument document(page.bytes);
            document.appendStyleSheetLink("new.css");
            const std::string& now = document.html();
            size_t prefix = 0;
            while (prefix < page.bytes.size() && now[prefix] == page.bytes[prefix])
                ++prefix;
            size_t suffix = 0;
            while (suffix < page.bytes.size() - prefix &&
                   now[now.size() - 1 - suffix] == page.bytes[page.bytes.size() - 1 - suffix])
                ++suffix;
            EXPECT_EQ(prefix + suffix, page.bytes.size()) << "more than an insertion";
            EXPECT_NE(now.substr(prefix, now.size() - page.bytes.size()).find("href=\"new.css\""),
                      std::string::npos);
        }
    }
}

const std::string kHeadProbe = "<meta name=\"norvel-probe\" content=\"1\">";
const std::string kBodyProbe = "<i id=\"norvel-probe\">probe</i>";

// Gumbo, as a browser, places the new content in the head (or body) and everything else
// where it was.
void expectOnlyTheProbeAdded(const std::string& before, const std::string& after,
                             const std::string& probe, bool inHead) {
    tests::PageOutline old = tests::outlinePage(before, probe);
    tests::PageOutline now = tests::outlinePage(after, probe);
    EXPECT_EQ(now.probeInHead, inHead);
    EXPECT_EQ(now.probeInBody, !inHead);
    EXPECT_FALSE(now.probeElsewhere);
    EXPECT_EQ(now.head, old.head);
    EXPECT_EQ(now.body, old.body);
}

TEST(MarkupCorpus, NewHeadContentLandsInTheHeadAndMovesNothing) {
    for (const auto& page : corpusPages()) {
        SCOPED_TRACE(page.name);
        HtmlDocument document(page.bytes);
        document.setHeadInnerHtml(document.headInnerHtml() + kHeadProbe);
        expectOnlyTheProbeAdded(page.bytes, document.html(), kHeadProbe, true);

        HtmlDocument linked(page.bytes);
        linked.appendStyleSheetLink("norvel-probe.css");
        tests::PageOutline outline = tests::outlinePage(linked.html(), "");
        tests::PageOutline old = tests::outlinePage(page.bytes, "");
        EXPECT_EQ(outline.head.size(), old.head.size() + 1);
        EXPECT_EQ(outline.body, old.body);
    }
}

TEST(MarkupCorpus, NewBodyContentLandsInTheBodyAndMovesNothing) {
    for (const auto& page : corpusPages()) {
        SCOPED_TRACE(page.name);
        // A frameset page's body is its frameset, where no content but frames stays.
        if (page.name == "frameset.htm")
            continue;
        HtmlDocument document(page.bytes);
        document.setBodyInnerHtml(document.bodyInnerHtml() + kBodyProbe);
        expectOnlyTheProbeAdded(page.bytes, document.html(), kBodyProbe, false);

        HtmlDocument pasted(page.bytes);
        pasted.pasteHtml(kBodyProbe);
        expectOnlyTheProbeAdded(page.bytes, pasted.html(), kBodyProbe, false);

        HtmlDocument atStart(page.bytes);
        atStart.caretAtBodyStart();
        atStart.pasteHtml(kBodyProbe);
        tests::PageOutline outline = tests::outlinePage(atStart.html(), kBodyProbe);
        EXPECT_TRUE(outline.probeInBody);
        EXPECT_EQ(outline.head, tests::outlinePage(page.bytes, kBodyProbe).head);
    }
}

}  // namespace
}  // namespace norvel::host
