// Voting in a generated PHP poll on the real PHP server: the form in a PHP page and through
// the script of a static page, counting, results, the cookie against repeat votes, and
// requests that must change nothing.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "tests/templates/poll/php_poll_fixture.h"
#include "tests/templates/poll/poll_template_catalogue.h"

namespace norvel::tests {
namespace {

const char* kGreen = "Green &amp; blue";

TEST_F(PollTemplatePhp, PageShowsAnAccessibleEscapedForm) {
    startPoll();
    HttpClient client = visitor();
    HttpResponse page = client.get("/page.php");
    ASSERT_EQ(page.status, 200) << page.body;
    const std::string& html = page.body;

    EXPECT_NE(html.find("<legend class=\"questionx\">Which colour do you like?</legend>"),
              std::string::npos);
    EXPECT_NE(html.find("action=\"/phppollx/process.php\" target=\"_blank\""), std::string::npos);
    EXPECT_NE(html.find("value=\"Vote &quot;now&quot;\""), std::string::npos);
    EXPECT_NE(html.find(">See results</a>"), std::string::npos);
    EXPECT_EQ(inputValue(html, "back"), "/page.php");
    EXPECT_EQ(html.find("<None>"), std::string::npos) << "an answer was not escaped";

    // Every radio button has a label that names it, with the answer's text.
    std::regex radio(R"re(<input type="radio" name="vote" value="(\d+)" id="([^"]+)" required> )re"
                     R"re(<label for="([^"]+)" class="responsex">([^<]*)</label>)re");
    std::vector<std::string> answers;
    for (auto match = std::sregex_iterator(html.begin(), html.end(), radio);
         match != std::sregex_iterator(); ++match) {
        EXPECT_EQ((*match)[2], (*match)[3]);
        answers.push_back((*match)[1].str() + "=" + (*match)[4].str());
    }
    EXPECT_EQ(answers,
              (std::vector<std::string>{"2=Red", std::string("4=") + kGreen, "6=&lt;None&gt;"}));
    EXPECT_NE(html.find("<p>After the poll</p>"), std::string::npos);
}

TEST_F(PollTemplatePhp, VoteCountsAndASecondVoteIsRefused) {
    startPoll();
    HttpClient first = visitor();
    HttpResponse voted = vote(first, 4);
    ASSERT_EQ(voted.status, 303) << voted.body;
    EXPECT_EQ(voted.header("Location"), "/phppollx/results.php#norvelpoll-result");
    // The poll's file held its texts as plain text; the scripts write them back as page text,
    // as the editor reads them.
    EXPECT_EQ(readPollFile("votes.htm"),
              "Which colour do you like?||Red||0||Green &amp; blue||1||&lt;None&gt;||0");

    HttpResponse results = first.get("/phppollx/results.php");
    ASSERT_EQ(results.status, 200);
    EXPECT_NE(results.header("Cache-Control").find("no-store"), std::string::npos);
    EXPECT_NE(results.body.find("Thanks for voting &lt;3 &amp; come back! \\o/ {$x}"),
              std::string::npos);
    auto rows = resultRows(results.body);
    EXPECT_EQ(rows[kGreen].count, 1);
    EXPECT_EQ(rows[kGreen].percent, 100);
    EXPECT_EQ(rows[kGreen].barWidth, 140);
    EXPECT_EQ(rows["Red"].percent, 0);
    EXPECT_NE(results.body.find("Total votes: 1"), std::string::npos);

    HttpResponse again = vote(first, 2);
    EXPECT_EQ(again.status, 403);
    EXPECT_NE(again.body.find("already voted"), std::string::npos);
    EXPECT_EQ(readPollFile("votes.htm"),
              "Which colour do you like?||Red||0||Green &amp; blue||1||&lt;None&gt;||0");

    HttpClient second = visitor();
    ASSERT_EQ(vote(second, 2).status, 303);
    rows = resultRows(second.get("/phppollx/results.php").body);
    EXPECT_EQ(rows["Red"].count, 1);
    EXPECT_EQ(rows["Red"].percent, 50);
    EXPECT_EQ(rows["Red"].barWidth, 70);
    EXPECT_EQ(rows[kGreen].percent, 50);
    // A visitor who has not voted sees no thanks.
    EXPECT_EQ(visitor().get("/phppollx/results.php").body.find("Thanks for voting"),
              std::string::npos);
}

TEST_F(PollTemplatePhp, ResultsReplaceTheFormAfterAVoteWhenSetUpSo) {
    PollSetup setup;
    setup.returnFlag = "1";
    setup.target = "";
    startPoll(setup);
    writePollFile("votes.htm", "Q?||Yes||2||No||1");

    HttpClient client = visitor();
    HttpResponse page = client.get("/page.php");
    EXPECT_EQ(page.body.find("target="), std::string::npos);
    HttpResponse voted = vote(client, 2);
    ASSERT_EQ(voted.status, 303) << voted.body;
    EXPECT_EQ(voted.header("Location").substr(0, 17), "/page.php#nvpoll-");

    // Three to one at a voting form 200 wide: bars of 52.5 and 17.5 pixels, rounded to even.
    page = client.get("/page.php");
    EXPECT_EQ(page.body.find("name=\"vote\""), std::string::npos);
    EXPECT_NE(page.body.find("Thanks for voting"), std::string::npos);
    auto rows = resultRows(page.body);
    EXPECT_EQ(rows["Yes"].barWidth, 52);
    EXPECT_EQ(rows["Yes"].percent, 75);
    EXPECT_EQ(rows["No"].barWidth, 18);
    EXPECT_EQ(rows["No"].percent, 25);
    EXPECT_NE(visitor().get("/page.php").body.find("name=\"vote\""), std::string::npos);

    // A return address off this site is not followed.
    HttpClient other = visitor();
    HttpResponse offSite = vote(other, 4, "//evil.example/page");
    EXPECT_EQ(offSite.header("Location"), "/phppollx/results.php#norvelpoll-result");
}

TEST_F(PollTemplatePhp, StaticPageGetsTheFormFromAValidScript) {
    startPoll();
    HttpClient client = visitor();
    HttpResponse page = client.get("/index.htm");
    ASSERT_NE(page.body.find("<script type=\"text/javascript\" src=\"phppollx/vote_js.php\">"),
              std::string::npos);

    HttpResponse script = client.get("/phppollx/vote_js.php");
    ASSERT_EQ(script.status, 200);
    EXPECT_NE(script.header("Content-Type").find("javascript"), std::string::npos);
    EXPECT_NE(script.header("Cache-Control").find("no-store"), std::string::npos);
    EXPECT_NE(script.body.find("document.write("), std::string::npos);
    EXPECT_EQ(script.body.find('<'), std::string::npos) << "markup not escaped for a script";

    std::string node = findProgram("node");
    if (node.empty()) {
        EXPECT_NE(script.body.find("/phppollx/process.php"), std::string::npos);
        GTEST_SKIP() << "node is not installed: the script's structure was checked only";
    }
    std::filesystem::path scriptFile = folder_.path() / "vote.js";
    std::ofstream(scriptFile) << script.body;
    ProcessResult check = runProcess({node, "--check", scriptFile.string()});
    ASSERT_EQ(check.exitCode, 0) << check.output;

    // Run it against a minimal document: what it writes, and the page it returns to.
    std::filesystem::path runner = folder_.path() / "run.js";
    std::ofstream(runner)
        << "const fs = require('fs'); let written = ''; const back = {value: ''};\n"
           "global.document = {write: (s) => { written += s; },\n"
           "  getElementById: (id) => written.includes('id=\"' + id + '\"') ? {elements: {back}} "
           ": null};\n"
           "global.window = {location: {pathname: '/index.htm', search: '?a=1'}};\n"
           "eval(fs.readFileSync(process.argv[2], 'utf8'));\n"
           "process.stdout.write(back.value + '\\n' + written);\n";
    ProcessResult run = runProcess({node, runner.string(), scriptFile.string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.substr(0, run.output.find('\n')), "/index.htm?a=1");
    std::string written = run.output.substr(run.output.find('\n') + 1);
    EXPECT_NE(written.find("action=\"/phppollx/process.php\""), std::string::npos);
    EXPECT_NE(written.find(std::string("class=\"responsex\">") + kGreen + "</label>"),
              std::string::npos);

    // The form it writes votes like the one of the PHP page.
    HttpResponse voted =
        client.post("/phppollx/process.php",
                    {{"vote", "6"}, {"poll", inputValue(written, "poll")}, {"back", "/index.htm"}});
    EXPECT_EQ(voted.status, 303) << voted.body;
    EXPECT_EQ(resultRows(client.get("/phppollx/results.php").body)["&lt;None&gt;"].count, 1);
}

TEST_F(PollTemplatePhp, MalformedVotesChangeNothing) {
    startPoll();
    std::string before = readPollFile("votes.htm");
    std::string identity = pollIdentity();
    const std::vector<FormFields> malformed = {
        {{"poll", identity}},                    // no answer chosen
        {{"vote", "3"}, {"poll", identity}},     // a text field, not a count
        {{"vote", "8"}, {"poll", identity}},     // no such answer
        {{"vote", "0"}, {"poll", identity}},     // the question
        {{"vote", "2abc"}, {"poll", identity}},  // not a number
        {{"vote", "-2"}, {"poll", identity}},
        {{"vote", "2"}},  // no poll identity
    };
    for (const auto& fields : malformed) {
        HttpClient client = visitor();
        HttpResponse response = client.post("/phppollx/process.php", fields);
        EXPECT_EQ(response.status, 400) << formEncode(fields);
        EXPECT_NE(response.body.find("role=\"alert\""), std::string::npos) << response.body;
        EXPECT_NE(response.body.find("<a href=\"/phppollx/results.php\">"), std::string::npos);
        EXPECT_TRUE(client.cookies().empty()) << formEncode(fields);
    }
    HttpClient client = visitor();
    EXPECT_EQ(
        client.post("/phppollx/process.php", {{"vote", "2"}, {"poll", "0123456789abcdef0123"}})
            .status,
        409);
    EXPECT_EQ(client.get("/phppollx/process.php?vote=2").status, 405);
    EXPECT_EQ(readPollFile("votes.htm"), before);
}

TEST_F(PollTemplatePhp, CookieDaysMayBeFractionalOrNegative) {
    PollSetup setup;
    setup.cookieDays = " 0.5 ";
    startPoll(setup);
    HttpClient client = visitor();
    HttpResponse voted = vote(client, 2);
    EXPECT_NE(voted.header("Set-Cookie").find("Max-Age=43200"), std::string::npos)
        << voted.header("Set-Cookie");
    EXPECT_NE(voted.header("Set-Cookie").find("SameSite=Lax"), std::string::npos);

    // Zero or negative days: the cookie lasts the browser session and still refuses a repeat.
    writePollFile("vote.php", std::regex_replace(readPollFile("vote.php"),
                                                 std::regex("'c' => ' 0\\.5 '"), "'c' => '-3'"));
    HttpClient session = visitor();
    HttpResponse sessionVote = vote(session, 2);
    ASSERT_EQ(sessionVote.status, 303);
    EXPECT_EQ(sessionVote.header("Set-Cookie").find("expires"), std::string::npos)
        << sessionVote.header("Set-Cookie");
    EXPECT_EQ(vote(session, 2).status, 403);
}

}  // namespace
}  // namespace norvel::tests
