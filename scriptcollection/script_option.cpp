#include "scriptcollection/script_option.h"

#include "common/conversions.h"
#include "common/error.h"
#include "common/settings_store.h"

namespace norvel::script {

namespace {
constexpr const char* kApp = "NorvelJS";
constexpr const char* kSection = "Options";
constexpr const char* kKey = "ScriptFile";
}  // namespace

bool scriptFileMode(common::SettingsStore& settings) {
    std::string stored = settings.getSetting(kApp, kSection, kKey, "0");
    try {
        return common::toBoolean(stored);
    } catch (const common::Error&) {
        return false;
    }
}

void setScriptFileMode(common::SettingsStore& settings, bool external) {
    settings.saveSetting(kApp, kSection, kKey, external ? "1" : "0");
}

}  // namespace norvel::script
