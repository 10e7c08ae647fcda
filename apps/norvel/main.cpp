// norvel: the headless editor stand-in. `norvel --help` tells its commands; the command line
// is read in command_line.cpp, the commands are in commands.cpp.
#include <iostream>
#include <string>
#include <vector>

#include "apps/norvel/command_line.h"
#include "apps/norvel/commands.h"
#include "apps/norvel/usage_text.h"
#include "common/error.h"

namespace {

using namespace norvel;

int dispatch(const cli::Invocation& invocation) {
    switch (invocation.kind) {
        case cli::Invocation::Kind::help:
            std::cout << cli::commandHelp(invocation.helpTopic);
            return 0;
        case cli::Invocation::Kind::version:
            std::cout << cli::versionText();
            return 0;
        case cli::Invocation::Kind::run:
            return cli::runCommand(invocation);
        case cli::Invocation::Kind::registerLibraries:
            return cli::registerCommand(invocation);
        case cli::Invocation::Kind::blocks:
            return cli::blocksCommand(invocation);
    }
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    auto parsed = cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (auto* wrong = std::get_if<cli::UsageError>(&parsed)) {
        std::string who = wrong->command.empty() ? "norvel" : "norvel " + wrong->command;
        std::cerr << who << ": " << wrong->message << '\n' << cli::usageText(wrong->command);
        return 2;
    }
    try {
        return dispatch(std::get<cli::Invocation>(parsed));
    } catch (const common::Error& e) {
        std::cerr << "norvel: " << e.description() << '\n';
        return 1;
    } catch (const std::exception& e) {
        // Whatever went wrong, the program ends with a message, never an abort.
        std::cerr << "norvel: " << e.what() << '\n';
        return 1;
    } catch (...) {
        std::cerr << "norvel: an unexpected error ended the command\n";
        return 1;
    }
}
