#include "apps/norvel/usage_text.h"

#ifndef NORVEL_VERSION
#define NORVEL_VERSION "unknown"
#endif

namespace norvel::cli {

namespace {

const char* const kExitStatus =
    "Exit status: 0 when the command did its work; 1 when it failed (a script error,\n"
    "a file that cannot be read, a library that cannot be loaded); 2 for wrong use.\n";

}  // namespace

const std::vector<CommandDescription>& commandDescriptions() {
    static const std::vector<CommandDescription> commands = {
        {"run", "norvel run [--web DIR] SCRIPT", "play a session script and print its transcript",
         "Plays the session script SCRIPT in the editor stand-in without a window: opens a\n"
         "web, opens pages, clicks menus, answers the dialogs, and prints a transcript on\n"
         "standard output. Paths in the script are relative to its folder.\n"
         "\n"
         "  --web DIR   the web to work on: it replaces the folder of the script's first\n"
         "              'web' line, or is opened before the first action when the script\n"
         "              has none\n"
         "\n"
         "In a fresh configuration the libraries that came with norvel are registered\n"
         "first. The script language: docs/SESSION-SCRIPTS.md, or norvel(1).\n"
         "\n"
         "Exit status: 0 when the whole script ran; 1 on a script error, told on standard\n"
         "error as 'SCRIPT: line N: what went wrong'; 2 for wrong use.\n"},
        {"register", "norvel register [LIBRARY...]",
         "register the suite's libraries (by default those that came with norvel)",
         "Loads each LIBRARY (a component library of the suite, such as libnorvelfp.so),\n"
         "enters its classes in the component registry and its add-ins in the editor's\n"
         "add-in list, and tells what it registered and where. Without LIBRARY, the\n"
         "libraries that came with norvel are registered. Entries already there are kept\n"
         "or replaced; nothing is written when a library cannot be loaded.\n"
         "\n" +
             std::string(kExitStatus)},
        {"blocks", "norvel blocks PAGE", "list the webbot blocks of a page",
         "Lists the webbot blocks of the page in the file PAGE, in page order: the bot,\n"
         "each attribute and the body, strings quoted as in session scripts.\n"
         "\n" +
             std::string(kExitStatus)},
        {"help", "norvel help [COMMAND]", "describe norvel, or one of its commands",
         "Describes norvel, or COMMAND. 'norvel COMMAND --help' does the same.\n"},
    };
    return commands;
}

const CommandDescription* findCommandDescription(const std::string& name) {
    for (const CommandDescription& command : commandDescriptions())
        if (command.name == name)
            return &command;
    return nullptr;
}

std::string usageText(const std::string& command) {
    std::string text;
    for (const CommandDescription& description : commandDescriptions())
        if (command.empty() || description.name == command)
            text += (text.empty() ? "usage: " : "       ") + description.synopsis + '\n';
    if (command.empty())
        text += "       norvel --help | --version\n";
    return text;
}

std::string programHelp() {
    std::string text = usageText();
    text +=
        "\n"
        "norvel is the headless editor stand-in of the Norvel add-in suite: it plays\n"
        "session scripts against real pages in a folder, registers the suite's libraries\n"
        "and lists the webbot blocks of a page. norvel-studio shows the same editor in a\n"
        "window.\n"
        "\n"
        "Commands:\n";
    for (const CommandDescription& command : commandDescriptions())
        text += "  " + command.name + std::string(10 - command.name.size(), ' ') + command.summary +
                '\n';
    text +=
        "\n"
        "Settings (settings.ini), the component registry (components.ini) and the add-in\n"
        "list (addins.ini) live in $NORVEL_CONFIG_HOME, by default $XDG_CONFIG_HOME/norvel\n"
        "or ~/.config/norvel.\n"
        "\n" +
        std::string(kExitStatus) +
        "\n"
        "'norvel help COMMAND' describes a command; the manual: norvel(1).\n";
    return text;
}

std::string commandHelp(const std::string& command) {
    if (command.empty())
        return programHelp();
    const CommandDescription* description = findCommandDescription(command);
    if (description == nullptr)
        return programHelp();
    return usageText(command) + "\n" + description->details;
}

std::string versionText() {
    return std::string("norvel ") + NORVEL_VERSION + '\n';
}

}  // namespace norvel::cli
