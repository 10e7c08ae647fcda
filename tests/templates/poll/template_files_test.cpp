// The template folders as a whole: every file the generator writes is there, every
// placeholder names a known form key, the filled templates are valid PHP, the bar is a real
// image, and the ASP pages are well formed.
#include <gtest/gtest.h>

#include <fstream>

#include "common/script_literal.h"
#include "common/template_substitution.h"
#include "tests/templates/poll/asp_structure.h"
#include "tests/templates/poll/php_poll_web.h"
#include "tests/templates/poll/php_server.h"
#include "tests/templates/poll/poll_template_catalogue.h"
#include "tests/support/temporary_folder.h"

namespace norvel::tests {
namespace {

void expectKnownPlaceholders(const std::filesystem::path& file, const PollFile& entry,
                             const std::set<std::string>& allowed) {
    std::vector<std::string> names = placeholdersIn(readTextFile(file));
    if (!entry.filled) {
        EXPECT_TRUE(names.empty()) << file << " is copied unfilled but names " << names.front();
        return;
    }
    for (const auto& name : names) {
        EXPECT_TRUE(allowed.count(name)) << file << " names the unknown key '" << name << "'";
        EXPECT_NE(name, "password") << file << " would hold the plain password";
    }
}

TEST(PollTemplateFiles, EveryFileOfTheFileTableIsInBothTemplateFolders) {
    for (PollKind kind : {PollKind::php, PollKind::asp}) {
        std::filesystem::path folder = pollTemplateFolder() / templateFolderName(kind);
        for (const PollFile& file : pollFiles(kind))
            EXPECT_TRUE(std::filesystem::is_regular_file(folder / file.path)) << folder / file.path;
    }
    for (const PollFile& file : previewFiles())
        EXPECT_TRUE(std::filesystem::is_regular_file(pollTemplateFolder() / "html" / file.path))
            << file.path;
    // The two data files are nothing but their data.
    for (const char* folder : {"PHP", "asp"}) {
        EXPECT_EQ(readTextFile(pollTemplateFolder() / folder / "votes.htm"), "<*qa*>");
        EXPECT_EQ(readTextFile(pollTemplateFolder() / folder / "history.htm"), "<*txthistory*>");
    }
}

TEST(PollTemplateFiles, EveryPlaceholderIsAKnownFormKey) {
    for (PollKind kind : {PollKind::php, PollKind::asp}) {
        std::filesystem::path folder = pollTemplateFolder() / templateFolderName(kind);
        for (const PollFile& file : pollFiles(kind))
            expectKnownPlaceholders(folder / file.path, file, knownFormKeys());
    }
    std::set<std::string> previewKeys = knownFormKeys();
    previewKeys.insert(previewFormKeys().begin(), previewFormKeys().end());
    for (const PollFile& file : previewFiles())
        expectKnownPlaceholders(pollTemplateFolder() / "html" / file.path, file, previewKeys);
}

TEST(PollTemplateFiles, BarImagesAreSmallRealGifs) {
    for (const char* folder : {"PHP", "asp", "html"}) {
        std::string gif = readTextFile(pollTemplateFolder() / folder / "bar.gif");
        ASSERT_GE(gif.size(), 30u) << folder;
        EXPECT_EQ(gif.substr(0, 6), "GIF89a") << folder;
        int width = static_cast<unsigned char>(gif[6]) | static_cast<unsigned char>(gif[7]) << 8;
        int height = static_cast<unsigned char>(gif[8]) | static_cast<unsigned char>(gif[9]) << 8;
        EXPECT_EQ(width, 1) << folder;
        EXPECT_EQ(height, 10) << folder;
        EXPECT_EQ(gif.back(), ';') << folder << ": no GIF trailer";
    }
}

TEST(PollTemplateFiles, FilledPhpTemplatesAreValidPhpWhateverTheTexts) {
    std::string php = findProgram("php");
    if (php.empty())
        GTEST_SKIP() << "php is not installed";
    common::StringDictionary values = pollFormValues({});
    // Texts that would break a script that quoted them naively.
    values.set("thankyou", "It\"s \\ $done {$x} ?> <?php exit; NORVEL_POLL_VALUE_ \r\nline two");
    values.set("buttonlabel", "");
    TemporaryFolder folder;
    writePhpPollWeb(folder.path(), values);
    for (const PollFile& file : pollFiles(PollKind::php)) {
        if (file.path.ends_with(".php")) {
            ProcessResult lint = runProcess({php, "-l", (folder.path() / kPollFolder / file.path)});
            EXPECT_EQ(lint.exitCode, 0) << file.path << ": " << lint.output;
        }
    }
    // The texts come back unchanged.
    std::filesystem::path probe = folder.path() / "probe.php";
    std::ofstream(probe)
        << "<?php $norvelPollAsLibrary = true; $poll = require '"
        << (folder.path() / kPollFolder / "vote.php").string()
        << "'; echo $poll->setting('thankyou'), '|', $poll->setting('buttonlabel');";
    ProcessResult read = runProcess({php, probe.string()});
    EXPECT_EQ(read.output, values.value("thankyou") + "|");
}

TEST(PollTemplateFiles, AspPagesAreWellFormed) {
    std::filesystem::path folder = pollTemplateFolder() / "asp";
    for (const PollFile& file : pollFiles(PollKind::asp)) {
        if (!file.path.ends_with(".asp"))
            continue;
        std::vector<std::string> problems = aspStructureProblems(readTextFile(folder / file.path));
        EXPECT_TRUE(problems.empty()) << file.path << ": " << problems.front();
    }
}

// The routines an admin page cannot include from ../vote.asp are copied into
// admin/default.asp; the two copies must not drift apart.
std::string sharedAspRoutines(const std::string& page) {
    const std::string begin = "' ---- Routines that admin/default.asp holds too";
    const std::string end = "' ---- End of the routines admin/default.asp holds too.";
    size_t first = page.find(begin);
    size_t last = page.find(end);
    if (first == std::string::npos || last == std::string::npos)
        return {};
    return page.substr(first, last - first);
}

TEST(PollTemplateFiles, AspAdminHoldsTheSharedRoutinesWordForWord) {
    std::filesystem::path folder = pollTemplateFolder() / "asp";
    std::string vote = sharedAspRoutines(readTextFile(folder / "vote.asp"));
    EXPECT_GT(vote.size(), 5000u);
    EXPECT_EQ(sharedAspRoutines(readTextFile(folder / "admin/default.asp")), vote);
}

TEST(PollTemplateFiles, AspPagesFillCompletelyAndHoldNoPlainPassword) {
    common::StringDictionary values = pollFormValues({});
    std::filesystem::path folder = pollTemplateFolder() / "asp";
    for (const PollFile& file : pollFiles(PollKind::asp)) {
        std::string text = readTextFile(folder / file.path);
        if (!file.filled)
            continue;
        common::StringDictionary quoted = values;
        common::quoteValuesForScript(quoted, common::scriptLanguageOf(file.path));
        common::SubstitutionOutcome outcome = common::fillPlaceholders(quoted, text);
        EXPECT_TRUE(outcome.complete) << file.path << ": " << outcome.missingName;
        EXPECT_EQ(text.find(kAdminPassword), std::string::npos) << file.path;
    }
    std::string start = readTextFile(folder / "admin/default.asp");
    common::StringDictionary quoted = values;
    common::quoteValuesForScript(quoted, common::ScriptLanguage::vbscript);
    common::fillPlaceholders(quoted, start);
    EXPECT_NE(start.find(values.value("asppasswordhash")), std::string::npos);
}

TEST(PollTemplateAspStructure, FindsUnbalancedBlocks) {
    EXPECT_TRUE(aspStructureProblems("<html><% If a Then %>x<% Else %>y<% End If %></html>\n"
                                     "<%= a %><%@ Language=\"VBScript\" %>")
                    .empty());
    EXPECT_TRUE(aspStructureProblems("<%\nSub S(x) ' If in a comment Then\n"
                                     "  If x = \"End If\" Then Exit Sub\n"
                                     "  For Each y In z : Next\n"
                                     "  Do While a\n  Loop\n"
                                     "  If a _\n    And b Then\n  End If\nEnd Sub\n%>")
                    .empty());
    auto single = [](const std::string& page) {
        std::vector<std::string> problems = aspStructureProblems(page);
        return problems.size() == 1 ? problems.front()
                                    : "problems: " + std::to_string(problems.size());
    };
    EXPECT_EQ(single("<% If a Then\n b\n %>"), "line 1: if is never closed");
    EXPECT_EQ(single("<% Function F()\n End Sub\n %>"),
              "line 2: end of sub closes function of line 1");
    EXPECT_EQ(single("<% x = 1 %> %>"), "line 1: %> without <%");
    EXPECT_EQ(single("<% x = 1 "), "line 1: <% without %>");
    EXPECT_EQ(single("<% If a Then\nSub S()\nEnd Sub\nEnd If %>"),
              "line 2: sub inside if of line 1");
    EXPECT_EQ(single("<% Next %>"), "line 1: end of for with nothing open");
}

}  // namespace
}  // namespace norvel::tests
