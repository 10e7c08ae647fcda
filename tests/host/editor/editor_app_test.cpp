// The editor stand-in over a temporary web: pages, windows, saving, add-ins and help.
#include <gtest/gtest.h>

#include "common/editor/document.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/web/disk_web.h"
#include "tests/host/editor/editor_fixture.h"

namespace norvel::host {
namespace {

const char* kPage =
    "<html>\r\n<head>\r\n<title>A</title>\r\n</head>\r\n<body>\r\n<p>one</p>\r\n</body>\r\n</"
    "html>\r\n";

TEST_F(EditorFixture, OpensPagesOfTheWebAndTracksTheActiveWindow) {
    writePage("index.htm", kPage);
    writePage("shop/deep/Index.HTM", kPage);
    EXPECT_EQ(app->ActiveDocument(), nullptr);
    EXPECT_EQ(app->ActiveWeb(), nullptr);
    EXPECT_THROW(app->openPageByPath("index.htm", 1), common::Error);  // no web yet

    app->openWeb(web.path());
    auto first = app->openPageByPath("index.htm", common::editor::kViewNormal);
    auto second = app->openPageByPath("shop/deep/Index.HTM", common::editor::kViewHtml);
    EXPECT_EQ(app->ActivePageWindow(), second);
    EXPECT_EQ(app->ActivePageWindow()->ViewMode(), common::editor::kViewHtml);
    EXPECT_EQ(second->File()->Extension(), "HTM");
    EXPECT_EQ(second->File()->Parent()->Name(), "deep");
    // Opening a page that is open brings its window back.
    EXPECT_EQ(app->openPageByPath("index.htm", 1), first);
    EXPECT_EQ(app->windows().size(), 2u);
    EXPECT_TRUE(first->File()->IsOpen());

    first->Close(false);
    EXPECT_EQ(app->ActivePageWindow(), second);
    EXPECT_THROW(first->GetDocument(), common::Error);  // a closed window refuses, never crashes
    EXPECT_THROW(app->openPageByPath("missing.htm", 1), common::Error);
    EXPECT_THROW(app->openPageByPath("../outside.htm", 1), common::Error);
}

TEST_F(EditorFixture, SavingWritesThePageAndNothingElse) {
    writePage("index.htm", kPage);
    app->openWeb(web.path());
    auto window = app->openPageByPath("index.htm", 1);
    EXPECT_FALSE(window->modified());
    EXPECT_FALSE(window->GetDocument()->fileCreatedDate().empty());
    window->Save();
    EXPECT_EQ(readPage("index.htm"), kPage);

    window->GetDocument()->pasteHTML("<p>two</p>");  // the caret starts at the end of the body
    EXPECT_TRUE(window->modified());
    window->Close(true);
    EXPECT_EQ(readPage("index.htm"),
              "<html>\r\n<head>\r\n<title>A</title>\r\n</head>\r\n<body>\r\n<p>one</p>\r\n<p>two</"
              "p></body>\r\n</html>\r\n");
    // Leftover temporary files would show up as entries of the web.
    EXPECT_EQ(app->web()->RootFolder()->Files().Count(), 1);
}

TEST_F(EditorFixture, ANewPageHasNoDateUntilSavedUnderAName) {
    app->openWeb(web.path());
    auto window = app->newPage();
    EXPECT_EQ(window->File(), nullptr);
    EXPECT_EQ(window->GetDocument()->fileCreatedDate(), "");
    EXPECT_THROW(window->Save(), common::Error);
    window->SaveAs("pages/new.htm");
    EXPECT_NE(window->GetDocument()->fileCreatedDate(), "");
    ASSERT_NE(window->File(), nullptr);
    EXPECT_EQ(window->File()->Name(), "new.htm");
    EXPECT_EQ(readPage("pages/new.htm"), blankPageHtml());
}

TEST_F(EditorFixture, AnAddinThatCannotConnectIsReportedAndTheEditorGoesOn) {
    // The test library declares clsEcho as an add-in, but it has no OnConnection.
    app->start();
    EXPECT_TRUE(app->started());
    EXPECT_NE(transcript.str().find("msgbox critical \"Add-ins\" \"The add-in \\\"Test Addin\\\""),
              std::string::npos)
        << transcript.str();
    EXPECT_NE(transcript.str().find("OnConnection"), std::string::npos);
    app->shutdown();
    EXPECT_FALSE(app->started());
}

TEST_F(EditorFixture, MenusAreClickedByCaptionsAndDisabledMenusCannotBeReached) {
    auto& controls = app->commandBars().Item("Menu Bar").Controls();
    auto top = controls.Add(common::editor::kControlPopup, std::nullopt, std::nullopt, 10, true);
    top->SetCaption("Norvel");
    auto button = top->Controls().Add(common::editor::kControlButton);
    button->SetCaption("options");
    int clicks = 0;
    button->SetClickHandler([&](common::editor::CommandBarControl&, bool&) { ++clicks; });
    app->clickMenu({"Norvel", "options"});
    EXPECT_EQ(clicks, 1);
    top->SetEnabled(false);
    EXPECT_THROW(app->clickMenu({"Norvel", "options"}), common::Error);
    EXPECT_THROW(app->clickMenu({"Norvel", "missing"}), common::Error);
    EXPECT_EQ(clicks, 1);
}

TEST_F(EditorFixture, HelpWindowsShowExistingFilesAndCloseOnRequest) {
    writePage("help/pollc.chm", "<html><body>Polls</body></html>");
    intptr_t handle = help.htmlHelp(0, webFile("help/pollc.chm").string(), 1, 0);
    EXPECT_NE(handle, 0);
    EXPECT_TRUE(help.isWindow(handle));
    EXPECT_EQ(shownHelp.size(), 1u);
    help.postClose(handle);
    EXPECT_FALSE(help.isWindow(handle));
    EXPECT_EQ(help.htmlHelp(0, webFile("help/none.chm").string(), 1, 0), 0);
    EXPECT_EQ(shownHelp.size(), 1u);
}

}  // namespace
}  // namespace norvel::host
