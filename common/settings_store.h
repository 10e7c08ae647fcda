// Per-user settings: string values addressed by application, section and key, as the old
// platform's registry settings were. Names compare case-insensitively ("Options" and
// "options" are one section).
#pragma once

#include <string>
#include <string_view>

namespace norvel::common {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored value, or `defaultValue` when nothing is stored. Never throws for a missing,
    // damaged or unreadable store: settings must not stop the program from working.
    virtual std::string getSetting(std::string_view app, std::string_view section,
                                   std::string_view key, std::string_view defaultValue) = 0;

    // Stores the value. Throws Error when it cannot be stored.
    virtual void saveSetting(std::string_view app, std::string_view section, std::string_view key,
                             std::string_view value) = 0;
};

}  // namespace norvel::common
