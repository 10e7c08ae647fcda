#include "addin/s_menu.h"

#include "addin/addin_context.h"
#include "addin/help_path.h"
#include "addin/menu_command.h"
#include "addin/mod_functions.h"
#include "common/editor/application.h"

namespace norvel::addin {

SMenu::~SMenu() {
    for (const ControlPtr& button : {But1, ButHelp2})
        if (button)
            button->SetClickHandler({});
}

void SMenu::Build() {
    common::editor::CommandBars& bars = context_.runtime.application->GetCommandBars();
    popup = FindOrAddSubMenu(bars, kTopMenuCaption, "Style");
    auto add = [this](const char* caption, void (SMenu::*handler)()) {
        ControlPtr button = AddMenuButton(*popup, caption);
        button->SetClickHandler([this, handler](auto&, bool&) { (this->*handler)(); });
        return button;
    };
    But1 = add("Scrollbar color", &SMenu::But1_Click);
    // One trailing blank: the polls help entry is tagged "Help NVX" already.
    ButHelp2 = add("Help ", &SMenu::ButHelp2_Click);
    ButHelp2->SetBeginGroup(true);
}

void SMenu::But1_Click() {
    const common::Runtime& runtime = context_.runtime;
    runTrapped(runtime, [&] {
        if (!CheckConditions(runtime, false, true, false, true))
            return;
        openCollection(runtime, "S", "1");
    });
}

void SMenu::ButHelp2_Click() {
    runTrapped(context_.runtime,
               [&] { context_.sharedHelp().ShowContents(helpFilePath("stylec.chm"), 0); });
}

}  // namespace norvel::addin
