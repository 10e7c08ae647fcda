#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "tests/host/web/disk_web_fixture.h"

namespace norvel::host {
namespace {

namespace fs = std::filesystem;
using namespace common::errnum;

using DiskWebAdd = DiskWebTest;

TEST_F(DiskWebAdd, FoldersAddMakesANewFolderOrReturnsTheExistingOne) {
    auto made = root()->Folders().Add("pics");
    EXPECT_TRUE(fs::is_directory(webPath("pics")));
    EXPECT_EQ(made->LocalPath(), webPath("pics"));
    EXPECT_FALSE(made->IsRoot());

    writeWebFile("pics/logo.gif", "GIF");
    auto again = root()->Folders().Add("pics");
    EXPECT_EQ(again->LocalPath(), made->LocalPath());
    EXPECT_EQ(again->Files().Count(), 1);

    auto nested = made->Folders().Add("thumbs");
    EXPECT_EQ(nested->Parent()->LocalPath(), made->LocalPath());
    EXPECT_TRUE(fs::is_directory(webPath("pics/thumbs")));
}

TEST_F(DiskWebAdd, FoldersAddRefusesAFileOfThatNameAndHiddenOrEscapingNames) {
    writeWebFile("notes", "text");
    common::Error taken = errorOf([&] { root()->Folders().Add("notes"); });
    EXPECT_EQ(taken.number(), kFileAlreadyExists);
    EXPECT_TRUE(mentions(taken, "'notes'"));
    EXPECT_EQ(readFile(webPath("notes")), "text");

    for (const char* name : {"..", "../escape", "a/b", "", ".hidden"}) {
        common::Error refused = errorOf([&] { root()->Folders().Add(name); });
        EXPECT_EQ(refused.number(), kInvalidCall) << name;
    }
    EXPECT_FALSE(fs::exists(webPath("..") / "escape"));
    EXPECT_FALSE(fs::exists(webPath("a")));
}

TEST_F(DiskWebAdd, FilesAddCopiesTheBytesWithNormalPermissions) {
    std::string bytes("<html>\r\n\0\xff</html>", 18);
    fs::path local = outside_.path() / "page.htm";
    writeFile(local, bytes);
    fs::permissions(local, fs::perms::owner_read | fs::perms::owner_exec);

    auto pics = root()->Folders().Add("pics");
    auto added = pics->Files().Add(local, false);
    EXPECT_EQ(added->LocalPath(), webPath("pics/page.htm"));
    EXPECT_EQ(readFile(webPath("pics/page.htm")), bytes);
    EXPECT_FALSE(fs::is_symlink(webPath("pics/page.htm")));
    mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(fs::status(webPath("pics/page.htm")).permissions(), fs::perms(0666 & ~mask));
    EXPECT_TRUE(hiddenEntries("pics").empty());

    writeFile(local, "changed");  // the web keeps its own copy
    EXPECT_EQ(readFile(webPath("pics/page.htm")), bytes);
}

TEST_F(DiskWebAdd, FilesAddReplacesOnlyWhenAskedTo) {
    writeWebFile("index.htm", "old");
    fs::path local = outside_.path() / "index.htm";
    writeFile(local, "new");

    common::Error exists = errorOf([&] { root()->Files().Add(local, false); });
    EXPECT_EQ(exists.number(), kFileAlreadyExists);
    EXPECT_TRUE(mentions(exists, "'index.htm'"));
    EXPECT_EQ(readFile(webPath("index.htm")), "old");

    root()->Files().Add(local, true);
    EXPECT_EQ(readFile(webPath("index.htm")), "new");
    EXPECT_TRUE(hiddenEntries().empty());
}

TEST_F(DiskWebAdd, FilesAddOfAWebFileOntoItself) {
    writeWebFile("index.htm", "same");
    fs::permissions(webPath("index.htm"), fs::perms::owner_all);  // a copy would lose these
    auto added = root()->Files().Add(webPath("index.htm"), true);
    EXPECT_EQ(added->LocalPath(), webPath("index.htm"));
    EXPECT_EQ(readFile(webPath("index.htm")), "same");
    EXPECT_EQ(fs::status(webPath("index.htm")).permissions(), fs::perms::owner_all);
    EXPECT_TRUE(hiddenEntries().empty());
    EXPECT_EQ(errorOf([&] { root()->Files().Add(webPath("index.htm"), false); }).number(),
              kFileAlreadyExists);
    EXPECT_EQ(readFile(webPath("index.htm")), "same");
}

TEST_F(DiskWebAdd, FilesAddRefusesFoldersAndBadLocalPaths) {
    fs::create_directory(webPath("pics"));
    writeFile(outside_.path() / "pics", "a file called pics");
    EXPECT_EQ(errorOf([&] { root()->Files().Add(outside_.path() / "pics", true); }).number(),
              kFileAlreadyExists);
    EXPECT_TRUE(fs::is_directory(webPath("pics")));

    EXPECT_EQ(errorOf([&] { root()->Files().Add(outside_.path() / "none.htm", true); }).number(),
              kFileNotFound);
    EXPECT_EQ(errorOf([&] { root()->Files().Add(outside_.path(), true); }).number(),
              kPathFileAccess);
    writeFile(outside_.path() / ".secret", "x");
    EXPECT_EQ(errorOf([&] { root()->Files().Add(outside_.path() / ".secret", true); }).number(),
              kInvalidCall);
    EXPECT_EQ(errorOf([&] { root()->Files().Add(outside_.path() / "..", true); }).number(),
              kInvalidCall);
    EXPECT_EQ(errorOf([&] { root()->Files().Add(outside_.path().string() + "/", true); }).number(),
              kInvalidCall);
    EXPECT_EQ(root()->Files().Count(), 0);
}

// Reading a process's memory file at offset 0 fails part way, like a failing disk would.
TEST_F(DiskWebAdd, AFailedCopyLeavesTheWebAsItWas) {
    writeWebFile("mem", "kept");
    common::Error failed = errorOf([&] { root()->Files().Add("/proc/self/mem", true); });
    EXPECT_EQ(failed.number(), kPathFileAccess);
    EXPECT_TRUE(mentions(failed, "/proc/self/mem"));
    EXPECT_EQ(readFile(webPath("mem")), "kept");
    EXPECT_TRUE(hiddenEntries().empty());

    auto sub = root()->Folders().Add("sub");
    EXPECT_EQ(errorOf([&] { sub->Files().Add("/proc/self/mem", false); }).number(),
              kPathFileAccess);
    EXPECT_FALSE(fs::exists(webPath("sub/mem")));
    EXPECT_TRUE(hiddenEntries("sub").empty());
}

}  // namespace
}  // namespace norvel::host
