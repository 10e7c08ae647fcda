// String literals for the server scripts that the poll templates become. The poll editor's
// texts (and the webbot attributes they come back from, which anyone can edit by hand) go
// into PHP and classic ASP source; written as these literals, no text can end its string,
// start code, or be taken for a template placeholder when the substitution scans it again.
#pragma once

#include <string>
#include <string_view>

#include "common/string_dictionary.h"

namespace norvel::common {

enum class ScriptLanguage { none, php, vbscript };

// The language of a template file by its extension (".php", ".asp", any case); none for the
// data files, style sheets and pictures, whose values are written as they are.
ScriptLanguage scriptLanguageOf(std::string_view fileName);

// A PHP expression whose value is exactly the bytes of `text`: single-quoted runs with "\\" and
// "\'" escaped, control characters as double-quoted "\xNN" escapes joined with ".". The source
// holds no raw line break, and no "<" is followed by anything inside a run, so "<*" never
// appears.
std::string phpStringLiteral(std::string_view text);

// A VBScript expression whose value is the UTF-16 form of the UTF-8 `text`: double-quoted
// runs of printable ASCII with '"' doubled, everything else as ChrW(n) pieces joined with
// "&" (so the source is plain ASCII whatever the page's code page). A run ends after every
// "<" and "%", so no "%>", "<%", "<!--#include" or "<*" can form in the source. Bytes that
// are not UTF-8 become U+FFFD.
std::string vbscriptStringLiteral(std::string_view text);

// The literal of `language` for `text`; `text` itself for none.
std::string scriptLiteral(ScriptLanguage language, std::string_view text);

// Every value of `values` replaced by its literal in `language`.
void quoteValuesForScript(StringDictionary& values, ScriptLanguage language);

}  // namespace norvel::common
