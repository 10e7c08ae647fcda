// A hint for a menu path that reaches no entry: the caption a person most likely meant, when
// a step differs from a real entry only by blanks or by case ("options" for "options "), or
// a reminder to register the suite when its top-level menu is missing altogether.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace norvel::host {

class HostCommandBars;

// Nothing when the path reaches an entry or no hint fits.
std::optional<std::string> menuPathHint(HostCommandBars& bars,
                                        const std::vector<std::string>& captions);

}  // namespace norvel::host
