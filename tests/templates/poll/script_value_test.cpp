// The editor's values in the generated server scripts: whatever a text holds, it stays a
// string. PHP is run for real (its command line and built-in server); ASP is read statically.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "common/script_literal.h"
#include "common/template_substitution.h"
#include "tests/support/temporary_folder.h"
#include "tests/templates/poll/asp_structure.h"
#include "tests/templates/poll/hostile_texts.h"
#include "tests/templates/poll/http_client.h"
#include "tests/templates/poll/php_poll_web.h"
#include "tests/templates/poll/php_server.h"
#include "tests/templates/poll/poll_template_catalogue.h"
#include "tests/templates/poll/vbscript_literal.h"

namespace norvel::tests {
namespace {

// The values the PHP and ASP scripts embed, beside the password hashes.
const std::vector<std::string> kEmbeddedKeys = {"thankyou", "buttonlabel", "link", "return",
                                                "target",   "c",           "wpic", "wpic2"};

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (unsigned char c : bytes) {
        text += digits[c >> 4];
        text += digits[c & 0xF];
    }
    return text;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    if (start < text.size())
        result.push_back(text.substr(start));
    return result;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string allBytesButNul() {
    std::string bytes;
    for (int c = 1; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

TEST(PollTemplateScriptValues, PhpLiteralsGiveBackEveryByteAndHoldNoLineBreakOrPlaceholder) {
    std::string php = findProgram("php");
    if (php.empty())
        GTEST_SKIP() << "php is not installed";
    std::vector<std::string> texts = hostileTexts();
    texts.push_back(allBytesButNul());
    std::string script = "<?php\n";
    for (const std::string& text : texts) {
        std::string literal = common::phpStringLiteral(text);
        EXPECT_EQ(literal.find('\n'), std::string::npos) << literal;
        EXPECT_EQ(literal.find('\r'), std::string::npos) << literal;
        EXPECT_EQ(literal.find("<*"), std::string::npos) << literal;
        script += "echo bin2hex(" + literal + "), \"\\n\";\n";
    }
    TemporaryFolder folder;
    writeFile(folder.path() / "literals.php", script);
    ProcessResult run = runProcess({php, (folder.path() / "literals.php").string()});
    ASSERT_EQ(run.exitCode, 0) << run.output;
    std::vector<std::string> read = lines(run.output);
    ASSERT_EQ(read.size(), texts.size()) << run.output;
    for (size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(read[i], hex(texts[i])) << "text " << i;
}

TEST(PollTemplateScriptValues, VbscriptLiteralsArePlainAsciiAndReadBackExactly) {
    for (const std::string& text : hostileTexts()) {
        std::string literal = common::vbscriptStringLiteral(text);
        for (char c : literal)
            EXPECT_TRUE(c >= 0x20 && c <= 0x7e) << literal;
        std::optional<VbscriptExpression> read = readVbscriptStringExpression(literal);
        ASSERT_TRUE(read) << literal;
        EXPECT_TRUE(read->value == utf16(text)) << literal;
        for (const std::string& piece : read->literals)
            for (const char* marker : {"%>", "<%", "<!--", "<*"})
                EXPECT_EQ(piece.find(marker), std::string::npos) << literal;
    }
    // Bytes that are no UTF-8 cannot be a VBScript string; they become U+FFFD, and the rest
    // stays as it was.
    std::optional<VbscriptExpression> broken =
        readVbscriptStringExpression(common::vbscriptStringLiteral("a\xFF"
                                                                   "b\xC3"));
    ASSERT_TRUE(broken);
    EXPECT_TRUE(broken->value == u"a\uFFFDb\uFFFD");
    EXPECT_EQ(common::vbscriptStringLiteral(""), "\"\"");
    EXPECT_EQ(common::vbscriptStringLiteral("say \"hi\"\r\n"),
              "\"say \"\"hi\"\"\" & ChrW(13) & ChrW(10)");
}

TEST(PollTemplateScriptValues, OnlyServerScriptsGetLiterals) {
    EXPECT_EQ(common::scriptLanguageOf("vote.php"), common::ScriptLanguage::php);
    EXPECT_EQ(common::scriptLanguageOf("admin/index.PHP"), common::ScriptLanguage::php);
    EXPECT_EQ(common::scriptLanguageOf("default.asp"), common::ScriptLanguage::vbscript);
    EXPECT_EQ(common::scriptLanguageOf("votes.htm"), common::ScriptLanguage::none);
    EXPECT_EQ(common::scriptLanguageOf("pollstyle.css"), common::ScriptLanguage::none);
    common::StringDictionary values;
    values.set("a", "x'y");
    common::quoteValuesForScript(values, common::ScriptLanguage::none);
    EXPECT_EQ(values.value("a"), "x'y");
    common::quoteValuesForScript(values, common::ScriptLanguage::php);
    EXPECT_EQ(values.value("a"), "'x\\'y'");
}

// Every hostile text goes into every embedded value of a generated PHP poll, eight at a time:
// the page with the poll renders whole, no code of a text runs, PHP reports nothing, and the
// poll reads each text back byte for byte.
TEST(PollTemplateScriptValues, HostileTextsInEveryPhpValueStayTexts) {
    std::string php = findProgram("php");
    if (php.empty())
        GTEST_SKIP() << "php is not installed";
    std::vector<std::string> texts = hostileTexts();
    size_t rounds = (texts.size() + kEmbeddedKeys.size() - 1) / kEmbeddedKeys.size();
    for (size_t round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        common::StringDictionary values = pollFormValues({});
        for (size_t k = 0; k < kEmbeddedKeys.size(); ++k)
            values.set(kEmbeddedKeys[k], texts[(round * kEmbeddedKeys.size() + k) % texts.size()]);
        TemporaryFolder folder;
        std::filesystem::path web = folder.path() / "web";
        writePhpPollWeb(web, values);
        for (const PollFile& file : pollFiles(PollKind::php)) {
            if (!file.path.ends_with(".php"))
                continue;
            ProcessResult lint = runProcess({php, "-l", (web / kPollFolder / file.path).string()});
            EXPECT_EQ(lint.exitCode, 0) << file.path << ": " << lint.output;
        }
        {
            PhpServer server(web, folder.path() / "server", 2);
            HttpClient visitor(server.port());
            for (const char* address : {"/page.php", "/phppollx/vote_js.php",
                                        "/phppollx/results.php", "/phppollx/admin/index.php"}) {
                HttpResponse page = visitor.get(address);
                EXPECT_EQ(page.status, 200) << address << ": " << page.body;
            }
            HttpResponse page = visitor.get("/page.php");
            EXPECT_NE(page.body.find("<p>After the poll</p>"), std::string::npos) << page.body;
            EXPECT_NE(page.body.find("name=\"vote\""), std::string::npos) << page.body;
            EXPECT_EQ(server.errorLog(), "");
            // The vote button and the results link show their texts exactly, as HTML text.
            writeFile(folder.path() / "page.html", page.body);
            ProcessResult shown = runProcess(
                {php, "-r",
                 "echo html_entity_decode(file_get_contents($argv[1]), ENT_QUOTES | ENT_HTML5, "
                 "'UTF-8');",
                 "--", (folder.path() / "page.html").string()});
            for (const char* key : {"buttonlabel", "link"})
                EXPECT_NE(shown.output.find(values.value(key)), std::string::npos)
                    << key << " is not shown as " << values.value(key);
        }
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path()))
            EXPECT_NE(entry.path().filename(), kCodeRanMarker) << "a text ran as code";

        std::filesystem::path probe = web / "probe.php";
        std::string script = "<?php $norvelPollAsLibrary = true; $poll = require '" +
                             (web / kPollFolder / "vote.php").string() + "';\n";
        for (const std::string& key : kEmbeddedKeys)
            script += "echo bin2hex($poll->setting('" + key + "')), \"\\n\";\n";
        writeFile(probe, script);
        ProcessResult read = runProcess({php, probe.string()});
        ASSERT_EQ(read.exitCode, 0) << read.output;
        std::vector<std::string> settings = lines(read.output);
        ASSERT_EQ(settings.size(), kEmbeddedKeys.size()) << read.output;
        for (size_t k = 0; k < kEmbeddedKeys.size(); ++k)
            EXPECT_EQ(settings[k], hex(values.value(kEmbeddedKeys[k]))) << kEmbeddedKeys[k];
    }
}

// A template filled as the generator fills an ASP page.
std::string filledAspPage(const std::string& path, const common::StringDictionary& values) {
    std::string text = readTextFile(pollTemplateFolder() / "asp" / path);
    common::StringDictionary quoted = values;
    common::quoteValuesForScript(quoted, common::ScriptLanguage::vbscript);
    common::SubstitutionOutcome outcome = common::fillPlaceholders(quoted, text);
    EXPECT_TRUE(outcome.complete) << path << ": " << outcome.missingName;
    return text;
}

size_t occurrences(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

// The expression assigned on the line after `Case "key"` in vote.asp's NvPollSetting.
std::string settingExpression(const std::string& page, const std::string& key) {
    std::regex line("Case \"" + key + "\"\r?\n\\s*NvPollSetting = ([^\r\n]*)");
    std::smatch match;
    return std::regex_search(page, match, line) ? match[1].str() : "(missing)";
}

TEST(PollTemplateScriptValues, HostileTextsInEveryAspValueStayInsideTheirLiterals) {
    std::vector<std::string> texts = hostileTexts();
    for (size_t round = 0; round < texts.size(); ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        common::StringDictionary values = pollFormValues({});
        for (size_t k = 0; k < kEmbeddedKeys.size(); ++k)
            values.set(kEmbeddedKeys[k], texts[(round + k) % texts.size()]);
        values.set("dir", texts[round]);
        for (const PollFile& file : pollFiles(PollKind::asp)) {
            if (!file.filled || !file.path.ends_with(".asp"))
                continue;
            std::string page = filledAspPage(file.path, values);
            std::string plain = readTextFile(pollTemplateFolder() / "asp" / file.path);
            std::vector<std::string> problems = aspStructureProblems(page);
            EXPECT_TRUE(problems.empty()) << file.path << ": " << problems.front();
            for (const char* marker : {"<!--#include", "<%", "%>"})
                EXPECT_EQ(occurrences(page, marker), occurrences(plain, marker))
                    << file.path << ": " << marker;
        }
        std::string vote = filledAspPage("vote.asp", values);
        for (const std::string& key : kEmbeddedKeys) {
            std::optional<VbscriptExpression> read =
                readVbscriptStringExpression(settingExpression(vote, key));
            ASSERT_TRUE(read) << key << ": " << settingExpression(vote, key);
            EXPECT_TRUE(read->value == utf16(values.value(key))) << key;
        }
        std::smatch folder;
        ASSERT_TRUE(std::regex_search(vote, folder, std::regex("NvPollFolderName = ([^\r\n]*)")));
        std::optional<VbscriptExpression> dir = readVbscriptStringExpression(folder[1].str());
        ASSERT_TRUE(dir) << folder[1];
        EXPECT_TRUE(dir->value == utf16(texts[round]));
    }
}

// The admin pages read the bar width from vote.asp's text, taking only a plain number.
TEST(PollTemplateScriptValues, AspAdminReadsOnlyPlainNumbersFromTheVotePage) {
    std::string admin = readTextFile(pollTemplateFolder() / "asp/admin/default.asp");
    std::smatch line;
    ASSERT_TRUE(std::regex_search(admin, line, std::regex("pattern\\.Pattern = (\"[^\r\n]*\")")));
    // The VBScript expression with the name put in; "" is a quote inside the literal.
    std::string pattern = std::regex_replace(line[1].str(), std::regex("\" & name & \""), "wpic");
    pattern = std::regex_replace(pattern.substr(1, pattern.size() - 2), std::regex("\"\""), "\"");
    std::regex reader(pattern);

    common::StringDictionary values = pollFormValues({});
    std::smatch found;
    std::string vote = filledAspPage("vote.asp", values);
    ASSERT_TRUE(std::regex_search(vote, found, reader)) << pattern;
    EXPECT_EQ(found[1], values.value("wpic"));
    for (const std::string& text : hostileTexts()) {
        if (text.find_first_not_of("0123456789. ") == std::string::npos)
            continue;
        values.set("wpic", "1" + text);
        vote = filledAspPage("vote.asp", values);
        EXPECT_FALSE(std::regex_search(vote, found, reader)) << text;
    }
}

}  // namespace
}  // namespace norvel::tests
