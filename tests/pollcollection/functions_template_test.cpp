// SubFile and SubFileHtml: templates copied, filled and imported into a temporary web.
#include <filesystem>
#include <fstream>

#include "common/atomic_file.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/functions.h"
#include "tests/pollcollection/poll_web_fixture.h"

namespace norvel::poll {
namespace {

namespace fs = std::filesystem;
using common::StringDictionary;

class PollFunctionsSubFile : public PollWebFixture {
  protected:
    PollFunctionsSubFile() {
        openNewPage("index.htm");
        writeTemplate("page.txt", "a<*x*>b");
        writeTemplate("missing.txt", "<*x*>-<*nokey*>-<*x*>");
        writeTemplate("image.bin", std::string("GIF<*x*>\0\xff", 10));
        values.set("x", "1");
    }
    void writeTemplate(const std::string& name, const std::string& bytes) {
        common::writeFileAtomically(templates.path() / name, bytes);
    }
    // The folder object must outlive the reference SubFile works on.
    common::editor::WebFolder& root() {
        rootFolder = app->ActiveWeb()->RootFolder();
        return *rootFolder;
    }
    bool subFile(const std::string& name, bool overwrite, bool substitute) {
        return common::SubFile(runtime(), root(), templates.path(), name, overwrite, substitute,
                               values);
    }

    tests::TemporaryFolder templates;
    StringDictionary values;
    std::shared_ptr<common::editor::WebFolder> rootFolder;
};

TEST_F(PollFunctionsSubFile, FillsTheTemplateImportsItAndDropsTheScratchCopy) {
    EXPECT_TRUE(subFile("page.txt", true, true));
    EXPECT_EQ(readWebFile("page.txt"), "a1b");
    EXPECT_FALSE(fs::exists(common::scratchFolder() / "page.txt"));
    EXPECT_EQ(messages(), "");
}

TEST_F(PollFunctionsSubFile, KeepsAnExistingWebFileUnlessTold) {
    writeWebFile("page.txt", "votes so far");
    EXPECT_TRUE(subFile("page.txt", false, true));
    EXPECT_EQ(readWebFile("page.txt"), "votes so far");
    EXPECT_TRUE(subFile("page.txt", true, true));
    EXPECT_EQ(readWebFile("page.txt"), "a1b");
}

TEST_F(PollFunctionsSubFile, WithoutFillingCopiesTheBytesUnchanged) {
    EXPECT_TRUE(subFile("image.bin", false, false));
    EXPECT_EQ(readWebFile("image.bin"), std::string("GIF<*x*>\0\xff", 10));
}

TEST_F(PollFunctionsSubFile, APlaceholderWithoutValueShowsTwoMessagesAndImportsNothing) {
    EXPECT_FALSE(subFile("missing.txt", true, true));
    EXPECT_FALSE(webEntryExists("missing.txt"));
    std::string shown = messages();
    size_t name = shown.find("\"nokey\"");
    size_t failure = shown.find("\"couldn't replace from dictionary\"");
    ASSERT_NE(name, std::string::npos) << shown;
    ASSERT_NE(failure, std::string::npos) << shown;
    EXPECT_LT(name, failure);
}

TEST_F(PollFunctionsSubFile, AMissingTemplateFailsWithTheRoutineNamed) {
    common::Error error = errorOf([&] { subFile("absent.txt", true, true); });
    EXPECT_EQ(error.source().rfind("Function SubFile in ", 0), 0u) << error.source();
    EXPECT_FALSE(webEntryExists("absent.txt"));
}

TEST_F(PollFunctionsSubFile, AFailedImportLeavesNoScratchCopyBehind) {
    // A folder of the web that leads out of it: the editor refuses to write there.
    tests::TemporaryFolder outside;
    fs::create_directory_symlink(outside.path(), webPath("linked"));
    auto linked = root().Folders().Item("linked");
    common::Error error = errorOf([&] {
        common::SubFile(runtime(), *linked, templates.path(), "page.txt", true, true, values);
    });
    EXPECT_EQ(error.source().rfind("Function SubFile in ", 0), 0u) << error.source();
    EXPECT_FALSE(fs::exists(common::scratchFolder() / "page.txt"));
    EXPECT_FALSE(fs::exists(outside.path() / "page.txt"));
}

TEST_F(PollFunctionsSubFile, SubFileHtmlLeavesTheFilledFileInTheScratchFolderOnly) {
    EXPECT_TRUE(common::SubFileHtml(runtime(), templates.path(), "page.txt", true, values));
    fs::path scratch = common::scratchFolder() / "page.txt";
    EXPECT_EQ(common::readFileBytes(scratch), "a1b");
    EXPECT_FALSE(webEntryExists("page.txt"));
    fs::remove(scratch);

    EXPECT_FALSE(common::SubFileHtml(runtime(), templates.path(), "missing.txt", true, values));
    EXPECT_NE(messages().find("couldn't replace from dictionary"), std::string::npos);
}

}  // namespace
}  // namespace norvel::poll
