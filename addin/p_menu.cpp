#include "addin/p_menu.h"

#include "addin/addin_context.h"
#include "addin/help_path.h"
#include "addin/menu_command.h"
#include "addin/mod_functions.h"
#include "common/editor/application.h"

namespace norvel::addin {

namespace {

constexpr const char* kPollCollection = "P";

}  // namespace

PMenu::~PMenu() {
    for (const ControlPtr& button : {But1, But2, ButHelp})
        if (button)
            button->SetClickHandler({});
}

void PMenu::Build() {
    common::editor::CommandBars& bars = context_.runtime.application->GetCommandBars();
    popup = FindOrAddSubMenu(bars, kTopMenuCaption, "Polls");
    auto add = [this](const char* caption, void (PMenu::*handler)()) {
        ControlPtr button = AddMenuButton(*popup, caption);
        button->SetClickHandler([this, handler](auto&, bool&) { (this->*handler)(); });
        return button;
    };
    But1 = add("ASP Polls", &PMenu::But1_Click);
    But2 = add("PHP Polls", &PMenu::But2_Click);
    ButHelp = add("Help", &PMenu::ButHelp_Click);
    ButHelp->SetBeginGroup(true);
}

// A poll writes server code into the page, so the page must be of a kind the server runs.
void PMenu::But1_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, true, true, true, true))
            return;
        if (WrongExtension(runtime, "htm,html,asp"))
            return;
        openCollection(runtime, kPollCollection, "1");
    });
}

void PMenu::But2_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, true, true, true, true))
            return;
        if (WrongExtension(runtime, "htm,html,php"))
            return;
        openCollection(runtime, kPollCollection, "2");
    });
}

void PMenu::ButHelp_Click() {
    runTrapped(context_.runtime,
               [&] { context_.sharedHelp().ShowContents(helpFilePath("pollc.chm"), 0); });
}

}  // namespace norvel::addin
