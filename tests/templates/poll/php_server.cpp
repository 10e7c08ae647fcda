#include "tests/templates/poll/php_server.h"

#include <arpa/inet.h>
#include <grp.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace norvel::tests {

namespace {

int freePort() {
    int socketFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(socketFd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        ::close(socketFd);
        throw std::runtime_error("no free port");
    }
    ::close(socketFd);
    return ntohs(address.sin_port);
}

bool accepts(int port) {
    int socketFd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool connected =
        ::connect(socketFd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(socketFd);
    return connected;
}

std::string readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<char*> argvOf(std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return argv;
}

}  // namespace

std::string findProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path == nullptr ? "/usr/bin:/bin" : path);
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return {};
}

ProcessResult runProcess(const std::vector<std::string>& arguments) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> copy = arguments;
    std::vector<char*> argv = argvOf(copy);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::dup2(pipeFds[1], STDERR_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    ProcessResult result;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.output.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

PhpServer::PhpServer(const std::filesystem::path& webRoot, const std::filesystem::path& workFolder,
                     int workers, const PhpServerOptions& options)
    : errorLogPath_(workFolder / "php-errors.log") {
    std::string php = findProgram("php");
    if (php.empty())
        throw std::runtime_error("php is not installed");
    std::filesystem::create_directories(workFolder / "sessions");
    if (options.asNobody) {
        using std::filesystem::perms;
        std::filesystem::permissions(workFolder, perms::all);
        std::filesystem::permissions(workFolder / "sessions", perms::all);
        std::ofstream(errorLogPath_).close();
        std::filesystem::permissions(errorLogPath_, perms::owner_read | perms::owner_write |
                                                        perms::group_read | perms::group_write |
                                                        perms::others_read | perms::others_write);
    }
    port_ = freePort();
    std::vector<std::string> arguments = {
        php, "-S", "127.0.0.1:" + std::to_string(port_), "-t", webRoot.string(),
        // The include code the generator writes into PHP pages uses the short open tag.
        "-d", "short_open_tag=On", "-d", "session.save_path=" + (workFolder / "sessions").string(),
        "-d", "log_errors=On", "-d",
        std::string("display_errors=") + (options.displayErrors ? "On" : "Off"), "-d",
        "error_reporting=E_ALL", "-d", "error_log=" + errorLogPath_.string()};
    std::vector<char*> argv = argvOf(arguments);
    std::string serverLog = (workFolder / "server.log").string();
    std::string workerCount = std::to_string(workers);

    pid_ = ::fork();
    if (pid_ == 0) {
        // A process group of its own, so that stopping it stops its workers too.
        ::setpgid(0, 0);
        ::setenv("PHP_CLI_SERVER_WORKERS", workerCount.c_str(), 1);
        FILE* log = std::fopen(serverLog.c_str(), "w");
        if (log != nullptr) {
            ::dup2(fileno(log), STDOUT_FILENO);
            ::dup2(fileno(log), STDERR_FILENO);
        }
        if (options.asNobody) {
            constexpr uid_t kNobody = 65534;
            constexpr gid_t kNoGroup = 65534;
            if (::setgroups(0, nullptr) != 0 || ::setgid(kNoGroup) != 0 || ::setuid(kNobody) != 0)
                ::_exit(126);
        }
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    ::setpgid(pid_, pid_);
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (accepts(port_))
            return;
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            throw std::runtime_error("the PHP server ended at once: " + readWholeFile(serverLog));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    stop();
    throw std::runtime_error("the PHP server did not come up: " + readWholeFile(serverLog));
}

PhpServer::~PhpServer() {
    stop();
}

void PhpServer::stop() {
    if (pid_ <= 0)
        return;
    ::kill(-pid_, SIGTERM);
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
            pid_ = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    ::kill(-pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

void PhpServer::kill() {
    if (pid_ <= 0)
        return;
    ::kill(-pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::string PhpServer::errorLog() const {
    return std::filesystem::exists(errorLogPath_) ? readWholeFile(errorLogPath_) : std::string();
}

}  // namespace norvel::tests
