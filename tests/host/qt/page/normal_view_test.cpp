// The Normal view on real pages: blocks shown by their PREVIEW, clicks placing the document's
// caret between pieces, pastes landing there, double-clicks asking for a block's edit, and the
// page's own style and images.
#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <set>

#include "common/webbot_attribute.h"
#include "host/markup/page_segments.h"
#include "host/markup/webbot_block.h"
#include "host/qt/page/normal_page_builder.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_style.h"
#include "host/qt/page/page_text.h"
#include "tests/host/qt/page/page_view_fixture.h"

namespace norvel::host::qt {
namespace {

using QtPageNormalView = PageViewFixture;

std::string block(const std::string& sClass, const std::string& preview, const std::string& body) {
    std::string attributes = "s-class=\"" + sClass + "\" clientside T=\"P2\"";
    if (!preview.empty())
        attributes += " PREVIEW=\"" + common::encodeWebbotAttributeValue(preview) + "\"";
    return "<p><!--webbot bot=\"norvelfpbot\" " + attributes + " startspan -->\r\n" + body +
           "\r\n<!--webbot bot=\"norvelfpbot\" endspan --></p>";
}

const std::string kPoll = block(
    "norvelfp.main",
    "<span style='text-align:center;border:1px solid black;width:300;height:150;padding:2px'>"
    "PHP Poll<br>click to edit<br>phppollx</span>",
    "<script type=\"text/javascript\" src=\"phppollx/vote_js.php\"></script><p>HIDDEN POLL</p>");
const std::string kScript = block("norvelfp.script", "", "<p>HIDDEN SCRIPT</p>");
const std::string kDate = block("norvelfp.main", "---- DATE ----", "<b>HIDDEN DATE</b>");

std::string samplePage() {
    return htmlPage("<h1>Welcome</h1>\r\n<p>Intro text</p>\r\n" + kPoll +
                    "\r\n<p>Middle</p>\r\n<table border=\"1\"><tr><td>cell</td><td>" + kDate +
                    "</td></tr></table>\r\n" + kScript + "\r\n<p>The end</p>");
}

// The numbers of the block stand-ins anywhere in the view's document.
void collectBlockTables(QTextFrame* frame, std::multiset<int>& numbers) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child))
            if (int number = blockNumberOfTable(*table))
                numbers.insert(number);
        collectBlockTables(child, numbers);
    }
}

// The page read whole by Qt's rich text with its own style: what the Normal view, which reads
// it piece by piece, must look like.
QTextDocument* wholePageDocument(HostDocument& document, QObject* owner) {
    auto* whole = new QTextDocument(owner);
    whole->setDefaultStyleSheet(pageStyleSheet(document));
    whole->setHtml(PageText(document.page().html()).text());
    return whole;
}

QPoint upperQuarter(const QRect& rect) {
    return QPoint(rect.left() + 20, rect.top() + rect.height() / 4);
}
QPoint lowerQuarter(const QRect& rect) {
    return QPoint(rect.left() + 20, rect.bottom() - rect.height() / 4);
}

TEST_F(QtPageNormalView, ShowsEachBlockAsOneFrameWithItsPreviewNeverItsBody) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    QString shown = view->normalView()->document()->toPlainText();
    for (const char* expected : {"Welcome", "Intro text", "PHP Poll", "click to edit", "phppollx",
                                 "---- DATE ----", "norvelfp.script", "cell", "The end"})
        EXPECT_TRUE(shown.contains(expected)) << expected;
    for (const char* hidden : {"HIDDEN", "vote_js"})
        EXPECT_FALSE(shown.contains(hidden)) << hidden;
    std::multiset<int> numbers;
    collectBlockTables(view->normalView()->document()->rootFrame(), numbers);
    EXPECT_EQ(numbers, (std::multiset<int>{1, 2, 3}));
}

