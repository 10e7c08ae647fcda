#include "pollcollection/poll_kind.h"

#include <algorithm>

#include "common/ascii_text.h"

namespace norvel::poll {

const PollKindFiles& pollKindFiles(PollKind kind) {
    static const PollKindFiles php{
        "PHP",
        "PHP Poll",
        {"vote.php", "process.php", "results.php", "vote_js.php"},
        "index.php",
        {"change.php", "history.php", "logout.php", "home.php", "process.php"}};
    static const PollKindFiles asp{
        "asp",
        "ASP Poll",
        {"vote.asp", "process.asp", "results.asp", "vote_js.asp"},
        "default.asp",
        {"change.asp", "history.asp", "logout.asp", "home.asp", "process.asp"}};
    return kind == PollKind::php ? php : asp;
}

std::string previewHtml(PollKind kind, const std::string& formWidth,
                        const std::string& pollFolder) {
    // The width goes in without a unit, as the page editor has always shown it.
    return "<span style='text-align:center;border:1px solid black;width:" + formWidth +
           ";height:150;padding:2px'>" + pollKindFiles(kind).previewLabel +
           "<br>click to edit<br>" + pollFolder + "</span>";
}

std::optional<std::string> includeCode(PollKind kind, std::string_view pageExtension,
                                       const std::string& pollFolder) {
    std::string extension = common::toLowerAscii(pageExtension);
    std::string language = kind == PollKind::php ? "php" : "asp";
    if (extension == "htm" || extension == "html")
        return "<script type=\"text/javascript\" src=\"" + pollFolder + "/vote_js." + language +
               "\"></script>";
    if (extension != language)
        return std::nullopt;
    if (kind == PollKind::php)
        // The long open tag: the short one is off in the PHP of today's servers, where the
        // include would be sent to the visitor as text.
        return "<?php include(\"" + pollFolder + "/vote.php\"); ?>";
    return "<!--#include file =\"" + pollFolder + "/vote.asp\" -->";
}

}  // namespace norvel::poll
