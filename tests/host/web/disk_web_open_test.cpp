#include <filesystem>
#include <string>

#include "tests/host/web/disk_web_fixture.h"

namespace norvel::host {
namespace {

namespace fs = std::filesystem;
using namespace common::errnum;
namespace editor = common::editor;

using DiskWebOpen = DiskWebTest;

TEST_F(DiskWebOpen, OpenAndIsOpenGoToThePageWindowHost) {
    writeWebFile("pics/page.htm", "<p>");
    writeWebFile("data.txt", "1");
    auto page = root()->Folders().Item("pics")->Files().Item("page.htm");
    auto data = root()->Files().Item("data.txt");
    EXPECT_FALSE(page->IsOpen());

    page->Open(editor::kViewHtml);
    data->Open(editor::kViewDataFile);
    ASSERT_EQ(windows_.opened.size(), 2u);
    EXPECT_EQ(windows_.opened[0].first, webPath("pics/page.htm"));
    EXPECT_EQ(windows_.opened[0].second, editor::kViewHtml);
    EXPECT_EQ(windows_.opened[1].second, editor::kViewDataFile);

    // Another object for the same file sees the same window.
    EXPECT_TRUE(root()->Folders().Item("pics")->Files().Item(0)->IsOpen());
    writeWebFile("other.htm", "");
    EXPECT_FALSE(root()->Files().Item("other.htm")->IsOpen());
}

TEST_F(DiskWebOpen, UnknownViewModesAreRefused) {
    writeWebFile("page.htm", "");
    for (int mode : {0, 4, 127, -1}) {
        EXPECT_EQ(errorOf([&] { root()->Files().Item("page.htm")->Open(mode); }).number(),
                  kInvalidCall)
            << mode;
    }
    EXPECT_TRUE(windows_.opened.empty());
}

}  // namespace
}  // namespace norvel::host
