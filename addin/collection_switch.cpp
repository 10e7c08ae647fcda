#include "addin/collection_switch.h"

#include "common/settings_store.h"

namespace norvel::addin {

std::string readCollectionSwitch(common::SettingsStore& settings) {
    return settings.getSetting(kSwitchApplication, kSwitchSection, kSwitchKey, kSwitchDefault);
}

void saveCollectionSwitch(common::SettingsStore& settings, const std::string& value) {
    settings.saveSetting(kSwitchApplication, kSwitchSection, kSwitchKey, value);
}

std::array<std::optional<char>, 3> collectionSwitchCharacters(std::string_view value) {
    std::array<std::optional<char>, 3> characters;
    if (value.empty())
        return characters;
    characters[kScriptCollection] = value.front();
    if (value.size() >= 2)
        characters[kPollCollection] = value[1];
    characters[kStyleCollection] = value.back();
    return characters;
}

bool collectionEnabled(std::string_view value, CollectionIndex collection) {
    return collectionSwitchCharacters(value)[collection] == '1';
}

}  // namespace norvel::addin
