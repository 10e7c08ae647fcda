// Votes per second of the generated PHP poll on PHP's built-in server (8 workers) with many
// voters at once, side by side with the cheapest durable vote there is: a script that appends
// a line to a file under flock and syncs it. Phases alternate (baseline, poll, baseline,
// poll, ...) on one server so that the noise of a shared machine falls on both alike. Goal: the
// poll at least half the baseline's rate. Afterwards every confirmed vote must be in the files.
//   build/bin/poll_vote_bench [SECONDS_PER_PHASE=5] [ROUNDS=2] [VOTERS=200]
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/temporary_folder.h"
#include "tests/templates/poll/http_client.h"
#include "tests/templates/poll/php_poll_web.h"
#include "tests/templates/poll/php_server.h"

namespace {

using norvel::tests::FormFields;
using norvel::tests::HttpClient;

// The baseline: one vote is one line appended under the lock and synced before the answer.
const char* kBaselineScript = R"php(<?php
$vote = $_POST['vote'] ?? null;
if (!is_string($vote) || !preg_match('/^[0-9]{1,4}$/', $vote)) {
    http_response_code(400);
    exit;
}
$log = fopen(__DIR__ . '/baseline.log', 'a');
flock($log, LOCK_EX);
fwrite($log, $vote . "\n");
fflush($log);
fsync($log);
flock($log, LOCK_UN);
fclose($log);
header('Location: /baseline-done', true, 303);
)php";

struct Phase {
    std::string name;
    std::string path;
    FormFields fields;
};

// Confirmed votes (answers 303) of `voters` voters sending votes for `seconds`.
long runPhase(int port, const Phase& phase, int voters, double seconds, long& failures) {
    std::atomic<bool> stop{false};
    std::atomic<long> confirmed{0};
    std::atomic<long> failed{0};
    std::vector<std::thread> threads;
    for (int v = 0; v < voters; ++v) {
        threads.emplace_back([&] {
            while (!stop.load()) {
                try {
                    HttpClient voter(port);  // a new visitor each time: no vote cookie
                    if (voter.post(phase.path, phase.fields).status == 303)
                        confirmed.fetch_add(1);
                    else
                        failed.fetch_add(1);
                } catch (const std::exception&) {
                    failed.fetch_add(1);
                }
            }
        });
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    stop = true;
    for (auto& thread : threads)
        thread.join();
    failures += failed.load();
    return confirmed.load();
}

long pollTotal(const std::string& votes) {
    long total = 0;
    std::regex count(R"(\|\|(\d+)(?=\|\||$))");
    for (auto match = std::sregex_iterator(votes.begin(), votes.end(), count);
         match != std::sregex_iterator(); ++match)
        total += std::stol((*match)[1]);
    return total;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
    int rounds = argc > 2 ? std::atoi(argv[2]) : 2;
    int voters = argc > 3 ? std::atoi(argv[3]) : 200;
    try {
        norvel::tests::TemporaryFolder folder;
        std::filesystem::path web = folder.path() / "web";
        norvel::tests::PollSetup setup;
        setup.qa = "Which colour?||Red||0||Green||0||Blue||0";
        norvel::tests::writePhpPollWeb(web, norvel::tests::pollFormValues(setup));
        std::ofstream(web / "baseline.php") << kBaselineScript;
        std::ofstream(web / "baseline.log").close();
        norvel::tests::PhpServer server(web, folder.path() / "server", 8);

        HttpClient reader(server.port());
        std::smatch identity;
        std::string page = reader.get("/page.php").body;
        if (!std::regex_search(page, identity,
                               std::regex(R"re(name="poll" value="([0-9a-f]+)")re")))
            throw std::runtime_error("no voting form on the page");
        const Phase baseline{"baseline", "/baseline.php", {{"vote", "2"}}};
        const Phase poll{
            "poll", "/phppollx/process.php", {{"vote", "4"}, {"poll", identity[1].str()}}};

        std::printf("%d voters, %d workers, %.1f s per phase, file system of %s\n", voters, 8,
                    seconds, folder.path().c_str());
        long baselineVotes = 0, pollVotes = 0, failures = 0;
        double baselineRate = 0, pollRate = 0;
        for (int round = 1; round <= rounds; ++round) {
            for (const Phase* phase : {&baseline, &poll}) {
                long confirmed = runPhase(server.port(), *phase, voters, seconds, failures);
                double rate = confirmed / seconds;
                std::printf("round %d  %-8s %8.1f votes/s\n", round, phase->name.c_str(), rate);
                std::fflush(stdout);
                (phase == &poll ? pollVotes : baselineVotes) += confirmed;
                (phase == &poll ? pollRate : baselineRate) += rate / rounds;
            }
        }
        std::printf(
            "mean     baseline %8.1f votes/s\nmean     poll     %8.1f votes/s\n"
            "poll / baseline   %8.2f (goal: at least 0.50)\n",
            baselineRate, pollRate, baselineRate > 0 ? pollRate / baselineRate : 0.0);

        long logged = 0;
        for (char c : readFile(web / "baseline.log"))
            logged += c == '\n';
        long counted = pollTotal(readFile(web / "phppollx" / "votes.htm"));
        std::printf(
            "confirmed: baseline %ld (in its file %ld), poll %ld (in votes.htm %ld); "
            "failed requests %ld\n",
            baselineVotes, logged, pollVotes, counted, failures);
        bool kept = logged >= baselineVotes && counted >= pollVotes;
        if (!kept)
            std::printf("A CONFIRMED VOTE IS MISSING\n");
        std::string errors = server.errorLog();
        if (!errors.empty())
            std::printf("PHP reported:\n%s\n", errors.c_str());
        return kept && errors.empty() ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "poll_vote_bench: %s\n", error.what());
        return 2;
    }
}
