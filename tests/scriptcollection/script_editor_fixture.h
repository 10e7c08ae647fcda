// The editor stand-in over a temporary web, for testing the script engine against real pages
// and folders. The headless Ui records every message box in `transcript`.
#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "common/atomic_file.h"
#include "common/editor/document.h"
#include "common/editor/web.h"
#include "common/ini_settings_store.h"
#include "common/string_dictionary.h"
#include "host/components/component_registry.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/headless/scripted_ui.h"
#include "host/session/script_parser.h"
#include "scriptcollection/cls_js.h"
#include "tests/support/temporary_folder.h"

namespace norvel::script {

class ScriptEditorFixture : public ::testing::Test {
  protected:
    ScriptEditorFixture()
        : cursor(host::parseSessionScript("")),
          ui(cursor, transcript),
          settings(config.path() / "settings.ini", nullptr),
          components(config.path() / "components.ini"),
          help([](const std::string&) {}) {
        app = std::make_unique<host::EditorApp>(ui, settings, components, help,
                                                config.path() / "addins.ini");
        std::filesystem::create_directories(templates.path() / "demo_nv");
        writeTemplate("demo_nv/demo_nv.js", "function demo_NV() {}");
        writeTemplate("demo_nv/body.js", "demo_NV(\"<*word*>\");");
        writeTemplate("plain_nv/body.js", "<p id=\"<*id*>\">plain</p>");
    }

    void writeTemplate(const std::string& relative, const std::string& text) {
        std::filesystem::create_directories((templates.path() / relative).parent_path());
        common::writeFileAtomically(templates.path() / relative, text);
    }
    void writePage(const std::string& relative, const std::string& bytes) {
        std::filesystem::create_directories((web.path() / relative).parent_path());
        common::writeFileAtomically(web.path() / relative, bytes);
    }
    std::string readWebFile(const std::string& relative) const {
        return common::readFileBytes(web.path() / relative);
    }
    // Opens `page` (written first with a small head and body) and returns an engine for it.
    std::shared_ptr<clsJS> openPage(const std::string& page,
                                    const std::string& body = "<p>text</p>") {
        writePage(page, "<html><head><title>t</title></head><body>" + body + "</body></html>");
        app->openWeb(web.path());
        app->openPageByPath(page, common::editor::kViewNormal);
        auto engine = std::make_shared<clsJS>(app->runtime(), engineTemplates);
        engine->AddinDic = std::make_shared<common::StringDictionary>();
        engine->FormDic = std::make_shared<common::StringDictionary>();
        return engine;
    }
    std::string head() { return app->ActiveDocument()->headInnerHTML(); }
    std::string body() { return app->ActiveDocument()->bodyInnerHTML(); }
    void useExternalFiles(bool external) {
        settings.saveSetting("NorvelJS", "Options", "ScriptFile", external ? "1" : "0");
    }

    tests::TemporaryFolder config;
    tests::TemporaryFolder web;
    tests::TemporaryFolder templates;
    // Where the engines of openPage find their templates: small test templates by default.
    std::filesystem::path engineTemplates = templates.path();
    host::SessionCursor cursor;
    std::ostringstream transcript;
    host::ScriptedUi ui;
    common::IniSettingsStore settings;
    host::ComponentRegistry components;
    host::HelpWindows help;
    std::unique_ptr<host::EditorApp> app;
};

}  // namespace norvel::script
