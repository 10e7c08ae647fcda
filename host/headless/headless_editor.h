// The editor half of `norvel run`: each editor action of a session script done to the editor
// stand-in.
#pragma once

#include <filesystem>
#include <optional>

#include "host/session/script_parser.h"

namespace norvel::common {
class SettingsStore;
}

namespace norvel::host {

class EditorApp;

class HeadlessEditor {
  public:
    // Paths in the script are relative to `scriptFolder`; `webOverride` replaces the folder
    // of the script's first `web` action.
    HeadlessEditor(EditorApp& app, common::SettingsStore& settings,
                   std::filesystem::path scriptFolder,
                   std::optional<std::filesystem::path> webOverride);

    // Runs one editor action; throws ScriptError when it cannot be done.
    void run(const ScriptAction& action);
    // The end of the session: the editor shuts down.
    void finish();

  private:
    void runAction(const ScriptAction& action);
    void setCaret(const ScriptAction& action);

    EditorApp& app_;
    common::SettingsStore& settings_;
    std::filesystem::path scriptFolder_;
    std::optional<std::filesystem::path> webOverride_;
    bool webOverrideUsed_ = false;
};

}  // namespace norvel::host
