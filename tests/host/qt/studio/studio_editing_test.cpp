// Editing in the studio as a person does it: the keyboard, undo and redo of every change, a
// block deleted, cut and pasted, find and replace, the Edit, Window and Help menus, the
// status bar, what the studio remembers, a page changed on disk, and a folder dropped.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include "common/atomic_file.h"
#include "common/editor/page_window.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/markup/page_segments.h"
#include "host/markup/webbot_block.h"
#include "host/qt/page/normal_page_builder.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_view.h"
#include "host/qt/page/source_highlighter.h"
#include "host/qt/page/source_view.h"
#include "host/qt/studio/find_dialog.h"
#include "host/qt/studio/menu_bar_view.h"
#include "host/qt/studio/web_folder_list.h"
#include "host/web/disk_web.h"
#include "tests/host/qt/studio/studio_fixture.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/support/widget_lookup.h"

using namespace norvel;
using norvel::tests::ModalDriver;
using norvel::tests::StudioFixture;

namespace {

size_t blockCount(host::HostPageWindow& window) {
    return host::findWebbotBlocks(window.document().DocumentHTML()).size();
}

// Inserts the current date through its dialog at the insertion point.
void insertCurrentDate(StudioFixture& fixture) {
    ModalDriver driver;
    driver.whenModalShown(
        [](QWidget* modal) { tests::clickWidget(tests::findWidget<QPushButton>(modal, "cmdDo")); });
    fixture.window().menuAction({"Norvel", "JavaScript", "Current Date"})->trigger();
    QVERIFY(driver.allRan());
}

// A point on the stand-in of webbot block `number` in the Normal view.
QPoint standInPoint(host::qt::NormalView& normal, int number) {
    QList<QTextFrame*> frames = normal.document()->rootFrame()->childFrames();
    for (int i = 0; i < frames.size(); ++i) {
        frames.append(frames[i]->childFrames());
        auto* table = qobject_cast<QTextTable*>(frames[i]);
        if (table != nullptr && host::qt::blockNumberOfTable(*table) == number) {
            QTextCursor cursor(normal.document());
            cursor.setPosition(table->firstPosition());
            return normal.cursorRect(cursor).center() + QPoint(2, 0);
        }
    }
    return {};
}

void trigger(StudioFixture& fixture, const QStringList& path) {
    QAction* action = fixture.window().menuAction(path);
    QVERIFY2(action, qPrintable(path.join(" > ")));
    QVERIFY2(action->isEnabled(), qPrintable(path.join(" > ") + " is disabled"));
    action->trigger();
}

}  // namespace

class StudioEditingTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture_ = std::make_unique<StudioFixture>(); }
    void cleanup() {
        ModalDriver::closeAllModalWindows();
        fixture_.reset();
    }

    // A suite insertion, a block removed and an edit in the HTML view: each is undone and
    // redone, byte for byte.
    void everyChangeIsUndoneAndRedone() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        const std::string original = window->document().DocumentHTML();
        QTabWidget& tabs = fixture_->window().tabs();
        QVERIFY(!fixture_->window().menuAction({"Edit", "&Undo"})->isEnabled());

        insertCurrentDate(*fixture_);
        const std::string inserted = window->document().DocumentHTML();
        QCOMPARE(blockCount(*window), size_t{1});
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), original);
        QVERIFY(!tabs.tabText(0).endsWith(" *"));
        trigger(*fixture_, {"Edit", "&Redo"});
        QCOMPARE(window->document().DocumentHTML(), inserted);
        QVERIFY(tabs.tabText(0).endsWith(" *"));

        // In the HTML view: typed text is one step.
        fixture_->window().setActiveViewMode(common::editor::kViewHtml);
        auto* source = fixture_->window().activePageView()->sourceView();
        QTextCursor cursor = source->textCursor();
        cursor.setPosition(source->toPlainText().indexOf("</body>"));
        source->setTextCursor(cursor);
        source->insertPlainText("<p>typed</p>");
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), inserted);
        QVERIFY(!source->toPlainText().contains("<p>typed</p>"));
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), original);
        trigger(*fixture_, {"Edit", "&Redo"});
        trigger(*fixture_, {"Edit", "&Redo"});
        QVERIFY(source->toPlainText().contains("<p>typed</p>"));
        QVERIFY(!fixture_->window().menuAction({"Edit", "&Redo"})->isEnabled());
    }

    // A block selected in the Normal view (the piece after the insertion point) is deleted or
    // cut as a whole; Paste puts it back wherever the insertion point is.
    void aBlockIsDeletedCutAndPastedInTheNormalView() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        window->document().caretAtBodyStart();
        insertCurrentDate(*fixture_);
        auto* normal = fixture_->window().activePageView()->normalView();
        // The insertion point is after the block: back up one piece to select it.
        QTest::keyClick(normal, Qt::Key_Up);
        QCOMPARE(normal->insertionBoundary(), 0);
        auto block = fixture_->window().selectedBlock();
        QVERIFY(block);
        const std::string withBlock = window->document().DocumentHTML();
        const std::string blockHtml = withBlock.substr(block->begin, block->end - block->begin);
        QVERIFY(blockHtml.find("startspan") != std::string::npos);

        trigger(*fixture_, {"Edit", "&Delete"});
        QCOMPARE(blockCount(*window), size_t{0});
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), withBlock);

        normal = fixture_->window().activePageView()->normalView();
        QTest::keyClick(normal, Qt::Key_Home);
        QCOMPARE(normal->insertionBoundary(), 0);
        trigger(*fixture_, {"Edit", "Cu&t"});
        QCOMPARE(blockCount(*window), size_t{0});
        QCOMPARE(QApplication::clipboard()->mimeData()->html().toStdString(), blockHtml);

        window->document().caretAtBodyEnd();
        fixture_->window().runCommand([] {});
        trigger(*fixture_, {"Edit", "&Paste"});
        QCOMPARE(blockCount(*window), size_t{1});
        std::string html = window->document().DocumentHTML();
        QVERIFY(html.find(blockHtml) > html.find("</h1>"));

        // Plain text pastes as text, never as markup.
        QApplication::clipboard()->setText("a < b & \"c\"");
        trigger(*fixture_, {"Edit", "&Paste"});
        QVERIFY(window->document().DocumentHTML().find("a &lt; b &amp; &quot;c&quot;") !=
                std::string::npos);
    }

    // A block clicked in the Normal view is selected; Delete and Cut remove exactly its bytes
    // in one undo step, and an edit that spoils the selection drops it before Delete acts.
    void aClickedBlockIsWhatDeleteAndCutRemove() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        window->document().caretAtBodyStart();
        insertCurrentDate(*fixture_);
        auto normalView = [&] { return fixture_->window().activePageView()->normalView(); };
        auto selectBlock = [&] {
            host::qt::NormalView* normal = normalView();
            QTest::mouseClick(normal->viewport(), Qt::LeftButton, {}, standInPoint(*normal, 1));
            QCOMPARE(normal->selectedPiece(), 0);
        };
        const std::string withBlock = window->document().DocumentHTML();
        const host::PageSegment piece = normalView()->segments().at(0);
        QCOMPARE(piece.kind, host::PageSegment::Kind::WebbotBlock);
        const std::string blockHtml = withBlock.substr(piece.begin, piece.end - piece.begin);
        const std::string withoutBlock =
            withBlock.substr(0, piece.begin) + withBlock.substr(piece.end);

        // Nothing is selected yet: the insertion point is after the block.
        QCOMPARE(normalView()->selectedPiece(), -1);
        QVERIFY(fixture_->window().selectedBlock()->begin != piece.begin);
        selectBlock();
        auto selected = fixture_->window().selectedBlock();
        QVERIFY(selected);
        QCOMPARE(selected->begin, piece.begin);
        QCOMPARE(selected->end, piece.end);

        trigger(*fixture_, {"Edit", "&Delete"});
        QCOMPARE(window->document().DocumentHTML(), withoutBlock);
        QCOMPARE(normalView()->selectedPiece(), -1);
        QCOMPARE(window->document().page().selection().begin, piece.begin);
        QCOMPARE(window->document().page().selection().end, piece.begin);
        QCOMPARE(normalView()->insertionBoundary(), 0);
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), withBlock);

        selectBlock();
        trigger(*fixture_, {"Edit", "Cu&t"});
        QCOMPARE(window->document().DocumentHTML(), withoutBlock);
        QCOMPARE(QApplication::clipboard()->mimeData()->html().toStdString(), blockHtml);
        QCOMPARE(normalView()->selectedPiece(), -1);
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), withBlock);

        // Text typed in the HTML view right after the block: Delete back in the Normal view
        // must not take it along.
        selectBlock();
        fixture_->window().setActiveViewMode(common::editor::kViewHtml);
        auto* source = fixture_->window().activePageView()->sourceView();
        const QString blockEnd = QString::fromStdString(blockHtml.substr(blockHtml.size() - 12));
        const int after = source->toPlainText().indexOf(blockEnd);
        QVERIFY(after >= 0);
        QTextCursor cursor = source->textCursor();
        cursor.setPosition(after + blockEnd.size());
        source->setTextCursor(cursor);
        source->insertPlainText("<p>glued</p>");
        fixture_->window().setActiveViewMode(common::editor::kViewNormal);
        QCOMPARE(normalView()->selectedPiece(), -1);
        const std::string withGlued = window->document().DocumentHTML();
        QVERIFY(withGlued.find(blockHtml + "<p>glued</p>") != std::string::npos);
        selected = fixture_->window().selectedBlock();
        QVERIFY(!selected ||
                withGlued.substr(selected->begin, selected->end - selected->begin).find("glued") ==
                    std::string::npos);
        trigger(*fixture_, {"Edit", "&Delete"});
        QVERIFY(window->document().DocumentHTML().find("<p>glued</p>") != std::string::npos);
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), withGlued);

        // Undo after selecting drops the selection too.
        selectBlock();
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), withBlock);
        QCOMPARE(normalView()->selectedPiece(), -1);
        QVERIFY(!normalView()->pieceSelection());
    }

    void theUsualShortcutsReachTheCommands() {
        auto& window = fixture_->window();
        window.activateWindow();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.menuAction({"File", "&New Page"})->shortcut(), QKeySequence::New);
        QCOMPARE(window.menuAction({"File", "&Save"})->shortcut(), QKeySequence::Save);
        QCOMPARE(window.menuAction({"Edit", "&Redo"})->shortcuts(),
                 (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        QCOMPARE(window.menuAction({"Edit", "&Find..."})->shortcut(), QKeySequence("Ctrl+F"));

        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(window.tabs().count(), 1);
        QVERIFY(window.tabs().tabText(0).startsWith("(new page)"));
        QTest::keyClick(&window, Qt::Key_F5);
        QCOMPARE(window.activePageView()->viewMode(), common::editor::kViewPreview);
        {
            // The new page was never saved: closing it asks.
            ModalDriver driver;
            driver.whenModalShown(
                [](QWidget* modal) { tests::clickWidget(tests::findButtonByText(modal, "No")); });
            QTest::keyClick(&window, Qt::Key_W, Qt::ControlModifier);
            QVERIFY(driver.allRan());
        }
        QCOMPARE(window.tabs().count(), 0);

        // Every entry of the studio's own menus has an access key.
        for (const QString& menu : {"File", "Edit", "View", "Help"}) {
            QAction* top = window.menuAction({menu});
            QVERIFY(top && top->menu());
            emit top->menu()->aboutToShow();
            for (QAction* action : top->menu()->actions())
                if (!action->isSeparator())
                    QVERIFY2(action->text().contains('&'),
                             qPrintable(menu + ": " + action->text()));
        }
        // F10 reaches the menu bar.
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_F10);
        QCOMPARE(window.menuBar()->activeAction(), window.menuBar()->actions().first());
    }

    // Escape in a suite dialog does what its Cancel button does.
    void escapeCancelsASuiteDialog() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        ModalDriver driver;
        driver.whenModalShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
        fixture_->window().menuAction({"Norvel", "JavaScript", "Current Date"})->trigger();
        QVERIFY(driver.allRan());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(blockCount(*window), size_t{0});
        QVERIFY(!window->modified());
    }

    void findAndReplaceWorkInTheHtmlView() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        const std::string original = window->document().DocumentHTML();
        fixture_->window().setActiveViewMode(common::editor::kViewHtml);
        trigger(*fixture_, {"Edit", "&Find..."});
        auto& find = fixture_->window().findDialog();
        QVERIFY(find.isVisible());
        find.findText().setText("<P>");
        find.findNext();
        auto* source = fixture_->window().activePageView()->sourceView();
        QCOMPARE(source->textCursor().selectedText(), QString("<p>"));
        find.matchCase().setChecked(true);
        find.findNext();
        QVERIFY(find.outcome().contains("was not found"));

        trigger(*fixture_, {"Edit", "Find and R&eplace..."});
        find.matchCase().setChecked(false);
        find.findText().setText("<p>");
        find.replaceText().setText("<p class=\"x\">");
        int count = 0;
        for (size_t at = original.find("<p>"); at != std::string::npos;
             at = original.find("<p>", at + 1))
            ++count;
        QVERIFY(count >= 2);
        find.replaceAll();
        QCOMPARE(find.outcome(), QString("%1 replacements").arg(count));
        QVERIFY(window->document().DocumentHTML().find("<p>") == std::string::npos);
        QVERIFY(source->toPlainText().contains("<p class=\"x\">"));
        // All of them were one step.
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), original);
        QTest::keyClick(&find, Qt::Key_Escape);
        QVERIFY(!find.isVisible());
    }

    void menusAreNeverShownEmpty() {
        auto& window = fixture_->window();
        QVERIFY(!window.menuAction({"Frames"})->isEnabled());
        QVERIFY(!window.menuAction({"Table"})->isEnabled());
        QVERIFY(window.menuAction({"Insert"})->isEnabled());
        QVERIFY(window.menuAction({"Edit"})->isEnabled());
        QVERIFY(window.menuAction({"Help", "&About Norvel Studio"}));
        QVERIFY(window.menuAction({"Help", "&2 pollc.chm"}));
        // The Window menu lists the open pages; choosing one brings it to the front.
        QVERIFY(!window.menuAction({"Window"})->isEnabled());
        window.openPage("index.htm");
        window.openPage("news/spring.htm");
        QVERIFY(window.menuAction({"Window"})->isEnabled());
        trigger(*fixture_, {"Window", "&1 index.htm"});
        QCOMPARE(window.tabs().currentIndex(), 0);
        QCOMPARE(fixture_->studio().app().activeWindow()->displayName(), std::string("index.htm"));
        QVERIFY(window.menuAction({"Window", "&2 spring.htm"}));
        // Help files open in a help window.
        trigger(*fixture_, {"Help", "&2 pollc.chm"});
        QCOMPARE(fixture_->studio().helpViewers().size(), size_t{1});
    }

    void insertsALineAndAPictureOfTheWeb() {
        fixture_->window().openPage("news/spring.htm");
        auto window = fixture_->studio().app().activeWindow();
        window->document().caretAtBodyEnd();
        const std::string original = window->document().DocumentHTML();
        trigger(*fixture_, {"Insert", "&Horizontal Line"});
        QVERIFY(window->document().DocumentHTML().find("<hr>") != std::string::npos);
        {
            ModalDriver driver;
            driver.whenModalShown([&](QWidget* modal) {
                auto* dialog = qobject_cast<QFileDialog*>(modal);
                QVERIFY(dialog);
                auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
                QVERIFY(name);
                name->setText(
                    QString::fromStdString((fixture_->web() / "images" / "logo.gif").string()));
                QMetaObject::invokeMethod(dialog, "accept");
            });
            trigger(*fixture_, {"Insert", "&Picture..."});
            QVERIFY(driver.allRan());
        }
        // The address is relative to the page's folder.
        std::string html = window->document().DocumentHTML();
        QVERIFY2(html.find("<hr><img src=\"../images/logo.gif\" alt=\"\">") != std::string::npos,
                 html.c_str());
        trigger(*fixture_, {"Edit", "&Undo"});
        trigger(*fixture_, {"Edit", "&Undo"});
        QCOMPARE(window->document().DocumentHTML(), original);
    }

    void theStatusBarFollowsTheInsertionPoint() {
        auto& window = fixture_->window();
        window.openPage("index.htm");
        QString status = window.statusLabel().text();
        QVERIFY2(status.startsWith("index.htm") && status.contains("Normal view"),
                 qPrintable(status));
        window.setActiveViewMode(common::editor::kViewHtml);
        auto* source = window.activePageView()->sourceView();
        QTextCursor cursor = source->textCursor();
        cursor.setPosition(source->document()->findBlockByNumber(3).position() + 2);
        source->setTextCursor(cursor);
        QVERIFY2(window.statusLabel().text().contains("HTML view   line 4, column 3"),
                 qPrintable(window.statusLabel().text()));
        // A change typed shows as "*" at once.
        source->insertPlainText("x");
        QVERIFY(window.tabs().tabText(0).endsWith(" *"));
    }

    void theSourceViewNumbersItsLinesAndColoursTags() {
        fixture_->window().openPage("index.htm");
        fixture_->window().setActiveViewMode(common::editor::kViewHtml);
        auto* source = fixture_->window().activePageView()->sourceView();
        QVERIFY(source->lineNumberArea().isVisible());
        QVERIFY(source->lineNumberArea().width() > 0);
        // The numbers stand beside the text, never over it.
        QVERIFY2(
            source->viewport()->geometry().left() > source->lineNumberArea().geometry().right(),
            qPrintable(QString("viewport %1, numbers end at %2")
                           .arg(source->viewport()->geometry().left())
                           .arg(source->lineNumberArea().geometry().right())));
        QList<int> numbers = source->visibleLineNumbers();
        QVERIFY(numbers.size() > 3);
        QCOMPARE(numbers.first(), 1);
        QCOMPARE(numbers[2], 3);
        QTextBlock block = source->document()->findBlockByNumber(0);
        while (block.isValid() && !block.text().contains("<title>"))
            block = block.next();
        QVERIFY(block.isValid());
        int at = static_cast<int>(block.text().indexOf("<title>"));
        bool tagColoured = false;
        for (const auto& range : block.layout()->formats())
            if (range.start <= at && at < range.start + range.length &&
                range.format.foreground().color() == host::qt::SourceHighlighter::tagColor())
                tagColoured = true;
        QVERIFY(tagColoured);
        // Colours are no edit: the page is unchanged.
        QVERIFY(!source->hasPendingEdits());
        QVERIFY(!fixture_->studio().app().activeWindow()->modified());
    }

    // Size, splitter and webs are remembered in the studio's own settings file.
    void theStudioRemembersItsLayoutAndWebs() {
        auto& window = fixture_->window();
        QVERIFY(window.recentWebs().contains(QString::fromStdString(fixture_->web().string())));
        window.resize(777, 555);
        window.splitter().setSizes({123, 600});
        QList<int> sizes = window.splitter().sizes();
        QVERIFY(window.close());
        QVERIFY(std::filesystem::is_regular_file(fixture_->configFolder() / "studio.ini"));
        host::qt::Studio again;
        again.start();
        // The last web opens again, at the size it had.
        QCOMPARE(again.app().web() != nullptr, true);
        QCOMPARE(again.window().size(), QSize(777, 555));
        QCOMPARE(again.window().splitter().sizes(), sizes);
        QCOMPARE(again.window().recentWebs().first(),
                 QString::fromStdString(fixture_->web().string()));
        QVERIFY(again.window().menuAction(
            {"File", "Recent &Webs", "&1 " + QString::fromStdString(fixture_->web().string())}));
    }

    void aPageChangedOnDiskIsOfferedForReload() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        std::filesystem::path file = fixture_->web() / "index.htm";
        std::string changed = common::readFileBytes(file);
        changed.insert(changed.find("</body>"), "<p>from another program</p>");
        common::writeFileAtomically(file, changed);

        auto checkAnswering = [&](const QString& button) {
            ModalDriver driver;
            QString text;
            driver.whenModalShown([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                text = box->text();
                tests::clickWidget(tests::findButtonByText(box, button));
            });
            fixture_->window().checkFilesOnDisk();
            QVERIFY(driver.allRan());
            QCOMPARE(text, QString("\"index.htm\" was changed by another program. Reload it?"));
        };
        checkAnswering("Yes");
        QCOMPARE(window->document().DocumentHTML(), changed);
        QVERIFY(!window->modified());
        QVERIFY(fixture_->window().activePageView()->normalView()->toPlainText().contains(
            "from another program"));
        // Asked once per change: looking again without a change asks nothing.
        fixture_->window().checkFilesOnDisk();

        common::writeFileAtomically(file, "<html><body>replaced</body></html>");
        checkAnswering("No");
        QCOMPARE(window->document().DocumentHTML(), changed);
        QVERIFY(window->modified());  // saving would write the page shown
    }

    // The file watcher notices another program's save (an atomic rename, as editors do) by
    // itself, and keeps watching the new file.
    void theFileWatcherNoticesAChangeOnDisk() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        std::filesystem::path file = fixture_->web() / "index.htm";
        for (const char* text : {"<p>first change</p>", "<p>second change</p>"}) {
            std::string changed = common::readFileBytes(file);
            changed.insert(changed.find("</body>"), text);
            ModalDriver driver;
            driver.whenModalShown(
                [](QWidget* modal) { tests::clickWidget(tests::findButtonByText(modal, "Yes")); });
            common::writeFileAtomically(file, changed);
            QTRY_VERIFY_WITH_TIMEOUT(driver.allRan(), 10000);
            QCOMPARE(window->document().DocumentHTML(), changed);
        }
        // The studio's own save is no change by another program: nothing is asked.
        fixture_->window().runCommand([&] { window->document().pasteHTML("<p>mine</p>"); });
        trigger(*fixture_, {"File", "&Save"});
        QTest::qWait(300);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aDroppedFolderOpensAsTheWeb() {
        std::filesystem::path other = fixture_->web().parent_path() / "other web";
        std::filesystem::create_directories(other);
        common::writeFileAtomically(other / "home.htm", "<html><body>other</body></html>");
        auto* data = new QMimeData;
        data->setUrls({QUrl::fromLocalFile(QString::fromStdString(other.string()))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&fixture_->window(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&fixture_->window(), &drop);
        QVERIFY(drop.isAccepted());
        QTRY_VERIFY(fixture_->window().folderList().itemForPath("home.htm"));
        QCOMPARE(std::filesystem::path(fixture_->studio().app().web()->RootFolder()->LocalPath()),
                 other);
        delete data;
    }

  private:
    std::unique_ptr<StudioFixture> fixture_;
};

QTEST_MAIN(StudioEditingTest)
#include "studio_editing_test.moc"
