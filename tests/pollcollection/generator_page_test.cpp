// What the poll generator does to the page: the webbot block and its include code, the poll
// style sheet link, the order of paste and files, and the edit signal.
#include <filesystem>
#include <fstream>

#include "common/error.h"
#include "pollcollection/poll_kind.h"
#include "tests/pollcollection/generator_fixture.h"
#include "tests/templates/poll/php_server.h"

namespace norvel::poll {
namespace {

class PollGeneratorPage : public PollGeneratorFixture {};

TEST_F(PollGeneratorPage, ANewPhpPollOnAStaticPageGetsTheWholeBlock) {
    openNewPage("index.htm");
    auto generator = newPoll();
    generator->RunPHP("htm");

    const std::string opening =
        "<p><!--webbot bot=\"norvelfpbot\" s-class=\"norvelfp.main\" clientside thanks=\"Thank "
        "you\" but=\"Vote\" link=\"Results\" av=\"1\" c=\"30\" vw=\"300\" rw=\"400\" "
        "dir=\"phppollx\" T=\"P2\" PREVIEW=\"<span style='text-align:center;border:1px solid "
        "black;width:300;height:150;padding:2px'>PHP Poll<br>click to edit<br>phppollx</span>\" "
        "TAG=\"p\" startspan -->\r\n";
    const std::string body =
        "<script type=\"text/javascript\" src=\"phppollx/vote_js.php\"></script>";
    const std::string closing = "\r\n<!--webbot bot=\"norvelfpbot\" endspan --></p>";
    std::string html = pageHtml();
    EXPECT_NE(html.find(opening + body + closing), std::string::npos) << html;
    EXPECT_EQ(generator->AddinDic->value("clientside"), "");
    EXPECT_EQ(generator->AddinDic->value("S-HTML"), body);
    EXPECT_FALSE(generator->AddinDic->exists("_EDIT_OK"));
    // The poll's style sheet is linked into the page.
    EXPECT_EQ(occurrences(html, "href=\"phppollx/pollstyle.css\""), 1u) << html;
    EXPECT_EQ(generator->FormDic->value("slinked"), "false");
}

TEST(PollGeneratorIncludeCode, FollowsThePageExtensionInAnyLetterCase) {
    const std::string phpScript =
        "<script type=\"text/javascript\" src=\"dir1/vote_js.php\"></script>";
    const std::string aspScript =
        "<script type=\"text/javascript\" src=\"dir1/vote_js.asp\"></script>";
    for (const char* extension : {"htm", "HTM", "html", "Html"}) {
        EXPECT_EQ(includeCode(PollKind::php, extension, "dir1"), phpScript) << extension;
        EXPECT_EQ(includeCode(PollKind::asp, extension, "dir1"), aspScript) << extension;
    }
    for (const char* extension : {"php", "PHP", "pHp"})
        EXPECT_EQ(includeCode(PollKind::php, extension, "dir1"),
                  "<?php include(\"dir1/vote.php\"); ?>");
    for (const char* extension : {"asp", "ASP"})
        EXPECT_EQ(includeCode(PollKind::asp, extension, "dir1"),
                  "<!--#include file =\"dir1/vote.asp\" -->");
    EXPECT_EQ(includeCode(PollKind::php, "asp", "dir1"), std::nullopt);
    EXPECT_EQ(includeCode(PollKind::asp, "php", "dir1"), std::nullopt);
    EXPECT_EQ(includeCode(PollKind::php, "shtml", "dir1"), std::nullopt);
}

// A folder name from a hand-edited block stays inside its string: PHP includes exactly that
// folder and runs nothing else; an attribute keeps it as text; an ASP include refuses it.
TEST(PollGeneratorIncludeCode, AnyFolderNameStaysInsideItsString) {
    const std::string hostile = "a\"); touch('ran'); $x=(\"{$y}\\ \xC3\xA9 ?>";
    EXPECT_EQ(
        includeCode(PollKind::php, "htm", "a\"<b>&"),
        "<script type=\"text/javascript\" src=\"a&quot;&lt;b&gt;&amp;/vote_js.php\"></script>");
    std::optional<std::string> include = includeCode(PollKind::php, "php", hostile);
    ASSERT_TRUE(include);
    EXPECT_EQ(include->find('>'), include->size() - 1) << *include;
    EXPECT_THROW(includeCode(PollKind::asp, "asp", "a\"b"), common::Error);
    EXPECT_THROW(includeCode(PollKind::asp, "asp", "a-->b"), common::Error);
    EXPECT_EQ(includeCode(PollKind::asp, "asp", "Poll \xC3\xA9t\xC3\xA9"),
              "<!--#include file =\"Poll \xC3\xA9t\xC3\xA9/vote.asp\" -->");

    std::string php = tests::findProgram("php");
    if (php.empty())
        GTEST_SKIP() << "php is not installed: the include is not run";
    tests::TemporaryFolder web;
    std::filesystem::create_directories(web.path() / hostile);
    std::ofstream(web.path() / hostile / "vote.php") << "<?php echo 'included';";
    std::ofstream(web.path() / "page.php") << *include;
    tests::ProcessResult run =
        tests::runProcess({php, "-d", "display_errors=1", (web.path() / "page.php").string()});
    EXPECT_EQ(run.output, "included");
    EXPECT_FALSE(std::filesystem::exists(web.path() / "ran"));
}

TEST_F(PollGeneratorPage, AServerPageGetsTheServerInclude) {
    openNewPage("page.PHP");
    auto generator = newPoll();
    generator->RunPHP("PHP");
    EXPECT_EQ(generator->AddinDic->value("S-HTML"), "<?php include(\"phppollx/vote.php\"); ?>");
    EXPECT_NE(pageHtml().find("startspan -->\r\n<?php include(\"phppollx/vote.php\"); ?>\r\n"),
              std::string::npos);
}

TEST_F(PollGeneratorPage, AnotherExtensionLeavesTheIncludeCodeAsItWas) {
    openNewPage("page.asp");
    auto generator = newPoll();
    generator->AddinDic->set("S-HTML", "kept");
    generator->RunPHP("asp");
    EXPECT_EQ(generator->AddinDic->value("S-HTML"), "kept");
}

TEST_F(PollGeneratorPage, APageThatLinksThePollStyleSheetGetsNoSecondLink) {
    openNewPage("index.htm", "<link rel=\"stylesheet\" href=\"phppollx/pollstyle.css\">");
    auto generator = newPoll();
    generator->RunPHP("htm");
    EXPECT_EQ(generator->FormDic->value("slinked"), "true");
    EXPECT_EQ(occurrences(pageHtml(), "phppollx/pollstyle.css"), 1u);
}

TEST_F(PollGeneratorPage, WithoutTheBlockOnlyTheIncludeCodeIsPasted) {
    openNewPage("index.htm");
    auto generator = newPoll();
    generator->BotStr = false;
    generator->RunPHP("htm");
    std::string html = pageHtml();
    EXPECT_EQ(html.find("webbot"), std::string::npos);
    EXPECT_NE(html.find("<script type=\"text/javascript\" src=\"phppollx/vote_js.php\">"),
              std::string::npos);
}

TEST_F(PollGeneratorPage, AnEditSignalsSuccessPastesNothingAndStillWritesFiles) {
    generateFirstPoll();
    std::string before = pageHtml();
    std::filesystem::remove(webPath("phppollx/vote.php"));

    auto generator = editPoll(kFirstPoll);
    generator->RunPHP("htm");
    EXPECT_TRUE(generator->AddinDic->exists("_EDIT_OK"));
    EXPECT_EQ(generator->AddinDic->value("_EDIT_OK"), "");
    EXPECT_EQ(pageHtml(), before);
    EXPECT_TRUE(webEntryExists("phppollx/vote.php"));
    // A second signal in the same dictionary is a fault, reported through the run.
    common::Error error = errorOf([&] { generator->RunPHP("htm"); });
    EXPECT_EQ(error.number(), common::errnum::kKeyAlreadyExists);
    EXPECT_EQ(error.source().rfind("Function RunPHP in ", 0), 0u) << error.source();
}

TEST_F(PollGeneratorPage, AnAspPollIsPastedBeforeItsFilesArePhpAfter) {
    // Templates that cannot be found make the file writer fail: what was done before stays.
    tests::TemporaryFolder empty;
    openNewPage("index.asp");
    auto asp = newPoll("P1");
    auto aspGenerator = std::make_shared<clsP>(runtime(), empty.path());
    aspGenerator->AddinDic = asp->AddinDic;
    aspGenerator->FormDic = asp->FormDic;
    common::Error aspError = errorOf([&] { aspGenerator->RunASP("asp"); });
    EXPECT_EQ(
        aspError.source().rfind("Function RunASP in Function SubFiles in Function SubFile in ", 0),
        0u)
        << aspError.source();
    EXPECT_NE(pageHtml().find("<!--#include file =\"phppollx/vote.asp\" -->"), std::string::npos);

    openNewPage("index.htm");
    auto php = newPoll();
    auto phpGenerator = std::make_shared<clsP>(runtime(), empty.path());
    phpGenerator->AddinDic = php->AddinDic;
    phpGenerator->FormDic = php->FormDic;
    common::Error phpError = errorOf([&] { phpGenerator->RunPHP("htm"); });
    EXPECT_EQ(
        phpError.source().rfind("Function RunPHP in Function SubFilesP in Function SubFile in ", 0),
        0u)
        << phpError.source();
    EXPECT_EQ(pageHtml().find("webbot"), std::string::npos);
}

TEST_F(PollGeneratorPage, AStyleSheetFailureWithoutAPageNamesTheRoutines) {
    auto generator = newPoll();
    common::Error error = errorOf([&] { generator->RunPHP("htm"); });
    EXPECT_EQ(error.source().rfind("Function RunPHP in Function StyleSheetLinked in Function "
                                   "StyleObFinder in ",
                                   0),
              0u)
        << error.source();
}

}  // namespace
}  // namespace norvel::poll
