// The whole road of a PHP poll as its author and its visitors take it: `norvel run` sessions
// insert the poll and edit it again, PHP's built-in server serves the web, and visitors vote
// through the generated form. Texts with "&", "<" and letters beyond ASCII come through
// every step unchanged.
#include <gtest/gtest.h>

#include <fstream>

#include "common/atomic_file.h"
#include "tests/templates/poll/http_client.h"
#include "tests/templates/poll/php_poll_fixture.h"
#include "tests/templates/poll/php_server.h"
#include "tests/support/temporary_folder.h"

namespace norvel::poll {
namespace {

const char* kInsertPoll = R"(web web
open page.php
caret end
menu Norvel Polls "PHP Polls"
set ctlText1.txtQuestion "Tom & Jerry or <None>?"
set ctlText1.cmbAnswers "Tom & Jerry"
click ctlText1.cmdPlus
set ctlText1.cmbAnswers "<None>"
click ctlText1.cmdPlus
set ctlText1.cmbAnswers "Çà et là"
click ctlText1.cmdPlus
node TreeView1 options
click ctlOp1.Option3
check ctlOp1.chkAdmin 0
node TreeView1 general
set ctlGeneral1.QBackC.txtColor 336699
set ctlGeneral1.ABackC.txtColor ffffff
node TreeView1 question
set ctlQ.HexColor1.txtColor ffffff
node TreeView1 answers
set ctlA.HexColor1.txtColor 000000
node TreeView1 other
set ctlB.HexColor1.txtColor 000000
click cmdOK
click Command1
save
close
)";

const char* kRecolourPoll = R"(web web
open page.php
edit-block 1
expect value ctlText1.txtQuestion "Tom & Jerry or <None>?"
node TreeView1 general
expect value ctlGeneral1.QBackC.txtColor 336699
set ctlGeneral1.QBackC.txtColor 993333
node TreeView1 answers
set ctlA.HexColor1.txtColor 333333
click cmdOK
save
close
)";

const char* kRewordPoll = R"(web web
open page.php
edit-block 1
choose ctlText1.cmbAnswers "Çà et là"
click ctlText1.cmdMinus
set ctlText1.cmbAnswers "Ni çà ni là"
click ctlText1.cmdPlus
click cmdOK
save
close
)";

class PollRoad : public ::testing::Test {
  protected:
    void SetUp() override {
        if (tests::findProgram("php").empty())
            GTEST_SKIP() << "php is not installed: the generated PHP poll is not served";
        std::filesystem::create_directories(config.path());
        tests::ProcessResult registered =
            runNorvel({"register", NORVEL_FP_LIBRARY, NORVEL_POLL_LIBRARY});
        ASSERT_EQ(registered.exitCode, 0) << registered.output;
        std::filesystem::create_directories(work.path() / "web");
        common::writeFileAtomically(work.path() / "web" / "page.php",
                                    "<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>Page"
                                    "</title>\r\n</head>\r\n<body>\r\n<p>Vote!</p>\r\n</body>\r\n"
                                    "</html>\r\n");
    }

    tests::ProcessResult runNorvel(std::vector<std::string> arguments) {
        std::vector<std::string> command{
            "/usr/bin/env", "NORVEL_CONFIG_HOME=" + config.path().string(), NORVEL_PROGRAM};
        command.insert(command.end(), arguments.begin(), arguments.end());
        return tests::runProcess(command);
    }

    void playSession(const std::string& name, const std::string& script) {
        std::filesystem::path file = work.path() / (name + ".nvs");
        common::writeFileAtomically(file, script);
        tests::ProcessResult result = runNorvel({"run", file.string()});
        ASSERT_EQ(result.exitCode, 0) << name << ":\n" << result.output;
    }

    std::string webFile(const std::string& relative) {
        return common::readFileBytes(work.path() / "web" / relative);
    }

    tests::TemporaryFolder config;
    tests::TemporaryFolder work;
};

TEST_F(PollRoad, VotesSurviveARecolouringAndGoToTheHistoryWhenAnAnswerIsReworded) {
    playSession("insert", kInsertPoll);
    ASSERT_FALSE(HasFailure());
    EXPECT_NE(webFile("page.php").find("<?php include(\"phppollx/vote.php\"); ?>"),
              std::string::npos)
        << webFile("page.php");

    tests::TemporaryFolder serverWork;
    tests::PhpServer server(work.path() / "web", serverWork.path(), 4);
    // Three visitors: two for "<None>", one for "Çà et là".
    for (const char* vote : {"4", "4", "6"}) {
        tests::HttpClient visitor(server.port());
        tests::HttpResponse page = visitor.get("/page.php");
        ASSERT_EQ(page.status, 200) << page.body;
        EXPECT_NE(page.body.find("Tom &amp; Jerry or &lt;None&gt;?"), std::string::npos)
            << page.body;
        EXPECT_NE(page.body.find(">&lt;None&gt;</label>"), std::string::npos);
        EXPECT_NE(page.body.find(">Çà et là</label>"), std::string::npos);
        tests::HttpResponse voted =
            visitor.post("/phppollx/process.php", {{"vote", vote},
                                                   {"poll", tests::inputValue(page.body, "poll")},
                                                   {"back", "/page.php"}});
        EXPECT_EQ(voted.status, 303) << voted.body;
    }
    const std::string counted =
        "Tom &amp; Jerry or &lt;None&gt;?||Tom &amp; Jerry||0||&lt;None&gt;||2||Çà et là||1";
    EXPECT_EQ(webFile("phppollx/votes.htm"), counted);

    playSession("recolour", kRecolourPoll);
    EXPECT_EQ(webFile("phppollx/votes.htm"), counted);
    EXPECT_NE(webFile("phppollx/pollstyle.css").find("background-color: #993333;"),
              std::string::npos);
    EXPECT_EQ(webFile("phppollx/history.htm"), "");
    tests::HttpClient reader(server.port());
    tests::HttpResponse results = reader.get("/phppollx/results.php");
    ASSERT_EQ(results.status, 200);
    EXPECT_NE(results.body.find(">&lt;None&gt;</th>"), std::string::npos) << results.body;
    EXPECT_NE(results.body.find("Total votes: 3"), std::string::npos);

    playSession("reword", kRewordPoll);
    EXPECT_EQ(webFile("phppollx/votes.htm"),
              "Tom &amp; Jerry or &lt;None&gt;?||Tom &amp; Jerry||0||&lt;None&gt;||0||"
              "Ni çà ni là||0");
    EXPECT_EQ(webFile("phppollx/history.htm"), counted);
    tests::HttpClient newcomer(server.port());
    tests::HttpResponse fresh = newcomer.get("/page.php");
    EXPECT_NE(fresh.body.find(">Ni çà ni là</label>"), std::string::npos) << fresh.body;
    EXPECT_EQ(server.errorLog(), "");
}

}  // namespace
}  // namespace norvel::poll