TEST_F(QtPageNormalView, AClickPutsTheCaretBeforeOrAfterThePieceClicked) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    const std::string html = window->document().DocumentHTML();
    const std::vector<PageSegment> segments = pageSegments(html);
    ASSERT_EQ(normal->segments(), segments);
    ASSERT_EQ(segments.size(), 7u);
    for (int i = 0; i < static_cast<int>(segments.size()); ++i) {
        SCOPED_TRACE(i);
        QRect rect = normal->segmentRect(i);
        ASSERT_GT(rect.height(), 4);
        // A click on a block's stand-in or on a table selects it: beside them it places the
        // insertion point as anywhere else.
        if (i == 2 || i == 4 || i == 5)
            rect.setLeft(680);
        QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, upperQuarter(rect));
        EXPECT_EQ(window->document().page().selection().begin, segments[i].begin);
        EXPECT_EQ(window->document().page().selection().end, segments[i].begin);
        EXPECT_EQ(normal->insertionBoundary(), i);
        EXPECT_NEAR(normal->insertionLine().center().y(), rect.top(), 2);
        QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, lowerQuarter(rect));
        EXPECT_EQ(window->document().page().selection().begin, segments[i].end);
        EXPECT_EQ(normal->insertionBoundary(), i + 1);
        EXPECT_NEAR(normal->insertionLine().center().y(), rect.bottom(), 2);
    }
    // Pieces lie top to bottom; below the last one the caret goes after it.
    for (int i = 1; i < static_cast<int>(segments.size()); ++i)
        EXPECT_LE(normal->segmentRect(i - 1).top(), normal->segmentRect(i).top());
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, QPoint(20, 590));
    EXPECT_EQ(window->document().page().selection().begin, segments.back().end);
}

TEST_F(QtPageNormalView, PastedHtmlLandsAtTheInsertionPointAndTheLineFollowsIt) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, lowerQuarter(normal->segmentRect(1)));
    window->GetDocument()->pasteHTML("<p>Pasted here</p>");
    std::string html = window->document().DocumentHTML();
    EXPECT_NE(html.find("<p>Intro text</p><p>Pasted here</p>\r\n<p><!--webbot"), std::string::npos);

    view->refresh();
    ASSERT_EQ(normal->segments(), pageSegments(html));
    EXPECT_EQ(normal->insertionBoundary(), 3);  // after the pasted piece
    EXPECT_NEAR(normal->insertionLine().center().y(), normal->segmentRect(2).bottom(), 2);
    EXPECT_TRUE(normal->document()->toPlainText().contains("Pasted here"));

    // A block pasted before the first piece shows as its preview, and the line follows.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, upperQuarter(normal->segmentRect(0)));
    window->GetDocument()->pasteHTML(block("norvelfp.main", "NEW PREVIEW", "<p>NEW BODY</p>"));
    view->refresh();
    EXPECT_EQ(normal->insertionBoundary(), 1);
    EXPECT_EQ(normal->segments()[0].kind, PageSegment::Kind::WebbotBlock);
    EXPECT_EQ(normal->segments()[0].blockNumber, 1);
    EXPECT_TRUE(normal->document()->toPlainText().contains("NEW PREVIEW"));
    EXPECT_FALSE(normal->document()->toPlainText().contains("NEW BODY"));
}

TEST_F(QtPageNormalView, DoubleClickingABlockAsksForThatBlocksEdit) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    QSignalSpy asked(view.get(), &PageView::blockDoubleClicked);

    QTextCursor poll = normal->document()->find("PHP Poll");
    ASSERT_FALSE(poll.isNull());
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, normal->cursorRect(poll).center());
    // Beside the stand-in, the piece is still the block.
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {},
                       QPoint(700, normal->segmentRect(2).center().y()));
    // A block inside a table is no piece of its own: only its stand-in answers.
    QTextCursor date = normal->document()->find("---- DATE ----");
    ASSERT_FALSE(date.isNull());
    const QPoint onDate = normal->cursorRect(date).center();
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, onDate);
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, QPoint(700, onDate.y()));
    QTextCursor script = normal->document()->find("norvelfp.script");
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, normal->cursorRect(script).center());
    // Text outside blocks asks for nothing.
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, normal->segmentRect(1).center());
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, normal->segmentRect(3).center());
    std::vector<int> numbers;
    for (const QList<QVariant>& signal : asked)
        numbers.push_back(signal[0].toInt());
    EXPECT_EQ(numbers, (std::vector<int>{1, 1, 2, 3}));
}

