// The studio window as a person uses it: the menu bar mirrors the editor's command bars, pages
// open in tabs, the suite's dialogs insert and re-edit blocks, the three views show the page,
// and closing asks about unsaved changes.
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

#include "common/atomic_file.h"
#include "common/editor/web.h"
#include "common/ini_file.h"
#include "host/editor/command_bars.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/markup/webbot_block.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_view.h"
#include "host/qt/page/source_view.h"
#include "host/qt/studio/help_viewer.h"
#include "host/qt/studio/web_folder_list.h"
#include "tests/host/qt/studio/studio_fixture.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/support/widget_lookup.h"

using namespace norvel;
using norvel::tests::ModalDriver;
using norvel::tests::StudioFixture;

namespace {

// Compares a rendered menu with the command bar controls it mirrors, entry by entry.
void compareMenu(QMenu* menu, host::HostCommandBarControls& controls, const QString& where) {
    emit menu->aboutToShow();
    QList<QAction*> actions = menu->actions();
    int next = 0;
    bool first = true;
    for (const auto& control : controls.all()) {
        QString caption = QString::fromStdString(control->Caption());
        if (control->BeginGroup() && !first) {
            QVERIFY2(next < actions.size() && actions[next]->isSeparator(),
                     qPrintable(where + ": no separator before " + caption));
            ++next;
        }
        first = false;
        QVERIFY2(next < actions.size(), qPrintable(where + ": missing " + caption));
        QAction* action = actions[next++];
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->isEnabled(), control->Enabled());
        bool popup = control->Type() == common::editor::kControlPopup;
        QCOMPARE(action->menu() != nullptr, popup);
        if (popup)
            compareMenu(action->menu(), *control->popupControls(), where + " > " + caption);
    }
    QCOMPARE(next, actions.size());
}

size_t blockCount(host::HostPageWindow& window) {
    return host::findWebbotBlocks(window.document().DocumentHTML()).size();
}

}  // namespace

class StudioWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture_ = std::make_unique<StudioFixture>(); }
    void cleanup() {
        ModalDriver::closeAllModalWindows();
        fixture_.reset();
    }

    void menuBarMirrorsTheCommandBarsWithNorvelAtPositionTen() {
        QMenuBar* bar = fixture_->window().menuBar();
        QStringList captions;
        for (QAction* action : bar->actions())
            captions << action->text();
        QCOMPARE(captions, (QStringList{"File", "Edit", "View", "Insert", "Format", "Tools",
                                        "Table", "Frames", "Window", "Norvel", "Help"}));
        auto& model = fixture_->studio().app().commandBars().menuBar().hostControls();
        for (int i = 0; i < bar->actions().size(); ++i)
            compareMenu(bar->actions()[i]->menu(),
                        *model.all()[static_cast<size_t>(i)]->popupControls(), captions[i]);
        // The add-in's own entries, as it builds them.
        QVERIFY(fixture_->window().menuAction({"Norvel", "Polls", "PHP Polls"}));
        QVERIFY(fixture_->window().menuAction({"Norvel", "JavaScript", "Current Date"}));
        QVERIFY(fixture_->window().menuAction({"Norvel", "options"}));
    }

    void menuShowsStatesTheAddinChangesLater() {
        auto polls = fixture_->studio().app().commandBars().findByCaptions({"Norvel", "Polls"});
        QVERIFY(polls);
        polls->SetEnabled(false);
        QAction* action = fixture_->window().menuAction({"Norvel", "Polls"});
        QVERIFY(action);
        QVERIFY(!action->isEnabled());
        polls->SetEnabled(true);
        QVERIFY(fixture_->window().menuAction({"Norvel", "Polls"})->isEnabled());
    }

    void commandsLeaveNoMenusBehind() {
        fixture_->window().openPage("index.htm");
        auto liveMenus = [] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            int count = 0;
            for (QWidget* widget : QApplication::allWidgets())
                if (qobject_cast<QMenu*>(widget))
                    ++count;
            return count;
        };
        fixture_->window().runCommand([] {});
        const int before = liveMenus();
        for (int i = 0; i < 200; ++i)
            fixture_->window().runCommand([] {});
        QCOMPARE(liveMenus(), before);
    }

    void folderListOpensAPageInATab() {
        auto& list = fixture_->window().folderList();
        QTreeWidgetItem* item = list.itemForPath("index.htm");
        QVERIFY(item);
        QVERIFY(list.itemForPath("news"));
        emit list.itemActivated(item, 0);
        QTabWidget& tabs = fixture_->window().tabs();
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(tabs.tabText(0), QString("index.htm"));
        auto active = fixture_->studio().app().activeWindow();
        QVERIFY(active);
        QCOMPARE(active->displayName(), std::string("index.htm"));
        QVERIFY(fixture_->window().activePageView());
    }

    void aPageChangedBehindAnotherTabShowsTheChangeWhenItComesToTheFront() {
        fixture_->window().openPage("index.htm");
        auto home = fixture_->studio().app().activeWindow();
        fixture_->window().openPage("news/spring.htm");
        QTabWidget& tabs = fixture_->window().tabs();
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(tabs.currentIndex(), 1);
        fixture_->window().runCommand([&] { home->document().pasteHTML("<p>behind the tab</p>"); });
        QCOMPARE(tabs.tabText(0), QString("index.htm *"));
        tabs.setCurrentIndex(0);
        QCOMPARE(fixture_->studio().app().activeWindow(), home);
        QVERIFY(fixture_->window().pageViewOf(*home)->normalView()->toPlainText().contains(
            "behind the tab"));
    }

    void currentDateIsInsertedThroughItsDialogAndReopensOnDoubleClick() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        size_t before = blockCount(*window);
        {
            ModalDriver driver;
            QString title;
            driver.whenModalShown([&](QWidget* modal) {
                title = modal->windowTitle();
                auto* button = tests::findWidget<QPushButton>(modal, "cmdDo");
                QVERIFY(button);
                tests::clickWidget(button);
            });
            fixture_->window().menuAction({"Norvel", "JavaScript", "Current Date"})->trigger();
            QVERIFY(driver.allRan());
            QVERIFY(!title.isEmpty());
        }
        QCOMPARE(blockCount(*window), before + 1);
        QVERIFY(fixture_->window().tabs().tabText(0).endsWith(" *"));
        auto* normal = fixture_->window().activePageView()->normalView();
        QVERIFY(normal->toPlainText().contains("---- DATE ----"));

        // A real double-click on the drawn block runs its edit road: the dialog comes back.
        int blockIndex = -1;
        for (size_t i = 0; i < normal->segments().size(); ++i)
            if (normal->segments()[i].kind == host::PageSegment::Kind::WebbotBlock)
                blockIndex = static_cast<int>(i);
        QVERIFY(blockIndex >= 0);
        QRect rect = normal->segmentRect(blockIndex);
        normal->verticalScrollBar()->setValue(normal->verticalScrollBar()->value() + rect.top() -
                                              10);
        rect = normal->segmentRect(blockIndex);
        ModalDriver driver;
        bool reopened = false;
        driver.whenModalShown([&](QWidget* modal) {
            reopened = qobject_cast<host::qt::FormDialog*>(modal) != nullptr;
            modal->close();
        });
        QTest::mouseDClick(normal->viewport(), Qt::LeftButton, Qt::NoModifier, rect.center());
        QVERIFY(driver.allRan());
        QVERIFY(reopened);
        QCOMPARE(blockCount(*window), before + 1);
    }

    // The person's click in the Normal view decides where the suite's feature lands.
    void aFeatureIsInsertedWhereThePersonClicked() {
        fixture_->window().openPage("index.htm");
        auto* normal = fixture_->window().activePageView()->normalView();
        QVERIFY(normal->segments().size() >= 3);
        QRect heading = normal->segmentRect(0);
        QTest::mouseClick(normal->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(heading.center().x(), heading.top() + 2));
        QCOMPARE(normal->insertionBoundary(), 0);
        ModalDriver driver;
        driver.whenModalShown([](QWidget* modal) {
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "cmdDo"));
        });
        fixture_->window().menuAction({"Norvel", "JavaScript", "Current Date"})->trigger();
        QVERIFY(driver.allRan());
        normal = fixture_->window().activePageView()->normalView();
        QCOMPARE(normal->segments().front().kind, host::PageSegment::Kind::WebbotBlock);
        std::string html = fixture_->studio().app().activeWindow()->document().DocumentHTML();
        QVERIFY(html.find("startspan") < html.find("<h1>"));
        // The insertion point stays after what was pasted.
        QCOMPARE(normal->insertionBoundary(), 1);
    }

    void closingAModifiedPageAsksFirst() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        std::string onDisk = common::readFileBytes(fixture_->web() / "index.htm");
        fixture_->window().runCommand([&] { window->document().pasteHTML("<p>added</p>"); });
        QTabWidget& tabs = fixture_->window().tabs();

        auto answer = [&](const QString& button) {
            ModalDriver driver;
            QString text;
            driver.whenModalShown([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                text = box->text();
                tests::clickWidget(tests::findButtonByText(box, button));
            });
            emit tabs.tabCloseRequested(0);
            QVERIFY(driver.allRan());
            QCOMPARE(text, QString("Save changes to \"index.htm\"?"));
        };
        answer("Cancel");
        QCOMPARE(tabs.count(), 1);
        QVERIFY(!window->closed());
        answer("No");
        QCOMPARE(tabs.count(), 0);
        QCOMPARE(common::readFileBytes(fixture_->web() / "index.htm"), onDisk);

        fixture_->window().openPage("index.htm");
        window = fixture_->studio().app().activeWindow();
        fixture_->window().runCommand([&] { window->document().pasteHTML("<p>kept</p>"); });
        answer("Yes");
        QVERIFY(common::readFileBytes(fixture_->web() / "index.htm").find("<p>kept</p>") !=
                std::string::npos);
    }

    void aNewPageIsSavedUnderTheNameGiven() {
        fixture_->window().menuAction({"File", "&New Page"})->trigger();
        QVERIFY(fixture_->window().tabs().tabText(0).startsWith("(new page)"));
        ModalDriver driver;
        driver.whenModalShown([](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            QVERIFY(input);
            input->setTextValue("news/fresh.htm");
            input->accept();
        });
        fixture_->window().menuAction({"File", "&Save"})->trigger();
        QVERIFY(driver.allRan());
        QVERIFY(std::filesystem::is_regular_file(fixture_->web() / "news" / "fresh.htm"));
        QCOMPARE(fixture_->window().tabs().tabText(0), QString("fresh.htm"));
        // The folder list shows the file the save made.
        QVERIFY(fixture_->window().folderList().itemForPath("news/fresh.htm"));
    }

    void closingTheWindowAsksAboutUnsavedPages() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        fixture_->window().runCommand([&] { window->document().pasteHTML("<p>pending</p>"); });
        bool closed = false;
        auto closeAnswering = [&](const QString& button) {
            ModalDriver driver;
            driver.whenModalShown([&](QWidget* modal) {
                tests::clickWidget(tests::findButtonByText(modal, button));
            });
            closed = fixture_->window().close();
            QVERIFY(driver.allRan());
        };
        closeAnswering("Cancel");
        QVERIFY(!closed);
        QVERIFY(fixture_->window().isVisible());
        QVERIFY(!window->closed());
        closeAnswering("No");
        QVERIFY(closed);
        QVERIFY(window->closed());
        QVERIFY(common::readFileBytes(fixture_->web() / "index.htm").find("pending") ==
                std::string::npos);
    }

    void htmlViewEditsAreSavedFromTheFileMenu() {
        fixture_->window().openPage("index.htm");
        fixture_->window().menuAction({"View", "&HTML"})->trigger();
        auto* view = fixture_->window().activePageView();
        QCOMPARE(view->viewMode(), common::editor::kViewHtml);
        QCOMPARE(fixture_->studio().app().activeWindow()->ViewMode(), common::editor::kViewHtml);
        auto* source = view->sourceView();
        QVERIFY(source->isVisible());
        QTextCursor cursor = source->textCursor();
        int at = source->toPlainText().indexOf("</body>");
        QVERIFY(at > 0);
        cursor.setPosition(at);
        source->setTextCursor(cursor);
        source->insertPlainText("<p>typed in the source</p>");
        fixture_->window().menuAction({"File", "&Save"})->trigger();
        QVERIFY(common::readFileBytes(fixture_->web() / "index.htm")
                    .find("<p>typed in the source</p>") != std::string::npos);
        QVERIFY(!fixture_->window().tabs().tabText(0).endsWith(" *"));
    }

    void aFailingCollectionIsReportedInAModalMessageBox() {
        fixture_->window().openPage("index.htm");
        ModalDriver driver;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        driver.whenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            icon = box->icon();
            tests::clickWidget(tests::findButtonByText(box, "OK"));
        });
        // The style collection's library has gone since it was registered: creating it fails.
        std::filesystem::path registry = fixture_->configFolder() / "components.ini";
        common::IniFile ini = common::IniFile::parse(common::readFileBytes(registry));
        ini.setValue("components", "norvelsc.clsLoad",
                     (fixture_->web() / "gone" / "libnorvelsc.so").string());
        common::writeFileAtomically(registry, ini.serialize());
        fixture_->window().menuAction({"Norvel", "Style", "Scrollbar color"})->trigger();
        QVERIFY(driver.allRan());
        QVERIFY(text.contains("An error occured in NorvelFP addin"));
        QCOMPARE(icon, QMessageBox::Critical);
        // The window carries on: the page is still open and unchanged.
        QCOMPARE(fixture_->window().tabs().count(), 1);
        QVERIFY(!fixture_->studio().app().activeWindow()->modified());
    }

    // A folder where a page is expected, or a command throwing anything at all: the window
    // shows a message box and carries on.
    void anyFailureOfACommandEndsInAMessageBox() {
        std::filesystem::create_directory(fixture_->web() / "folder.htm");
        QStringList texts;
        auto answerNextBox = [&](ModalDriver& driver) {
            driver.whenModalShown([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                texts << box->text();
                tests::clickWidget(tests::findButtonByText(box, "OK"));
            });
        };
        {
            ModalDriver driver;
            answerNextBox(driver);
            fixture_->window().openPage("folder.htm");
            QVERIFY(driver.allRan());
        }
        {
            ModalDriver driver;
            answerNextBox(driver);
            fixture_->window().runCommand([] { throw 42; });
            QVERIFY(driver.allRan());
        }
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].contains("folder.htm"), qPrintable(texts[0]));
        QCOMPARE(texts[1], QString("An unexpected error ended the command."));
        QCOMPARE(fixture_->window().tabs().count(), 0);
    }

    void helpOpensTheHelpFileInAWindow() {
        fixture_->window().menuAction({"Norvel", "JavaScript", "Help  "})->trigger();
        const auto& viewers = fixture_->studio().helpViewers();
        QCOMPARE(viewers.size(), size_t{1});
        QVERIFY(viewers.front()->isVisible());
        QVERIFY(!viewers.front()->browser().toPlainText().trimmed().isEmpty());
        // The person closes it: the help engine no longer counts it as a window.
        intptr_t handle = viewers.front()->handle();
        QVERIFY(fixture_->studio().help().isWindow(handle));
        viewers.front()->close();
        QVERIFY(!fixture_->studio().help().isWindow(handle));
        QVERIFY(viewers.empty());

        // The suite closes one it opened: the window goes.
        fixture_->window().menuAction({"Norvel", "JavaScript", "Help  "})->trigger();
        QCOMPARE(viewers.size(), size_t{1});
        QPointer<QWidget> viewer = viewers.front().get();
        fixture_->studio().help().postClose(viewers.front()->handle());
        QVERIFY(viewers.empty());
        QVERIFY(viewer.isNull() || !viewer->isVisible());
    }

    // The window never fails on a page the headless editor opens: every page of the page
    // model's corpus, in every view, then closed unchanged without a question.
    void everyCorpusPageOpensInEveryView() {
        std::filesystem::path corpus =
            std::filesystem::path(NORVEL_SOURCE_DIR) / "tests/host/markup/corpus";
        std::filesystem::copy(corpus, fixture_->web() / "corpus");
        int pages = 0;
        for (const auto& entry : std::filesystem::directory_iterator(fixture_->web() / "corpus")) {
            std::string path = "corpus/" + entry.path().filename().string();
            std::string before = common::readFileBytes(entry.path());
            fixture_->window().openPage(path);
            auto window = fixture_->studio().app().activeWindow();
            QVERIFY2(window && window->displayName() == entry.path().filename().string(),
                     path.c_str());
            for (int mode : {common::editor::kViewHtml, common::editor::kViewPreview,
                             common::editor::kViewNormal}) {
                fixture_->window().setActiveViewMode(mode);
                QCOMPARE(fixture_->window().activePageView()->viewMode(), mode);
            }
            QVERIFY2(!window->modified(), path.c_str());
            bool closed = false;
            fixture_->window().runCommand([&] { closed = fixture_->window().closePage(window); });
            QVERIFY(closed);
            QCOMPARE(common::readFileBytes(entry.path()), before);
            ++pages;
        }
        QVERIFY(pages >= 30);
        QCOMPARE(fixture_->window().tabs().count(), 0);
    }

  private:
    std::unique_ptr<StudioFixture> fixture_;
};

QTEST_MAIN(StudioWindowTest)
#include "studio_window_test.moc"
