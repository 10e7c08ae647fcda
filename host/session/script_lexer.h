// Splits one line of a session script into tokens.
//
// Tokens are separated by blanks (spaces and tabs). A token in double quotes may hold blanks,
// a leading '#' or nothing at all; inside quotes \" \\ \r \n \t are escapes, and any other
// backslash sequence is an error. Outside quotes a backslash is an ordinary character. '#'
// starts a comment at the start of the line or after a blank; inside a word it is ordinary.
// A quote must start or end a whole token: `ab"c` and `"ab"c` are errors rather than guesses.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace norvel::host {

// `line` is one line without its line end. Throws ScriptError on `lineNumber`.
std::vector<std::string> splitScriptLine(std::string_view line, int lineNumber);

}  // namespace norvel::host
