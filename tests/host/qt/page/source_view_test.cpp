// The HTML view on a real page: typing reaches the document as a splice of exactly its own
// bytes (multi-byte characters, Windows-1252 bytes and CR LF around it stay as they were), and
// the text caret is the document's insertion point.
#include <QSignalSpy>

#include "host/markup/page_skeleton.h"
#include "host/qt/page/source_view.h"
#include "tests/host/qt/page/page_view_fixture.h"

namespace norvel::host::qt {
namespace {

using QtPageSourceView = PageViewFixture;
using common::editor::kViewHtml;

// A UTF-8 title and emoji, Windows-1252 quotes, CR LF line breaks.
const std::string kSource =
    "<html>\r\n<head>\r\n<title>Caf\xC3\xA9</title>\r\n</head>\r\n<body>\r\n"
    "<p>\xF0\x9F\x98\x80 First \x93quoted\x94</p>\r\n<p>Second para</p>\r\n</body>\r\n</html>\r\n";

void placeCaret(SourceView* source, const QString& before, int selectLength = 0) {
    qsizetype index = source->toPlainText().indexOf(before);
    ASSERT_GE(index, 0) << before.toStdString();
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(static_cast<int>(index));
    if (selectLength > 0)
        cursor.setPosition(static_cast<int>(index) + selectLength, QTextCursor::KeepAnchor);
    source->setTextCursor(cursor);
}

std::string inserted(std::string text, const std::string& before, const std::string& what) {
    return text.insert(text.find(before), what);
}

TEST_F(QtPageSourceView, TypedTextReachesTheDocumentAsASpliceOfItsOwnBytes) {
    auto window = openPage("index.htm", kSource, kViewHtml);
    auto view = showWindow(window);
    SourceView* source = view->sourceView();
    source->setTypingPause(60000);  // only flushEdits() pushes, in this test
    source->setFocus();
    QSignalSpy changed(view.get(), &PageView::changed);

    placeCaret(source, "Second");
    QTest::keyClicks(source, "NEW ");
    EXPECT_TRUE(source->hasPendingEdits());
    EXPECT_EQ(window->document().DocumentHTML(), kSource);
    view->flushEdits();
    std::string expected = inserted(kSource, "Second", "NEW ");
    EXPECT_EQ(window->document().DocumentHTML(), expected);
    EXPECT_EQ(changed.count(), 1);

    // A new line is the page's own line break; deleting the emoji removes its four bytes.
    QTest::keyClick(source, Qt::Key_Return);
    placeCaret(source, " First");
    QTest::keyClick(source, Qt::Key_Backspace);
    view->flushEdits();
    expected = inserted(expected, "Second", "\r\n");
    expected.erase(expected.find("\xF0\x9F\x98\x80"), 4);
    EXPECT_EQ(window->document().DocumentHTML(), expected);
    EXPECT_EQ(changed.count(), 2);

    // Nothing typed since: nothing to push, no signal.
    view->flushEdits();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(window->document().DocumentHTML(), expected);
}

TEST_F(QtPageSourceView, EditsReachTheDocumentAfterAPauseInTyping) {
    auto window = openPage("index.htm", kSource, kViewHtml);
    auto view = showWindow(window);
    view->sourceView()->setTypingPause(20);
    QSignalSpy changed(view.get(), &PageView::changed);
    placeCaret(view->sourceView(), "</p>");
    QTest::keyClicks(view->sourceView(), "!");
    ASSERT_TRUE(changed.wait(5000));
    EXPECT_EQ(window->document().DocumentHTML(), inserted(kSource, "</p>", "!"));
    EXPECT_FALSE(view->sourceView()->hasPendingEdits());
}

TEST_F(QtPageSourceView, TheTextCaretIsTheDocumentsInsertionPoint) {
    auto window = openPage("index.htm", kSource, kViewHtml);
    auto view = showWindow(window);
    SourceView* source = view->sourceView();
    HtmlDocument& page = window->document().page();

    placeCaret(source, "Second");
    EXPECT_EQ(page.selection().begin, kSource.find("Second"));
    EXPECT_EQ(page.selection().end, kSource.find("Second"));
    placeCaret(source, "quoted");  // after the emoji and the Windows-1252 quote
    EXPECT_EQ(page.selection().begin, kSource.find("quoted"));
    placeCaret(source, "First", 5);
    EXPECT_EQ(page.selection().begin, kSource.find("First"));
    EXPECT_EQ(page.selection().end, kSource.find("First") + 5);
    // A caret in the head becomes the nearest place in the body.
    placeCaret(source, QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(page.selection().begin, findPageSkeleton(kSource).bodyInnerBegin);

    // The suite pastes there; after a refresh the text caret follows the document's.
    placeCaret(source, "<p>Second");
    window->GetDocument()->pasteHTML("<hr>");
    view->refresh();
    EXPECT_EQ(window->document().DocumentHTML(), inserted(kSource, "<p>Second", "<hr>"));
    EXPECT_EQ(source->textCursor().position(), source->toPlainText().indexOf("<p>Second"));
}

}  // namespace
}  // namespace norvel::host::qt
