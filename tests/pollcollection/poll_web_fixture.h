// The editor stand-in over a temporary web, with the real poll collection registered and a
// headless Ui that records every message box: what the poll tests run against.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "common/ini_settings_store.h"
#include "common/runtime.h"
#include "host/components/component_registry.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/editor/host_page_window.h"
#include "host/headless/scripted_ui.h"
#include "tests/support/temporary_folder.h"

namespace norvel::poll {

class PollWebFixture : public ::testing::Test {
  protected:
    PollWebFixture();

    const common::Runtime& runtime() const { return app->runtime(); }

    std::filesystem::path webPath(const std::string& relative) const {
        return web.path() / relative;
    }
    void writeWebFile(const std::string& relative, const std::string& bytes);
    std::string readWebFile(const std::string& relative) const;
    bool webEntryExists(const std::string& relative) const;

    // Writes a plain page and opens it in Normal view; it becomes the active page.
    std::shared_ptr<host::HostPageWindow> openNewPage(const std::string& relative,
                                                      const std::string& head = "");

    // Every message box shown so far, one transcript line each.
    std::string messages() const { return transcript.str(); }

    tests::TemporaryFolder config;
    tests::TemporaryFolder web;
    host::SessionCursor cursor;
    std::ostringstream transcript;
    host::ScriptedUi ui;
    common::IniSettingsStore settings;
    host::ComponentRegistry components;
    host::HelpWindows help;
    std::unique_ptr<host::EditorApp> app;
};

// The Error an action throws; fails the test when it throws none.
template <typename Action>
common::Error errorOf(Action action) {
    try {
        action();
    } catch (const common::Error& error) {
        return error;
    }
    ADD_FAILURE() << "no Error was thrown";
    return common::Error(0, "", "");
}

}  // namespace norvel::poll
