// The whole road of a PHP poll: generated into a web by the generator through the editor,
// served by PHP's built-in server, and voted on over HTTP.
#include "tests/pollcollection/generator_fixture.h"
#include "tests/templates/poll/http_client.h"
#include "tests/templates/poll/php_poll_fixture.h"
#include "tests/templates/poll/php_server.h"

namespace norvel::poll {
namespace {

class PollEndToEnd : public PollGeneratorFixture {};

TEST_F(PollEndToEnd, AVoteOnTheGeneratedPollIsCounted) {
    if (tests::findProgram("php").empty())
        GTEST_SKIP() << "php is not installed: the generated PHP poll is not served";
    openNewPage("page.php");
    newPoll()->RunPHP("php");
    app->activeWindow()->Save();

    tests::TemporaryFolder work;
    tests::PhpServer server(web.path(), work.path(), 4);
    tests::HttpClient visitor(server.port());
    tests::HttpResponse page = visitor.get("/page.php");
    ASSERT_EQ(page.status, 200) << page.body;
    EXPECT_NE(page.body.find("Which colour?"), std::string::npos);
    EXPECT_EQ(page.body.find("<? include"), std::string::npos);

    std::string identity = tests::inputValue(page.body, "poll");
    tests::HttpResponse voted = visitor.post(
        "/phppollx/process.php", {{"vote", "4"}, {"poll", identity}, {"back", "/page.php"}});
    EXPECT_LT(voted.status, 400) << voted.body;
    EXPECT_EQ(readWebFile("phppollx/votes.htm"), "Which colour?||Red||0||Green||1");
    EXPECT_EQ(server.errorLog(), "");
}

}  // namespace
}  // namespace norvel::poll
