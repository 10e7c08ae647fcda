#include "apps/norvel-studio/studio_command_line.h"

#include <system_error>

#ifndef NORVEL_VERSION
#define NORVEL_VERSION "unknown"
#endif

namespace norvel::studio {

StudioInvocation::Kind earlyRequest(const std::vector<std::string>& args) {
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h")
            return StudioInvocation::Kind::help;
        if (arg == "--version")
            return StudioInvocation::Kind::version;
    }
    return StudioInvocation::Kind::start;
}

std::variant<StudioInvocation, std::string> parseStudioCommandLine(
    const std::vector<std::string>& args) {
    StudioInvocation invocation;
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            invocation.kind = StudioInvocation::Kind::help;
            return invocation;
        } else if (arg == "--version") {
            invocation.kind = StudioInvocation::Kind::version;
            return invocation;
        } else if (arg == "--exit-when-ready") {
            invocation.exitWhenReady = true;
        } else if (arg.rfind("--view=", 0) == 0) {
            invocation.view = arg.substr(7);
            if (invocation.view != "normal" && invocation.view != "html" &&
                invocation.view != "preview")
                return "unknown view '" + invocation.view + "' (normal, html or preview)";
        } else {
            return "unknown option '" + arg + "'";
        }
    }
    if (!operands.empty()) {
        invocation.named = operands[0];
        invocation.pages.assign(operands.begin() + 1, operands.end());
    }
    return invocation;
}

namespace {

// `page` as a path relative to `web`; empty when it is no file inside the web.
std::string pageInWeb(const std::filesystem::path& web, const std::string& page) {
    std::error_code ec;
    for (const std::filesystem::path& candidate :
         {web / page, std::filesystem::absolute(page, ec)}) {
        const std::filesystem::path file = candidate.lexically_normal();
        if (!std::filesystem::is_regular_file(file, ec))
            continue;
        const std::filesystem::path relative = file.lexically_relative(web);
        if (!relative.empty() && *relative.begin() != "..")
            return relative.generic_string();
    }
    return {};
}

}  // namespace

std::variant<WebAndPage, std::string> resolveNamed(const std::string& named,
                                                   const std::vector<std::string>& pages) {
    WebAndPage result;
    if (named.empty())
        return result;
    std::filesystem::path path = std::filesystem::absolute(named).lexically_normal();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        result.web = path;
    } else if (std::filesystem::is_regular_file(path, ec)) {
        result.web = path.parent_path();
        result.pages.push_back(path.filename().string());
    } else {
        return "'" + named + "' is neither a folder nor a file";
    }
    for (const std::string& page : pages) {
        std::string relative = pageInWeb(result.web, page);
        if (relative.empty())
            return "'" + page + "' is no file of the web '" + result.web.string() + "'";
        result.pages.push_back(relative);
    }
    return result;
}

std::string studioUsage() {
    return "usage: norvel-studio [--exit-when-ready] [--view=VIEW] [WEB | PAGE] [PAGE...]\n"
           "       norvel-studio --help | --version\n";
}

std::string studioHelp() {
    return studioUsage() +
           "\n"
           "The Norvel editor stand-in in a window: a folder list, pages in tabs, the\n"
           "Normal, HTML and Preview views, and the suite's \"Norvel\" menu.\n"
           "\n"
           "  WEB                 open the web in the folder WEB\n"
           "  PAGE                first: open the web in the page's folder and the page in it;\n"
           "                      after the web: open the page (in the web or from here)\n"
           "  --view=VIEW         show the pages named in VIEW: normal (the default), html\n"
           "                      or preview\n"
           "  --exit-when-ready   start, show the window and quit; without pages print\n"
           "                      'ready in N ms', with pages 'drawn PAGE in N ms' for each\n"
           "                      page once it is drawn in its view\n"
           "\n"
           "In a fresh configuration the libraries that came with the studio are registered\n"
           "first. Settings, registry and add-in list live in $NORVEL_CONFIG_HOME, by\n"
           "default $XDG_CONFIG_HOME/norvel or ~/.config/norvel.\n"
           "\n"
           "Exit status: 0 when the window was closed; 1 when the studio could not start;\n"
           "2 for wrong use. The manual: norvel-studio(1).\n";
}

std::string studioVersion() {
    return std::string("norvel-studio ") + NORVEL_VERSION + '\n';
}

}  // namespace norvel::studio
