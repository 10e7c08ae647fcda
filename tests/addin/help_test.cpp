// The help window wrapper over the editor's help engine, and the help files installed beside
// the add-in.
#include <gtest/gtest.h>

#include <fstream>

#include "addin/chtml_help.h"
#include "addin/help_path.h"
#include "tests/addin/addin_world.h"

namespace norvel::tests {
namespace {

using addin::CHTMLHelp;

TEST(AddinHelp, ShowContentsOpensTheFileAndKeepsTheLastWindow) {
    AddinWorld world;
    std::string file = (world.folder.path() / "guide.chm").string();
    std::ofstream(file) << "<html><body>Guide</body></html>";
    {
        CHTMLHelp help(world.help, world.ui);
        help.ShowContents(file, 0);
        intptr_t first = help.WindowHandle();
        help.ShowContents(file, 0);
        EXPECT_NE(help.WindowHandle(), first);
        EXPECT_NE(help.WindowHandle(), 0);
        EXPECT_EQ(world.help.openCount(), 2u);

        // Missing files and blank names are told; the window is still remembered.
        intptr_t last = help.WindowHandle();
        help.ShowContents(file + ".missing", 0);
        help.ShowContents("   ", 0);
        EXPECT_EQ(help.WindowHandle(), last);

        help.CloseHelpWindow();
        EXPECT_EQ(help.WindowHandle(), 0);
        EXPECT_EQ(world.help.openCount(), 1u);  // only the window it remembered
    }
    EXPECT_EQ(world.transcript(),
              "help " + host::quoteScriptString(file) + "\nhelp " + host::quoteScriptString(file) +
                  "\nmsgbox info \"\" " +
                  host::quoteScriptString("Help File '" + file + ".missing' not found.") +
                  " -> ok\nmsgbox info \"\" \"Help File '   ' not found.\" "
                  "-> ok\n");
}

TEST(AddinHelp, FileExistWantsAReadableFile) {
    tests::TemporaryFolder folder;
    std::string file = (folder.path() / "a.chm").string();
    std::ofstream(file) << "x";
    EXPECT_TRUE(CHTMLHelp::FileExist(file));
    EXPECT_TRUE(CHTMLHelp::FileExist("  " + file + "  "));
    EXPECT_FALSE(CHTMLHelp::FileExist(folder.path().string()));
    EXPECT_FALSE(CHTMLHelp::FileExist(file + "x"));
    EXPECT_FALSE(CHTMLHelp::FileExist(""));
}

// The help files lie beside the add-in (here: beside the test program) and are HTML
// documents that name the commands they explain, with their exact captions.
TEST(AddinHelp, TheHelpFilesAreInstalledAndNameTheirMenuEntries) {
    struct Case {
        const char* file;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"norveljs.chm",
         {"Add to Favorites", "Slide Show", "Fading Messages", "Current Date", "Show and Hide",
          "JavaScript", "options"}},
        {"pollc.chm", {"ASP Polls", "PHP Polls", "Polls"}},
        {"stylec.chm", {"Scrollbar color", "Style"}},
    };
    for (const Case& c : cases) {
        std::ifstream in(addin::helpFilePath(c.file));
        ASSERT_TRUE(in) << addin::helpFilePath(c.file);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(text.rfind("<!DOCTYPE html>\n<html lang=\"en\">", 0), 0u) << c.file;
        for (const std::string& caption : c.captions)
            EXPECT_NE(text.find(">" + caption + "</"), std::string::npos)
                << c.file << " does not name " << caption;
    }
}

}  // namespace
}  // namespace norvel::tests
