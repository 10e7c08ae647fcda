// Plays a session script against the editor stand-in: editor actions at the top level, and,
// through the headless Ui, dialog actions while a form is up. This is `norvel run`.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "host/session/script_parser.h"

namespace norvel::host {

struct SessionOptions {
    std::filesystem::path script;
    std::optional<std::filesystem::path> web;  // --web: overrides the script's first `web`
    std::ostream* transcript = nullptr;        // standard output
    std::ostream* diagnostics = nullptr;       // standard error
    // Called once the script has been read, before the registry and the add-in list are:
    // `norvel run` registers the bundled libraries in a fresh configuration there.
    std::function<void()> beforeRegistryIsRead;
};

// Runs the session; the exit status: 0 when the whole script ran, 1 on a script error
// (reported as "line N: what went wrong") or when the session cannot go on (settings, registry
// or script unreadable...; reported as "norvel: what went wrong"). Never throws.
int runSession(const SessionOptions& options);

}  // namespace norvel::host
