// Checks of the text that callers (and so users) hand over for a style sheet. Nothing they give
// may reach past its own place: close the block, end the declaration early, open a comment or
// string that swallows the rest of the sheet. Text that would is refused, not escaped, because
// an escaped ';' or '}' would silently mean something else than the user typed. Each check
// throws Error 5 ("invalid procedure call or argument") naming what is wrong.
#pragma once

#include <string>
#include <string_view>

namespace norvel::host {

// The key under which declarations are matched: lower case, escapes resolved when `name`
// reads as one CSS name. Any text is accepted (it then simply matches nothing).
std::string cssPropertyKey(std::string_view name);

// A property name to write: exactly one CSS name, white space around it dropped.
std::string checkedCssPropertyName(std::string_view name);

struct CheckedCssValue {
    std::string text;             // trimmed, as it will be written; empty when none was given
    std::string withoutPriority;  // what reading the declaration back gives
    bool hasPriority = false;     // `text` ends with "!important"
};

// A value for one declaration: no ';', '{', '}', comment or line break outside a complete
// string or url(), brackets balanced, no trailing backslash.
CheckedCssValue checkedCssValue(std::string_view value);

// A selector for a new rule: something to select with, no braces, ';', at-keyword, "<!--",
// "-->" or url(); brackets balanced. Returned without the white space and comments around it.
std::string checkedCssSelector(std::string_view selector);

// The declarations of a new rule: no braces, brackets balanced, everything closed. Trimmed.
std::string checkedCssDeclarations(std::string_view declarations);

}  // namespace norvel::host
