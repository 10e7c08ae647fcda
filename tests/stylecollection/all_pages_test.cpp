// "All Pages" over a real web: pages open elsewhere are updated in their own windows, and a
// write failing half-way through leaves every page as it was and nothing written aside.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "tests/stylecollection/style_editor_fixture.h"

namespace norvel::style {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr const char* kApplyRedToAllPages = R"(
click OpLocAll
set HexColor1.txtColor ff0000
click cmdOK
)";

class AllPagesTest : public StyleEditorFixture {
  protected:
    void SetUp() override {
        for (const char* name : {"a.htm", "b.htm", "c.html", "d.htm", "e.htm"})
            writePage(name, page("", std::string("<p>") + name + "</p>"));
        writePage("sub/deep.htm", page(""));
    }
};

TEST_F(AllPagesTest, PagesOpenInOtherWindowsAreUpdatedThereAndLeftUnsaved) {
    open("b.htm");
    auto other = app->activeWindow();
    app->openPageByPath("a.htm", common::editor::kViewNormal);
    auto current = app->activeWindow();
    std::string bOnDisk = readWebFile("b.htm");

    ASSERT_EQ(runDialog(kApplyRedToAllPages), "");

    const std::string block = "<style>\r\nbody {scrollbar-base-color: #FF0000; }\r\n";
    EXPECT_EQ(app->activeWindow(), current) << "the current page stays in front";
    EXPECT_EQ(app->windows().size(), 2u) << "only the windows that were open stay open";
    EXPECT_NE(current->document().headInnerHTML().find(block), std::string::npos);
    EXPECT_NE(other->document().headInnerHTML().find(block), std::string::npos);
    EXPECT_EQ(readWebFile("b.htm"), bOnDisk) << "an open page is saved by its author";
    EXPECT_TRUE(other->modified());
    // The current page got its block once, though it is a root page too.
    std::string currentHead = current->document().headInnerHTML();
    EXPECT_EQ(currentHead.find("<style>"), currentHead.rfind("<style>"));
    for (const char* name : {"c.html", "d.htm", "e.htm"})
        EXPECT_NE(readWebFile(name).find(block), std::string::npos) << name;
    EXPECT_EQ(readWebFile("sub/deep.htm"), page(""));
    EXPECT_EQ(entriesOf(web.path()), (std::vector<std::string>{"a.htm", "b.htm", "c.html", "d.htm",
                                                               "e.htm", "sub", "sub/deep.htm"}));
    EXPECT_NE(transcript.str().find("msgbox none \"\" \"ScrollBar Color has been applied "
                                    "successfully\""),
              std::string::npos)
        << transcript.str();
}

TEST_F(AllPagesTest, AWriteFailingHalfWayLeavesEveryPageOldAndNothingAside) {
    // d.htm is too big to be written under the limit below: the pages before it in the list
    // are written aside, then its write fails, as on a full disk.
    writePage("d.htm", page("", std::string(8000, 'x')));
    std::map<std::string, std::string> before;
    for (const char* name : {"a.htm", "b.htm", "c.html", "d.htm", "e.htm"})
        before[name] = readWebFile(name);
    open("a.htm");

    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    ::getrlimit(RLIMIT_FSIZE, &previous);
    rlimit lowered = previous;
    lowered.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
    std::string scriptError = runDialog(kApplyRedToAllPages);
    ::setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_EQ(scriptError, "");

    EXPECT_NE(transcript.str().find("error \"NorvelSC\" \"Function DoStylePages in norvel\" 75 "
                                    "\"Cannot write '" +
                                    (web.path() / "d.htm").string()),
              std::string::npos)
        << transcript.str();
    EXPECT_EQ(transcript.str().find("applied successfully"), std::string::npos);
    for (const auto& [name, bytes] : before)
        EXPECT_EQ(readWebFile(name), bytes) << name;
    EXPECT_EQ(entriesOf(web.path()), (std::vector<std::string>{"a.htm", "b.htm", "c.html", "d.htm",
                                                               "e.htm", "sub", "sub/deep.htm"}));
    EXPECT_EQ(app->windows().size(), 1u) << "the windows it opened are closed";
}

class LinkedSheetTest : public StyleEditorFixture {};

TEST_F(LinkedSheetTest, ASheetIsFoundRelativeToThePageAndWrittenToItsFile) {
    writePage("css/site.css", "p { color: red }\n");
    writePage("sub/page.htm", page("<link rel=\"stylesheet\" href=\"../css/site.css\">"));
    open("sub/page.htm");
    ASSERT_EQ(runDialog(R"(
click OpLocStyle
choose cmbStyle ../css/site.css
set HexColor5.txtColor 00ff00
click cmdOK
)"),
              "");
    EXPECT_EQ(readWebFile("css/site.css"),
              "p { color: red }\nbody {scrollbar-face-color: #00FF00;}\n"
              "html {scrollbar-color: #00FF00 #99ff99;}\n");
    EXPECT_EQ(readWebFile("sub/page.htm"),
              page("<link rel=\"stylesheet\" href=\"../css/site.css\">"));
}

TEST_F(LinkedSheetTest, ASheetMissingOrOutsideTheWebIsNotFoundAndNothingIsWritten) {
    writePage("index.htm", page("<link rel=\"stylesheet\" href=\"gone.css\">"
                                "<link rel=\"stylesheet\" href=\"http://example.com/x.css\">"
                                "<link rel=\"stylesheet\" href=\"../../outside.css\">"));
    open("index.htm");
    ASSERT_EQ(runDialog(R"(
set HexColor1.txtColor ff0000
click OpLocStyle
choose cmbStyle gone.css
click cmdOK
expect message "The Style Sheet \"gone.css\"couldn't be found"
choose cmbStyle http://example.com/x.css
click cmdOK
expect message "The Style Sheet \"http://example.com/x.css\"couldn't be found"
choose cmbStyle ../../outside.css
click cmdOK
expect message "The Style Sheet \"../../outside.css\"couldn't be found"
click cmdCancel
)"),
              "");
    EXPECT_NE(transcript.str().find("msgbox warning \"Style Search\""), std::string::npos);
    EXPECT_EQ(entriesOf(web.path()), (std::vector<std::string>{"index.htm"}));
    EXPECT_FALSE(fs::exists(web.path().parent_path() / "outside.css"));
}

TEST_F(LinkedSheetTest, TextThatIsNoColourIsNeverWritten) {
    writePage("index.htm", page(""));
    open("index.htm");
    ASSERT_EQ(runDialog(R"(
set HexColor2.txtColor "}*{a:b"
click cmdOK
expect form "Norvel - Scrollbar color"
click cmdCancel
)"),
              "");
    EXPECT_NE(transcript.str().find("\"Hex Check\""), std::string::npos) << transcript.str();
    EXPECT_EQ(readWebFile("index.htm"), page(""));
    EXPECT_EQ(head(), "<title>t</title>");
}

}  // namespace
}  // namespace norvel::style
