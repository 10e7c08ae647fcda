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
    // The view the pages named open in: "normal" (the default), "html" or "preview".
    std::string view = "normal";
    std::string named;               // the folder or file named first, if any
    std::vector<std::string> pages;  // the pages named after it
};

// What to open: a folder is the web; a file (a desktop opening an HTML file hands the file)
// opens the web in its folder and the page in it. Pages after it are files of that web.
struct WebAndPage {
    std::filesystem::path web;
    std::vector<std::string> pages;  // relative to the web, in the order named
};
// The one line saying what is wrong when a folder or file named does not exist, or a page
// after the first is no file in the web. A page is looked for in the web first, then from the
// current folder.
std::variant<WebAndPage, std::string> resolveNamed(const std::string& named,
                                                   const std::vector<std::string>& pages = {});

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
