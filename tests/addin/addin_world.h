// The editor stand-in as the add-in meets it, built for one test: a settings file, a component
// registry holding the fake collections, the headless Ui writing a transcript, the help
// windows and the editor itself, all in a temporary folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/ini_settings_store.h"
#include "host/components/component_registry.h"
#include "host/components/registration.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/headless/scripted_ui.h"
#include "host/session/script_parser.h"
#include "host/session/script_quote.h"
#include "tests/support/temporary_folder.h"

namespace norvel::tests {

class AddinWorld {
  public:
    // `dialogScript`: the dialog actions a modal form plays (session script syntax).
    // `collections`: the fake collections to register, by library name.
    explicit AddinWorld(const std::string& dialogScript = "",
                        const std::vector<std::string>& collections = {"norvelpc", "norveljsc",
                                                                       "norvelsc"})
        : cursor(host::parseSessionScript(dialogScript)),
          ui(cursor, transcriptStream),
          settings(folder.path() / "settings.ini", {}),
          components(folder.path() / "components.ini"),
          help([this](const std::string& file) {
              ui.writeLine("help " + host::quoteScriptString(file));
          }),
          app(ui, settings, components, help, folder.path() / "addins.ini") {
        std::vector<std::filesystem::path> libraries;
        for (const std::string& name : collections)
            libraries.push_back(std::filesystem::path(NORVEL_FAKE_COLLECTIONS) /
                                ("libfake_" + name + ".so"));
        host::registerLibraries(libraries, folder.path() / "components.ini",
                                folder.path() / "addins.ini");
    }

    const common::Runtime& runtime() const { return app.runtime(); }
    std::string transcript() const { return transcriptStream.str(); }

    // A web folder with the given pages (name, markup), opened in the editor.
    void openWeb(const std::vector<std::pair<std::string, std::string>>& pages) {
        std::filesystem::path web = folder.path() / "web";
        std::filesystem::create_directories(web);
        for (const auto& [name, markup] : pages)
            std::ofstream(web / name) << markup;
        app.openWeb(web);
    }

    // Clicks the menu entry reached by these captions, as the editor delivers a click.
    void click(const std::vector<std::string>& captions) { app.clickMenu(captions); }

    tests::TemporaryFolder folder;
    host::SessionCursor cursor;
    std::ostringstream transcriptStream;
    host::ScriptedUi ui;
    common::IniSettingsStore settings;
    host::ComponentRegistry components;
    host::HelpWindows help;
    host::EditorApp app;
};

}  // namespace norvel::tests
