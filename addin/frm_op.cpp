#include "addin/frm_op.h"

#include <optional>
#include <string>

#include "addin/addin_context.h"
#include "addin/collection_switch.h"
#include "common/conversions.h"
#include "common/error.h"
#include "common/ui.h"

namespace norvel::addin {

namespace {

// The state of a box from its character of the setting: 0 unchecked, 1 checked, 2 greyed.
int boxValue(std::optional<char> character) {
    // A value shorter than three characters has no character at position 2. It used to stop
    // the dialog from opening, leaving no way to repair the setting: the box stays unchecked.
    if (!character)
        return 0;
    int value = 0;
    try {
        value = common::toInt16(std::string(1, *character));
    } catch (const common::Error& e) {
        // A run-time error of the add-in: its source is the add-in's name.
        throw common::Error(e.number(), kLibraryName, e.description());
    }
    if (value < 0 || value > 2)
        throw common::Error(
            common::errnum::kInvalidCall, kLibraryName,
            "Invalid property value: a check box is 0, 1 or 2, not " + std::to_string(value));
    return value;
}

}  // namespace

frmOP::frmOP(common::Ui& ui, common::SettingsStore& settings)
    : Form(ui, "frmOP", "Options", 2985, 2940), settings_(settings) {
    addControl(Label1, "Label1", {240, 120, 2295, 375});
    addControl(chkJS, "chkJS", {360, 720, 1935, 255});
    addControl(chkPoll, "chkPoll", {360, 1080, 1935, 255});
    addControl(chkStyle, "chkStyle", {360, 1440, 1935, 255});
    addControl(Command1, "Command1", {360, 2040, 975, 375});
    addControl(Command2, "Command2", {1680, 2040, 975, 375});

    Label1.setCaption("Enable the following collections");
    chkJS.setCaption("Javascript");
    chkPoll.setCaption("Poll");
    chkStyle.setCaption("Style");
    Command1.setCaption("OK");
    Command2.setCaption("Cancel");

    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
}

void frmOP::LoadOptions() {
    auto characters = collectionSwitchCharacters(readCollectionSwitch(settings_));
    chkJS.setValue(boxValue(characters[kScriptCollection]));
    chkPoll.setValue(boxValue(characters[kPollCollection]));
    chkStyle.setValue(boxValue(characters[kStyleCollection]));
}

void frmOP::SaveOptions() {
    saveCollectionSwitch(settings_, std::to_string(chkJS.value()) +
                                        std::to_string(chkPoll.value()) +
                                        std::to_string(chkStyle.value()));
}

void frmOP::Command1_Click() {
    SaveOptions();
    ui().msgBox("Changes will take effect next time your restart FrontPage",
                common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information, "options");
    Unload();
}

void frmOP::Command2_Click() {
    Unload();
}

}  // namespace norvel::addin
