#include "host/headless/session_runner.h"

#include <iostream>

#include "common/atomic_file.h"
#include "common/error.h"
#include "common/ini_settings_store.h"
#include "host/components/component_registry.h"
#include "host/components/registration.h"
#include "host/editor/editor_app.h"
#include "host/editor/help_window.h"
#include "host/headless/headless_editor.h"
#include "host/headless/scripted_ui.h"
#include "host/session/script_error.h"
#include "host/session/script_quote.h"

namespace norvel::host {

namespace {

int playSession(const SessionOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<ScriptAction> actions;
    try {
        actions = parseSessionScript(common::readFileBytes(options.script));
    } catch (const ScriptError& e) {
        err << options.script.string() << ": " << e.what() << '\n';
        return 1;
    } catch (const common::Error& e) {
        err << "norvel: " << e.description() << '\n';
        return 1;
    }

    if (options.beforeRegistryIsRead)
        options.beforeRegistryIsRead();

    std::filesystem::path scriptFolder = std::filesystem::absolute(options.script).parent_path();
    // --web replaces the folder of the script's first `web` line; a script without one is
    // played on that web from its first action.
    bool scriptOpensWeb = false;
    for (const ScriptAction& action : actions)
        if (action.kind == ScriptActionKind::editor && action.name == "web")
            scriptOpensWeb = true;
    SessionCursor cursor(std::move(actions));
    ScriptedUi ui(cursor, out);
    ui.setScriptFolder(scriptFolder.string());
    common::IniSettingsStore settings(
        common::IniSettingsStore::defaultFile(),
        [&](const std::string& problem) { err << "norvel: warning: " << problem << '\n'; });
    ComponentRegistry components(ComponentRegistry::defaultRegistryFile());
    HelpWindows help(
        [&](const std::string& file) { ui.writeLine("help " + quoteScriptString(file)); });
    EditorApp app(ui, settings, components, help, defaultAddinListFile());
    HeadlessEditor editor(app, settings, scriptFolder, options.web);

    if (options.web && !scriptOpensWeb) {
        try {
            app.openWeb(*options.web);
        } catch (const common::Error& e) {
            err << "norvel: --web " << options.web->string() << ": " << e.description() << '\n';
            return 1;
        }
    }

    try {
        while (!cursor.atEnd()) {
            const ScriptAction& action = cursor.take();
            if (action.kind == ScriptActionKind::editor) {
                editor.run(action);
            } else if (!ui.handleAnswerOrCheck(action)) {
                throw ScriptError(action.line, "'" + action.name + "': no form is open");
            }
        }
        ui.requireNoPendingAnswers();
        editor.finish();
    } catch (const ScriptError& e) {
        err << options.script.string() << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int runSession(const SessionOptions& options) {
    std::ostream& out = options.transcript ? *options.transcript : std::cout;
    std::ostream& err = options.diagnostics ? *options.diagnostics : std::cerr;
    // The edge of a session: any failure (the settings, the registry or the web unusable, a
    // page that cannot be read) ends it with a message and status 1.
    try {
        return playSession(options, out, err);
    } catch (const common::Error& e) {
        err << "norvel: " << e.description() << '\n';
    } catch (const ScriptError& e) {
        err << options.script.string() << ": " << e.what() << '\n';
    } catch (const std::exception& e) {
        err << "norvel: " << e.what() << '\n';
    }
    return 1;
}

}  // namespace norvel::host
