// Plays a session script against the editor stand-in: editor actions at the top level, and,
// through the headless Ui, dialog actions while a form is up. This is `norvel run`.
#pragma once

#include <filesystem>
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
};

// Runs the session; the exit status: 0 when the whole script ran, 1 on a script error
// (reported as "line N: what went wrong") or when the session cannot go on (settings, registry
// or script unreadable...; reported as "norvel: what went wrong"). Never throws.
int runSession(const SessionOptions& options);

}  // namespace norvel::host
