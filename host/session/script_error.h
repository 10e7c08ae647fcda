// A fault in a session script: what went wrong and on which line.
//
// It deliberately does not derive from std::exception. Library code traps std::exception at
// its edges (menu click, form load) and turns it into an error dialog; a script error must pass
// through those traps and end the session with "line N: ..." instead.
#pragma once

#include <string>
#include <utility>

namespace norvel::host {

class ScriptError {
  public:
    ScriptError(int line, std::string message) : line(line), message(std::move(message)) {}

    // "line N: message", as the command line prints it.
    std::string what() const { return "line " + std::to_string(line) + ": " + message; }

    int line;  // 1-based
    std::string message;
};

}  // namespace norvel::host
