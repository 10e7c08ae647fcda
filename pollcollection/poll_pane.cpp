#include "pollcollection/poll_pane.h"

#include "common/error.h"
#include "common/forms/form.h"
#include "common/functions.h"
#include "common/ui.h"

namespace norvel::poll {

void PollPane::showPane() {
    setVisible(true);
    paneShown();
}

void PollPane::hidePane() {
    setVisible(false);
    paneHidden();
}

clsP& PollPane::poll() const {
    if (!PollObj)
        throw common::Error(common::errnum::kObjectNotSet, common::thisLibraryName(),
                            "Object variable not set: the pane has no poll");
    return *PollObj;
}

common::Ui& PollPane::ui() const {
    return *poll().runtime().ui;
}

bool SettingsPane::reportCheck(const std::string& message) const {
    if (message.empty())
        return true;
    ui().msgBox(message, common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information, "Check");
    return false;
}

}  // namespace norvel::poll
