#include "tests/templates/poll/poll_template_catalogue.h"

#include <fstream>
#include <sstream>

#include "common/template_substitution.h"

namespace norvel::tests {

std::filesystem::path pollTemplateFolder() {
    return NORVEL_POLL_TEMPLATE_FOLDER;
}

const std::set<std::string>& knownFormKeys() {
    static const std::set<std::string> keys = {
        // text pane
        "question", "answers", "qa", "thankyou", "buttonlabel", "link",
        // options pane ("password" itself never goes into a template)
        "return", "target", "c", "password", "admin", "history",
        // general pane
        "vw", "rw", "rw2", "wpic", "wpic2", "qbc", "abc", "bc", "bs", "cp",
        // text style panes
        "questionx", "responsex", "votebuttonx",
        // editor window and generator
        "dir", "txthistory", "pvotes", "slinked",
        // password hashes made from "password" (common/password_hash.h)
        "phppasswordhash", "asppasswordhash"};
    return keys;
}

const std::set<std::string>& previewFormKeys() {
    static const std::set<std::string> keys = {"vcells", "rcells", "hcells",
                                               "wpic",   "total",  "votes"};
    return keys;
}

std::string templateFolderName(PollKind kind) {
    return kind == PollKind::php ? "PHP" : "asp";
}

std::vector<PollFile> pollFiles(PollKind kind) {
    bool php = kind == PollKind::php;
    std::string ext = php ? ".php" : ".asp";
    return {
        {"vote" + ext, true},
        {"process" + ext, true},
        {"results" + ext, true},
        {"vote_js" + ext, true},
        {"votes.htm", true},
        {"history.htm", true},
        {"pollstyle.css", true},
        {"bar.gif", false},
        {php ? "admin/index.php" : "admin/default.asp", true},
        {"admin/change" + ext, false},
        {"admin/history" + ext, false},
        {"admin/logout" + ext, false},
        {"admin/home" + ext, false},
        {"admin/process" + ext, false},
    };
}

std::vector<PollFile> previewFiles() {
    return {{"vote.htm", true},
            {"results.htm", true},
            {"history.htm", true},
            {"pollstyle.css", true},
            {"bar.gif", false}};
}

std::vector<std::string> placeholdersIn(std::string text) {
    std::vector<std::string> names;
    std::string name;
    size_t position = 1;
    while ((position = common::FindPlaceholder(text, name, position)) != 0)
        names.push_back(name);
    return names;
}

std::string readTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace norvel::tests
