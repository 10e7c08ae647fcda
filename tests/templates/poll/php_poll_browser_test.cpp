// A vote in the generated PHP poll in Debian's headless Chromium: after the vote the reader is
// at the result, with the focus on it, and the thanks are a status message.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "tests/templates/poll/php_poll_fixture.h"

namespace norvel::tests {
namespace {

// Votes for the first answer on `pageUrl` and prints where the browser then is: the address's
// fragment, the id of the focused element and the text of the status message.
const char* kVoteInBrowser = R"js(
const {chromium} = require(process.argv[2]);
(async () => {
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium', headless: true,
        args: ['--headless', '--no-sandbox', '--disable-gpu', '--no-first-run'],
    });
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(error.message));
    await page.goto(process.argv[3]);
    await page.check('input[name="vote"][value="2"]');
    await Promise.all([page.waitForNavigation(), page.click('input[type="submit"]')]);
    const seen = await page.evaluate(() => ({
        hash: window.location.hash,
        focused: document.activeElement ? document.activeElement.id : '',
        status: Array.from(document.querySelectorAll('[role="status"]')).map((e) => e.textContent),
    }));
    seen.errors = errors;
    process.stdout.write(JSON.stringify(seen));
    await browser.close();
})().catch((error) => { console.error(error); process.exit(1); });
)js";

class PollTemplatePhpBrowser : public PollTemplatePhp {
  protected:
    // What the browser shows after a vote on /page.php of a poll set up with `setup`.
    void voteInBrowser(PollSetup setup, std::string& seen) {
        std::string node = findProgram("node");
        std::filesystem::path playwright = NORVEL_PLAYWRIGHT_CORE;
        if (node.empty() || !std::filesystem::exists("/usr/bin/chromium") ||
            !std::filesystem::exists(playwright / "package.json")) {
            GTEST_SKIP() << "needs node, /usr/bin/chromium and playwright-core "
                            "(scripts/install-deps.sh)";
        }
        setup.target = "";  // the results in the same window
        startPoll(setup);
        std::filesystem::path script = folder_.path() / "vote.cjs";
        std::ofstream(script) << kVoteInBrowser;
        ProcessResult run =
            runProcess({node, script.string(), playwright.string(),
                        "http://127.0.0.1:" + std::to_string(server_->port()) + "/page.php"});
        EXPECT_EQ(run.exitCode, 0) << run.output;
        seen = run.output;
    }
};

TEST_F(PollTemplatePhpBrowser, AVoteTakesTheReaderToTheAnnouncedResults) {
    std::string seen;
    voteInBrowser({}, seen);
    if (IsSkipped())
        return;
    EXPECT_EQ(seen, R"({"hash":"#norvelpoll-result","focused":"norvelpoll-result",)"
                    R"("status":["Thanks for voting <3 & come back! \\o/ {$x}"],"errors":[]})");
}

TEST_F(PollTemplatePhpBrowser, AVoteTakesTheReaderBackToThePollInThePage) {
    PollSetup setup;
    setup.returnFlag = "1";
    std::string seen;
    voteInBrowser(setup, seen);
    if (IsSkipped())
        return;
    std::smatch id;
    ASSERT_TRUE(std::regex_search(seen, id, std::regex(R"re("hash":"#(nvpoll-[0-9a-f]+)")re")))
        << seen;
    EXPECT_EQ(seen,
              R"({"hash":"#)" + id[1].str() + R"(","focused":")" + id[1].str() +
                  R"(","status":["Thanks for voting <3 & come back! \\o/ {$x}"],"errors":[]})");
}

}  // namespace
}  // namespace norvel::tests
