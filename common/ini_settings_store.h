// The settings store of the suite: one INI file, section "APP\SECTION", shared by every
// process of the user. Reads always take the file's current content; saves re-read and write
// it under a lock, so concurrent saves of different keys lose nothing. One object is meant
// for one thread at a time; give each thread its own object if several need settings.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/ini_file.h"
#include "common/settings_store.h"

namespace norvel::common {

class IniSettingsStore : public SettingsStore {
  public:
    using ProblemReporter = std::function<void(const std::string&)>;

    // `reportProblem` hears about a damaged or unreadable file, at most once per store object,
    // so a user is told once rather than at every read. It may be empty.
    IniSettingsStore(std::filesystem::path file, ProblemReporter reportProblem);

    // configFolder() / "settings.ini"
    static std::filesystem::path defaultFile();

    // A damaged file is moved aside to "<file>.damaged-YYYYMMDD-HHMMSS" (a counter is added
    // rather than overwrite an earlier copy) and reported; an unreadable file is reported and
    // left in place. Either way the default comes back.
    std::string getSetting(std::string_view app, std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;

    // Creates the folder when needed. Throws Error 75 (source: the library that raised it) when the
    // file cannot be read back or written, and Error 5 for a name an INI file cannot hold (see
    // IniFile). A damaged file is moved aside and reported first, then a fresh file is written.
    void saveSetting(std::string_view app, std::string_view section, std::string_view key,
                     std::string_view value) override;

    const std::filesystem::path& file() const { return file_; }

  private:
    // The current document, or an empty one when there is no file. A damaged file is moved
    // aside and reported. Throws Error when the file cannot be read or cannot be moved aside.
    // The caller holds the lock.
    IniFile loadLocked();
    void report(const std::string& problem);

    std::filesystem::path file_;
    ProblemReporter reportProblem_;
    bool problemReported_ = false;
};

}  // namespace norvel::common