TEST_F(QtPageNormalView, ADoubleClickRunsTheBlocksEditRoadThroughTheEditor) {
    auto window = openPage(
        "index.htm", htmlPage("<p>before</p>\r\n" +
                              block("norveltest.clsBlockEditor", "EDIT ME", "old body") + "\r\n"));
    auto view = showWindow(window);
    QObject::connect(view.get(), &PageView::blockDoubleClicked, view.get(), [&](int number) {
        view->flushEdits();
        app->editBlock(number);
        view->refresh();
    });
    QTextCursor standIn = view->normalView()->document()->find("EDIT ME");
    ASSERT_FALSE(standIn.isNull());
    QTest::mouseDClick(view->normalView()->viewport(), Qt::LeftButton, {},
                       view->normalView()->cursorRect(standIn).center());
    std::string html = window->document().DocumentHTML();
    auto blocks = findWebbotBlocks(html);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(html.substr(blocks[0].bodyBegin, blocks[0].bodyEnd - blocks[0].bodyBegin),
              "<b>rebuilt</b> old body");
    QString shown = view->normalView()->document()->toPlainText();
    EXPECT_TRUE(shown.contains("EDIT ME"));
    EXPECT_FALSE(shown.contains("rebuilt"));
}

TEST_F(QtPageNormalView, ArrowKeysMoveTheInsertionPointAPieceAtATime) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    const auto& segments = normal->segments();
    HtmlDocument& page = window->document().page();
    QTest::keyClick(normal, Qt::Key_Home);
    EXPECT_EQ(page.selection().begin, segments[0].begin);
    QTest::keyClick(normal, Qt::Key_Down);
    QTest::keyClick(normal, Qt::Key_Down);
    EXPECT_EQ(normal->insertionBoundary(), 2);
    EXPECT_EQ(page.selection().begin, segments[2].begin);
    QTest::keyClick(normal, Qt::Key_Up);
    EXPECT_EQ(page.selection().begin, segments[1].begin);
    QTest::keyClick(normal, Qt::Key_End);
    QTest::keyClick(normal, Qt::Key_Down);  // stays after the last piece
    EXPECT_EQ(page.selection().begin, segments.back().end);
}

TEST_F(QtPageNormalView, RendersWithThePagesOwnStyleAndImages) {
    std::filesystem::create_directories(webFile("css"));
    common::writeFileAtomically(webFile("css/site.css"), ".warning { color: #ff0000 }\n");
    std::filesystem::create_directories(webFile("shop"));
    QImage dot(7, 5, QImage::Format_RGB32);
    dot.fill(Qt::green);
    ASSERT_TRUE(dot.save(QString::fromStdString(webFile("shop/dot.png").string())));
    auto window = openPage(
        "shop/page.htm",
        htmlPage(
            "<p class=\"warning\">Careful</p>\r\n<h2>Heading</h2>\r\n<p><img src=\"dot.png\"></p>",
            "<link rel=\"stylesheet\" href=\"../css/site.css\">\r\n"
            "<style>\r\nh2 { color: #0000ff }\r\n</style>\r\n"));
    auto view = showWindow(window);
    QTextDocument* shown = view->normalView()->document();
    QTextCursor careful = shown->find("Careful");
    ASSERT_FALSE(careful.isNull());
    EXPECT_EQ(careful.charFormat().foreground().color(), QColor("#ff0000"));
    EXPECT_EQ(shown->find("Heading").charFormat().foreground().color(), QColor("#0000ff"));
    QVariant image = shown->resource(QTextDocument::ImageResource, QUrl("dot.png"));
    EXPECT_FALSE(image.isNull());  // found beside the page, not at the web's root
}

