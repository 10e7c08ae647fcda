// The ASP poll, read statically (no ASP engine runs here): how it replaces its data files,
// waits for and keeps its lock, removes leftovers, checks requests, refuses, throttles logins,
// changes the poll, and leads the visitor to the result of a vote.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

#include "tests/templates/poll/asp_structure.h"
#include "tests/templates/poll/poll_template_catalogue.h"
#include "tests/templates/poll/vbscript_literal.h"

namespace norvel::tests {
namespace {

std::string aspTemplate(const std::string& path) {
    return readTextFile(pollTemplateFolder() / "asp" / path);
}

struct AspPage {
    std::string path;
    std::string text;
};

std::vector<AspPage> aspPages() {
    std::vector<AspPage> pages;
    for (const PollFile& file : pollFiles(PollKind::asp))
        if (file.path.ends_with(".asp"))
            pages.push_back({file.path, aspTemplate(file.path)});
    return pages;
}

// Where `part` is in `text`, npos when missing, so orders can be compared with a message.
size_t at(const std::string& text, const std::string& part) {
    return text.find(part);
}

// The code lines of the page's script blocks with comments cut off, trimmed.
std::vector<std::string> codeLines(const std::string& page) {
    std::vector<std::string> lines;
    size_t position = 0;
    while (true) {
        size_t open = page.find("<%", position);
        if (open == std::string::npos)
            break;
        size_t close = page.find("%>", open);
        std::string code = page.substr(open + 2, close - open - 2);
        size_t start = 0;
        for (size_t end; start <= code.size(); start = end + 1) {
            end = code.find('\n', start);
            if (end == std::string::npos)
                end = code.size();
            std::string line = code.substr(start, end - start);
            bool inString = false;
            for (size_t i = 0; i < line.size(); ++i) {
                if (line[i] == '"')
                    inString = !inString;
                if (line[i] == '\'' && !inString) {
                    line.resize(i);
                    break;
                }
            }
            line = std::regex_replace(line, std::regex("^\\s+|\\s+$"), "");
            if (!line.empty())
                lines.push_back(line);
        }
        position = close == std::string::npos ? page.size() : close + 2;
    }
    return lines;
}

TEST(PollTemplateAspStatic, ReplaceKeepsTheDataFileUntilTheNewOneIsIn) {
    std::string replace = aspProcedure(aspTemplate("vote.asp"), "NvPollReplaceFile");
    ASSERT_FALSE(replace.empty());
    // The old file is only ever renamed to its backup, never deleted.
    EXPECT_EQ(at(replace, "DeleteFile target"), std::string::npos) << replace;
    size_t aside = at(replace, "NvPollMove fso, target, backup");
    size_t in = at(replace, "NvPollMove fso, temporary, target");
    ASSERT_NE(aside, std::string::npos) << replace;
    ASSERT_NE(in, std::string::npos) << replace;
    EXPECT_LT(aside, in);
    // A read-only file is refused before anything is written, not silently replaced.
    size_t readOnly = at(replace, "(fso.GetFile(target).Attributes And 1) <> 0");
    EXPECT_LT(readOnly, at(replace, "NvPollWriteUtf8 temporary"));
    // The backup goes only once the new file is in, and comes back when the move failed.
    EXPECT_LT(in, replace.rfind("DeleteFile backup"));
    EXPECT_NE(at(replace, "NvPollMove fso, backup, target"), std::string::npos);
    // A reader that finds no file reads the backup.
    std::string read = aspProcedure(aspTemplate("vote.asp"), "NvPollReadDataFile");
    EXPECT_NE(at(read, "NvPollBackupPath(file)"), std::string::npos) << read;
}

TEST(PollTemplateAspStatic, NothingWaitsByKeepingTheProcessorBusy) {
    for (const AspPage& page : aspPages()) {
        std::vector<std::string> lines = codeLines(page.text);
        for (size_t i = 0; i + 1 < lines.size(); ++i) {
            static const std::regex loop("^(Do|For|While)\\b.*", std::regex::icase);
            static const std::regex end("^(Loop|Next|Wend)\\b.*", std::regex::icase);
            if (std::regex_match(lines[i], loop))
                EXPECT_FALSE(std::regex_match(lines[i + 1], end))
                    << page.path << ": an empty loop at " << lines[i];
        }
        EXPECT_FALSE(std::regex_search(page.text, std::regex("\\bTimer\\b")))
            << page.path << " measures time to wait";
    }
    std::string vote = aspTemplate("vote.asp");
    EXPECT_NE(at(aspProcedure(vote, "NvPollLock"), "Application.Lock"), std::string::npos);
    EXPECT_NE(at(aspProcedure(vote, "NvPollUnlock"), "Application.Unlock"), std::string::npos);
}

TEST(PollTemplateAspStatic, TheLockIsNeverDeletedSoRemovingAStaleOneCannotRace) {
    for (const AspPage& page : aspPages()) {
        EXPECT_EQ(at(page.text, "DeleteFolder"), std::string::npos) << page.path;
        for (const std::string& line : codeLines(page.text))
            EXPECT_FALSE(std::regex_search(line, std::regex("Delete.*lock", std::regex::icase)))
                << page.path << ": " << line;
    }
    std::string lock = aspProcedure(aspTemplate("vote.asp"), "NvPollLock");
    EXPECT_NE(at(lock, "OpenTextFile(NvPollPath(\"poll.lock\")"), std::string::npos) << lock;
}

TEST(PollTemplateAspStatic, LeftoverTemporaryFilesAreRemovedUnderTheLock) {
    std::string vote = aspTemplate("vote.asp");
    EXPECT_NE(at(aspProcedure(vote, "NvPollLock"), "NvPollRemoveLeftovers"), std::string::npos);
    EXPECT_NE(at(aspProcedure(vote, "NvPollReplaceFile"),
                 "temporary = target & \".\" & NvPollGuid() & \".tmp\""),
              std::string::npos);
    std::smatch pattern;
    std::string remove = aspProcedure(vote, "NvPollRemoveLeftovers");
    ASSERT_TRUE(std::regex_search(remove, pattern, std::regex("Pattern = (\"[^\\n]*\")")));
    auto literal = readVbscriptStringExpression(pattern[1].str());
    ASSERT_TRUE(literal && literal->literals.size() == 1) << pattern[1];
    std::regex leftover(literal->literals.front(), std::regex::icase);
    std::string guid(32, 'a');
    for (const char* file : {"votes.htm.", "history.htm.", "poll.throttle."})
        EXPECT_TRUE(std::regex_match(file + guid + ".tmp", leftover)) << file;
    for (const char* file : {"votes.htm", "votes.htm.old", "vote.asp", "poll.lock", "x.tmp"})
        EXPECT_FALSE(std::regex_match(std::string(file), leftover)) << file;
}

TEST(PollTemplateAspStatic, EveryRequestValueGoesThroughAShapeCheck) {
    std::string vote = aspTemplate("vote.asp");
    std::string checks =
        aspProcedure(vote, "NvPollFormField") + aspProcedure(vote, "NvPollCookieValue");
    static const std::regex access(
        "Request(\\.(Form|QueryString|Cookies|Item|BinaryRead|TotalBytes))?\\s*\\(",
        std::regex::icase);
    for (const AspPage& page : aspPages()) {
        std::string outside = page.text;
        for (const char* checker : {"NvPollFormField", "NvPollCookieValue"}) {
            std::string body = aspProcedure(page.text, checker);
            if (!body.empty())
                outside.erase(outside.find(body), body.size());
        }
        std::smatch found;
        EXPECT_FALSE(std::regex_search(outside, found, access))
            << page.path << " reads a request value unchecked: " << found.str();
    }
    // A repeated field (which ASP joins with ", ") or an overlong one reads as missing.
    EXPECT_NE(at(checks, "values.Count <> 1"), std::string::npos) << checks;
    EXPECT_NE(at(checks, "cookie.HasKeys"), std::string::npos) << checks;
    // The poll identity and the admin token are taken only as hex.
    EXPECT_NE(at(aspTemplate("process.asp"), "NvPollIsHex(identity, 20)"), std::string::npos);
    EXPECT_NE(at(aspTemplate("admin/default.asp"), "NvPollIsHex(token, 64)"), std::string::npos);
}

TEST(PollTemplateAspStatic, RefusalsArePagesWithAWayBackAndNoServerDetails) {
    for (const char* path : {"vote.asp", "admin/default.asp"}) {
        std::string page = aspTemplate(path);
        std::string fail = aspProcedure(page, "NvPollFail");
        EXPECT_NE(at(fail, "Response.ContentType = \"text/html\""), std::string::npos) << path;
        EXPECT_NE(at(fail, "role=\"\"alert\"\""), std::string::npos) << path;
        EXPECT_NE(at(fail, "NvPollEscape(NvPollFailBackUrl())"), std::string::npos) << path;
        EXPECT_FALSE(aspProcedure(page, "NvPollFailBackUrl").empty()) << path;
    }
    // No answer carries an error's own text or a path of the server.
    static const std::regex leak(
        "(NvPollFail|NvPollAdminErrorHtml|Response\\.Write)[^\\n]*"
        "(Err\\.Description|MapPath|NvPollPath\\()");
    for (const AspPage& page : aspPages()) {
        std::smatch found;
        EXPECT_FALSE(std::regex_search(page.text, found, leak)) << page.path << ": " << found.str();
    }
}

TEST(PollTemplateAspStatic, LoginIsThrottledOnDiskBeforeThePasswordIsHashed) {
    std::string admin = aspTemplate("admin/default.asp");
    std::string start = aspProcedure(admin, "NvPollAdminStartPage");
    size_t wait = at(start, "NvPollAdminLoginWait()");
    size_t verify = at(start, "NvPollAdminVerify(");
    ASSERT_NE(wait, std::string::npos) << start;
    ASSERT_NE(verify, std::string::npos) << start;
    EXPECT_LT(wait, verify);
    EXPECT_NE(at(start, "\"429 Too Many Requests\""), std::string::npos);
    EXPECT_NE(at(start, "Retry-After"), std::string::npos);
    EXPECT_LT(verify, at(start, "NvPollAdminCountLogin False"));
    EXPECT_LT(verify, at(start, "NvPollAdminCountLogin True"));
    // The count is kept in the poll folder, written like the data files.
    EXPECT_NE(
        at(aspProcedure(admin, "NvPollAdminCountLogin"), "NvPollReplaceFile \"poll.throttle\""),
        std::string::npos);
}

TEST(PollTemplateAspStatic, AChangeCanBeTriedAgainWithoutDuplicateHistory) {
    std::string change = aspProcedure(aspTemplate("admin/default.asp"), "NvPollAdminChange");
    size_t check = at(change, "Split(history & vbCrLf, vbCrLf)(0) <> oldPoll");
    size_t history = at(change, "NvPollReplaceFile \"history.htm\"");
    size_t votes = at(change, "NvPollReplaceFile \"votes.htm\"");
    ASSERT_NE(check, std::string::npos) << change;
    EXPECT_LT(check, history);
    EXPECT_LT(history, votes);
    EXPECT_NE(at(change, "If Err.Number = 0 Then NvPollReplaceFile \"votes.htm\""),
              std::string::npos);
    // Texts go into the data files as character references, by the one formatter.
    for (const char* routine : {"NvPollAdminChange", "NvPollAdminReset"})
        EXPECT_EQ(at(aspProcedure(aspTemplate("admin/default.asp"), routine), "Join("),
                  std::string::npos);
    EXPECT_NE(at(aspProcedure(aspTemplate("vote.asp"), "NvPollFormat"), "NvPollDataEncode("),
              std::string::npos);
}

TEST(PollTemplateAspStatic, AVoteLeadsTheVisitorToTheResult) {
    std::string process = aspTemplate("process.asp");
    EXPECT_NE(at(process, "nextUrl = NvPollUrl(\"results.asp\") & \"#nvpoll-results\""),
              std::string::npos);
    EXPECT_NE(at(process, "nextUrl = back & \"#\" & NvPollVotedId()"), std::string::npos);
    EXPECT_NE(at(aspTemplate("results.asp"), "<main id=\"nvpoll-results\" tabindex=\"-1\">"),
              std::string::npos);
    std::string vote = aspTemplate("vote.asp");
    EXPECT_NE(at(aspProcedure(vote, "NvPollBoxHtml"), "NvPollVotedId()"), std::string::npos);
    EXPECT_NE(at(aspProcedure(vote, "NvPollThanksHtml"), "role=\"\"status\"\""), std::string::npos);
}

}  // namespace
}  // namespace norvel::tests

