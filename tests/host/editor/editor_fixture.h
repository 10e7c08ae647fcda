// An editor stand-in over a temporary web, with the test component library registered and a
// headless Ui that records what the user would have seen.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "common/atomic_file.h"
#include "common/ini_settings_store.h"
#include "host/components/component_registry.h"
#include "host/components/registration.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/headless/scripted_ui.h"
#include "tests/support/temporary_folder.h"

namespace norvel::host {

class EditorFixture : public ::testing::Test {
  protected:
    EditorFixture()
        : cursor(parseSessionScript("")),
          ui(cursor, transcript),
          settings(config.path() / "settings.ini", nullptr),
          components(config.path() / "components.ini"),
          help([this](const std::string& file) { shownHelp.push_back(file); }) {
        registerLibraries({NORVEL_TEST_LIBRARY}, config.path() / "components.ini",
                          config.path() / "addins.ini");
        app = std::make_unique<EditorApp>(ui, settings, components, help,
                                          config.path() / "addins.ini");
    }

    std::filesystem::path webFile(const std::string& relative) const {
        return web.path() / relative;
    }
    void writePage(const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories(webFile(relative).parent_path());
        common::writeFileAtomically(webFile(relative), bytes);
    }
    std::string readPage(const std::string& relative) const {
        return common::readFileBytes(webFile(relative));
    }

    tests::TemporaryFolder config;
    tests::TemporaryFolder web;
    SessionCursor cursor;
    std::ostringstream transcript;
    ScriptedUi ui;
    common::IniSettingsStore settings;
    ComponentRegistry components;
    std::vector<std::string> shownHelp;
    HelpWindows help;
    std::unique_ptr<EditorApp> app;
};

}  // namespace norvel::host
