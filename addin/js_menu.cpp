#include "addin/js_menu.h"

#include "addin/addin_context.h"
#include "addin/help_path.h"
#include "addin/menu_command.h"
#include "addin/mod_functions.h"
#include "common/editor/application.h"

namespace norvel::addin {

namespace {

constexpr const char* kScriptCollection = "J";

}  // namespace

JsMenu::~JsMenu() {
    for (const ControlPtr& button : {But1, But2, But3, But4, But5, ButHelp, ButOP})
        if (button)
            button->SetClickHandler({});
}

void JsMenu::Build() {
    common::editor::CommandBars& bars = context_.runtime.application->GetCommandBars();
    popup = FindOrAddSubMenu(bars, kTopMenuCaption, "JavaScript");
    auto add = [this](const char* caption, void (JsMenu::*handler)()) {
        ControlPtr button = AddMenuButton(*popup, caption);
        button->SetClickHandler([this, handler](auto&, bool&) { (this->*handler)(); });
        return button;
    };
    But1 = add("Add to Favorites", &JsMenu::But1_Click);
    But2 = add("Slide Show", &JsMenu::But2_Click);
    But3 = add("Fading Messages", &JsMenu::But3_Click);
    But4 = add("Current Date", &JsMenu::But4_Click);
    But5 = add("Show and Hide", &JsMenu::But5_Click);
    // The trailing blanks keep the tags apart from the other menus' help and options entries.
    ButHelp = add("Help  ", &JsMenu::ButHelp_Click);
    ButOP = add("options ", &JsMenu::ButOP_Click);
    ButHelp->SetBeginGroup(true);
}

void JsMenu::But1_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, true, true, false, true))
            return;
        openCollection(runtime, kScriptCollection, "1");
    });
}

void JsMenu::But2_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, true, true, true, true))
            return;
        openCollection(runtime, kScriptCollection, "2");
    });
}

// Fading messages and show-and-hide write their functions into a file of the web when the
// script collection is told so; only then must the page have been saved.
void JsMenu::But3_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, false, true, ScriptFileOption(*runtime.settings), true))
            return;
        openCollection(runtime, kScriptCollection, "3");
    });
}

void JsMenu::But4_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, false, true, false, true))
            return;
        openCollection(runtime, kScriptCollection, "4");
    });
}

void JsMenu::But5_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, false, true, ScriptFileOption(*runtime.settings), true))
            return;
        openCollection(runtime, kScriptCollection, "5");
    });
}

void JsMenu::ButHelp_Click() {
    runTrapped(context_.runtime,
               [&] { context_.sharedHelp().ShowContents(helpFilePath("norveljs.chm"), 0); });
}

// The script collection's own options need no page.
void JsMenu::ButOP_Click() {
    runTrapped(context_.runtime,
               [&] { openCollection(context_.runtime, kScriptCollection, "options"); });
}

}  // namespace norvel::addin
