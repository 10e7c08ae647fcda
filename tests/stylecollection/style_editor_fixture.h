// The editor stand-in over a temporary web with the scroll-bar style editor of this build:
// pages are written, opened, and the dialog is driven by the dialog actions of a session
// script; the transcript records its forms and message boxes.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "common/atomic_file.h"
#include "common/editor/document.h"
#include "common/ini_settings_store.h"
#include "host/components/component_registry.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/headless/scripted_ui.h"
#include "host/session/script_error.h"
#include "host/session/script_parser.h"
#include "stylecollection/cls_load.h"
#include "tests/support/temporary_folder.h"

namespace norvel::style {

class StyleEditorFixture : public ::testing::Test {
  protected:
    StyleEditorFixture()
        : settings(config.path() / "settings.ini", nullptr),
          components(config.path() / "components.ini"),
          help([](const std::string&) {}) {}

    void writePage(const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories((web.path() / relative).parent_path());
        common::writeFileAtomically(web.path() / relative, bytes);
    }
    std::string readWebFile(const std::string& relative) const {
        return common::readFileBytes(web.path() / relative);
    }
    static std::string page(const std::string& head, const std::string& body = "<p>x</p>") {
        return "<html><head><title>t</title>" + head + "</head><body>" + body + "</body></html>";
    }

    // Starts the editor on the web with `pagePath` open (none: no page).
    void open(const std::string& pagePath, bool withWeb = true) {
        ui = std::make_unique<host::ScriptedUi>(cursor, transcript);
        app = std::make_unique<host::EditorApp>(*ui, settings, components, help,
                                                config.path() / "addins.ini");
        if (withWeb)
            app->openWeb(web.path());
        if (!pagePath.empty())
            app->openPageByPath(pagePath, common::editor::kViewNormal);
    }

    // Opens the dialog as the menu does and plays `actions` in it. Returns the script error,
    // if any, as text.
    std::string runDialog(const std::string& actions) {
        cursor = host::SessionCursor(host::parseSessionScript(actions));
        try {
            auto entry = std::make_shared<clsLoad>(app->runtime());
            entry->LoadFrm("1");
            ui->requireNoPendingAnswers();
            if (!cursor.atEnd())
                return "actions left after the dialog closed";
        } catch (const host::ScriptError& e) {
            return e.what();
        }
        return std::string();
    }

    std::string head() { return app->ActiveDocument()->headInnerHTML(); }

    tests::TemporaryFolder config;
    tests::TemporaryFolder web;
    host::SessionCursor cursor{host::parseSessionScript("")};
    std::ostringstream transcript;
    std::unique_ptr<host::ScriptedUi> ui;
    common::IniSettingsStore settings;
    host::ComponentRegistry components;
    host::HelpWindows help;
    std::unique_ptr<host::EditorApp> app;
};

}  // namespace norvel::style