namespace norvel::tests {
namespace {

// The page with the files it includes (one level, as the poll's pages include).
std::string withIncludes(const std::string& path) {
    std::string page = aspTemplate(path);
    std::string folder =
        path.find('/') == std::string::npos ? "" : path.substr(0, path.rfind('/') + 1);
    std::smatch include;
    std::string text = page;
    while (std::regex_search(text, include, std::regex("<!--#include file=\"([^\"]+)\"-->"))) {
        page += aspTemplate(folder + include[1].str());
        text = include.suffix();
    }
    return page;
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// No ASP engine runs here, so a routine renamed or dropped in one page and still called in
// another would only show on a server: every NvPoll name a page uses must be defined in the
// page or the file it includes.
TEST(PollTemplateAspStatic, EveryNameAPageUsesIsDefined) {
    static const std::regex definition("(Function|Sub|Dim|Const)\\s+(NvPoll\\w+)",
                                       std::regex::icase);
    static const std::regex use("\\bNvPoll\\w+", std::regex::icase);
    for (const AspPage& page : aspPages()) {
        std::string code;
        for (const std::string& line : codeLines(withIncludes(page.path)))
            code += line + "\n";
        std::set<std::string> defined;
        for (auto match = std::sregex_iterator(code.begin(), code.end(), definition);
             match != std::sregex_iterator(); ++match)
            defined.insert(lowered((*match)[2]));
        ASSERT_FALSE(defined.empty()) << page.path;
        for (auto match = std::sregex_iterator(code.begin(), code.end(), use);
             match != std::sregex_iterator(); ++match) {
            // Names inside string literals (settings, markup) are not code.
            std::string before = code.substr(0, match->position(0));
            std::string line = before.substr(before.rfind('\n') + 1);
            if (std::count(line.begin(), line.end(), '"') % 2 == 1)
                continue;
            EXPECT_TRUE(defined.count(lowered(match->str())))
                << page.path << " uses " << match->str() << ", which it does not define";
        }
    }
}

}  // namespace
}  // namespace norvel::tests

namespace norvel::tests {
namespace {

// The lower-case names in a declaration or a parameter list.
std::vector<std::string> namesIn(const std::string& text) {
    static const std::regex name("\\b[A-Za-z]\\w*");
    std::vector<std::string> names;
    for (auto match = std::sregex_iterator(text.begin(), text.end(), name);
         match != std::sregex_iterator(); ++match)
        names.push_back(lowered(match->str()));
    return names;
}

// The pages run with Option Explicit, where assigning an undeclared name is an error that
// only a server would show: every name a statement assigns (or a For loop counts with) must
// be declared in its procedure (Dim or parameter), be the procedure itself, or be declared
// at page level.
TEST(PollTemplateAspStatic, EveryAssignedNameIsDeclared) {
    static const std::regex procedure(
        "^(Public\\s+|Private\\s+)?(Function|Sub)\\s+(\\w+)\\s*(\\(([^)]*)\\))?.*",
        std::regex::icase);
    static const std::regex procedureEnd("^End\\s+(Function|Sub)\\b.*", std::regex::icase);
    static const std::regex dim("^(Dim|Const|ReDim)\\s+(.*)", std::regex::icase);
    static const std::regex assignment(
        "^(Set\\s+)?(\\w+)(\\([^=]*\\))?\\s*=.*|^For\\s+(Each\\s+)?(\\w+)\\b.*", std::regex::icase);
    static const std::regex keywords(
        "^(if|elseif|else|do|loop|while|select|case|end|on|exit|"
        "response|next|call|redim|session|application)$");
    for (const AspPage& page : aspPages()) {
        std::vector<std::string> lines = codeLines(withIncludes(page.path));
        std::set<std::string> pageNames;
        bool inProcedure = false;
        for (const std::string& line : lines) {
            std::smatch match;
            if (std::regex_match(line, procedure))
                inProcedure = true;
            else if (std::regex_match(line, procedureEnd))
                inProcedure = false;
            else if (!inProcedure && std::regex_match(line, match, dim))
                for (const std::string& name : namesIn(match[2].str()))
                    pageNames.insert(name);
        }
        std::set<std::string> local;
        bool inside = false;
        for (const std::string& line : lines) {
            std::smatch match;
            if (std::regex_match(line, match, procedure)) {
                inside = true;
                local = {lowered(match[3])};
                std::string parameters = match[5];
                for (const std::string& name : namesIn(parameters))
                    local.insert(name);
                continue;
            }
            if (std::regex_match(line, procedureEnd)) {
                inside = false;
                continue;
            }
            if (std::regex_match(line, match, dim) && inside) {
                for (const std::string& name : namesIn(match[2].str()))
                    local.insert(name);
                continue;
            }
            // Statements after "Then" or ":" on the same line are assignments too.
            std::string statement = std::regex_replace(line, std::regex("^If .* Then "), "");
            if (!std::regex_match(statement, match, assignment))
                continue;
            std::string name = lowered(match[2].matched ? match[2].str() : match[5].str());
            if (std::regex_match(name, keywords) || (name.find('.') != std::string::npos))
                continue;
            EXPECT_TRUE(pageNames.count(name) || (inside && local.count(name)))
                << page.path << ": " << line << " assigns an undeclared " << name;
        }
    }
}

}  // namespace
}  // namespace norvel::tests

namespace norvel::tests {
namespace {

// The admin change refuses a text that would not read back as one field of the poll data
// string; the pattern is taken from the page and run here.
TEST(PollTemplateAspStatic, AdminTextsThatWouldShiftTheFieldsAreRefused) {
    std::string check = aspProcedure(aspTemplate("admin/process.asp"), "NvPollAdminText");
    std::smatch line;
    ASSERT_TRUE(std::regex_search(check, line, std::regex("Pattern = (\"[^\\n]*\")"))) << check;
    auto literal = readVbscriptStringExpression(line[1].str());
    ASSERT_TRUE(literal && literal->literals.size() == 1) << line[1];
    std::regex refused(literal->literals.front());
    for (const char* text : {"Why|", "|Why", "a||b", "tab\there", "line\nbreak"})
        EXPECT_TRUE(std::regex_search(std::string(text), refused)) << text;
    for (const char* text : {"a|b", "Green & <blue>", "\"quoted\" 'text'", "x"})
        EXPECT_FALSE(std::regex_search(std::string(text), refused)) << text;
}

}  // namespace
}  // namespace norvel::tests
