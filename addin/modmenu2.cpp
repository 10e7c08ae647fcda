#include "addin/modmenu2.h"

namespace norvel::addin {

using common::editor::kControlButton;
using common::editor::kControlPopup;

ControlPtr FindOrAddTopMenu(common::editor::CommandBars& bars, const std::string& barName,
                            const std::string& caption) {
    common::editor::CommandBar& bar = bars.Item(barName);
    if (!bar.FindControl(caption)) {
        ControlPtr popup =
            bar.Controls().Add(kControlPopup, std::nullopt, caption, kTopMenuPosition, true);
        popup->SetCaption(caption);
        popup->SetTag(caption);
        return popup;
    }
    return bar.Controls().Item(caption);
}

ControlPtr FindOrAddSubMenu(common::editor::CommandBars& bars, const std::string& topCaption,
                            const std::string& subCaption) {
    ControlPtr top = bars.Item(kMenuBar).Controls().Item(topCaption);
    if (MenuTagExists(*top, subCaption + kTagSuffix))
        return top->Controls().Item(subCaption);
    ControlPtr popup =
        top->Controls().Add(kControlPopup, std::nullopt, subCaption, std::nullopt, true);
    popup->SetCaption(subCaption);
    popup->SetTag(subCaption + kTagSuffix);
    return popup;
}

ControlPtr AddMenuButton(common::editor::CommandBarControl& popup, const std::string& caption) {
    // Not temporary itself: it lives inside a temporary popup and goes with it.
    ControlPtr button = popup.Controls().Add(kControlButton);
    button->SetCaption(caption);
    button->SetTag(button->Caption() + kTagSuffix);
    button->SetEnabled(true);
    return button;
}

bool MenuTagExists(common::editor::CommandBarControl& popup, const std::string& tag) {
    common::editor::CommandBarControls& controls = popup.Controls();
    bool found = false;
    int count = controls.Count();
    for (int i = 1; i <= count; ++i) {
        if (controls.Item(i)->Tag() == tag)
            found = true;
    }
    return found;
}

}  // namespace norvel::addin
