// Everything norvel-studio runs on, put together in the order it must live: the Qt user
// interface, the settings, the component registry, the help windows, the editor stand-in
// with its add-ins, and the main window. The program and the window tests both start here.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ini_settings_store.h"
#include "host/components/component_registry.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/qt/forms/qt_ui.h"

namespace norvel::host::qt {

class HelpViewer;
class StudioWindow;

class Studio {
  public:
    // Reads the settings, registry and add-in list of the configuration folder. In a fresh
    // configuration the suite's bundled libraries are registered first, so that a fresh
    // installation shows its menu at once. `report` receives notes for the person
    // (registration, a damaged settings file).
    explicit Studio(std::function<void(const std::string&)> report = {});
    ~Studio();
    Studio(const Studio&) = delete;
    Studio& operator=(const Studio&) = delete;

    // Connects the add-ins, then shows the window, on `web` when given.
    void start(const std::filesystem::path& web = {});

    StudioWindow& window() { return *window_; }
    EditorApp& app() { return *app_; }
    QtUi& ui() { return ui_; }
    HelpWindows& help() { return help_; }
    // The help windows open now (the last one is the newest).
    const std::vector<std::unique_ptr<HelpViewer>>& helpViewers() const { return helpViewers_; }

  private:
    void openHelp(intptr_t handle, const std::string& file);
    void closeHelp(intptr_t handle);

    std::function<void(const std::string&)> report_;
    QtUi ui_;
    common::IniSettingsStore settings_;
    ComponentRegistry components_;
    HelpWindows help_;
    std::unique_ptr<EditorApp> app_;
    std::unique_ptr<StudioWindow> window_;
    std::vector<std::unique_ptr<HelpViewer>> helpViewers_;
};

}  // namespace norvel::host::qt
