// The arguments of `norvel`, read into what is to be done, or the one line that says what is
// wrong with them. Nothing here touches a file.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace norvel::cli {

// What the command line asks for.
struct Invocation {
    enum class Kind { help, version, run, registerLibraries, blocks };
    Kind kind = Kind::help;
    std::string helpTopic;              // help: the command to describe, empty for all
    std::optional<std::string> web;     // run: --web DIR
    std::vector<std::string> operands;  // run: the script; register: libraries; blocks: page
};

// Wrong use: what is wrong, and the command whose usage to show ("" for the whole program).
struct UsageError {
    std::string message;
    std::string command;
};

std::variant<Invocation, UsageError> parseCommandLine(const std::vector<std::string>& args);

}  // namespace norvel::cli