// Paragraph by paragraph the Normal view lays a page out as Qt's rich text does when it reads
// the page whole: alignment, margins, and the body's font. Where margins meet, the larger one is
// the space between, as in a browser.
TEST_F(QtPageNormalView, LaysParagraphsOutAsThePreviewDoes) {
    auto window =
        openPage("index.htm",
                 htmlPage("<h1 align=\"center\">Centred title</h1>\r\n<p>First paragraph</p>\r\n"
                          "<div align=\"right\">Right block</div>\r\n<h3>Small heading</h3>\r\n"
                          "<ul><li>Listed item</li></ul>\r\n<p>Last paragraph</p>\r\n"
                          "<p style=\"margin-top: 40px\">Far paragraph</p>",
                          "<style>\r\nbody { font-family: serif; margin: 2em }\r\n</style>\r\n"));
    auto view = showWindow(window);
    QTextDocument* shown = view->normalView()->document();
    QTextDocument* whole = wholePageDocument(window->document(), view.get());
    whole->setTextWidth(shown->textWidth());

    auto lineTop = [](const QTextBlock& block) {
        return block.document()->documentLayout()->blockBoundingRect(block).top() +
               block.layout()->lineAt(0).y();
    };
    auto blockOf = [](QTextDocument* document, const QString& text) {
        return document->find(text).block();
    };
    int compared = 0;
    for (QTextBlock expected = whole->begin(); expected.isValid(); expected = expected.next()) {
        const QString text = expected.text().trimmed();
        if (text.isEmpty() || text == "Far paragraph")
            continue;
        SCOPED_TRACE(text.toStdString());
        QTextBlock block = blockOf(shown, text);
        ASSERT_TRUE(block.isValid());
        EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  expected.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        EXPECT_NEAR(lineTop(block), lineTop(expected), 2.0);
        EXPECT_EQ(shown->find(text).charFormat().fontFamilies(),
                  QTextCursor(expected).charFormat().fontFamilies());
        ++compared;
    }
    EXPECT_EQ(compared, 6);

    QTextBlock last = blockOf(shown, "Last paragraph");
    QTextBlock far = blockOf(shown, "Far paragraph");
    ASSERT_TRUE(last.isValid() && far.isValid());
    EXPECT_NEAR(lineTop(far) - (lineTop(last) + last.layout()->lineAt(0).height()), 40.0, 1.0);
}

// Old pages colour themselves in the BODY tag, newer ones in their style (which wins); the
// Normal view reads the body piece by piece, and must still paint the page's colours, as Qt
// does for the page read whole.
TEST_F(QtPageNormalView, TakesThePagesColoursFromItsBodyTagAndStyle) {
    struct Case {
        std::string bodyTag, head;
        QColor background, text;
    };
    const std::vector<Case> cases = {
        {"<BODY BGCOLOR=\"#ffffcc\" text=\"000080\" link=\"#008000\">", "", QColor("#ffffcc"),
         QColor("#000080")},
        {"<body text=\"navy\">",
         "<style>\r\nbody { background-color: #ccffcc; color: #800000 }\r\n</style>\r\n",
         QColor("#ccffcc"), QColor("#800000")},
        {"<body text=\"red;background:blue\">", "", QColor(), QColor()},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bodyTag + c.head);
        auto window = openPage("page" + std::to_string(++n) + ".htm",
                               "<html><head>" + c.head + "</head>" + c.bodyTag +
                                   "<p>Text <a href=\"x.htm\">link</a></p></body></html>");
        auto view = showWindow(window);
        QTextDocument* shown = view->normalView()->document();
        const QBrush brush = shown->rootFrame()->frameFormat().background();
        const QColor text = shown->find("Text").charFormat().foreground().color();
        EXPECT_EQ(text, wholePageDocument(window->document(), view.get())
                            ->find("Text")
                            .charFormat()
                            .foreground()
                            .color());
        if (c.text.isValid())
            EXPECT_EQ(text, c.text);
        if (!c.background.isValid()) {
            EXPECT_EQ(brush.style(), Qt::NoBrush);
            continue;
        }
        EXPECT_EQ(brush.color(), c.background);
        QImage painted = view->normalView()->viewport()->grab().toImage();
        EXPECT_EQ(QColor(painted.pixel(painted.width() - 5, painted.height() - 5)), c.background);
        if (n == 1)
            EXPECT_EQ(shown->find("link").charFormat().foreground().color(), QColor("#008000"));
    }
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(QColor("#336699"));
    ASSERT_TRUE(tile.save(QString::fromStdString(webFile("tile.png").string())));
    auto tiled =
        openPage("tiled.htm", "<html><body background=\"tile.png\"><p>T</p></body></html>");
    auto view = showWindow(tiled);
    QImage shown = view->normalView()->viewport()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(shown.width() - 5, shown.height() - 5)), QColor("#336699"));
    tile.fill(QColor("#993366"));  // a new picture under the same name shows at the next refresh
    ASSERT_TRUE(tile.save(QString::fromStdString(webFile("tile.png").string())));
    view->refresh();
    shown = view->normalView()->viewport()->grab().toImage();
    EXPECT_EQ(QColor(shown.pixel(shown.width() - 5, shown.height() - 5)), QColor("#993366"));
}

