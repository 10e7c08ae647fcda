// The poll folder a new poll gets: its files, the admin pages with only a hash of the
// password, and the permission note shown afterwards.
#include <filesystem>
#include <set>
#include <sstream>

#include "common/atomic_file.h"
#include "host/session/script_parser.h"
#include "pollcollection/frm_perm.h"
#include "tests/pollcollection/generator_fixture.h"

namespace norvel::poll {
namespace {

namespace fs = std::filesystem;

class PollGeneratorFiles : public PollGeneratorFixture {
  protected:
    std::set<std::string> entriesOf(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(webPath(folder)))
            names.insert(entry.path().filename().string());
        return names;
    }
    // Every file of the web (the page saved first) that holds `text`.
    std::vector<std::string> filesHolding(const std::string& text) {
        app->activeWindow()->Save();
        std::vector<std::string> found;
        for (const auto& entry : fs::recursive_directory_iterator(web.path()))
            if (entry.is_regular_file() &&
                common::readFileBytes(entry.path()).find(text) != std::string::npos)
                found.push_back(entry.path().string());
        return found;
    }
};

TEST_F(PollGeneratorFiles, ANewPhpPollGetsItsFolderFromTheTemplates) {
    generateFirstPoll();
    EXPECT_EQ(
        entriesOf("phppollx"),
        (std::set<std::string>{"vote.php", "process.php", "results.php", "vote_js.php", "votes.htm",
                               "history.htm", "pollstyle.css", "bar.gif", "admin"}));
    EXPECT_EQ(entriesOf("phppollx/admin"),
              (std::set<std::string>{"index.php", "change.php", "history.php", "logout.php",
                                     "home.php", "process.php"}));
    EXPECT_EQ(readWebFile("phppollx/votes.htm"), kFirstPoll);
    EXPECT_EQ(readWebFile("phppollx/history.htm"), "");
    EXPECT_EQ(readWebFile("phppollx/bar.gif"),
              common::readFileBytes(fs::path(NORVEL_POLL_TEMPLATE_FOLDER) / "PHP/bar.gif"));
    std::string css = readWebFile("phppollx/pollstyle.css");
    EXPECT_NE(css.find("#CCDDEE"), std::string::npos);
    EXPECT_EQ(css.find("<*"), std::string::npos);
    EXPECT_EQ(messages(), "");
}

TEST_F(PollGeneratorFiles, ThePasswordIsKeptOnlyAsAHash) {
    generateFirstPoll();
    EXPECT_NE(readWebFile("phppollx/admin/index.php").find("$6$"), std::string::npos);
    EXPECT_EQ(filesHolding(tests::kAdminPassword), std::vector<std::string>{});
}

TEST_F(PollGeneratorFiles, AnAspPollGetsTheAspFilesAndAHashedPassword) {
    openNewPage("index.asp");
    auto generator = newPoll("P1");
    generator->RunASP("asp");
    EXPECT_EQ(
        entriesOf("phppollx"),
        (std::set<std::string>{"vote.asp", "process.asp", "results.asp", "vote_js.asp", "votes.htm",
                               "history.htm", "pollstyle.css", "bar.gif", "admin"}));
    EXPECT_EQ(entriesOf("phppollx/admin"),
              (std::set<std::string>{"default.asp", "change.asp", "history.asp", "logout.asp",
                                     "home.asp", "process.asp"}));
    EXPECT_NE(readWebFile("phppollx/admin/default.asp").find("sha256$"), std::string::npos);
    EXPECT_NE(pageHtml().find("PREVIEW=\"<span style='text-align:center;border:1px solid "
                              "black;width:300;height:150;padding:2px'>ASP Poll<br>"),
              std::string::npos);
    EXPECT_EQ(filesHolding(tests::kAdminPassword), std::vector<std::string>{});
}

TEST_F(PollGeneratorFiles, WithoutHistoryAndAdminThereIsNeither) {
    openNewPage("index.htm");
    auto generator = newPoll();
    generator->FormDic->set("history", "0");
    generator->FormDic->set("admin", "0");
    generator->RunPHP("htm");
    EXPECT_EQ(entriesOf("phppollx"),
              (std::set<std::string>{"vote.php", "process.php", "results.php", "vote_js.php",
                                     "votes.htm", "pollstyle.css", "bar.gif"}));
}

TEST_F(PollGeneratorFiles, ATemplateValueThatIsMissingSkipsOnlyThatFile) {
    openNewPage("index.htm");
    auto generator = newPoll();
    generator->FormDic->remove("qbc");  // named by pollstyle.css only
    generator->RunPHP("htm");
    EXPECT_FALSE(webEntryExists("phppollx/pollstyle.css"));
    EXPECT_TRUE(webEntryExists("phppollx/bar.gif"));
    EXPECT_TRUE(webEntryExists("phppollx/vote.php"));
    EXPECT_NE(messages().find("\"qbc\""), std::string::npos);
    EXPECT_NE(pageHtml().find("webbot"), std::string::npos);
}

TEST(PollPermissionNote, ShowsTheElevenLinesAndCloses) {
    std::stringstream transcript;
    host::SessionCursor cursor(host::parseSessionScript(""));
    host::ScriptedUi ui(cursor, transcript);
    frmPerm note(ui);
    EXPECT_EQ(note.caption(), "Note");
    note.Load();
    EXPECT_EQ(note.txtPer.text(),
              "Poll files added successfully.\r\n"
              "In order for the poll to work permissions must be set correctly.\r\n"
              "\r\n"
              "Windows hosts\r\n"
              "The web server\u2019s account (IUSR, or the application pool\u2019s identity) "
              "needs Modify permission on the poll folder (example asppollx): the poll writes its "
              "data files and short-lived lock and temporary files there. The ASP poll also needs "
              "the .NET Framework on the server (System.Security.Cryptography.SHA256Managed and "
              "System.Text.UTF8Encoding). (see help file for more info)\r\n"
              "\r\n"
              "UNIX hosts\r\n"
              "The web server must be able to write in the poll folder (example phppollx) and "
              "to both votes.htm and history.htm, ie chmod 777 for the folder and chmod 666 for "
              "the two files. (see help file for more info)\r\n"
              "\r\n"
              "UNIX host using Chilisoft ASP\r\n"
              "The ASP poll does not run there: Chilisoft ASP has no .NET Framework. Use the PHP "
              "poll.");
    EXPECT_EQ(note.Command1.caption(), "Close");
    note.Command1.Click();
    EXPECT_FALSE(note.loaded());
}

}  // namespace
}  // namespace norvel::poll
