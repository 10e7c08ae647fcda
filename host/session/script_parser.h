// Reads a session script into checked actions, so that a mistake anywhere in the script is
// reported before the session starts rather than halfway through it.
//
// One action a line; the tokens follow splitScriptLine (script_lexer.h). Empty lines and
// comment lines are skipped; LF and CRLF line ends and a leading UTF-8 byte order mark are
// accepted. Every action is checked against the table of actions: its name, its number of
// arguments, its fixed words (`view html`, `close nosave`, `expect no-form`), numbers and
// colours. What the arguments mean in the running session (whether a control exists, what
// `choose PATH "#3"` selects) is the runner's business.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvel::host {

enum class ScriptActionKind {
    editor,        // needs no dialog open: web, open, menu, save...
    dialog,        // applies to the topmost open form: set, click, choose...
    queuedAnswer,  // answers the next platform dialog: answer, color, file
    check,         // expect ...
};

struct ScriptAction {
    int line;                            // 1-based line in the script
    std::string name;                    // "menu"
    std::vector<std::string> arguments;  // the tokens after the name, unquoted
    ScriptActionKind kind;

    bool operator==(const ScriptAction&) const = default;
};

// Throws ScriptError (script_error.h) with the line and what is wrong, e.g.
// "unknown action 'frobnicate'" or "'view' needs one of normal, html, preview".
std::vector<ScriptAction> parseSessionScript(std::string_view text);

}  // namespace norvel::host