TEST_F(QtPageNormalView, ARefreshKeepsThePlaceScrolledTo) {
    std::string body;
    for (int i = 0; i < 4000; ++i)
        body += "<p>Paragraph " + std::to_string(i) + "</p>\r\n";
    auto window = openPage("index.htm", htmlPage(body));
    auto view = showWindow(window);
    QScrollBar* scroll = view->normalView()->verticalScrollBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return scroll->maximum() > 40000; }, 10000));
    scroll->setValue(40000);
    window->GetDocument()->pasteHTML("<p>At the end</p>");
    view->refresh();
    EXPECT_TRUE(QTest::qWaitFor([&] { return scroll->value() == 40000; }, 5000));
}

TEST_F(QtPageNormalView, AnEmptyBodyHasOneInsertionPoint) {
    auto window = openPage("index.htm", htmlPage(""));
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    EXPECT_TRUE(normal->segments().empty());
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(normal->insertionBoundary(), 0);
    window->GetDocument()->pasteHTML("<p>First</p>");
    view->refresh();
    ASSERT_EQ(normal->segments().size(), 1u);
    const PageSegment& first = normal->segments()[0];
    EXPECT_EQ(window->document().DocumentHTML().substr(first.begin, first.end - first.begin),
              "<p>First</p>");
    EXPECT_EQ(normal->insertionBoundary(), 1);
}

}  // namespace
}  // namespace norvel::host::qt

namespace norvel::host::qt {
namespace {

std::string manyPieces(int count) {
    std::string body;
    for (int i = 0; i < count; ++i)
        body += "<p>Paragraph " + std::to_string(i) + "</p>\r\n<table border=\"1\"><tr><td>Cell " +
                std::to_string(i) + "</td></tr></table>\r\n";
    return body;
}

// A big page is built in slices: between them the event loop runs (timers fire, the window
// paints), clicks meant for the old pieces are not taken as places in the new page, and a
// change while building starts the build afresh.
TEST_F(QtPageNormalView, BuildsABigPageInSlicesWhileTheWindowAnswers) {
    auto window = openPage("big.htm", htmlPage(manyPieces(60)), common::editor::kViewHtml);
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    normal->setBuildSlice(std::chrono::milliseconds(0));  // one piece per slice
    window->document().page().caretAtBodyStart();
    const size_t caret = window->document().page().selection().begin;

    view->setViewMode(common::editor::kViewNormal);
    ASSERT_TRUE(normal->isBuilding());
    EXPECT_FALSE(view->isDrawn());
    bool timerRanWhileBuilding = false;
    QTimer::singleShot(0, normal, [&] { timerRanWhileBuilding = normal->isBuilding(); });
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, QPoint(30, 200));
    EXPECT_EQ(window->document().page().selection().begin, caret) << "a click while building";

    // Changed while building: the build starts again from the new page.
    window->GetDocument()->setBodyInnerHTML(manyPieces(50));
    view->refresh();
    QSignalSpy drawn(normal, &NormalView::pageDrawn);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !normal->isBuilding(); }, 60000));
    EXPECT_TRUE(timerRanWhileBuilding);
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_TRUE(view->isDrawn());
    EXPECT_EQ(normal->segments(), pageSegments(window->document().DocumentHTML()));
    const QString shown = normal->document()->toPlainText();
    EXPECT_TRUE(shown.contains("Cell 49"));
    EXPECT_FALSE(shown.contains("Cell 50"));
    // Once built, clicks place the insertion point again.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, upperQuarter(normal->segmentRect(2)));
    EXPECT_EQ(window->document().page().selection().begin, normal->segments()[2].begin);
}

}  // namespace
}  // namespace norvel::host::qt

