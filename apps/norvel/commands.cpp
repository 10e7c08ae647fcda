#include "apps/norvel/commands.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "common/atomic_file.h"
#include "common/error.h"
#include "host/components/component_registry.h"
#include "host/markup/webbot_block.h"
#include "host/components/registration.h"
#include "host/session/script_quote.h"
#include "host/headless/session_runner.h"

namespace norvel::cli {

namespace {

void printRegistration(const host::RegistrationReport& report) {
    for (size_t i = 0; i < report.identifiers.size(); ++i)
        std::cout << "registered " << report.identifiers[i] << " from "
                  << report.libraryOf[i].string() << '\n';
    for (const auto& id : report.addins)
        std::cout << "add-in " << id << " entered in the add-in list\n";
}

// A fresh configuration gets the libraries that came with norvel, as the studio does, so that
// a first session finds the suite's menu. Told on standard error: the transcript stays clean.
void registerOnFirstUse() {
    try {
        auto done = host::registerBundledLibrariesOnFirstUse(
            host::ComponentRegistry::defaultRegistryFile(), host::defaultAddinListFile());
        if (done)
            std::cerr << "norvel: a fresh configuration: registered " << done->identifiers.size()
                      << " components and " << done->addins.size()
                      << " add-in(s) of this installation in "
                      << host::defaultAddinListFile().parent_path().string() << '\n';
    } catch (const common::Error& e) {
        std::cerr << "norvel: warning: the libraries of this installation could not be "
                     "registered: "
                  << e.description() << '\n';
    }
}

}  // namespace

int runCommand(const Invocation& invocation) {
    host::SessionOptions options;
    if (invocation.web) {
        std::error_code ec;
        if (!std::filesystem::is_directory(*invocation.web, ec)) {
            std::cerr << "norvel: the web folder '" << *invocation.web << "' does not exist\n";
            return 1;
        }
        options.web = std::filesystem::absolute(*invocation.web);
    }
    options.script = invocation.operands.at(0);
    options.beforeRegistryIsRead = registerOnFirstUse;
    return host::runSession(options);
}

int registerCommand(const Invocation& invocation) {
    std::vector<std::filesystem::path> libraries(invocation.operands.begin(),
                                                 invocation.operands.end());
    if (libraries.empty())
        libraries = host::bundledLibraries();
    if (libraries.empty()) {
        std::cerr << "norvel: no libraries found to register: none came with this program; "
                     "name them: norvel register LIBRARY...\n";
        return 1;
    }
    std::filesystem::path registryFile = host::ComponentRegistry::defaultRegistryFile();
    std::filesystem::path addinListFile = host::defaultAddinListFile();
    host::RegistrationReport report =
        host::registerLibraries(libraries, registryFile, addinListFile);
    printRegistration(report);
    std::cout << "wrote " << registryFile.string() << " and " << addinListFile.string() << '\n';
    return 0;
}

int blocksCommand(const Invocation& invocation) {
    std::string html = common::readFileBytes(invocation.operands.at(0));
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

}  // namespace norvel::cli
