// Requests of every odd shape against the generated PHP poll on a server that shows warnings
// in its answers: nothing may warn, leak a path or be echoed unescaped. And what a visitor
// gets after a vote or a refusal: the result, with the thanks announced, or a page with a way
// back.
#include <gtest/gtest.h>

#include <regex>

#include "tests/templates/poll/php_poll_fixture.h"

namespace norvel::tests {
namespace {

class PollTemplatePhpRequests : public PollTemplatePhp {
  protected:
    void start(const PollSetup& setup = {}) { startPoll(setup, {.displayErrors = true}); }

    // An answer shows no PHP message and no path of the server.
    void expectClean(const HttpResponse& response, const std::string& what) {
        for (const char* word : {"Warning", "Notice", "Deprecated", "Fatal error", "Stack trace"})
            EXPECT_EQ(response.body.find(word), std::string::npos) << what << ": " << response.body;
        EXPECT_EQ(response.body.find(folder_.path().string()), std::string::npos)
            << what << ": " << response.body;
    }

    std::string logIn(HttpClient& client) {
        const std::string startPage = "/phppollx/admin/index.php";
        std::string token = inputValue(client.get(startPage).body, "token");
        client.post(startPage, {{"password", kAdminPassword}, {"token", token}});
        return inputValue(client.get("/phppollx/admin/home.php").body, "token");
    }
};

TEST_F(PollTemplatePhpRequests, ArraysAndOddFieldsInAVoteWarnNothing) {
    start();
    std::string identity = pollIdentity();
    const std::vector<FormFields> refused = {
        {{"vote[]", "2"}, {"poll", identity}},
        {{"vote", "2"}, {"poll[]", identity}},
        {{"vote[a][b]", "2"}, {"poll[x]", identity}},
        {{"vote", std::string(5000, '2')}, {"poll", identity}},
        {{"vote", "2"}, {"poll", std::string(100000, 'a')}},
        {{"vote", "\xff\xfe"}, {"poll", identity}},
        {},
    };
    std::string before = readPollFile("votes.htm");
    for (const auto& fields : refused) {
        HttpClient client = visitor();
        HttpResponse response = client.post("/phppollx/process.php", fields);
        EXPECT_EQ(response.status, 400) << formEncode(fields).substr(0, 80);
        expectClean(response, formEncode(fields).substr(0, 80));
    }
    EXPECT_EQ(readPollFile("votes.htm"), before);

    // A return address that is an array or too long is no address: the vote still counts.
    for (const FormFields& fields :
         {FormFields{{"vote", "2"}, {"poll", identity}, {"back[]", "/page.php"}},
          FormFields{{"vote", "2"}, {"poll", identity}, {"back", "/" + std::string(3000, 'p')}}}) {
        HttpClient client = visitor();
        HttpResponse response = client.post("/phppollx/process.php", fields);
        EXPECT_EQ(response.status, 303) << response.body;
        EXPECT_EQ(response.header("Location"), "/phppollx/results.php#norvelpoll-result");
        expectClean(response, "back");
    }
    // A vote cookie that is an array is no vote.
    HttpClient odd = visitor();
    ASSERT_EQ(vote(odd, 4).status, 303);
    std::string cookieName = odd.cookies().begin()->first;
    HttpClient arrayCookie = visitor();
    arrayCookie.cookies()[cookieName + "[x]"] = "1";
    HttpResponse page = arrayCookie.get("/page.php");
    expectClean(page, "cookie");
    HttpResponse counted = vote(arrayCookie, 4);
    EXPECT_EQ(counted.status, 303);
    expectClean(counted, "cookie");
}

TEST_F(PollTemplatePhpRequests, TheRedirectBodyEscapesTheReturnAddress) {
    PollSetup setup;
    setup.returnFlag = "1";
    start(setup);
    HttpClient client = visitor();
    HttpResponse voted = vote(client, 2, "/a\"><script>alert(1)</script>");
    ASSERT_EQ(voted.status, 303) << voted.body;
    EXPECT_EQ(voted.body.find("<script>"), std::string::npos) << voted.body;
    EXPECT_NE(voted.body.find("&lt;script&gt;"), std::string::npos) << voted.body;
}

TEST_F(PollTemplatePhpRequests, ArraysInTheAdministrationWarnNothing) {
    start();
    HttpClient stranger = visitor();
    std::string token = inputValue(stranger.get("/phppollx/admin/index.php").body, "token");
    for (const FormFields& fields : {FormFields{{"password[]", "x"}, {"token", token}},
                                     FormFields{{"password", "x"}, {"token[]", token}},
                                     FormFields{{"password", std::string(5000, 'x')}}}) {
        HttpResponse response = stranger.post("/phppollx/admin/index.php", fields);
        EXPECT_EQ(response.status, 403) << formEncode(fields).substr(0, 60);
        expectClean(response, formEncode(fields).substr(0, 60));
    }
    // A session cookie that is an array.
    std::string sessionCookie = stranger.cookies().begin()->first;
    HttpClient odd = visitor();
    odd.cookies()[sessionCookie + "[]"] = "x";
    expectClean(odd.get("/phppollx/admin/index.php"), "session cookie");

    HttpClient admin = visitor();
    std::string adminToken = logIn(admin);
    ASSERT_FALSE(adminToken.empty());
    const std::string process = "/phppollx/admin/process.php";
    std::string before = readPollFile("votes.htm");
    for (const FormFields& fields :
         {FormFields{{"action[]", "reset"}, {"token", adminToken}},
          FormFields{
              {"action", "change"}, {"token", adminToken}, {"question[]", "Q"}, {"answers", "A"}},
          FormFields{{"action", "change"},
                     {"token", adminToken},
                     {"question", "Q"},
                     {"answers[]", "A"}}}) {
        HttpResponse response = admin.post(process, fields);
        EXPECT_EQ(response.status, 400) << formEncode(fields);
        expectClean(response, formEncode(fields));
        EXPECT_NE(response.body.find("<a href=\"/phppollx/admin/home.php\">"), std::string::npos);
    }
    EXPECT_EQ(readPollFile("votes.htm"), before);
}

TEST_F(PollTemplatePhpRequests, AfterAVoteTheReaderIsTakenToTheAnnouncedResult) {
    start();
    HttpClient client = visitor();
    HttpResponse voted = vote(client, 2);
    ASSERT_EQ(voted.status, 303);
    std::string location = voted.header("Location");
    ASSERT_EQ(location, "/phppollx/results.php#norvelpoll-result");
    HttpResponse results = client.get(location.substr(0, location.find('#')));
    EXPECT_NE(results.body.find("<div id=\"norvelpoll-result\" tabindex=\"-1\" "
                                "aria-labelledby=\"norvelpoll-result-thanks\">"),
              std::string::npos)
        << results.body;
    EXPECT_NE(results.body.find("role=\"status\" id=\"norvelpoll-result-thanks\">Thanks"),
              std::string::npos);
    EXPECT_NE(results.body.find("document.getElementById(\"norvelpoll-result\")"),
              std::string::npos);

    // Refusals are pages that say why and lead back to the page of the poll.
    HttpResponse again = vote(client, 2);
    EXPECT_EQ(again.status, 403);
    EXPECT_NE(again.header("Content-Type").find("text/html"), std::string::npos);
    EXPECT_NE(again.body.find("role=\"alert\">You have already voted"), std::string::npos);
    EXPECT_NE(again.body.find("<a href=\"/page.php\">"), std::string::npos) << again.body;
}

TEST_F(PollTemplatePhpRequests, WithResultsInPlaceTheVoterReturnsToThePoll) {
    PollSetup setup;
    setup.returnFlag = "1";
    start(setup);
    HttpClient client = visitor();
    HttpResponse voted = vote(client, 2, "/page.php?x=1#top");
    ASSERT_EQ(voted.status, 303);
    std::smatch id;
    std::string location = voted.header("Location");
    ASSERT_TRUE(std::regex_match(location, id, std::regex(R"(/page\.php\?x=1#(nvpoll-[0-9a-f]+))")))
        << location;
    HttpResponse page = client.get("/page.php");
    EXPECT_NE(page.body.find("<div class=\"norvelpoll-voted\" id=\"" + id[1].str() +
                             "\" tabindex=\"-1\" aria-labelledby=\"" + id[1].str() + "-thanks\">"),
              std::string::npos)
        << page.body;
    EXPECT_NE(page.body.find("role=\"status\" id=\"" + id[1].str() + "-thanks\">Thanks"),
              std::string::npos);
}

}  // namespace
}  // namespace norvel::tests
