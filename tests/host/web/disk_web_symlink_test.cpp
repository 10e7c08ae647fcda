#include <filesystem>
#include <string>

#include "tests/host/web/disk_web_fixture.h"

namespace norvel::host {
namespace {

namespace fs = std::filesystem;
using namespace common::errnum;

// A web with links out of it ("ext" to a folder, "secret.txt" to a file), a link inside it
// ("inner" to "real") and a dangling link.
class DiskWebSymlink : public DiskWebTest {
  protected:
    void SetUp() override {
        writeFile(outside_.path() / "ext/data.txt", "outside data");
        writeFile(outside_.path() / "ext/sub/deep.txt", "deep");
        writeFile(outside_.path() / "secret.txt", "secret");
        fs::create_directory_symlink(outside_.path() / "ext", webPath("ext"));
        fs::create_symlink(outside_.path() / "secret.txt", webPath("secret.txt"));
        fs::create_directory(webPath("real"));
        fs::create_directory_symlink("real", webPath("inner"));
        fs::create_symlink("nowhere", webPath("dangling"));
        local_ = outside_.path() / "new.htm";
        writeFile(local_, "new");
    }
    fs::path local_;
};

TEST_F(DiskWebSymlink, LinksAreListedAndReadLikeWhatTheyPointTo) {
    EXPECT_EQ(root()->Folders().Count(), 3);  // ext, inner, real
    EXPECT_EQ(root()->Files().Count(), 1);    // secret.txt; the dangling link is no entry
    auto ext = root()->Folders().Item("ext");
    EXPECT_EQ(ext->Files().Item("data.txt")->LocalPath(), webPath("ext/data.txt"));
    EXPECT_EQ(ext->Folders().Item("sub")->Files().Count(), 1);
    EXPECT_EQ(errorOf([&] { root()->Files().Item("dangling"); }).number(), kSubscriptOutOfRange);
}

TEST_F(DiskWebSymlink, NothingIsWrittenThroughALinkLeadingOutOfTheWeb) {
    auto ext = root()->Folders().Item("ext");
    auto expectRefused = [&](auto action, const std::string& where) {
        common::Error error = errorOf(action);
        EXPECT_EQ(error.number(), kPermissionDenied) << where;
        EXPECT_TRUE(mentions(error, where)) << error.description();
        EXPECT_TRUE(mentions(error, "symbolic link")) << error.description();
    };
    expectRefused([&] { ext->Files().Add(local_, true); }, "'ext'");
    expectRefused([&] { ext->Folders().Add("made"); }, "'ext'");
    expectRefused([&] { ext->Files().Item("data.txt")->Delete(); }, "'ext'");
    expectRefused([&] { ext->Folders().Item("sub")->Delete(); }, "'ext'");
    expectRefused([&] { ext->Folders().Item("sub")->Folders().Add("x"); }, "'ext/sub'");

    EXPECT_FALSE(fs::exists(outside_.path() / "ext/new.htm"));
    EXPECT_FALSE(fs::exists(outside_.path() / "ext/made"));
    EXPECT_EQ(readFile(outside_.path() / "ext/data.txt"), "outside data");
    EXPECT_TRUE(fs::exists(outside_.path() / "ext/sub/deep.txt"));
}

TEST_F(DiskWebSymlink, DeletingOrReplacingALinkLeavesItsTargetAlone) {
    root()->Folders().Item("ext")->Delete();
    EXPECT_FALSE(fs::exists(fs::symlink_status(webPath("ext"))));
    EXPECT_EQ(readFile(outside_.path() / "ext/data.txt"), "outside data");
    EXPECT_TRUE(fs::exists(outside_.path() / "ext/sub/deep.txt"));

    fs::path replacement = outside_.path() / "sub2/secret.txt";
    writeFile(replacement, "replacement");
    root()->Files().Add(replacement, true);
    EXPECT_FALSE(fs::is_symlink(webPath("secret.txt")));
    EXPECT_EQ(readFile(webPath("secret.txt")), "replacement");
    EXPECT_EQ(readFile(outside_.path() / "secret.txt"), "secret");

    fs::create_symlink(outside_.path() / "secret.txt", webPath("link.txt"));
    root()->Files().Item("link.txt")->Delete();
    EXPECT_EQ(readFile(outside_.path() / "secret.txt"), "secret");
}

TEST_F(DiskWebSymlink, LinksThatStayInsideTheWebAreWritten) {
    auto inner = root()->Folders().Item("inner");
    inner->Files().Add(local_, false);
    inner->Folders().Add("made");
    EXPECT_EQ(readFile(webPath("real/new.htm")), "new");
    EXPECT_TRUE(fs::is_directory(webPath("real/made")));
    inner->Files().Item("new.htm")->Delete();
    EXPECT_FALSE(fs::exists(webPath("real/new.htm")));
}

}  // namespace
}  // namespace norvel::host
