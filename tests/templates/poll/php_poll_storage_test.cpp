// Where the generated PHP poll keeps its data on a real host: a server that runs as an
// unprivileged user with the permissions the permission notice asks for, read-only data files,
// a server killed in the middle of a burst of votes, and a change of the poll that fails on a
// full disk and is retried.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <thread>

#include "tests/templates/poll/php_poll_fixture.h"
#include "tests/templates/poll/poll_template_catalogue.h"

namespace norvel::tests {
namespace {

using std::filesystem::perms;

perms permissionsOf(const std::filesystem::path& path) {
    return std::filesystem::status(path).permissions() & perms::mask;
}

const perms kReadWriteAll = perms::owner_read | perms::owner_write | perms::group_read |
                            perms::group_write | perms::others_read | perms::others_write;
const perms kReadOnlyAll = perms::owner_read | perms::group_read | perms::others_read;
const perms kFolderOfOwner = perms::owner_all | perms::group_read | perms::group_exec |
                             perms::others_read | perms::others_exec;

// The files of the poll folder that the generator did not write.
std::vector<std::string> strayFiles(const std::filesystem::path& pollFolder) {
    // The locks, the queue of votes waiting to be written, the count of wrong passwords.
    const std::set<std::string> known = {"poll.lock", "queue.lock", "votes.queue.php",
                                         "votes.journal.php", "login.throttle.php"};
    std::set<std::string> generated;
    for (const PollFile& file : pollFiles(PollKind::php))
        generated.insert(file.path.substr(0, file.path.find('/')));
    std::vector<std::string> stray;
    for (const auto& entry : std::filesystem::directory_iterator(pollFolder)) {
        std::string name = entry.path().filename().string();
        if (!generated.count(name) && !known.count(name))
            stray.push_back(name);
    }
    return stray;
}

class PollTemplatePhpStorage : public PollTemplatePhp {
  protected:
    // The poll served by a server running as "nobody", with the web's folders open to it and
    // the poll folder and data files set up as the permission notice says.
    void startAsNobody(const PollSetup& setup = {}) {
        if (::geteuid() != 0)
            GTEST_SKIP() << "only root can start a server as another user";
        std::filesystem::permissions(folder_.path(), kFolderOfOwner);
        startPoll(setup, {.asNobody = true});
        std::filesystem::permissions(pollFile(""), perms::all);
        std::filesystem::permissions(pollFile("votes.htm"), kReadWriteAll);
        std::filesystem::permissions(pollFile("history.htm"), kReadWriteAll);
    }

    std::string logIn(HttpClient& client) {
        const std::string start = "/phppollx/admin/index.php";
        std::string token = inputValue(client.get(start).body, "token");
        client.post(start, {{"password", kAdminPassword}, {"token", token}});
        return inputValue(client.get("/phppollx/admin/home.php").body, "token");
    }

