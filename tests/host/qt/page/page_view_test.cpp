// A page window in its three views: switching reaches the window and carries HTML edits
// along, refresh shows what others changed, and every corpus page opens in every view.
#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTextDocument>

#include <algorithm>
#include <functional>
#include <random>

#include "common/atomic_file.h"
#include "common/error.h"
#include "host/markup/page_segments.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_text.h"
#include "host/qt/page/preview_view.h"
#include "host/qt/page/source_view.h"
#include "tests/host/markup/corpus_pages.h"
#include "tests/host/qt/page/page_view_fixture.h"

namespace norvel::host::qt {
namespace {

using QtPageView = PageViewFixture;
using common::editor::kViewDataFile;
using common::editor::kViewHtml;
using common::editor::kViewNormal;
using common::editor::kViewPreview;

QWidget* shownView(PageView& view) {
    return view.findChild<QStackedWidget*>()->currentWidget();
}

TEST_F(QtPageView, SwitchingModesReachesTheWindowAndShowsTheMatchingView) {
    auto window = openPage("index.htm", htmlPage("<p>Hello <b>there</b></p>"));
    auto view = showWindow(window);
    EXPECT_EQ(shownView(*view), view->normalView());

    view->setViewMode(kViewHtml);
    EXPECT_EQ(window->ViewMode(), kViewHtml);
    EXPECT_EQ(shownView(*view), view->sourceView());
    EXPECT_EQ(view->sourceView()->toPlainText(),
              PageText(window->document().DocumentHTML()).text());

    view->setViewMode(kViewPreview);
    EXPECT_EQ(window->ViewMode(), kViewPreview);
    EXPECT_EQ(shownView(*view), view->previewView());
    EXPECT_TRUE(previewText(*view).contains("Hello there"));

    view->setViewMode(kViewDataFile);  // a data file shows as text
    EXPECT_EQ(shownView(*view), view->sourceView());

    try {
        view->setViewMode(7);
        ADD_FAILURE() << "mode 7 accepted";
    } catch (const common::Error& error) {
        EXPECT_EQ(error.number(), common::errnum::kInvalidCall);
    }
    EXPECT_EQ(window->ViewMode(), kViewDataFile);
}

TEST_F(QtPageView, LeavingTheHtmlViewCarriesItsEditsAlong) {
    auto window = openPage("index.htm", htmlPage("<p>Hello</p>"), kViewHtml);
    auto view = showWindow(window);
    view->sourceView()->setTypingPause(60000);
    QSignalSpy changed(view.get(), &PageView::changed);
    QTextCursor cursor = view->sourceView()->textCursor();
    cursor.setPosition(static_cast<int>(view->sourceView()->toPlainText().indexOf("</p>")));
    view->sourceView()->setTextCursor(cursor);
    QTest::keyClicks(view->sourceView(), " world");

    view->setViewMode(kViewNormal);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_NE(window->document().DocumentHTML().find("<p>Hello world</p>"), std::string::npos);
    EXPECT_TRUE(view->normalView()->document()->toPlainText().contains("Hello world"));
}

TEST_F(QtPageView, RefreshShowsWhatChangedOutsideTheView) {
    auto window = openPage("index.htm", htmlPage("<p>Old text</p>"));
    auto view = showWindow(window);
    for (int mode : {kViewNormal, kViewHtml, kViewPreview}) {
        SCOPED_TRACE(mode);
        view->setViewMode(mode);
        std::string marker = "Changed " + std::to_string(mode);
        window->GetDocument()->setBodyInnerHTML("<p>" + marker + "</p>");
        auto shownText = [&] {
            if (mode == kViewNormal)
                return view->normalView()->document()->toPlainText();
            if (mode == kViewHtml)
                return view->sourceView()->toPlainText();
            return previewText(*view);
        };
        EXPECT_FALSE(shownText().contains(QString::fromStdString(marker)));
        view->refresh();
        EXPECT_TRUE(shownText().contains(QString::fromStdString(marker)));
        EXPECT_FALSE(shownText().contains("Old text"));
    }
    // The Normal view's pieces follow too.
    view->setViewMode(kViewNormal);
    EXPECT_EQ(view->normalView()->segments(), pageSegments(window->document().DocumentHTML()));
}

// Refreshing after a command that changed nothing must not draw a big page again; a change to
// the page, its linked sheet or an image it shows must.
TEST_F(QtPageView, RefreshDrawsAgainOnlyWhatChanged) {
    std::filesystem::create_directories(webFile("images"));
    auto writePicture = [&](int width) {
        QImage picture(width, 10, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(QString::fromStdString(webFile("images/pic.png").string())));
    };
    writePicture(10);
    common::writeFileAtomically(webFile("site.css"), "h1 { color: #0000ff }\n");
    auto window =
        openPage("index.htm", htmlPage("<h1>Title</h1>\r\n<p><img src=\"images/pic.png\"></p>",
                                       "<link rel=\"stylesheet\" href=\"site.css\">\r\n"));
    auto view = showWindow(window);
    NormalView* normal = view->normalView();
    auto drawnAgainBy = [&](const std::function<void()>& change) {
        normal->viewport()->grab();  // painting reads the picture
        QPointer<QTextDocument> shown = normal->document();
        change();
        view->refresh();
        return shown.isNull();
    };

    EXPECT_FALSE(drawnAgainBy([] {}));
    EXPECT_FALSE(drawnAgainBy([&] { window->document().page().caretAtBodyStart(); }))
        << "a caret move alone";
    EXPECT_EQ(normal->insertionBoundary(), 0) << "the insertion point follows the caret";
    EXPECT_TRUE(drawnAgainBy(
        [&] { common::writeFileAtomically(webFile("site.css"), "h1 { color: #00ff00 }\n"); }));
    EXPECT_EQ(normal->document()->find("Title").charFormat().foreground().color(),
              QColor("#00ff00"));
    EXPECT_TRUE(drawnAgainBy([&] { writePicture(30); })) << "a picture rewritten";
    EXPECT_TRUE(drawnAgainBy([&] { std::filesystem::remove(webFile("images/pic.png")); }));
    EXPECT_TRUE(drawnAgainBy([&] { writePicture(20); })) << "a missing picture back";
    EXPECT_TRUE(drawnAgainBy([&] { window->GetDocument()->setBodyInnerHTML("<p>New</p>"); }));

    view->setViewMode(kViewPreview);
    ASSERT_TRUE(waitForPreview(*view));
    view->refresh();
    EXPECT_TRUE(view->previewView()->isLoaded()) << "loaded again though nothing changed";
    common::writeFileAtomically(webFile("site.css"), "p { color: #ff0000 }\n");
    view->refresh();
    EXPECT_FALSE(view->previewView()->isLoaded()) << "a changed sheet not loaded again";
    ASSERT_TRUE(waitForPreview(*view));
    EXPECT_EQ(inPreview(*view->previewView(), "getComputedStyle(document.querySelector('p')).color")
                  .toString(),
              "rgb(255, 0, 0)");
}

// Typing in the HTML view and then running a command keeps the view's own undo steps: the
// view already shows what its edits made of the page.
TEST_F(QtPageView, RefreshAfterHtmlEditsKeepsTheirUndo) {
    auto window = openPage("index.htm", htmlPage("<p>Hello</p>"), kViewHtml);
    auto view = showWindow(window);
    SourceView* source = view->sourceView();
    source->setTypingPause(60000);
    QTextCursor cursor = source->textCursor();
    cursor.setPosition(static_cast<int>(source->toPlainText().indexOf("</p>")));
    source->setTextCursor(cursor);
    QTest::keyClicks(source, "!");
    view->flushEdits();
    view->refresh();
    EXPECT_TRUE(source->document()->isUndoAvailable());
    EXPECT_NE(window->document().DocumentHTML().find("<p>Hello!</p>"), std::string::npos);

    window->GetDocument()->setBodyInnerHTML("<p>Replaced</p>");
    view->refresh();
    EXPECT_TRUE(source->toPlainText().contains("Replaced")) << "a change from elsewhere shows";
}

TEST_F(QtPageView, PreviewLoadsLinkedStyleSheetsAndShowsBlocksAsTheyAre) {
    common::writeFileAtomically(webFile("site.css"), ".warning { color: #ff0000 }\n");
    auto window = openPage(
        "index.htm",
        htmlPage("<p class=\"warning\">Careful</p>\r\n<p><!--webbot bot=\"norvelfpbot\" "
                 "s-class=\"norvelfp.main\" PREVIEW=\"STAND-IN\" startspan -->\r\n<b>REAL</b>\r\n"
                 "<!--webbot bot=\"norvelfpbot\" endspan --></p>",
                 "<link rel=\"stylesheet\" href=\"site.css\">\r\n"),
        kViewPreview);
    auto view = showWindow(window);
    const QString text = previewText(*view);
    EXPECT_TRUE(text.contains("REAL"));
    EXPECT_FALSE(text.contains("STAND-IN"));
    EXPECT_EQ(inPreview(*view->previewView(),
                        "getComputedStyle(document.querySelector('.warning')).color")
                  .toString(),
              "rgb(255, 0, 0)");
}

TEST_F(QtPageView, EveryCorpusPageOpensInEveryView) {
    for (const auto& corpus : tests::corpusPages()) {
        SCOPED_TRACE(corpus.name);
        auto window = openPage("corpus/" + corpus.name, corpus.bytes);
        auto view = showWindow(window);
        const std::vector<PageSegment> segments = pageSegments(corpus.bytes);
        EXPECT_EQ(view->normalView()->segments(), segments);
        // A click in the middle puts the caret at a piece's edge (or the body's end).
        QTest::mouseClick(view->normalView()->viewport(), Qt::LeftButton, {}, QPoint(30, 40));
        size_t caret = window->document().page().selection().begin;
        bool atEdge = segments.empty();
        for (const PageSegment& s : segments)
            atEdge = atEdge || caret == s.begin || caret == s.end;
        EXPECT_TRUE(atEdge) << caret;

        view->setViewMode(kViewHtml);
        EXPECT_EQ(view->sourceView()->toPlainText(), PageText(corpus.bytes).text());
        // A character typed at each end reaches the page there, and nothing else changes.
        QTextCursor cursor = view->sourceView()->textCursor();
        cursor.movePosition(QTextCursor::End);
        view->sourceView()->setTextCursor(cursor);
        QTest::keyClicks(view->sourceView(), "Z");
        cursor.movePosition(QTextCursor::Start);
        view->sourceView()->setTextCursor(cursor);
        QTest::keyClicks(view->sourceView(), "A");
        view->setViewMode(kViewPreview);
        EXPECT_EQ(window->document().page().html(), "A" + corpus.bytes + "Z");
        window->Close(false);
    }
}

// Broken pages the editor opens all the same (cut short, pieces lost or doubled, stray tags,
// block comments and odd bytes dropped in) never bring a view down, and viewing them changes
// no byte.
TEST_F(QtPageView, MangledCorpusPagesOpenInEveryViewAndStayAsTheyWere) {
    const std::vector<std::string> strays = {
        "<table>",
        "</td>",
        "<tr><td>",
        "</table>",
        "<body bgcolor=\"#ffcc00\">",
        "</body>",
        "</html>",
        "<p",
        "&#",
        "&#x110000;",
        "<script>",
        "</script>",
        "<!--",
        "-->",
        "<![CDATA[",
        "<?php echo 1; ?>",
        std::string(1, '\0'),
        "\xff\xfe",
        "\xe2\x82",
        "<!--webbot bot=\"norvelfpbot\" PREVIEW=\"<b>x\" startspan -->",
        "<!--webbot bot=\"norvelfpbot\" endspan -->",
        "<ul><li>",
        "<img src=\"missing.png\">"};
    std::mt19937 random(20261208);
    auto below = [&](size_t bound) {
        return bound == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, bound - 1)(random);
    };
    const std::vector<tests::CorpusPage> pages = tests::corpusPages();
    ASSERT_GE(pages.size(), 30u);
    int opened = 0;
    for (const auto& corpus : pages) {
        for (int variant = 0; variant < 4; ++variant) {
            std::string bytes = corpus.bytes;
            for (int change = 0; change < 3; ++change) {
                const size_t at = below(bytes.size() + 1);
                const size_t length = std::min(below(200), bytes.size() - at);
                switch (below(4)) {
                    case 0:
                        bytes.resize(at);
                        break;
                    case 1:
                        bytes.erase(at, length);
                        break;
                    case 2:
                        bytes.insert(at, bytes.substr(at, length));
                        break;
                    default:
                        bytes.insert(at, strays[below(strays.size())]);
                        break;
                }
            }
            SCOPED_TRACE(corpus.name + " variant " + std::to_string(variant));
            auto window = openPage("mangled/" + corpus.name, bytes);
            auto view = showWindow(window);
            NormalView* normal = view->normalView();
            EXPECT_EQ(normal->segments(), pageSegments(bytes));
            for (QPoint point : {QPoint(30, 20), QPoint(200, 300), QPoint(5, 590)}) {
                QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, point);
                QTest::mouseDClick(normal->viewport(), Qt::LeftButton, {}, point);
            }
            QTest::keyClick(normal, Qt::Key_Down);
            QTest::keyClick(normal, Qt::Key_Up);
            view->setViewMode(kViewHtml);
            EXPECT_EQ(view->sourceView()->toPlainText(), PageText(bytes).text());
            view->setViewMode(kViewPreview);
            EXPECT_EQ(window->document().page().html(), bytes);
            window->Close(false);
            ++opened;
        }
    }
    EXPECT_EQ(opened, 4 * static_cast<int>(pages.size()));
}

}  // namespace
}  // namespace norvel::host::qt
