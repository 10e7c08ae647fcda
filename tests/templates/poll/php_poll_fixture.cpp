#include "tests/templates/poll/php_poll_fixture.h"

#include <fstream>
#include <regex>

#include "tests/templates/poll/poll_template_catalogue.h"

namespace norvel::tests {

std::map<std::string, ResultRow> resultRows(const std::string& html) {
    static const std::regex row(
        R"re(<th scope="row" class="responsex">([^<]*)</th><td class="norvelpoll-bar"><img src="[^"]*" )re"
        R"re(width="(\d+)" height="10" alt=""></td><td class="responsex norvelpoll-percent">(\d+)%</td>)re"
        R"re(<td class="responsex norvelpoll-count">(\d+)</td>)re");
    std::map<std::string, ResultRow> rows;
    for (auto match = std::sregex_iterator(html.begin(), html.end(), row);
         match != std::sregex_iterator(); ++match)
        rows[(*match)[1]] = {std::stoi((*match)[2]), std::stoi((*match)[3]),
                             std::stoi((*match)[4])};
    return rows;
}

std::string inputValue(const std::string& html, const std::string& name) {
    std::regex input("<input type=\"hidden\" name=\"" + name + "\" value=\"([^\"]*)\"");
    std::smatch match;
    return std::regex_search(html, match, input) ? match[1].str() : std::string();
}

void PollTemplatePhp::startPoll(const PollSetup& setup, const PhpServerOptions& options) {
    if (findProgram("php").empty())
        GTEST_SKIP() << "php is not installed: PHP poll not tested";
    writePhpPollWeb(webRoot(), pollFormValues(setup));
    restartServer(options);
}

void PollTemplatePhp::restartServer(const PhpServerOptions& options) {
    if (server_) {
        std::string errors = server_->errorLog();
        server_.reset();
        EXPECT_EQ(errors, "") << "PHP reported problems";
        std::filesystem::remove_all(folder_.path() / "server");
    }
    server_ = std::make_unique<PhpServer>(webRoot(), folder_.path() / "server", 8, options);
}

void PollTemplatePhp::TearDown() {
    if (!server_)
        return;
    std::string errors = server_->errorLog();
    server_.reset();
    EXPECT_EQ(errors, "") << "PHP reported problems";
}

std::string PollTemplatePhp::readPollFile(const std::string& name) const {
    return readTextFile(pollFile(name));
}

void PollTemplatePhp::writePollFile(const std::string& name, const std::string& text) const {
    std::ofstream(pollFile(name), std::ios::binary) << text;
}

std::string PollTemplatePhp::pollIdentity() {
    HttpClient reader = visitor();
    return inputValue(reader.get("/page.php").body, "poll");
}

HttpResponse PollTemplatePhp::vote(HttpClient& client, int countIndex, const std::string& back) {
    return client.post(
        "/phppollx/process.php",
        {{"vote", std::to_string(countIndex)}, {"poll", pollIdentity()}, {"back", back}});
}

}  // namespace norvel::tests