    HttpResponse change(HttpClient& admin, const std::string& token, const std::string& question,
                        const std::string& answers) {
        return admin.post(
            "/phppollx/admin/process.php",
            {{"action", "change"}, {"token", token}, {"question", question}, {"answers", answers}});
    }
};

TEST_F(PollTemplatePhpStorage, WorksWithThePermissionsTheNoticeAsksFor) {
    startAsNobody();
    if (IsSkipped())
        return;
    writePollFile("votes.htm", "Q?||Yes||5||No||7");
    HttpClient voter = visitor();
    HttpResponse voted = vote(voter, 2);
    ASSERT_EQ(voted.status, 303) << voted.body;
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||6||No||7");
    // Replaced, and still writable by the author, who made it so.
    EXPECT_EQ(permissionsOf(pollFile("votes.htm")), kReadWriteAll);

    HttpClient admin = visitor();
    std::string token = logIn(admin);
    ASSERT_FALSE(token.empty());
    HttpResponse changed = change(admin, token, "New?", "A\nB");
    ASSERT_EQ(changed.status, 303) << changed.body;
    EXPECT_EQ(readPollFile("votes.htm"), "New?||A||0||B||0");
    EXPECT_EQ(readPollFile("history.htm").substr(0, 19), "Q?||Yes||6||No||7\r\n");
    EXPECT_EQ(permissionsOf(pollFile("history.htm")), kReadWriteAll);
    EXPECT_EQ(strayFiles(pollFile("")), std::vector<std::string>{});
}

TEST_F(PollTemplatePhpStorage, AReadOnlyDataFileIsNeverReplaced) {
    startAsNobody();
    if (IsSkipped())
        return;
    writePollFile("votes.htm", "Q?||Yes||5||No||7");
    std::filesystem::permissions(pollFile("votes.htm"), kReadOnlyAll);
    HttpClient voter = visitor();
    HttpResponse refused = vote(voter, 2);
    EXPECT_EQ(refused.status, 500);
    EXPECT_NE(refused.body.find("votes.htm is read-only"), std::string::npos) << refused.body;
    EXPECT_EQ(refused.body.find(folder_.path().string()), std::string::npos) << "a path shown";
    EXPECT_TRUE(voter.cookies().empty()) << "a refused vote was remembered";
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||5||No||7");
    EXPECT_EQ(permissionsOf(pollFile("votes.htm")), kReadOnlyAll);

    // A change that would write a read-only history writes neither file.
    std::filesystem::permissions(pollFile("votes.htm"), kReadWriteAll);
    std::filesystem::permissions(pollFile("history.htm"), kReadOnlyAll);
    std::string history = readPollFile("history.htm");
    HttpClient admin = visitor();
    HttpResponse changed = change(admin, logIn(admin), "New?", "A\nB");
    EXPECT_EQ(changed.status, 500);
    EXPECT_NE(changed.body.find("history.htm is read-only"), std::string::npos) << changed.body;
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||5||No||7");
    EXPECT_EQ(readPollFile("history.htm"), history);
}

TEST_F(PollTemplatePhpStorage, AFolderTheServerCannotWriteIsReportedClearly) {
    startAsNobody();
    if (IsSkipped())
        return;
    std::filesystem::permissions(pollFile(""), kFolderOfOwner);
    std::string before = readPollFile("votes.htm");
    HttpClient voter = visitor();
    HttpResponse refused = vote(voter, 2);
    EXPECT_EQ(refused.status, 500);
    EXPECT_NE(refused.body.find("The poll folder is not writable by the web server"),
              std::string::npos)
        << refused.body;
    EXPECT_NE(refused.body.find("<a href=\"/page.php\">"), std::string::npos) << "no way back";
    EXPECT_EQ(readPollFile("votes.htm"), before);
}

TEST_F(PollTemplatePhpStorage, AKilledBurstLeavesValidFilesWithEveryConfirmedVote) {
    startPoll();
    writePollFile("votes.htm", "Q?||A||0||B||0");
    std::string identity = pollIdentity();
    constexpr int kVoters = 16;
    constexpr int kConfirmedBeforeKill = 60;
    std::atomic<int> confirmed{0};
    std::atomic<bool> stop{false};
    std::vector<std::thread> voters;
    for (int v = 0; v < kVoters; ++v) {
        voters.emplace_back([&, v] {
            for (int n = 0; !stop.load(); ++n) {
                try {
                    HttpClient voter(server_->port());
                    std::string answer = (v + n) % 2 == 0 ? "2" : "4";
                    if (voter.post("/phppollx/process.php", {{"vote", answer}, {"poll", identity}})
                            .status == 303)
                        confirmed.fetch_add(1);
                } catch (const std::exception&) {
                    return;  // the server is gone
                }
            }
        });
    }
    // A reader meanwhile sees whole polls only, and never fewer votes than before. An answer
    // the kill cut short says nothing about the files: it is not counted.
    std::atomic<bool> killing{false};
    std::atomic<int> badReads{0};
    std::string firstBadRead;
    std::thread reader([&] {
        int lastTotal = 0;
        while (!stop.load()) {
            try {
                HttpResponse results = HttpClient(server_->port()).get("/phppollx/results.php");
                auto rows = resultRows(results.body);
                int total = rows["A"].count + rows["B"].count;
                bool bad = results.status != 200 || rows.size() != 2 || total < lastTotal;
                if (bad && !killing.load()) {
                    if (badReads.fetch_add(1) == 0)
                        firstBadRead = results.body;
                }
                lastTotal = std::max(lastTotal, total);
            } catch (const std::exception&) {
                return;  // the server is gone
            }
        }
    });
    while (confirmed.load() < kConfirmedBeforeKill)
        std::this_thread::yield();
    killing = true;
    server_->kill();
    stop = true;
    for (auto& voter : voters)
        voter.join();
    reader.join();
    EXPECT_EQ(badReads.load(), 0) << firstBadRead;

    std::smatch counts;
    std::string votes = readPollFile("votes.htm");
    ASSERT_TRUE(std::regex_match(votes, counts, std::regex(R"(Q\?\|\|A\|\|(\d+)\|\|B\|\|(\d+))")))
        << votes;
    int total = std::stoi(counts[1]) + std::stoi(counts[2]);
    EXPECT_GE(total, confirmed.load()) << "a confirmed vote was lost";
    EXPECT_LE(total, confirmed.load() + kVoters) << "votes counted twice";

    // What a crash may leave behind goes with the next change.
    writePollFile("votes.htm.tmp", "Q?||A||");
    writePollFile("history.htm.tmp", "");
    restartServer();
    HttpClient voter = visitor();
    ASSERT_EQ(vote(voter, 2).status, 303);
    EXPECT_EQ(strayFiles(pollFile("")), std::vector<std::string>{});
}

TEST_F(PollTemplatePhpStorage, VotesAreMendedFromTheJournalAfterACrashOfTheMachine) {
    startPoll();
    writePollFile("votes.htm", "Q?||A||0||B||0");
    HttpClient voter = visitor();
    ASSERT_EQ(vote(voter, 2).status, 303);
    HttpClient other = visitor();
    ASSERT_EQ(vote(other, 4).status, 303);
    ASSERT_EQ(readPollFile("votes.htm"), "Q?||A||1||B||1");
    std::string journal = readPollFile("votes.journal.php");
    EXPECT_EQ(journal.substr(0, 15), "<?php exit; ?>\n");
    EXPECT_EQ(visitor().get("/phppollx/votes.journal.php").body, "") << "the journal was shown";

    // The last rewrite of votes.htm never reached the disk: the journal has it.
    writePollFile("votes.htm", "Q?||A||1||B||0");
    HttpClient third = visitor();
    ASSERT_EQ(vote(third, 4).status, 303);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||1||B||2");
    // Or its contents never did: pages read the journal, the next vote writes it back.
    writePollFile("votes.htm", std::string(14, '\0'));
    EXPECT_EQ(resultRows(visitor().get("/phppollx/results.php").body)["B"].count, 2);
    HttpClient fourth = visitor();
    ASSERT_EQ(vote(fourth, 2).status, 303);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||2||B||2");

    // A poll written by the editor (other texts, or other counts) is taken as it is.
    writePollFile("votes.htm", "Q?||A||7||B||0");
    HttpClient fifth = visitor();
    ASSERT_EQ(vote(fifth, 2).status, 303);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||8||B||0");
}

TEST_F(PollTemplatePhpStorage, ABatchOfVotesACrashInterruptedIsCountedOnce) {
    startPoll();
    writePollFile("votes.htm", "Q?||A||1||B||1");
    std::string identity = pollIdentity();
    // Taken from the queue, not yet written: counted by the next writer.
    writePollFile("votes.taken.php",
                  "<?php exit; ?>\n" + identity + " 2\n" + identity + " 4\n" + identity + " 4\n");
    HttpClient first = visitor();
    ASSERT_EQ(vote(first, 2).status, 303);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||3||B||3");
    EXPECT_FALSE(std::filesystem::exists(pollFile("votes.taken.php")));

    // Written into a votes.htm other than this one: counted already.
    writePollFile("votes.taken.php", "<?php exit; ?>\n" + identity + " 2\n\napplied to " +
                                         std::string(64, '0') + "\n");
    // Or votes for a poll that the editor has replaced meanwhile: not counted.
    HttpClient second = visitor();
    ASSERT_EQ(vote(second, 4).status, 303);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||3||B||4");
    writePollFile("votes.taken.php", "<?php exit; ?>\n0123456789abcdef0123 2\n");
    HttpClient third = visitor();
    ASSERT_EQ(vote(third, 4).status, 303);
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||3||B||5");
    // The waiting votes are a script that shows nothing when asked for.
    writePollFile("votes.queue.php", "<?php exit; ?>\n" + identity + " 2\n");
    EXPECT_EQ(visitor().get("/phppollx/votes.queue.php").body, "");
}

// A small file system of its own, filled to the last page, for the web of one test.
class PollTemplatePhpFullDisk : public PollTemplatePhpStorage {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(webRoot());
        if (::mount("norvel-test", webRoot().c_str(), "tmpfs", 0, "size=2m,mode=0755") != 0)
            GTEST_SKIP() << "no small file system for a full disk: " << std::strerror(errno);
        mounted_ = true;
    }
    void TearDown() override {
        PollTemplatePhp::TearDown();
        server_.reset();
        if (mounted_)
            ::umount2(webRoot().c_str(), MNT_DETACH);
    }

