#include <filesystem>
#include <string>

#include "tests/host/web/disk_web_fixture.h"

namespace norvel::host {
namespace {

namespace fs = std::filesystem;
using namespace common::errnum;

using DiskWebDelete = DiskWebTest;

TEST_F(DiskWebDelete, DeletingAFileRemovesOnlyThatFile) {
    writeWebFile("a.htm", "a");
    writeWebFile("b.htm", "b");
    root()->Files().Item("a.htm")->Delete();
    EXPECT_FALSE(fs::exists(webPath("a.htm")));
    EXPECT_EQ(root()->Files().Count(), 1);
    EXPECT_EQ(root()->Files().Item(0)->Name(), "b.htm");
}

TEST_F(DiskWebDelete, DeletingAFolderRemovesEverythingInIt) {
    writeWebFile("pics/a.gif", "a");
    writeWebFile("pics/deep/er/b.gif", "b");
    writeWebFile("pics/.hidden", "h");
    writeWebFile("keep.htm", "k");
    root()->Folders().Item("pics")->Delete();
    EXPECT_FALSE(fs::exists(webPath("pics")));
    EXPECT_EQ(root()->Folders().Count(), 0);
    EXPECT_EQ(readFile(webPath("keep.htm")), "k");
}

TEST_F(DiskWebDelete, TheRootCannotBeDeleted) {
    writeWebFile("index.htm", "x");
    common::Error error = errorOf([&] { root()->Delete(); });
    EXPECT_EQ(error.number(), kInvalidCall);
    EXPECT_TRUE(mentions(error, "root folder"));
    EXPECT_EQ(readFile(webPath("index.htm")), "x");
}

TEST_F(DiskWebDelete, FileObjectsOutliveTheirFile) {
    writeWebFile("pics/logo.gif", "GIF");
    auto file = root()->Folders().Item("pics")->Files().Item("logo.gif");
    auto sameFile = root()->Folders().Item("pics")->Files().Item(0);
    file->Delete();

    EXPECT_EQ(sameFile->Name(), "logo.gif");
    EXPECT_EQ(sameFile->LocalPath(), webPath("pics/logo.gif"));
    common::Error gone = errorOf([&] { sameFile->Delete(); });
    EXPECT_EQ(gone.number(), kFileNotFound);
    EXPECT_TRUE(mentions(gone, "'pics/logo.gif'"));
    EXPECT_EQ(errorOf([&] { sameFile->Open(common::editor::kViewNormal); }).number(),
              kFileNotFound);
    EXPECT_TRUE(windows_.opened.empty());

    // A folder now stands where the file was: still not a file.
    fs::create_directory(webPath("pics/logo.gif"));
    EXPECT_EQ(errorOf([&] { sameFile->Delete(); }).number(), kFileNotFound);
    EXPECT_TRUE(fs::is_directory(webPath("pics/logo.gif")));
}

TEST_F(DiskWebDelete, FolderObjectsOutliveTheirFolder) {
    writeWebFile("old/a.htm", "a");
    auto folder = root()->Folders().Item("old");
    auto file = folder->Files().Item("a.htm");
    fs::rename(webPath("old"), webPath("new"));

    for (auto action : {+[](common::editor::WebFolder& f) { f.Files().Count(); },
                        +[](common::editor::WebFolder& f) { f.Folders().Item(0); },
                        +[](common::editor::WebFolder& f) { f.Files().Item("a.htm"); },
                        +[](common::editor::WebFolder& f) { f.Folders().Add("sub"); },
                        +[](common::editor::WebFolder& f) { f.Delete(); }}) {
        common::Error error = errorOf([&] { action(*folder); });
        EXPECT_EQ(error.number(), kPathNotFound);
        EXPECT_TRUE(mentions(error, "'old'")) << error.description();
    }
    fs::path local = outside_.path() / "b.htm";
    writeFile(local, "b");
    EXPECT_EQ(errorOf([&] { folder->Files().Add(local, true); }).number(), kPathNotFound);
    EXPECT_FALSE(fs::exists(webPath("old")));

    EXPECT_EQ(file->Parent()->Name(), "old");
    EXPECT_EQ(errorOf([&] { file->Delete(); }).number(), kFileNotFound);
    EXPECT_EQ(readFile(webPath("new/a.htm")), "a");
}

}  // namespace
}  // namespace norvel::host
