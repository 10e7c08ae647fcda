// The administration pages of a generated PHP poll on the real PHP server: the password,
// the protection against cross-site requests, and the admin functions.
#include <gtest/gtest.h>

#include <ctime>
#include <regex>
#include <tuple>

#include "tests/templates/poll/php_poll_fixture.h"
#include "tests/templates/poll/poll_template_catalogue.h"

namespace norvel::tests {
namespace {

const char* kAdmin = "/phppollx/admin/";

// A token of the same shape that always differs from `token` (its first character changed).
std::string forgedToken(std::string token) {
    token[0] = token[0] == '0' ? '1' : '0';
    return token;
}

class PollTemplatePhpAdmin : public PollTemplatePhp {
  protected:
    // Logs `client` in; returns the token of its session.
    std::string logIn(HttpClient& client, const std::string& password = kAdminPassword) {
        std::string token = inputValue(client.get(std::string(kAdmin) + "index.php").body, "token");
        HttpResponse response = client.post(std::string(kAdmin) + "index.php",
                                            {{"password", password}, {"token", token}});
        lastLogin = response;
        return inputValue(client.get(std::string(kAdmin) + "home.php").body, "token");
    }

    HttpResponse lastLogin;
};

TEST_F(PollTemplatePhpAdmin, RefusesAWrongPassword) {
    startPoll();
    HttpClient client = visitor();
    logIn(client, "correct horse 42!");
    EXPECT_EQ(lastLogin.status, 403);
    EXPECT_NE(lastLogin.body.find("Wrong password"), std::string::npos);
    HttpResponse home = client.get(std::string(kAdmin) + "home.php");
    EXPECT_EQ(home.status, 303);
    EXPECT_EQ(home.header("Location"), std::string(kAdmin) + "index.php");

    std::string token = logIn(client);
    EXPECT_EQ(lastLogin.status, 303);
    EXPECT_EQ(lastLogin.header("Location"), std::string(kAdmin) + "home.php");
    std::string cookie = lastLogin.header("Set-Cookie");
    EXPECT_NE(cookie.find("SameSite=Strict"), std::string::npos) << cookie;
    EXPECT_NE(cookie.find("HttpOnly"), std::string::npos) << cookie;
    EXPECT_NE(cookie.find("path=/phppollx/admin/"), std::string::npos) << cookie;
    home = client.get(std::string(kAdmin) + "home.php");
    EXPECT_EQ(home.status, 200);
    EXPECT_NE(home.header("Cache-Control").find("no-store"), std::string::npos);
    EXPECT_NE(home.body.find("Which colour do you like?"), std::string::npos);
    EXPECT_FALSE(token.empty());
}

// The count of wrong passwords as the poll keeps it: {failures, lockedUntil (Unix time)}.
std::pair<long, long> throttleState(const std::string& text) {
    std::smatch state;
    std::regex saved(R"re(\{"failures":(\d+),"lockedUntil":(\d+)\})re");
    if (!std::regex_search(text, state, saved))
        return {-1, -1};
    return {std::stol(state[1]), std::stol(state[2])};
}

TEST_F(PollTemplatePhpAdmin, WrongPasswordsLockTheLoginForAGrowingTimeWithoutHoldingVoters) {
    startPoll();
    HttpClient guesser = visitor();
    for (int guess = 1; guess <= 4; ++guess) {
        logIn(guesser, "guess " + std::to_string(guess));
        EXPECT_EQ(lastLogin.status, 403);
        EXPECT_EQ(lastLogin.body.find("locked"), std::string::npos) << "guess " << guess;
    }
    long before = static_cast<long>(std::time(nullptr));
    logIn(guesser, "guess 5");
    long after = static_cast<long>(std::time(nullptr));
    EXPECT_EQ(lastLogin.status, 403);
    EXPECT_NE(lastLogin.body.find("Wrong password. Too many wrong passwords"), std::string::npos)
        << lastLogin.body;
    auto [failures, lockedUntil] = throttleState(readPollFile("login.throttle.php"));
    EXPECT_EQ(failures, 5);
    EXPECT_GE(lockedUntil, before + 30);
    EXPECT_LE(lockedUntil, after + 30);
    // The file is a script that shows nothing when asked for.
    HttpResponse asked = visitor().get("/phppollx/login.throttle.php");
    EXPECT_EQ(asked.body.find("failures"), std::string::npos) << asked.body;

    // Locked: guesses and the right password alike are refused at once; voters go on.
    logIn(guesser, "guess 6");
    EXPECT_EQ(lastLogin.status, 429);
    HttpClient admin = visitor();
    logIn(admin);
    EXPECT_EQ(lastLogin.status, 429);
    EXPECT_NE(lastLogin.body.find("Too many wrong passwords: logging in to this poll is locked"),
              std::string::npos)
        << lastLogin.body;
    EXPECT_FALSE(lastLogin.header("Retry-After").empty());
    EXPECT_EQ(admin.get(std::string(kAdmin) + "home.php").status, 303) << "logged in while locked";
    EXPECT_EQ(throttleState(readPollFile("login.throttle.php")).first, 5);
    HttpClient voter = visitor();
    EXPECT_EQ(vote(voter, 2).status, 303);

    // Once the lock-out is over, one more wrong password locks for twice as long.
    writePollFile("login.throttle.php", "<?php exit; ?>\n{\"failures\":5,\"lockedUntil\":1}\n");
    before = static_cast<long>(std::time(nullptr));
    logIn(guesser, "guess 7");
    after = static_cast<long>(std::time(nullptr));
    EXPECT_EQ(lastLogin.status, 403);
    std::tie(failures, lockedUntil) = throttleState(readPollFile("login.throttle.php"));
    EXPECT_EQ(failures, 6);
    EXPECT_GE(lockedUntil, before + 60);
    EXPECT_LE(lockedUntil, after + 60);

    // The right password after the lock-out logs in and clears the count.
    writePollFile("login.throttle.php", "<?php exit; ?>\n{\"failures\":6,\"lockedUntil\":1}\n");
    logIn(admin);
    EXPECT_EQ(lastLogin.status, 303) << lastLogin.body;
    EXPECT_EQ(admin.get(std::string(kAdmin) + "home.php").status, 200);
    EXPECT_EQ(throttleState(readPollFile("login.throttle.php")), std::make_pair(0L, 0L));
}

TEST_F(PollTemplatePhpAdmin, RefusesCrossSitePosts) {
    startPoll();
    writePollFile("votes.htm", "Q?||Yes||5||No||7");
    HttpClient admin = visitor();
    std::string token = logIn(admin);
    ASSERT_FALSE(token.empty());
    const std::string process = std::string(kAdmin) + "process.php";

    EXPECT_EQ(admin.post(process, {{"action", "reset"}}).status, 403);
    EXPECT_EQ(admin.post(process, {{"action", "reset"}, {"token", forgedToken(token)}}).status,
              403);
    EXPECT_EQ(admin
                  .post(process, {{"action", "reset"}, {"token", token}},
                        {{"Origin", "http://evil.example"}})
                  .status,
              403);
    EXPECT_EQ(admin
                  .post(process, {{"action", "reset"}, {"token", token}},
                        {{"Sec-Fetch-Site", "cross-site"}})
                  .status,
              403);
    // A page of another site cannot send the session cookie (SameSite) nor know the token.
    HttpClient stranger = visitor();
    EXPECT_EQ(stranger.post(process, {{"action", "reset"}, {"token", token}}).status, 403);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||5||No||7");

    HttpResponse reset =
        admin.post(process, {{"action", "reset"}, {"token", token}},
                   {{"Origin", "http://127.0.0.1:" + std::to_string(server_->port())}});
    EXPECT_EQ(reset.status, 303) << reset.body;
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||0||No||0");
    EXPECT_NE(admin.get(std::string(kAdmin) + "home.php").body.find("reset to zero"),
              std::string::npos);
}

TEST_F(PollTemplatePhpAdmin, ChangePushesTheOldPollOntoTheHistory) {
    startPoll();
    writePollFile("votes.htm", "Q?||Yes||5||No||7");
    HttpClient admin = visitor();
    std::string token = logIn(admin);
    const std::string process = std::string(kAdmin) + "process.php";

    HttpResponse bad = admin.post(
        process,
        {{"action", "change"}, {"token", token}, {"question", "New?"}, {"answers", "A||B\nC"}});
    EXPECT_EQ(bad.status, 400);
    EXPECT_EQ(
        admin
            .post(process,
                  {{"action", "change"}, {"token", token}, {"question", " "}, {"answers", "A"}})
            .status,
        400);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||5||No||7");

    HttpResponse changed = admin.post(process, {{"action", "change"},
                                                {"token", token},
                                                {"question", "Tea <or> coffee?"},
                                                {"answers", "Tea\r\n\r\n Coffee \r\n"}});
    EXPECT_EQ(changed.status, 303) << changed.body;
    EXPECT_EQ(readPollFile("votes.htm"), "Tea &lt;or&gt; coffee?||Tea||0||Coffee||0");
    EXPECT_EQ(readPollFile("history.htm"),
              "Q?||Yes||5||No||7\r\nBest pet?||Cat||3||Dog||1\r\nBest day?||Monday||0||Friday||9");

    // The same texts again keep the counts and add no history.
    writePollFile("votes.htm", "Tea <or> coffee?||Tea||2||Coffee||0");
    admin.post(process, {{"action", "change"},
                         {"token", token},
                         {"question", "Tea <or> coffee?"},
                         {"answers", "Tea\nCoffee"}});
    EXPECT_EQ(readPollFile("votes.htm"), "Tea <or> coffee?||Tea||2||Coffee||0");

    HttpResponse history = admin.get(std::string(kAdmin) + "history.php");
    ASSERT_EQ(history.status, 200);
    size_t newest = history.body.find("<caption class=\"questionx\">Q?</caption>");
    size_t oldest = history.body.find("<caption class=\"questionx\">Best day?</caption>");
    EXPECT_LT(newest, oldest);
    EXPECT_NE(oldest, std::string::npos);
    EXPECT_EQ(resultRows(history.body)["Friday"].count, 9);
    EXPECT_NE(admin.get(std::string(kAdmin) + "change.php").body.find("Tea &lt;or&gt; coffee?"),
              std::string::npos);
}

TEST_F(PollTemplatePhpAdmin, OldPlainTextHistoryIsStoredSafelyByTheNextChange) {
    PollSetup setup;
    setup.txthistory = "Old <b>bold</b> & new?||A<B||3||x||0\r\nbroken line";
    startPoll(setup);
    writePollFile("votes.htm", "Q?||Yes||1||No||0");
    HttpClient admin = visitor();
    std::string token = logIn(admin);
    // Read as it was written before: the old plain texts show as texts.
    HttpResponse before = admin.get(std::string(kAdmin) + "history.php");
    EXPECT_NE(before.body.find("Old &lt;b&gt;bold&lt;/b&gt; &amp; new?"), std::string::npos);
    EXPECT_EQ(admin
                  .post(std::string(kAdmin) + "process.php", {{"action", "change"},
                                                              {"token", token},
                                                              {"question", "New <i>?"},
                                                              {"answers", "a&b\nc"}})
                  .status,
              303);
    EXPECT_EQ(readPollFile("votes.htm"), "New &lt;i&gt;?||a&amp;b||0||c||0");
    EXPECT_EQ(readPollFile("history.htm"),
              "Q?||Yes||1||No||0\r\n"
              "Old &lt;b&gt;bold&lt;/b&gt; &amp; new?||A&lt;B||3||x||0\r\nbroken line");
    HttpResponse after = admin.get(std::string(kAdmin) + "history.php");
    EXPECT_NE(after.body.find("Old &lt;b&gt;bold&lt;/b&gt; &amp; new?"), std::string::npos);
    EXPECT_EQ(resultRows(after.body)["A&lt;B"].count, 3);
}

TEST_F(PollTemplatePhpAdmin, LogOutEndsTheSession) {
    startPoll();
    HttpClient admin = visitor();
    std::string token = logIn(admin);
    EXPECT_EQ(admin.post(std::string(kAdmin) + "logout.php", {}).status, 403);
    HttpResponse out = admin.post(std::string(kAdmin) + "logout.php", {{"token", token}});
    EXPECT_EQ(out.status, 303);
    EXPECT_EQ(admin.get(std::string(kAdmin) + "home.php").status, 303);
    EXPECT_EQ(
        admin.post(std::string(kAdmin) + "process.php", {{"action", "reset"}, {"token", token}})
            .status,
        403);
}

TEST_F(PollTemplatePhpAdmin, WithoutPasswordLetsNobodyIn) {
    PollSetup setup;
    setup.password = "";
    startPoll(setup);
    HttpClient client = visitor();
    HttpResponse start = client.get(std::string(kAdmin) + "index.php");
    EXPECT_EQ(start.status, 403);
    EXPECT_NE(start.body.find("No administration password is set"), std::string::npos);
    logIn(client, "");
    EXPECT_EQ(client.get(std::string(kAdmin) + "home.php").status, 303);
}

TEST_F(PollTemplatePhpAdmin, NoGeneratedFileHoldsThePlainPassword) {
    startPoll();
    size_t files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(webRoot())) {
        if (!entry.is_regular_file())
            continue;
        ++files;
        EXPECT_EQ(readTextFile(entry.path()).find(kAdminPassword), std::string::npos)
            << entry.path();
    }
    EXPECT_GE(files, 16u);
    EXPECT_NE(readPollFile("admin/index.php").find("$6$rounds=100000$"), std::string::npos);
}

}  // namespace
}  // namespace norvel::tests
