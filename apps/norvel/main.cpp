// norvel: the headless editor stand-in.
//   norvel run [--web DIR] SCRIPT   play a session script, transcript on standard output
//   norvel register [LIBRARY...]    register the suite's libraries (default: those beside
//                                   this program's lib/ folder)
//   norvel blocks PAGE              list the webbot blocks of a page
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "common/error.h"
#include "host/component_registry.h"
#include "host/markup/webbot_block.h"
#include "host/registration.h"
#include "host/session/script_quote.h"
#include "host/session_runner.h"

namespace {

using namespace norvel;

int usage() {
    std::cerr << "usage: norvel run [--web DIR] SCRIPT\n"
                 "       norvel register [LIBRARY...]\n"
                 "       norvel blocks PAGE\n";
    return 2;
}

int runCommand(const std::vector<std::string>& args) {
    host::SessionOptions options;
    size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
        if (args[i] == "--web" && i + 1 < args.size()) {
            options.web = std::filesystem::absolute(args[i + 1]);
            i += 2;
        } else {
            return usage();
        }
    }
    if (i + 1 != args.size())
        return usage();
    options.script = args[i];
    return host::runSession(options);
}

int registerCommand(const std::vector<std::string>& args) {
    std::vector<std::filesystem::path> libraries(args.begin(), args.end());
    if (libraries.empty())
        libraries = host::bundledLibraries();
    if (libraries.empty()) {
        std::cerr << "norvel: no libraries found to register\n";
        return 1;
    }
    host::RegistrationReport report = host::registerLibraries(
        libraries, host::ComponentRegistry::defaultRegistryFile(), host::defaultAddinListFile());
    for (const auto& id : report.identifiers)
        std::cout << "registered " << id << '\n';
    for (const auto& id : report.addins)
        std::cout << "add-in " << id << '\n';
    return 0;
}

int blocksCommand(const std::vector<std::string>& args) {
    if (args.size() != 1)
        return usage();
    std::string html = common::readFileBytes(args[0]);
    int number = 0;
    for (const host::WebbotBlock& block : host::findWebbotBlocks(html)) {
        std::cout << "block " << ++number << " bot=" << host::quoteScriptString(block.bot) << '\n';
        for (const auto& [name, value] : block.attributes)
            std::cout << "  " << name << "=" << host::quoteScriptString(value) << '\n';
        std::cout << "  body="
                  << host::quoteScriptString(
                         html.substr(block.bodyBegin, block.bodyEnd - block.bodyBegin))
                  << '\n';
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usage();
    std::string command = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        if (command == "run")
            return runCommand(args);
        if (command == "register")
            return registerCommand(args);
        if (command == "blocks")
            return blocksCommand(args);
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
    return usage();
}
