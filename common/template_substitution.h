// Filling the "<*name*>" placeholders of a template from a dictionary of form values: how the
// poll and script templates become the files written into the web and the preview pages.
//
// A placeholder's name is the text between the markers without surrounding blanks; it is
// looked up exactly (case-sensitive). There is no escape for a literal "<*". A "<*" with no
// "*>" after it is no placeholder: the text from there on stays as it is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/string_dictionary.h"
#include "common/ui.h"

namespace norvel::common {

// Values are filled again when they hold placeholders themselves. A value that leads back to
// its own placeholder would never end, so nesting deeper than this fails with Error 5.
inline constexpr size_t kMaxPlaceholderNesting = 64;

// A filled text larger than this fails with Error 7 (values that double each other's size).
inline constexpr size_t kMaxFilledTextSize = size_t{256} * 1024 * 1024;

// Finds the first complete placeholder at or after the 1-based position `start`, cuts it out
// of `text` (markers included) and sets `name` to its name without surrounding blanks.
// Returns its 1-based position, where `text` now goes on with what followed the placeholder;
// 0 when there is none at or after `start` (`text` and `name` are then unchanged). The "*>"
// is looked for after the "<*", so "<*>" does not close itself.
size_t FindPlaceholder(std::string& text, std::string& name, size_t start);

// The first `position` - 1 characters of `text`, then `value`, then the rest of `text`.
// Positions are 1-based; one past the end appends.
std::string InsertAt(std::string_view text, std::string_view value, size_t position);

struct SubstitutionOutcome {
    bool complete = true;     // false when a placeholder named no key of the dictionary
    std::string missingName;  // that placeholder's name
};

// Fills every placeholder of `text` from `values` in one pass over the text and the inserted
// values; the scan goes on at the start of each inserted value, so its placeholders are filled
// as well (also one that begins in a value and ends in the text after it).
// On a missing key the result is incomplete and `text` holds what was filled so far, the
// placeholder without a key cut out and everything after it unchanged. Throws Error when the
// values nest too deep or the result grows too large; `text` is then unchanged.
SubstitutionOutcome fillPlaceholders(const StringDictionary& values, std::string& text);

// fillPlaceholders for the callers that report a missing key to the user: shows the missing
// name in a plain OK message box and returns false.
bool SubstituteFromDictionary(const StringDictionary& values, std::string& text, Ui& ui);

}  // namespace norvel::common
