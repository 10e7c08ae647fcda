// Texts the author types end up inside double-quoted JavaScript strings of the generated
// page; these keep a double quote or a backslash from ending the string early.
#pragma once

#include <string>
#include <string_view>

namespace norvel::script {

// Puts a backslash before every backslash and double quote.
std::string escapeScriptString(std::string_view text);

// Undoes escapeScriptString: a backslash takes the next character literally.
std::string unescapeScriptString(std::string_view text);

}  // namespace norvel::script
