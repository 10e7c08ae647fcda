#include "apps/norvel/command_line.h"

#include "apps/norvel/usage_text.h"
#include "common/ascii_text.h"

namespace norvel::cli {

namespace {

bool isHelpOption(const std::string& arg) {
    return arg == "--help" || arg == "-h";
}

bool looksLikeOption(const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-';
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

std::string unknownCommandMessage(const std::string& name) {
    std::string message = "unknown command " + quoted(name);
    for (const CommandDescription& command : commandDescriptions())
        if (common::equalsIgnoreCase(command.name, name))
            return message + " (did you mean " + quoted(command.name) + "?)";
    return message;
}

// The arguments after the command's name: --help anywhere before "--" asks for the command's
// help; --web is run's only option; the rest are operands.
std::variant<Invocation, UsageError> parseCommandArguments(Invocation invocation,
                                                           const std::string& command,
                                                           const std::vector<std::string>& args) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || !looksLikeOption(arg)) {
            invocation.operands.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (isHelpOption(arg)) {
            Invocation help;
            help.helpTopic = command;
            return help;
        } else if (command == "run" && (arg == "--web" || arg.rfind("--web=", 0) == 0)) {
            std::string value;
            if (arg == "--web") {
                if (i + 1 >= args.size())
                    return UsageError{"option '--web' needs a folder", command};
                value = args[++i];
            } else {
                value = arg.substr(6);
            }
            if (value.empty())
                return UsageError{"option '--web' needs a folder", command};
            if (invocation.web)
                return UsageError{"option '--web' is given twice", command};
            invocation.web = value;
        } else {
            return UsageError{"unknown option " + quoted(arg), command};
        }
    }

    const std::vector<std::string>& operands = invocation.operands;
    if (command == "run" || command == "blocks") {
        const char* what = command == "run" ? "session script" : "page";
        if (operands.empty())
            return UsageError{std::string("no ") + what + " given", command};
        if (operands.size() > 1)
            return UsageError{"one " + std::string(what) + " expected, unexpected argument " +
                                  quoted(operands[1]),
                              command};
    }
    if (command == "help") {
        if (operands.size() > 1)
            return UsageError{"unexpected argument " + quoted(operands[1]), command};
        Invocation help;
        if (!operands.empty()) {
            if (!findCommandDescription(operands[0]))
                return UsageError{unknownCommandMessage(operands[0]), command};
            help.helpTopic = operands[0];
        }
        return help;
    }
    return invocation;
}

}  // namespace

std::variant<Invocation, UsageError> parseCommandLine(const std::vector<std::string>& args) {
    if (args.empty())
        return UsageError{"no command given", ""};
    const std::string& first = args[0];
    if (isHelpOption(first)) {
        if (args.size() > 1)
            return UsageError{"unexpected argument " + quoted(args[1]), ""};
        return Invocation{};
    }
    if (first == "--version") {
        if (args.size() > 1)
            return UsageError{"unexpected argument " + quoted(args[1]), ""};
        Invocation version;
        version.kind = Invocation::Kind::version;
        return version;
    }
    if (looksLikeOption(first))
        return UsageError{"unknown option " + quoted(first), ""};

    Invocation invocation;
    if (first == "run")
        invocation.kind = Invocation::Kind::run;
    else if (first == "register")
        invocation.kind = Invocation::Kind::registerLibraries;
    else if (first == "blocks")
        invocation.kind = Invocation::Kind::blocks;
    else if (first != "help")
        return UsageError{unknownCommandMessage(first), ""};
    return parseCommandArguments(std::move(invocation), first,
                                 std::vector<std::string>(args.begin() + 1, args.end()));
}

}  // namespace norvel::cli
