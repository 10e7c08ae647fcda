// The studio window as a person uses it: the menu bar mirrors the editor's command bars, pages
// open in tabs, the suite's dialogs insert and re-edit blocks, the three views show the page,
// and closing asks about unsaved changes.
#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
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
#include "host/editor/file_kind.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/markup/webbot_block.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_view.h"
#include "host/qt/page/source_view.h"
#include "host/qt/studio/help_viewer.h"
#include "host/qt/studio/menu_bar_view.h"
#include "host/qt/studio/picture_view.h"
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
        QCOMPARE(host::qt::withoutAccessKeys(action->text()), host::qt::withoutAccessKeys(caption));
        bool popup = control->Type() == common::editor::kControlPopup;
        // An empty menu is disabled, never shown empty.
        QCOMPARE(action->isEnabled(),
                 control->Enabled() && (!popup || control->popupControls()->Count() > 0));
        QCOMPARE(action->menu() != nullptr, popup);
        if (popup)
            compareMenu(action->menu(), *control->popupControls(), where + " > " + caption);
    }
    QCOMPARE(next, actions.size());
}

// Answers the save dialog with a file, as a person types its path and presses Save.
void chooseFile(QFileDialog* dialog, const std::filesystem::path& file) {
    QVERIFY(dialog);
    // Typed into the name field: selectFile would race with the dialog's folder listing.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    QVERIFY(name);
    name->setText(QString::fromStdString(file.string()));
    QMetaObject::invokeMethod(dialog, "accept");
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
        // Every menu has its access key (Alt+F opens File).
        QCOMPARE(captions, (QStringList{"&File", "&Edit", "&View", "&Insert", "F&ormat", "&Tools",
                                        "T&able", "F&rames", "&Window", "&Norvel", "&Help"}));
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

    // Memory stays flat however many commands run: the objects alive are counted (not the
    // process size, which the allocator blurs).
    void aThousandCommandsLeaveNoObjectsBehind() {
        fixture_->window().openPage("index.htm");
        auto window = fixture_->studio().app().activeWindow();
        auto liveObjects = [&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            int menus = 0;
            for (QWidget* widget : QApplication::allWidgets())
                if (qobject_cast<QMenu*>(widget))
                    ++menus;
            auto objects = fixture_->window().findChildren<QObject*>().size();
            return std::pair<int, qsizetype>(menus, objects);
        };
        fixture_->window().runCommand([] {});
        const auto before = liveObjects();
        for (int i = 0; i < 1000; ++i)
            fixture_->window().runCommand([&] {
                // A command that reads the page, as the suite's checks do.
                (void)window->document().bodyInnerHTML();
            });
        QCOMPARE(liveObjects(), before);
        // Commands that change the page (and so the Edit menu's states) leave nothing either.
        for (int i = 0; i < 50; ++i) {
            fixture_->window().runCommand([&] { window->document().pasteHTML("<p>x</p>"); });
            fixture_->window().runCommand([&] { window->document().undo(); });
        }
        QCOMPARE(liveObjects(), before);
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

    void aNewPageIsSavedUnderTheNameGivenInTheFileDialog() {
        fixture_->window().menuAction({"File", "&New Page"})->trigger();
        QVERIFY(fixture_->window().tabs().tabText(0).startsWith("(new page)"));
        ModalDriver driver;
        QString startedIn;
        driver.whenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog);
            startedIn = dialog->directory().absolutePath();
            chooseFile(dialog, fixture_->web() / "news" / "fresh.htm");
        });
        fixture_->window().menuAction({"File", "&Save"})->trigger();
        QVERIFY(driver.allRan());
        // The dialog starts in the web.
        QCOMPARE(std::filesystem::path(startedIn.toStdString()),
                 std::filesystem::canonical(fixture_->web()));
        QVERIFY(std::filesystem::is_regular_file(fixture_->web() / "news" / "fresh.htm"));
        QCOMPARE(fixture_->window().tabs().tabText(0), QString("fresh.htm"));
        // The folder list shows the file the save made.
        QVERIFY(fixture_->window().folderList().itemForPath("news/fresh.htm"));
    }

    // Saving a new page as index.htm once replaced the real page without a word.
    void savingOverAnExistingPageAsksWithNoAsTheDefault() {
        const std::string original = common::readFileBytes(fixture_->web() / "index.htm");
        fixture_->window().menuAction({"File", "&New Page"})->trigger();
        auto saveAnswering = [&](const QString& button) {
            ModalDriver driver;
            QString text;
            QString defaultButton;
            driver.whenModalShown([&](QWidget* modal) {
                chooseFile(qobject_cast<QFileDialog*>(modal), fixture_->web() / "index.htm");
            });
            driver.whenModalShown([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box);
                text = box->text();
                QVERIFY(box->defaultButton());
                defaultButton = box->defaultButton()->text().remove('&');
                tests::clickWidget(tests::findButtonByText(box, button));
            });
            fixture_->window().menuAction({"File", "Save &As..."})->trigger();
            QVERIFY(driver.allRan());
            QCOMPARE(text, QString("'index.htm' already exists. Replace it?"));
            QCOMPARE(defaultButton, QString("No"));
        };
        saveAnswering("No");
        QCOMPARE(common::readFileBytes(fixture_->web() / "index.htm"), original);
        QVERIFY(fixture_->window().tabs().tabText(0).startsWith("(new page)"));
        saveAnswering("Yes");
        QVERIFY(common::readFileBytes(fixture_->web() / "index.htm") != original);
        QCOMPARE(fixture_->window().tabs().count(), 1);
        QCOMPARE(fixture_->window().tabs().tabText(0), QString("index.htm"));
    }

    // Two tabs on one file would each overwrite what the other saved.
    void aPageOpenInAnotherWindowIsNeverSavedOver() {
        fixture_->window().openPage("index.htm");
        auto home = fixture_->studio().app().activeWindow();
        const std::string original = common::readFileBytes(fixture_->web() / "index.htm");
        fixture_->window().menuAction({"File", "&New Page"})->trigger();
        ModalDriver driver;
        QString text;
        driver.whenModalShown([&](QWidget* modal) {
            chooseFile(qobject_cast<QFileDialog*>(modal), fixture_->web() / "index.htm");
        });
        driver.whenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            tests::clickWidget(tests::findButtonByText(box, "OK"));
        });
        fixture_->window().menuAction({"File", "&Save"})->trigger();
        QVERIFY(driver.allRan());
        QVERIFY2(text.contains("open in another window"), qPrintable(text));
        QCOMPARE(common::readFileBytes(fixture_->web() / "index.htm"), original);
        QTabWidget& tabs = fixture_->window().tabs();
        QCOMPARE(tabs.count(), 2);
        QVERIFY(tabs.tabText(1).startsWith("(new page)"));
        // The window that shows the file comes to the front.
        QCOMPARE(fixture_->studio().app().activeWindow(), home);
        QCOMPARE(tabs.currentIndex(), 0);
    }

    // A picture double-clicked in the folder list once opened as text; a save destroyed it.
    void aPictureOpensReadOnlyInAPictureTab() {
        const std::string gif = common::readFileBytes(fixture_->web() / "images" / "logo.gif");
        fixture_->window().openPage("index.htm");
        auto& list = fixture_->window().folderList();
        emit list.itemActivated(list.itemForPath("images/logo.gif"), 0);
        QTabWidget& tabs = fixture_->window().tabs();
        QCOMPARE(tabs.count(), 2);
        auto* picture = qobject_cast<host::qt::PictureView*>(tabs.currentWidget());
        QVERIFY(picture);
        QVERIFY(picture->loaded());
        QCOMPARE(picture->label().pixmap().size(), QSize(1, 10));
        QCOMPARE(tabs.tabText(1), QString("logo.gif"));
        // No page is in front: nothing can be saved or inserted into the picture.
        QVERIFY(!fixture_->studio().app().activeWindow());
        fixture_->window().menuAction({"File", "&Save"})->trigger();
        fixture_->window().runCommand([&] { QVERIFY(!fixture_->studio().app().ActiveDocument()); });
        QCOMPARE(common::readFileBytes(fixture_->web() / "images" / "logo.gif"), gif);
        // Opened again, it comes to the front instead of a second tab.
        tabs.setCurrentIndex(0);
        QVERIFY(fixture_->studio().app().activeWindow());
        fixture_->window().openPage("images/logo.gif");
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(tabs.currentIndex(), 1);
        emit tabs.tabCloseRequested(1);
        QCOMPARE(tabs.count(), 1);
        QCOMPARE(fixture_->studio().app().activeWindow()->displayName(), std::string("index.htm"));
    }

    void aFileThatIsNoPageIsRefusedWithAMessage() {
        ModalDriver driver;
        QString text;
        driver.whenModalShown([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box);
            text = box->text();
            tests::clickWidget(tests::findButtonByText(box, "OK"));
        });
        auto& list = fixture_->window().folderList();
        emit list.itemActivated(list.itemForPath("site.css"), 0);
        QVERIFY(driver.allRan());
        QVERIFY2(text.contains("'site.css' is not a page"), qPrintable(text));
        QCOMPARE(fixture_->window().tabs().count(), 0);
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
    // model's corpus, in every view, then closed unchanged without a question. (The corpus's
    // data file is no page: it is refused, as in the folder list.)
    void everyCorpusPageOpensInEveryView() {
        std::filesystem::path corpus =
            std::filesystem::path(NORVEL_SOURCE_DIR) / "tests/host/markup/corpus";
        std::filesystem::copy(corpus, fixture_->web() / "corpus");
        int pages = 0;
        for (const auto& entry : std::filesystem::directory_iterator(fixture_->web() / "corpus")) {
            std::string path = "corpus/" + entry.path().filename().string();
            if (host::fileKindOfFile(entry.path()) != host::FileKind::Page)
                continue;
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
