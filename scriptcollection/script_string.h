// Texts the author types end up inside double-quoted JavaScript strings of a script element
// in the generated page. There the text must neither end the string (a quote, a backslash, a
// line break, U+2028 or U+2029) nor the element or its tokenizer state ("</script>",
// "<!--", "<script"), and it should not depend on the page's encoding.
#pragma once

#include <string>
#include <string_view>

namespace norvel::script {

// The body of a double-quoted script string: backslash, double quote and line breaks escaped,
// "</" written "<\/", the '<' of "<!--" and "<script" written \x3C, control characters \xNN, and
// every non-ASCII character \uXXXX (a surrogate pair beyond U+FFFF), so the literal is plain ASCII.
// Bytes that are not UTF-8 pass unchanged.
std::string escapeScriptString(std::string_view text);

// Reads a string body back as a script engine does: \n \r \t \b \f \v \0, \xHH, \uXXXX (pairs
// joined), \u{...} and a backslash before any other character standing for that character.
// Undoes escapeScriptString, and the backslash-quote escaping of blocks written before it.
std::string unescapeScriptString(std::string_view text);

}  // namespace norvel::script