namespace norvel::host::qt {
namespace {

// A click on a paragraph's text puts the typing caret before the character clicked.
void clickBefore(NormalView& view, const QString& text) {
    QTextCursor found = view.document()->find(text);
    ASSERT_FALSE(found.isNull()) << text.toStdString();
    QTextCursor caret(view.document());
    caret.setPosition(found.selectionStart());
    const QRect place = view.cursorRect(caret);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      QPoint(place.left() + 1, place.center().y()));
}

// Typing into a paragraph in the Normal view: the page gets one splice of that paragraph, and
// every other byte stays.
TEST_F(QtPageNormalView, TypedTextReachesThePageAsASpliceOfItsParagraph) {
    const std::string before = htmlPage(
        "<h1 align=\"center\">Title</h1>\r\n<p class=\"x\">Hello <b>big</b>\r\n world</p>\r\n" +
        kDate + "\r\n<p>Last &amp; least</p>");
    auto window = openPage("index.htm", before);
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    QSignalSpy changed(view.get(), &PageView::changed);

    clickBefore(*normal, "world");
    ASSERT_GE(normal->typingPosition(), 0);
    QTest::keyClicks(normal, "new <one> & ");
    QTest::keyClick(normal, Qt::Key_Left);
    QTest::keyClick(normal, Qt::Key_Left);
    QTest::keyClick(normal, Qt::Key_Backspace);  // the blank before "&"
    EXPECT_EQ(window->document().page().html(), before) << "nothing written while typing";
    EXPECT_TRUE(normal->document()->toPlainText().contains("Hello big new <one>& world"));
    view->flushEdits();
    EXPECT_EQ(changed.count(), 1);
    std::string expected = before;
    expected.replace(expected.find("world</p>"), 5, "new &lt;one&gt;&amp; world");
    EXPECT_EQ(window->document().page().html(), expected);

    // Across the bold word: its tags stay; Enter ends the edit.
    clickBefore(*normal, "big");
    ASSERT_GE(normal->typingPosition(), 0);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(normal, Qt::Key_Delete);
    QTest::keyClicks(normal, "small");
    QTest::keyClick(normal, Qt::Key_Return);
    expected.replace(expected.find("<b>big</b>"), 10, "<b>small</b>");
    EXPECT_EQ(window->document().page().html(), expected);
    EXPECT_EQ(changed.count(), 2);

    // The view kept its pieces in step: the next paragraph is edited at the right bytes too,
    // and the insertion point still lands at piece edges.
    clickBefore(*normal, "least");
    QTest::keyClicks(normal, "not ");
    view->flushEdits();
    expected.replace(expected.find("least</p>"), 5, "not least");
    EXPECT_EQ(window->document().page().html(), expected);
    EXPECT_EQ(normal->segments(), pageSegments(expected));

    // A block's stand-in takes no typing.
    clickBefore(*normal, "---- DATE ----");
    EXPECT_EQ(normal->typingPosition(), -1);
    QTest::keyClicks(normal, "x");
    view->flushEdits();
    EXPECT_EQ(window->document().page().html(), expected);
}

QColor shownColour(NormalView& normal, const QPoint& point) {
    return normal.viewport()->grab().toImage().pixelColor(point);
}

QPoint onText(NormalView& normal, const QString& text) {
    QTextCursor found = normal.document()->find(text);
    EXPECT_FALSE(found.isNull()) << text.toStdString();
    return normal.cursorRect(found).center();
}

// A click on a block's stand-in or on a table selects that piece: the document's selection is
// its bytes and the view frames it in the highlight colour instead of the red line. A click
// elsewhere, an arrow key or Escape drops it.
TEST_F(QtPageNormalView, AClickOnABlockOrATableSelectsThatPieceAndShowsIt) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    HtmlDocument& page = window->document().page();
    const std::vector<PageSegment> segments = normal->segments();
    ASSERT_EQ(segments.size(), 7u);
    const QColor highlight = normal->palette().color(QPalette::Highlight);
    const QColor red(220, 0, 0);
    const QImage unselected = normal->viewport()->grab().toImage();
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_TRUE(normal->selectionFrame().isEmpty());

