// The one setting of the script collection: whether a feature's functions go into a file of
// the web ("scripts_nv") or inline into the page head. The add-in reads it too.
#pragma once

namespace norvel::common {
class SettingsStore;
}

namespace norvel::script {

// True for external-file mode. "1" and "True" (any case) select it; "0", nothing stored or
// any unreadable value select inline mode.
bool scriptFileMode(common::SettingsStore& settings);
void setScriptFileMode(common::SettingsStore& settings, bool external);

}  // namespace norvel::script
