// A generated PHP poll served by PHP's built-in server for one test, and the readings the
// tests take from its pages and data files.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "tests/support/temporary_folder.h"
#include "tests/templates/poll/http_client.h"
#include "tests/templates/poll/php_poll_web.h"
#include "tests/templates/poll/php_server.h"

namespace norvel::tests {

// One row of a results table, read from the page.
struct ResultRow {
    int barWidth = -1;
    int percent = -1;
    int count = -1;
};

// The rows of the results tables of `html` by answer (as written, HTML-escaped), in order of
// appearance; a later table's rows replace an earlier one's of the same answer.
std::map<std::string, ResultRow> resultRows(const std::string& html);

// The value attribute of the first input named `name`, or empty.
std::string inputValue(const std::string& html, const std::string& name);

class PollTemplatePhp : public ::testing::Test {
  protected:
    // Generates the poll from `setup` and starts the server; skips the test without php.
    void startPoll(const PollSetup& setup = {}, const PhpServerOptions& options = {});
    // A new server on the same web (after the old one was stopped or killed).
    void restartServer(const PhpServerOptions& options = {});
    void TearDown() override;

    HttpClient visitor() const { return HttpClient(server_->port()); }
    std::filesystem::path webRoot() const { return folder_.path() / "web"; }
    std::filesystem::path pollFile(const std::string& name) const {
        return webRoot() / kPollFolder / name;
    }
    std::string readPollFile(const std::string& name) const;
    void writePollFile(const std::string& name, const std::string& text) const;

    // The poll's identity as its voting form carries it.
    std::string pollIdentity();
    // Posts a vote for the answer with that count index (2, 4, ...) as `client`.
    HttpResponse vote(HttpClient& client, int countIndex, const std::string& back = "/page.php");

    TemporaryFolder folder_;
    std::unique_ptr<PhpServer> server_;
};

}  // namespace norvel::tests
