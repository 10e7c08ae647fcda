// What `norvel` says about itself: its usage, the help of each command and its version. The
// manual page norvel(1) says the same at length.
#pragma once

#include <string>
#include <vector>

namespace norvel::cli {

struct CommandDescription {
    std::string name;      // "run"
    std::string synopsis;  // "norvel run [--web DIR] SCRIPT"
    std::string summary;   // one line for the list of commands
    std::string details;   // what `norvel help NAME` says after the synopsis
};

const std::vector<CommandDescription>& commandDescriptions();
const CommandDescription* findCommandDescription(const std::string& name);

// The synopsis lines: of one command, or of every command when `command` is empty.
std::string usageText(const std::string& command = "");
// `norvel --help` and `norvel help`: the synopsis, the commands, files and exit status.
std::string programHelp();
// `norvel help COMMAND` and `norvel COMMAND --help`.
std::string commandHelp(const std::string& command);
// `norvel --version`.
std::string versionText();

}  // namespace norvel::cli
