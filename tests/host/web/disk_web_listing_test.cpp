#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/host/web/disk_web_fixture.h"

namespace norvel::host {
namespace {

namespace fs = std::filesystem;
using namespace common::errnum;

std::vector<std::string> fileNames(common::editor::WebFolder& folder) {
    std::vector<std::string> names;
    for (int i = 0; i < folder.Files().Count(); ++i)
        names.push_back(folder.Files().Item(i)->Name());
    return names;
}

std::vector<std::string> folderNames(common::editor::WebFolder& folder) {
    std::vector<std::string> names;
    for (int i = 0; i < folder.Folders().Count(); ++i) {
        names.push_back(folder.Folders().Item(i)->Name());
    }
    return names;
}

using DiskWebListing = DiskWebTest;

TEST_F(DiskWebListing, ListsFilesAndFoldersApartInByteOrderWithoutHiddenEntries) {
    for (const char* name : {"b.htm", "B.htm", "a.htm", "_x.css", ".htaccess", ".index.htm.tmp1"}) {
        writeWebFile(name, name);
    }
    for (const char* name : {"pics", "Data", ".git", "_private"})
        fs::create_directory(webPath(name));
    ::mkfifo(webPath("pipe").c_str(), 0600);  // neither a file nor a folder of the web

    auto folder = root();
    EXPECT_EQ(fileNames(*folder), (std::vector<std::string>{"B.htm", "_x.css", "a.htm", "b.htm"}));
    EXPECT_EQ(folderNames(*folder), (std::vector<std::string>{"Data", "_private", "pics"}));
}

// For Each over a folder: one snapshot in list order, which later changes on disk do not
// alter, and whose files answer for themselves.
TEST_F(DiskWebListing, EnumerationIsOneSnapshotInListOrder) {
    for (const char* name : {"b.htm", "a.htm", ".hidden.htm"})
        writeWebFile(name, name);
    fs::create_directory(webPath("sub"));
    auto files = root()->Files().Enumerate();
    writeWebFile("c.htm", "");
    std::vector<std::string> names;
    for (const auto& file : files)
        names.push_back(file->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"a.htm", "b.htm"}));
    EXPECT_EQ(files[1]->Extension(), "htm");
    EXPECT_EQ(files[1]->LocalPath(), webPath("b.htm"));
    EXPECT_EQ(root()->Files().Enumerate().size(), 3u);
}

// A folder untouched for an hour has its listing kept between calls; positions must still
// follow what changes on disk.
TEST_F(DiskWebListing, PositionsFollowChangesToASettledFolder) {
    writeWebFile("b.htm", "");
    writeWebFile("c.htm", "");
    fs::last_write_time(webPath(), fs::file_time_type::clock::now() - std::chrono::hours(1));
    auto folder = root();
    ASSERT_EQ(folder->Files().Count(), 2);
    EXPECT_EQ(folder->Files().Item(0)->Name(), "b.htm");

    writeWebFile("a.htm", "");
    EXPECT_EQ(folder->Files().Item(0)->Name(), "a.htm");
    EXPECT_EQ(folder->Files().Item(2)->Name(), "c.htm");
    fs::remove(webPath("c.htm"));
    EXPECT_EQ(errorOf([&] { folder->Files().Item(2); }).number(), kSubscriptOutOfRange);
    fs::create_directory(webPath("new"));
    EXPECT_EQ(folder->Folders().Item(0)->Name(), "new");
}

TEST_F(DiskWebListing, ItemsByNameAreExactAndOfTheirOwnKind) {
    writeWebFile("Index.htm", "page");
    fs::create_directory(webPath("pics"));

    EXPECT_EQ(root()->Files().Item("Index.htm")->LocalPath(), webPath("Index.htm"));
    EXPECT_EQ(root()->Folders().Item("pics")->Name(), "pics");

    auto missing = [&](auto action, const std::string& text) {
        common::Error error = errorOf(action);
        EXPECT_EQ(error.number(), kSubscriptOutOfRange) << text;
        EXPECT_EQ(error.source(), "norvel");
        EXPECT_TRUE(mentions(error, text)) << error.description();
    };
    missing([&] { root()->Files().Item("index.htm"); }, "'index.htm'");
    missing([&] { root()->Files().Item("pics"); }, "no file named 'pics'");
    missing([&] { root()->Folders().Item("Index.htm"); }, "no folder named 'Index.htm'");
    missing([&] { root()->Folders().Item("Pics"); }, "'Pics'");
    missing([&] { root()->Files().Item(1); }, "index 1");
    missing([&] { root()->Files().Item(-1); }, "index -1");
    missing([&] { root()->Folders().Item(1); }, "index 1");
}

