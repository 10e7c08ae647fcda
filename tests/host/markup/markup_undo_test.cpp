// Undo and redo of the page model: every splice comes back exactly, one command at a time,
// whatever made it (a paste, a head edit, the whole page replaced).
#include <gtest/gtest.h>

#include <string>

#include "host/markup/html_document.h"

namespace norvel::host {
namespace {

const std::string kPage =
    "<html><head><title>t</title></head>\r\n<body><p>one</p>\r\n<p>two</p></body></html>";

TEST(MarkupUndo, EachStepComesBackExactlyAndGoesAgain) {
    HtmlDocument page(kPage);
    EXPECT_FALSE(page.canUndo());
    EXPECT_FALSE(page.canRedo());

    ASSERT_TRUE(page.caretAfterText("<p>one</p>"));
    page.pasteHtml("<!-- webbot bot=\"x\" --><p>&amp; \"block\"</p>");
    page.appendStyleSheetLink("style.css");  // the same command: one step
    page.endUndoStep();
    const std::string afterInsert = page.html();

    page.setBodyInnerHtml("<p>all new</p>");
    page.endUndoStep();
    const std::string afterBody = page.html();

    ASSERT_TRUE(page.canUndo());
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(page.html(), afterInsert);
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(page.html(), kPage);
    EXPECT_FALSE(page.canUndo());
    EXPECT_FALSE(page.undo());

    ASSERT_TRUE(page.canRedo());
    ASSERT_TRUE(page.redo());
    EXPECT_EQ(page.html(), afterInsert);
    ASSERT_TRUE(page.redo());
    EXPECT_EQ(page.html(), afterBody);
    EXPECT_FALSE(page.redo());
}

TEST(MarkupUndo, ANewEditDropsWhatCouldBeRedone) {
    HtmlDocument page(kPage);
    page.replaceRange(kPage.find("one"), kPage.find("one") + 3, "ONE");
    page.endUndoStep();
    ASSERT_TRUE(page.undo());
    EXPECT_TRUE(page.canRedo());
    page.replaceRange(kPage.find("two"), kPage.find("two") + 3, "TWO");
    EXPECT_FALSE(page.canRedo());
    // An open step is undone as one, without an explicit end.
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(page.html(), kPage);
}

TEST(MarkupUndo, ReplacingTheWholePageKeepsOnlyTheSpanThatDiffers) {
    HtmlDocument page(kPage);
    std::string edited = kPage;
    edited.replace(edited.find("two"), 3, "zwei");
    page.setHtml(edited);
    EXPECT_EQ(page.html(), edited);
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(page.html(), kPage);
    // The caret ends where the undone text stands again, inside the body.
    EXPECT_EQ(page.selection().begin, kPage.find("two") + 3);
    page.setHtml(kPage);  // no change: nothing to undo
    EXPECT_FALSE(page.canUndo());
}

TEST(MarkupUndo, AnEmptyPageAndAnEmptiedPageComeBack) {
    HtmlDocument page("");
    page.setHtml(kPage);
    page.endUndoStep();
    page.setHtml("");
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(page.html(), kPage);
    ASSERT_TRUE(page.undo());
    EXPECT_EQ(page.html(), "");
}

TEST(MarkupUndo, TheOldestStepsGoWhenTheHistoryIsFull) {
    HtmlDocument page(kPage);
    size_t at = kPage.find("one");
    for (size_t i = 0; i < EditHistory::kMaxSteps + 5; ++i) {
        page.replaceRange(at, at + 1, i % 2 ? "o" : "O");
        page.endUndoStep();
    }
    size_t undone = 0;
    while (page.undo())
        ++undone;
    EXPECT_EQ(undone, EditHistory::kMaxSteps);
}

}  // namespace
}  // namespace norvel::host
