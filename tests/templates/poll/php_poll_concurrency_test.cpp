// Many visitors voting at the same moment on a PHP server with several workers: every vote
// must be counted.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/templates/poll/php_poll_fixture.h"

namespace norvel::tests {
namespace {

TEST_F(PollTemplatePhp, ConcurrentVotesAreAllCounted) {
    startPoll();
    writePollFile("votes.htm", "Q?||A||10||B||20||C||30");
    std::string identity = pollIdentity();
    constexpr int kClients = 40;
    constexpr int kVotesEach = 5;

    std::atomic<int> ready{0};
    std::atomic<int> counted{0};
    std::vector<std::thread> clients;
    for (int c = 0; c < kClients; ++c) {
        clients.emplace_back([&, c] {
            ready.fetch_add(1);
            while (ready.load() < kClients)
                std::this_thread::yield();
            for (int v = 0; v < kVotesEach; ++v) {
                HttpClient voter(server_->port());  // a new visitor each time: no cookie
                std::string answer = std::to_string(2 * ((c + v) % 3) + 2);
                HttpResponse response =
                    voter.post("/phppollx/process.php", {{"vote", answer}, {"poll", identity}});
                if (response.status == 303)
                    counted.fetch_add(1);
            }
        });
    }
    for (auto& client : clients)
        client.join();

    EXPECT_EQ(counted.load(), kClients * kVotesEach);
    // Each answer got a third of the votes, 200 more in all.
    auto rows = resultRows(visitor().get("/phppollx/results.php").body);
    int total = rows["A"].count + rows["B"].count + rows["C"].count;
    EXPECT_EQ(total, 60 + kClients * kVotesEach) << readPollFile("votes.htm");
    EXPECT_EQ(readPollFile("votes.htm"), "Q?||A||77||B||87||C||96");
}

}  // namespace
}  // namespace norvel::tests
