// The editor half of `norvel run`: each editor action of a session script done to the editor
// stand-in.
#pragma once

#include <filesystem>
#include <optional>

#include "host/editor_actions.h"

namespace norvel::common {
class SettingsStore;
}

namespace norvel::host {

class EditorApp;

class HeadlessEditor : public EditorActions {
  public:
    // Paths in the script are relative to `scriptFolder`; `webOverride` replaces the folder
    // of the script's first `web` action.
    HeadlessEditor(EditorApp& app, common::SettingsStore& settings,
                   std::filesystem::path scriptFolder,
                   std::optional<std::filesystem::path> webOverride);

    void run(const ScriptAction& action) override;
    void finish() override;

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
