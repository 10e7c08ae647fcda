// The PHP command line for the tests: running a PHP snippet, and PHP's built-in web server
// serving a folder with several workers, so that requests really run at the same time.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace norvel::tests {

// The full path of a program on PATH, or empty when it is not installed.
std::string findProgram(const std::string& name);

struct ProcessResult {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

ProcessResult runProcess(const std::vector<std::string>& arguments);

struct PhpServerOptions {
    // Run as the user and group "nobody", as a web server on a shared host does: the web's
    // folders must then let that user in (the work folder is opened for it).
    bool asNobody = false;
    // Show warnings and notices in the answers too, as a careless host does.
    bool displayErrors = false;
};

class PhpServer {
  public:
    // Serves `webRoot` on a free port of 127.0.0.1 with PHP_CLI_SERVER_WORKERS workers.
    // Sessions, the error log and the server log go into `workFolder`. Throws when the
    // server does not come up.
    PhpServer(const std::filesystem::path& webRoot, const std::filesystem::path& workFolder,
              int workers = 8, const PhpServerOptions& options = {});
    ~PhpServer();
    PhpServer(const PhpServer&) = delete;
    PhpServer& operator=(const PhpServer&) = delete;

    int port() const { return port_; }

    // What PHP wrote to its error log (warnings, notices, fatal errors), or empty.
    std::string errorLog() const;

    // Ends the server and its workers at once, in the middle of whatever they do (kill -9).
    void kill();

  private:
    void stop();

    pid_t pid_ = -1;
    int port_ = 0;
    std::filesystem::path errorLogPath_;
};

}  // namespace norvel::tests
