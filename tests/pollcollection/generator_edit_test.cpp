// Editing an existing poll: what survives (votes, history, the admin start page) and what a
// changed question or a changed option rewrites or removes.
#include "tests/pollcollection/generator_fixture.h"

namespace norvel::poll {
namespace {

constexpr const char* kVotedPoll = "Which colour?||Red||5||Green||2";
constexpr const char* kOldHistory = "Best pet?||Cat||3||Dog||1";

class PollGeneratorEdit : public PollGeneratorFixture {
  protected:
    void SetUp() override {
        generateFirstPoll();
        // Visitors have voted, and an earlier poll is in the history.
        writeWebFile("phppollx/votes.htm", kVotedPoll);
        writeWebFile("phppollx/history.htm", kOldHistory);
    }
};

TEST_F(PollGeneratorEdit, NewColoursLeaveVotesAndHistoryAlone) {
    auto generator = editPoll("Which colour?||Red||5||Green||2");
    generator->FormDic->set("qbc", "112233");
    generator->RunPHP("htm");
    EXPECT_EQ(readWebFile("phppollx/votes.htm"), kVotedPoll);
    EXPECT_EQ(readWebFile("phppollx/history.htm"), kOldHistory);
    EXPECT_NE(readWebFile("phppollx/pollstyle.css").find("#112233"), std::string::npos);
    EXPECT_FALSE(generator->SubTextVote());
}

TEST_F(PollGeneratorEdit, ARewordedAnswerRewritesVotesAndKeepsTheOldPollInTheHistory) {
    auto generator = editPoll("Which colour?||Red||5||Blue||0");
    EXPECT_TRUE(generator->SubTextVote());
    generator->RunPHP("htm");
    EXPECT_EQ(readWebFile("phppollx/votes.htm"), "Which colour?||Red||5||Blue||0");
    EXPECT_EQ(readWebFile("phppollx/history.htm"), std::string(kVotedPoll) + "\r\n" + kOldHistory);
}

TEST_F(PollGeneratorEdit, TheAuthorsPageStaysActiveWhileDataFilesAreRewritten) {
    auto page = app->activeWindow();
    openNewPage("other.htm");
    page->Activate();
    auto generator = editPoll("Which colour?||Red||5||Blue||0");
    generator->FormDic->set("slinked", "false");
    generator->RunPHP("htm");
    EXPECT_EQ(app->activeWindow(), page);
    EXPECT_EQ(app->windows().size(), 2u);
}

TEST_F(PollGeneratorEdit, AChangedPollWithoutHistoryRemovesTheHistoryFile) {
    auto generator = editPoll("Which colour?||Red||5||Blue||0");
    generator->FormDic->set("history", "0");
    generator->RunPHP("htm");
    EXPECT_FALSE(webEntryExists("phppollx/history.htm"));
    EXPECT_EQ(readWebFile("phppollx/votes.htm"), "Which colour?||Red||5||Blue||0");
}

TEST_F(PollGeneratorEdit, HistoryTurnedOnStartsEmptyEvenWhenTheQuestionChanged) {
    std::filesystem::remove(webPath("phppollx/history.htm"));
    auto generator = editPoll("Which shape?||Round||0||Square||0");
    ASSERT_FALSE(generator->FormDic->exists("txthistory"));
    generator->RunPHP("htm");
    EXPECT_EQ(readWebFile("phppollx/history.htm"), "");
    EXPECT_EQ(readWebFile("phppollx/votes.htm"), "Which shape?||Round||0||Square||0");
}

TEST_F(PollGeneratorEdit, EditHistoryTextPutsOnlyAReplacedPollOnTop) {
    auto generator = editPoll("Which colour?||Red||5||Blue||0");
    generator->FormDic->set("txthistory", "");
    generator->EditHistoryText();
    EXPECT_EQ(generator->FormDic->value("txthistory"), kVotedPoll);

    generator->FormDic->set("qa", "Which colour?||Red||9||Green||9");
    generator->FormDic->set("txthistory", kOldHistory);
    generator->EditHistoryText();
    EXPECT_EQ(generator->FormDic->value("txthistory"), kOldHistory);
}

TEST_F(PollGeneratorEdit, AdminOffRemovesTheAdminFolder) {
    auto generator = editPoll(kVotedPoll);
    generator->FormDic->set("admin", "0");
    generator->RunPHP("htm");
    EXPECT_FALSE(webEntryExists("phppollx/admin"));
    EXPECT_TRUE(webEntryExists("phppollx/vote.php"));
}

TEST_F(PollGeneratorEdit, AnEmptyPasswordKeepsTheAdminStartPageANewOneReplacesIt) {
    writeWebFile("phppollx/admin/index.php", "start page with the old hash");
    writeWebFile("phppollx/admin/home.php", "home as the author changed it");
    editPoll(kVotedPoll)->RunPHP("htm");
    EXPECT_EQ(readWebFile("phppollx/admin/index.php"), "start page with the old hash");

    auto generator = editPoll(kVotedPoll);
    generator->FormDic->set("password", "a new secret");
    generator->RunPHP("htm");
    std::string startPage = readWebFile("phppollx/admin/index.php");
    EXPECT_NE(startPage.find("$6$"), std::string::npos);
    EXPECT_EQ(startPage.find("a new secret"), std::string::npos);
    EXPECT_EQ(readWebFile("phppollx/admin/home.php"), "home as the author changed it");
}

TEST_F(PollGeneratorEdit, AdminTurnedOnWithoutPasswordGetsAStartPageThatNoPasswordOpens) {
    std::filesystem::remove_all(webPath("phppollx/admin"));
    auto generator = editPoll(kVotedPoll);
    generator->RunPHP("htm");
    EXPECT_EQ(generator->FormDic->value("phppasswordhash"), "*");
    EXPECT_TRUE(webEntryExists("phppollx/admin/index.php"));
    EXPECT_TRUE(webEntryExists("phppollx/admin/logout.php"));
}

}  // namespace
}  // namespace norvel::poll