    const QPoint onPoll = onText(*normal, "PHP Poll");
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onPoll);
    EXPECT_EQ(normal->selectedPiece(), 2);
    EXPECT_EQ(page.selection().begin, segments[2].begin);
    EXPECT_EQ(page.selection().end, segments[2].end);
    EXPECT_EQ(normal->insertionBoundary(), 2);
    const QRect frame = normal->selectionFrame();
    ASSERT_TRUE(frame.contains(onPoll));
    EXPECT_LT(frame.width(), normal->viewport()->width() / 2) << "the stand-in, not the row";
    const QPoint onFrame(frame.left() + 1, frame.center().y());
    EXPECT_NE(unselected.pixelColor(onFrame), highlight);
    EXPECT_EQ(shownColour(*normal, onFrame), highlight);
    // No red line while a piece is selected.
    const int lineY = normal->insertionLine().center().y();
    EXPECT_NE(shownColour(*normal, QPoint(normal->viewport()->width() - 20, lineY)), red);

    // A click on text drops it and places the insertion point as before.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, upperQuarter(normal->segmentRect(1)));
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_EQ(page.selection().begin, segments[1].begin);
    EXPECT_EQ(page.selection().end, segments[1].begin);
    EXPECT_NE(shownColour(*normal, onFrame), highlight);

    // A table is selected whole, also by a click on a block inside it; so is a block drawn by
    // its class name.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onText(*normal, "cell"));
    EXPECT_EQ(normal->selectedPiece(), 4);
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onText(*normal, "---- DATE ----"));
    EXPECT_EQ(normal->selectedPiece(), 4);
    EXPECT_EQ(page.selection().begin, segments[4].begin);
    EXPECT_EQ(page.selection().end, segments[4].end);
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onText(*normal, "norvelfp.script"));
    EXPECT_EQ(normal->selectedPiece(), 5);

    // Beside a stand-in is not on it: the insertion point goes before or after the piece.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {},
                      QPoint(700, upperQuarter(normal->segmentRect(2)).y()));
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_EQ(page.selection().end, segments[2].begin);

    // Escape drops the selection, the insertion point staying before the piece.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onPoll);
    ASSERT_EQ(normal->selectedPiece(), 2);
    QTest::keyClick(normal, Qt::Key_Escape);
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_EQ(page.selection().begin, segments[2].begin);
    EXPECT_EQ(page.selection().end, segments[2].begin);
    EXPECT_EQ(normal->insertionBoundary(), 2);
    EXPECT_NE(shownColour(*normal, onFrame), highlight);
    EXPECT_EQ(shownColour(*normal, QPoint(normal->viewport()->width() - 20,
                                          normal->insertionLine().center().y())),
              red);

    // So does an arrow key.
    QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onPoll);
    QTest::keyClick(normal, Qt::Key_Down);
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_EQ(page.selection().begin, page.selection().end);
    EXPECT_EQ(normal->insertionBoundary(), 3);
}

// A selected piece stays selected only while the page holds exactly its bytes as one piece:
// an edit that moves it keeps it, one that changes its bytes or glues text to it drops it,
// and so does undo.
TEST_F(QtPageNormalView, AnEditThatSpoilsTheSelectedPieceDropsTheSelection) {
    auto window = openPage("index.htm", samplePage());
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    HtmlDocument& page = window->document().page();
    const std::string pollBytes = [&] {
        const PageSegment& poll = normal->segments()[2];
        return page.html().substr(poll.begin, poll.end - poll.begin);
    }();
    auto selectPoll = [&] {
        QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, onText(*normal, "PHP Poll"));
        ASSERT_TRUE(normal->pieceSelection());
    };
    auto selectedBytes = [&] {
        auto range = normal->pieceSelection();
        return range ? page.html().substr(range->begin, range->end - range->begin)
                     : std::string("(none)");
    };

    // Moved by an insertion before it: still the same piece.
    selectPoll();
    page.replaceRange(normal->segments()[0].begin, normal->segments()[0].begin,
                      "<p>Added first</p>\r\n");
    page.endUndoStep();
    view->refresh();
    EXPECT_EQ(normal->selectedPiece(), 3);
    EXPECT_EQ(selectedBytes(), pollBytes);
    EXPECT_EQ(page.selection().end - page.selection().begin, pollBytes.size());

    // Text glued to its end (as the HTML view may write it) stretches the document's
    // selection over it: no longer the piece selected.
    const size_t pollEnd = page.selection().end;
    page.replaceRange(pollEnd, pollEnd, "<p>glued</p>");
    page.endUndoStep();
    ASSERT_GT(page.selection().end, pollEnd);
    view->refresh();
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_FALSE(normal->pieceSelection());
    EXPECT_EQ(page.selection().begin, page.selection().end);

    // Its own bytes changed.
    selectPoll();
    const size_t hidden = page.html().find("HIDDEN POLL");
    page.replaceRange(hidden, hidden + 6, "SHOWN");
    page.endUndoStep();
    view->refresh();
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_EQ(page.selection().begin, page.selection().end);

    // Undo.
    selectPoll();
    ASSERT_TRUE(window->document().undo());
    view->refresh();
    EXPECT_EQ(normal->selectedPiece(), -1);
    EXPECT_FALSE(normal->pieceSelection());

    // A double-click still asks for the block's edit, its first click selecting it.
    QSignalSpy asked(view.get(), &PageView::blockDoubleClicked);
    QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, onText(*normal, "PHP Poll"));
    ASSERT_EQ(asked.count(), 1);
    EXPECT_EQ(asked[0][0].toInt(), 1);
}

}  // namespace
}  // namespace norvel::host::qt
