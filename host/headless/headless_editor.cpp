#include "host/headless/headless_editor.h"

#include "common/editor/web.h"
#include "common/error.h"
#include "common/settings_store.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/headless/menu_path_hint.h"
#include "host/session/script_error.h"

namespace norvel::host {

namespace {

[[noreturn]] void fail(const ScriptAction& action, const std::string& message) {
    throw ScriptError(action.line, message);
}

}  // namespace

HeadlessEditor::HeadlessEditor(EditorApp& app, common::SettingsStore& settings,
                               std::filesystem::path scriptFolder,
                               std::optional<std::filesystem::path> webOverride)
    : app_(app),
      settings_(settings),
      scriptFolder_(std::move(scriptFolder)),
      webOverride_(std::move(webOverride)) {}

void HeadlessEditor::run(const ScriptAction& action) {
    try {
        runAction(action);
        // One action is one step to undo, whatever it changed.
        for (const auto& window : app_.windows())
            if (!window->closed())
                window->document().endUndoStep();
    } catch (const common::Error& e) {
        // What the editor refuses (a missing page, a menu entry that is not there) ends the
        // script: the session no longer does what its author meant.
        fail(action, action.name + ": " + e.description());
    }
}

void HeadlessEditor::finish() {
    app_.shutdown();
}

void HeadlessEditor::runAction(const ScriptAction& action) {
    const std::string& name = action.name;
    const auto& args = action.arguments;
    auto requirePage = [&]() -> HostPageWindow& {
        auto window = app_.activeWindow();
        if (!window)
            fail(action, "'" + name + "' needs an open page");
        return *window;
    };

    if (name == "web") {
        std::filesystem::path folder = scriptFolder_ / args[0];
        if (webOverride_ && !webOverrideUsed_)
            folder = *webOverride_;
        webOverrideUsed_ = true;
        app_.openWeb(folder);
    } else if (name == "setting") {
        settings_.saveSetting(args[0], args[1], args[2], args[3]);
    } else if (name == "start") {
        app_.start();
    } else if (name == "restart") {
        app_.shutdown();
        app_.start();
    } else if (name == "open") {
        app_.openPageByPath(args[0], common::editor::kViewNormal);
    } else if (name == "new-page") {
        app_.newPage();
    } else if (name == "view") {
        int mode = args[0] == "normal" ? common::editor::kViewNormal
                   : args[0] == "html" ? common::editor::kViewHtml
                                       : common::editor::kViewPreview;
        requirePage().SetViewMode(mode);
    } else if (name == "caret" || name == "select") {
        requirePage();
        setCaret(action);
    } else if (name == "menu") {
        app_.start();  // the editor starts before the first menu click
        try {
            app_.clickMenu(args);
        } catch (const common::Error& e) {
            auto hint = menuPathHint(app_.commandBars(), args);
            if (!hint)
                throw;
            throw common::Error(e.number(), e.source(), e.description() + " (" + *hint + ")");
        }
    } else if (name == "edit-block") {
        requirePage();
        app_.editBlock(std::stoi(args[0]));
    } else if (name == "save") {
        HostPageWindow& window = requirePage();
        if (args.empty()) {
            if (!window.File())
                fail(action, "the new page has never been saved: write `save PAGE` to name it");
            window.Save();
        } else {
            // Replacing a page the window does not show asks first: the script answers with
            // a queued `answer yes` or `answer no`.
            app_.saveWindowAs(app_.activeWindow(), args[0]);
        }
    } else if (name == "undo" || name == "redo") {
        HostDocument& document = requirePage().document();
        if (!(name == "undo" ? document.undo() : document.redo()))
            fail(action, "there is nothing to " + name + " in the active page");
    } else if (name == "close") {
        requirePage().Close(!args.empty() && args[0] == "save");
    } else if (name == "activate") {
        auto window = app_.findWindow(args[0]);
        if (!window)
            fail(action, "'" + args[0] + "' is not open");
        app_.activate(window);
    } else {
        fail(action, "'" + name + "' is not an editor action");
    }
}

void HeadlessEditor::setCaret(const ScriptAction& action) {
    HostDocument& document = app_.activeWindow()->document();
    const auto& args = action.arguments;
    bool found = true;
    if (action.name == "select") {
        found = document.selectText(args[0]);
    } else if (args[0] == "start") {
        document.caretAtBodyStart();
    } else if (args[0] == "end") {
        document.caretAtBodyEnd();
    } else if (args[0] == "after") {
        found = document.caretAfterText(args[1]);
    } else {
        found = document.caretBeforeText(args[1]);
    }
    if (!found)
        fail(action, "the body's markup has no \"" + args.back() + "\"");
}

}  // namespace norvel::host
