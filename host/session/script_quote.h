// Writes a string as the session transcript does: always in double quotes, with the escapes
// that splitScriptLine reads back (\" \\ \r \n \t), so a transcript line can be pasted into
// a script.
#pragma once

#include <string>
#include <string_view>

namespace norvel::host {

std::string quoteScriptString(std::string_view text);

}  // namespace norvel::host
