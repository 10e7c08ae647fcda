// The arguments of `norvel-studio`, read before any window is made, so that --help and
// --version work without a display.
#pragma once

#include <filesystem>
#include <string>
#include <variant>
#include <vector>

namespace norvel::studio {

struct StudioInvocation {
    enum class Kind { help, version, start };
    Kind kind = Kind::start;
    bool exitWhenReady = false;
    std::string named;  // the folder or file named on the command line, if any
};

// What to open: a folder is the web; a file (a desktop opening an HTML file hands the file)
// opens the web in its folder and the page in it.
struct WebAndPage {
    std::filesystem::path web;
    std::string page;  // relative to the web; empty for none
};
// The one line saying what is wrong when the named folder or file does not exist.
std::variant<WebAndPage, std::string> resolveNamed(const std::string& named);

// --help, -h or --version anywhere before "--", looked for before the application object
// exists (it needs a display, and takes Qt's own options such as -platform out of the
// arguments): help or version, or start when neither is asked for.
StudioInvocation::Kind earlyRequest(const std::vector<std::string>& args);

// Reads the arguments left after Qt took its own; a string is the one line saying what is
// wrong with them.
std::variant<StudioInvocation, std::string> parseStudioCommandLine(
    const std::vector<std::string>& args);

std::string studioUsage();
std::string studioHelp();
std::string studioVersion();

}  // namespace norvel::studio