TEST_F(DiskWebListing, HiddenEntriesCannotBeReachedByName) {
    writeWebFile(".htaccess", "deny");
    fs::create_directory(webPath(".git"));
    EXPECT_EQ(errorOf([&] { root()->Files().Item(".htaccess"); }).number(), kSubscriptOutOfRange);
    EXPECT_EQ(errorOf([&] { root()->Folders().Item(".git"); }).number(), kSubscriptOutOfRange);
}

TEST_F(DiskWebListing, NamesThatCouldLeaveTheFolderAreRefused) {
    fs::create_directory(webPath("pics"));
    writeWebFile("pics/logo.gif", "GIF");
    std::vector<std::string> names = {
        "", ".", "..", "pics/logo.gif", "../etc", std::string("a\0b", 3)};
    for (const std::string& name : names) {
        common::Error file = errorOf([&] { root()->Files().Item(name); });
        common::Error folder = errorOf([&] { root()->Folders().Item(name); });
        EXPECT_EQ(file.number(), kInvalidCall) << name;
        EXPECT_EQ(folder.number(), kInvalidCall) << name;
        EXPECT_TRUE(mentions(file, "Invalid procedure call or argument")) << file.description();
    }
    EXPECT_TRUE(
        mentions(errorOf([&] { root()->Files().Item(std::string("a\0b", 3)); }), "'a\\0b'"));
}

TEST_F(DiskWebListing, NamesExtensionsAndUrls) {
    writeWebFile("Index.HTM", "");
    writeWebFile("README", "");
    writeWebFile("pics/photo.2024.jpeg", "");
    writeWebFile("pics/trail.", "");
    std::string base = "file://" + fs::canonical(webPath()).string();

    auto index = root()->Files().Item("Index.HTM");
    EXPECT_EQ(index->Name(), "Index.HTM");
    EXPECT_EQ(index->Extension(), "HTM");
    EXPECT_EQ(index->Url(), base + "/Index.HTM");
    EXPECT_EQ(root()->Files().Item("README")->Extension(), "");

    auto pics = root()->Folders().Item("pics");
    EXPECT_EQ(pics->Url(), base + "/pics");
    EXPECT_EQ(pics->Files().Item("photo.2024.jpeg")->Extension(), "jpeg");
    EXPECT_EQ(pics->Files().Item("trail.")->Extension(), "");
    EXPECT_EQ(root()->Url(), base);
    EXPECT_EQ(web_.Url(), base);
    EXPECT_EQ(root()->Name(), "");
}

TEST_F(DiskWebListing, ParentsLeadFromADeepFolderUpToTheWeb) {
    writeWebFile("a/b/c/page.htm", "");
    auto page = root()->Folders().Item("a")->Folders().Item("b")->Folders().Item("c")->Files().Item(
        "page.htm");

    std::vector<std::string> walk;
    auto folder = page->Parent();
    for (; folder; folder = folder->Parent()) {
        walk.push_back(folder->Name());
        EXPECT_EQ(folder->IsRoot(), folder->Name().empty());
    }
    EXPECT_EQ(walk, (std::vector<std::string>{"c", "b", "a", ""}));
    EXPECT_EQ(page->Parent()->LocalPath(), webPath("a/b/c"));
    EXPECT_EQ(page->Parent()->Files().Item(0)->LocalPath(), page->LocalPath());
}

TEST(DiskWebRootFolder, MustExist) {
    RecordingPageWindowHost windows;
    tests::TemporaryFolder folder;
    common::Error missing = errorOf([&] { DiskWeb(folder.path() / "none", windows); });
    EXPECT_EQ(missing.number(), kPathNotFound);
    EXPECT_TRUE(mentions(missing, "none"));

    std::ofstream(folder.path() / "file") << "x";
    EXPECT_EQ(errorOf([&] { DiskWeb(folder.path() / "file", windows); }).number(), kPathNotFound);
}

}  // namespace
}  // namespace norvel::host
