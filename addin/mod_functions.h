// The checks a collection command makes on the editor before it opens a dialog. A failed
// check is no error: it tells the user why in an information box and the command stops.
#pragma once

#include <string>

namespace norvel::common {
class SettingsStore;
struct Runtime;
}  // namespace norvel::common

namespace norvel::addin {

// True when every requested condition holds; otherwise false after a message. Checked in the
// order page, web, saved once, Normal view, whatever the parameter order.
bool CheckConditions(const common::Runtime& runtime, bool web, bool page, bool saved,
                     bool normalView);

// The script collection's "ScriptFile" option, read anew at every call. Error 13 when the
// stored value is neither a number nor True or False.
bool ScriptFileOption(common::SettingsStore& settings);

// True (after a message) when the extension of the active page's file is not in the comma
// separated `extensions`; compared without regard to case. Errors come out with the context
// "WrongExtension".
bool WrongExtension(const common::Runtime& runtime, const std::string& extensions);

}  // namespace norvel::addin
