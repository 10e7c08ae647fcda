// The fading messages live only in the block's script text: the dialog writes them as array
// assignments and reads them back from the stored block when it is edited.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scriptcollection/cls_news.h"

namespace norvel::script {

// The value assigned to `key` in `text`: the key is found ignoring case, blanks and tabs may
// follow it, then "="; the value runs to the next CR LF or the end. None when the key, the "="
// or any value is missing.
std::optional<std::string> FindAssignment(std::string_view text, std::string_view key);

// The text between the first unescaped `start` and the next unescaped `end` after it. A
// character is escaped when an odd number of backslashes stands before it, so a string that
// ends in an escaped backslash still closes. None when either is missing or nothing lies
// between them.
std::optional<std::string> TextBetween(std::string_view text, std::string_view start,
                                       std::string_view end);

// The script lines X_content[i]="..." and X_link[i]="..." for every message, each ending in
// CR LF. Line breaks become <br>; the message and the link's markup are escaped for a script
// string (escapeScriptString), the link's address for its single-quoted href.
std::string MakeMessageArrays(const std::vector<clsNews>& messages);

// The messages 0 .. count - 1 read back from stored script text, but never more than the text
// names (the highest element assigned, plus one): a damaged count costs nothing. A message
// whose lines are missing or unreadable comes back with empty fields.
std::vector<clsNews> RestoreMessages(std::string_view storedText, int count);

}  // namespace norvel::script
