// The generator writes the editor's texts into the poll's server scripts as string literals:
// texts from a hand-edited block stay texts in the PHP that runs and in the ASP that is read.
#include <fstream>
#include <regex>

#include "tests/pollcollection/generator_fixture.h"
#include "tests/templates/poll/asp_structure.h"
#include "tests/templates/poll/hostile_texts.h"
#include "tests/templates/poll/http_client.h"
#include "tests/templates/poll/php_server.h"
#include "tests/templates/poll/vbscript_literal.h"

namespace norvel::poll {
namespace {

class PollScriptValues : public PollGeneratorFixture {
  protected:
    // The generator of a new poll whose texts are hostile ones.
    std::shared_ptr<clsP> hostilePoll(const std::string& tValue) {
        auto generator = newPoll(tValue);
        std::vector<std::string> texts = tests::hostileTexts();
        for (size_t k = 0; k < keys.size(); ++k)
            generator->FormDic->set(keys[k], texts[(k + 1) % texts.size()]);
        return generator;
    }

    const std::vector<std::string> keys = {"thankyou", "buttonlabel", "link", "return",
                                           "target",   "c",           "wpic", "wpic2"};
};

TEST_F(PollScriptValues, GeneratedPhpPollShowsAndKeepsHostileTexts) {
    std::string php = tests::findProgram("php");
    if (php.empty())
        GTEST_SKIP() << "php is not installed: the generated PHP poll is not run";
    openNewPage("page.php");
    auto generator = hostilePoll("P2");
    generator->RunPHP("php");
    app->activeWindow()->Save();

    tests::TemporaryFolder work;
    {
        tests::PhpServer server(web.path(), work.path(), 2);
        tests::HttpClient visitor(server.port());
        tests::HttpResponse page = visitor.get("/page.php");
        ASSERT_EQ(page.status, 200) << page.body;
        EXPECT_NE(page.body.find("Which colour?"), std::string::npos) << page.body;
        EXPECT_EQ(server.errorLog(), "");
    }
    EXPECT_FALSE(webEntryExists(std::string("phppollx/") + tests::kCodeRanMarker));
    EXPECT_FALSE(webEntryExists(tests::kCodeRanMarker));

    std::ofstream(webPath("probe.php"))
        << "<?php $norvelPollAsLibrary = true; $poll = require __DIR__ . '/phppollx/vote.php';"
           " foreach ($argv as $i => $key) { if ($i > 0) echo json_encode($poll->setting($key)),"
           " \"\\n\"; }";
    std::vector<std::string> command = {php, webPath("probe.php").string()};
    std::string expected;
    for (const std::string& key : keys) {
        command.push_back(key);
        tests::ProcessResult one =
            tests::runProcess({php, "-r", "echo json_encode($argv[1]), \"\\n\";", "--",
                               generator->FormDic->value(key)});
        expected += one.output;
    }
    tests::ProcessResult read = tests::runProcess(command);
    EXPECT_EQ(read.exitCode, 0) << read.output;
    EXPECT_EQ(read.output, expected);
}

TEST_F(PollScriptValues, GeneratedAspPollHoldsHostileTextsInsideItsLiterals) {
    openNewPage("page.asp");
    auto generator = hostilePoll("P1");
    generator->RunASP("asp");

    std::string vote = readWebFile("phppollx/vote.asp");
    std::vector<std::string> problems = tests::aspStructureProblems(vote);
    EXPECT_TRUE(problems.empty()) << problems.front();
    for (const std::string& key : keys) {
        std::regex line("Case \"" + key + "\"\r?\n\\s*NvPollSetting = ([^\r\n]*)");
        std::smatch match;
        ASSERT_TRUE(std::regex_search(vote, match, line)) << key;
        auto read = tests::readVbscriptStringExpression(match[1].str());
        ASSERT_TRUE(read) << key << ": " << match[1];
        EXPECT_TRUE(read->value == tests::utf16(generator->FormDic->value(key))) << key;
    }
}

}  // namespace
}  // namespace norvel::poll
