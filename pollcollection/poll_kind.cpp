#include "pollcollection/poll_kind.h"

#include <algorithm>

#include "common/ascii_text.h"
#include "common/error.h"
#include "pollcollection/poll_data.h"

namespace norvel::poll {

namespace {

// A PHP double-quoted string's content that is exactly `text`: plain folder name characters
// as they are, every other byte as "\xNN", so no name can end the string, start a variable
// or hold a ">" that would end the PHP block for an HTML reader of the page.
std::string phpDoubleQuotedContent(std::string_view text) {
    static const char digits[] = "0123456789ABCDEF";
    std::string content;
    for (char c : text) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (common::isAsciiAlpha(c) || common::isAsciiDigit(c) ||
            std::string_view(" _-./()+,=@~").find(c) != std::string_view::npos) {
            content += c;
        } else {
            content += "\\x";
            content += digits[byte >> 4];
            content += digits[byte & 0xF];
        }
    }
    return content;
}

// A server-side include has no escapes: a folder name with a quote, an angle bracket, "--"
// or a control character cannot be written into one (nor be a Windows folder name).
void checkIncludablePollFolder(const std::string& pollFolder) {
    bool includable = pollFolder.find("--") == std::string::npos;
    for (char c : pollFolder)
        includable = includable && static_cast<unsigned char>(c) >= 0x20 && c != '"' && c != '<' &&
                     c != '>' && c != 0x7f;
    if (!includable)
        throw common::Error(5, "includeCode",
                            "The poll folder name \"" + pollFolder +
                                "\" cannot go into the page's server-side include: it holds a "
                                "quote, an angle bracket, \"--\" or a control character.");
}

}  // namespace

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
           "<br>click to edit<br>" + htmlText(pollFolder) + "</span>";
}

std::optional<std::string> includeCode(PollKind kind, std::string_view pageExtension,
                                       const std::string& pollFolder) {
    std::string extension = common::toLowerAscii(pageExtension);
    std::string language = kind == PollKind::php ? "php" : "asp";
    if (extension == "htm" || extension == "html")
        return "<script type=\"text/javascript\" src=\"" + htmlText(pollFolder) + "/vote_js." +
               language + "\"></script>";
    if (extension != language)
        return std::nullopt;
    if (kind == PollKind::php)
        // The long open tag: the short one is off in the PHP of today's servers, where the
        // include would be sent to the visitor as text.
        return "<?php include(\"" + phpDoubleQuotedContent(pollFolder) + "/vote.php\"); ?>";
    checkIncludablePollFolder(pollFolder);
    return "<!--#include file =\"" + pollFolder + "/vote.asp\" -->";
}

}  // namespace norvel::poll
