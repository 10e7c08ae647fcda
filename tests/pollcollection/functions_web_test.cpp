// The web queries and edits of the page and file routines: folders and files beside the page,
// reading a poll's data file, removing entries, and the error contexts on the way up.
#include <filesystem>

#include "common/editor/web.h"
#include "common/error.h"
#include "common/functions.h"
#include "tests/pollcollection/poll_web_fixture.h"

namespace norvel::poll {
namespace {

namespace fs = std::filesystem;

class PollFunctionsWeb : public PollWebFixture {
  protected:
    PollFunctionsWeb() {
        writeWebFile("phppollx/votes.htm", "Q||A||3||B||0");
        writeWebFile("phppollx/admin/index.php", "admin");
        writeWebFile("phppollx/history.htm", "Old||A||1");
        openNewPage("index.htm");
    }
    std::shared_ptr<common::editor::WebFolder> pollFolder() {
        return app->ActiveWeb()->RootFolder()->Folders().Item("phppollx");
    }
};

TEST_F(PollFunctionsWeb, FolderAndFileNamesAreComparedExactly) {
    auto root = app->ActiveWeb()->RootFolder();
    EXPECT_TRUE(common::FolderExist("phppollx", *root));
    EXPECT_FALSE(common::FolderExist("PHPPOLLX", *root));
    EXPECT_FALSE(common::FolderExist("phppoll", *root));
    EXPECT_TRUE(common::FileExist("votes.htm", *pollFolder()));
    EXPECT_FALSE(common::FileExist("Votes.htm", *pollFolder()));
    EXPECT_FALSE(common::FileExist("admin", *pollFolder()));

    EXPECT_TRUE(common::FileExistInPoll(runtime(), "votes.htm", "phppollx"));
    EXPECT_FALSE(common::FileExistInPoll(runtime(), "VOTES.HTM", "phppollx"));
    EXPECT_TRUE(common::FolderExistInPoll(runtime(), "admin", "phppollx"));
    EXPECT_FALSE(common::FolderExistInPoll(runtime(), "admin", "asppollx"));
    EXPECT_FALSE(common::FileExistInPoll(runtime(), "votes.htm", "asppollx"));
}

TEST_F(PollFunctionsWeb, ReadsAPollDataFileAndLeavesThePageActive) {
    // Another page opened later must not come to the front when the data file closes.
    auto page = app->activeWindow();
    openNewPage("other.htm");
    page->Activate();
    EXPECT_EQ(common::ReadWebFile(runtime(), "phppollx", "votes.htm"), "Q||A||3||B||0");
    EXPECT_EQ(app->activeWindow(), page);
    EXPECT_EQ(app->windows().size(), 2u);
}

TEST_F(PollFunctionsWeb, AMissingPollFolderOrFileReadsEmptyWithoutAMessage) {
    EXPECT_EQ(common::ReadWebFile(runtime(), "asppollx", "votes.htm"), "");
    EXPECT_EQ(common::ReadWebFile(runtime(), "phppollx", "nothing.htm"), "");
    EXPECT_EQ(messages(), "");
}

TEST_F(PollFunctionsWeb, AFileThatCannotBeReadIsToldAndReadsEmpty) {
    // Listed as a file, but every read of it fails.
    fs::create_symlink("/proc/self/mem", webPath("phppollx/broken.htm"));
    EXPECT_EQ(common::ReadWebFile(runtime(), "phppollx", "broken.htm"), "");
    EXPECT_NE(messages().find("msgbox info \"Read file\" \"Unable to readbroken.htm\""),
              std::string::npos)
        << messages();
}

TEST_F(PollFunctionsWeb, RemovesFilesAndFoldersOfAPollFolderOnly) {
    common::RemoveFile(runtime(), "phppollx", "history.htm");
    EXPECT_FALSE(webEntryExists("phppollx/history.htm"));
    common::RemoveFolder(runtime(), "phppollx", "admin");
    EXPECT_FALSE(webEntryExists("phppollx/admin"));
    EXPECT_TRUE(webEntryExists("phppollx/votes.htm"));

    // Missing entries and poll folders are no error.
    common::RemoveFile(runtime(), "phppollx", "history.htm");
    common::RemoveFolder(runtime(), "phppollx", "admin");
    common::RemoveFile(runtime(), "asppollx", "votes.htm");
    common::RemoveFolder(runtime(), "asppollx", "admin");
    // Names are exact: "Votes.htm" is not votes.htm.
    common::RemoveFile(runtime(), "phppollx", "Votes.htm");
    EXPECT_TRUE(webEntryExists("phppollx/votes.htm"));
}

TEST_F(PollFunctionsWeb, FailuresWithoutAPageCarryTheRoutineName) {
    app->activeWindow()->Close(false);
    auto startsWith = [](const common::Error& error, const std::string& prefix) {
        return error.source().rfind(prefix, 0) == 0;
    };
    EXPECT_TRUE(startsWith(errorOf([&] { common::FileExistInPoll(runtime(), "a", "b"); }),
                           "Function FileExistInPoll in "));
    EXPECT_TRUE(startsWith(errorOf([&] { common::FolderExistInPoll(runtime(), "a", "b"); }),
                           "Function FolderExistInPoll in "));
    EXPECT_TRUE(startsWith(errorOf([&] { common::RemoveFile(runtime(), "a", "b"); }),
                           "Function RemoveFile in "));
    EXPECT_TRUE(startsWith(errorOf([&] { common::RemoveFolder(runtime(), "a", "b"); }),
                           "Function RemoveFolder in "));
    EXPECT_TRUE(startsWith(errorOf([&] { common::AddCodeInPlace(runtime(), "<b>x</b>"); }),
                           "Function AddCodeInPlace in "));
    common::Error error = errorOf([&] { common::FileExistInPoll(runtime(), "a", "b"); });
    EXPECT_EQ(error.number(), common::errnum::kObjectNotSet);
}

TEST_F(PollFunctionsWeb, AFolderWalkThatFailsNamesFileExist) {
    auto poll = pollFolder();
    fs::remove_all(webPath("phppollx"));
    common::Error error = errorOf([&] { common::FileExist("votes.htm", *poll); });
    EXPECT_EQ(error.source().rfind("Function FileExist in ", 0), 0u) << error.source();
}

}  // namespace
}  // namespace norvel::poll