    // Fills the file system but for `freeBytes` (in whole pages).
    void fillDiskLeaving(size_t freeBytes) {
        std::ofstream filler(webRoot() / "filler", std::ios::binary);
        std::string page(4096, 'x');
        while (filler.write(page.data(), page.size()) && filler.flush()) {
        }
        filler.close();
        auto pages = (std::filesystem::file_size(webRoot() / "filler") + 4095) / 4096;
        std::filesystem::resize_file(webRoot() / "filler", pages * 4096 - freeBytes);
    }
    void emptyDisk() { std::filesystem::remove(webRoot() / "filler"); }

    bool mounted_ = false;
};

TEST_F(PollTemplatePhpFullDisk, AChangeThatFailsCanBeRetriedWithoutADuplicateInTheHistory) {
    startPoll();
    writePollFile("votes.htm", "Q?||Yes||4||No||7");
    HttpClient voter = visitor();
    ASSERT_EQ(vote(voter, 2).status, 303);
    std::string oldHistory = readPollFile("history.htm");
    HttpClient admin = visitor();
    std::string token = logIn(admin);
    ASSERT_FALSE(token.empty());

    // New answers of more than one page: the history fits in the one free page, the votes not.
    std::string answers;
    for (int i = 0; i < 9; ++i)
        answers += std::string(500, static_cast<char>('a' + i)) + "\n";
    fillDiskLeaving(4096);
    HttpResponse failed = change(admin, token, "New?", answers);
    EXPECT_EQ(failed.status, 500);
    EXPECT_NE(failed.body.find("votes.htm could not be written"), std::string::npos) << failed.body;
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||Yes||5||No||7");
    EXPECT_EQ(readPollFile("history.htm"), "Q?||Yes||5||No||7\r\n" + oldHistory);

    emptyDisk();
    HttpResponse retried = change(admin, token, "New?", answers);
    EXPECT_EQ(retried.status, 303) << retried.body;
    EXPECT_EQ(readPollFile("votes.htm").substr(0, 9), "New?||aaa");
    EXPECT_EQ(readPollFile("history.htm"), "Q?||Yes||5||No||7\r\n" + oldHistory);
    EXPECT_EQ(strayFiles(pollFile("")), std::vector<std::string>{});
}

}  // namespace
}  // namespace norvel::tests
