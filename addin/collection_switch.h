// The per-user setting that says which collection sub-menus the add-in builds: one character
// per collection, in the order script, polls, style.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace norvel::common {
class SettingsStore;
}

namespace norvel::addin {

inline constexpr const char* kSwitchApplication = "NorvelFP";
inline constexpr const char* kSwitchSection = "options";
inline constexpr const char* kSwitchKey = "collections";
inline constexpr const char* kSwitchDefault = "111";

enum CollectionIndex { kScriptCollection = 0, kPollCollection = 1, kStyleCollection = 2 };

// The stored value, "111" when nothing is stored.
std::string readCollectionSwitch(common::SettingsStore& settings);
void saveCollectionSwitch(common::SettingsStore& settings, const std::string& value);

// The character that stands for each collection: the first, the one at position 2 and the
// last. A value shorter than three characters lends its last character to the style
// collection too ("1" enables script and style, "11" all three); a missing character is none.
std::array<std::optional<char>, 3> collectionSwitchCharacters(std::string_view value);

// "1" enables a collection; any other character, or none, disables it.
bool collectionEnabled(std::string_view value, CollectionIndex collection);

}  // namespace norvel::addin
