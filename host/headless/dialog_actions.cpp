#include "host/headless/dialog_actions.h"

#include <charconv>

#include "common/forms/list_controls.h"
#include "common/forms/scroll_bar.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/tree_view.h"
#include "common/forms/web_browser.h"
#include "host/session/script_error.h"

namespace norvel::host {

using namespace common::forms;

namespace {

[[noreturn]] void fail(int line, const std::string& message) {
    throw ScriptError(line, message);
}

std::string describe(const Control& control) {
    return std::string(controlKindName(control.kind())) + " '" + control.name() + "'";
}

[[noreturn]] void wrongKind(const ScriptAction& action, const Control& control) {
    fail(action.line, "cannot " + action.name + " " + describe(control));
}

// A person could not do it: say why.
void requireDone(bool done, const ScriptAction& action, const Control& control) {
    if (done)
        return;
    if (!control.usable())
        fail(action.line, describe(control) + " is disabled or hidden; cannot " + action.name);
    fail(action.line, "cannot " + action.name + " " + describe(control));
}

int findItem(const ItemList& list, const std::string& item, int line) {
    if (item.size() > 1 && item[0] == '#') {
        int index = -1;
        auto [end, ec] = std::from_chars(item.data() + 1, item.data() + item.size(), index);
        if (ec != std::errc() || end != item.data() + item.size() || index < 0)
            fail(line, "'" + item + "' is no item index");
        if (index >= list.listCount())
            fail(line, "no item at index " + std::to_string(index) + " (the list has " +
                           std::to_string(list.listCount()) + ")");
        return index;
    }
    for (int i = 0; i < list.listCount(); ++i)
        if (list.list(i) == item)
            return i;
    fail(line, "no item '" + item + "' in the list");
}

void typeText(Control& control, const std::string& text, const ScriptAction& action) {
    for (char c : text) {
        bool done = false;
        if (control.kind() == ControlKind::TextBox) {
            done = static_cast<TextBox&>(control).userType(c);
        } else if (control.kind() == ControlKind::ComboBox) {
            done = static_cast<ComboBox&>(control).userType(c);
        } else {
            wrongKind(action, control);
        }
        requireDone(done, action, control);
    }
}

}  // namespace

Control& resolveControl(Form& form, const std::string& path, int line) {
    Control* control = form.findPath(path);
    if (control == nullptr)
        fail(line, "unknown control '" + path + "' on form \"" + form.caption() + "\"");
    return *control;
}

void applyDialogAction(Form& form, const ScriptAction& action) {
    const std::string& name = action.name;
    Control& control = resolveControl(form, action.arguments.at(0), action.line);
    const std::string& argument = action.arguments.size() > 1 ? action.arguments[1] : std::string();
    bool done = false;

    if (name == "set") {
        if (control.kind() == ControlKind::TextBox) {
            done = static_cast<TextBox&>(control).userSetText(argument);
        } else if (control.kind() == ControlKind::ComboBox) {
            done = static_cast<ComboBox&>(control).userSetText(argument);
        } else {
            wrongKind(action, control);
        }
    } else if (name == "type") {
        typeText(control, argument, action);
        return;
    } else if (name == "click") {
        switch (control.kind()) {
            case ControlKind::CommandButton:
                done = static_cast<CommandButton&>(control).userClick();
                break;
            case ControlKind::OptionButton:
                done = static_cast<OptionButton&>(control).userClick();
                break;
            case ControlKind::CheckBox:
                done = static_cast<CheckBox&>(control).userClick();
                break;
            default:
                wrongKind(action, control);
        }
    } else if (name == "check") {
        if (control.kind() != ControlKind::CheckBox)
            wrongKind(action, control);
        done = static_cast<CheckBox&>(control).userSetValue(argument == "1" ? 1 : 0);
    } else if (name == "choose") {
        if (control.kind() == ControlKind::ListBox) {
            auto& list = static_cast<ListBox&>(control);
            done = list.userChoose(findItem(list, argument, action.line));
        } else if (control.kind() == ControlKind::ComboBox) {
            auto& combo = static_cast<ComboBox&>(control);
            done = combo.userChoose(findItem(combo, argument, action.line));
        } else {
            wrongKind(action, control);
        }
    } else if (name == "node") {
        if (control.kind() != ControlKind::TreeView)
            wrongKind(action, control);
        auto& tree = static_cast<TreeView&>(control);
        if (tree.node(argument) == nullptr)
            fail(action.line, "no node with key '" + argument + "' in " + describe(control));
        done = tree.userClickNode(argument);
    } else if (name == "leave") {
        done = control.userLeave();
    } else if (name == "scroll") {
        if (control.kind() != ControlKind::ScrollBar)
            wrongKind(action, control);
        auto& bar = static_cast<ScrollBar&>(control);
        int position = std::stoi(argument);
        if (position < std::min(bar.min(), bar.max()) || position > std::max(bar.min(), bar.max()))
            fail(action.line,
                 "position " + argument + " is outside the range of " + describe(control));
        done = bar.userScroll(position);
    } else if (name == "dblclick") {
        done = control.userDoubleClick();
    } else {
        fail(action.line, "'" + name + "' is not a dialog action");
    }
    requireDone(done, action, control);
}

std::string controlValueText(const Control& control) {
    switch (control.kind()) {
        case ControlKind::TextBox:
            return static_cast<const TextBox&>(control).text();
        case ControlKind::ComboBox:
            return static_cast<const ComboBox&>(control).text();
        case ControlKind::ListBox:
            return static_cast<const ListBox&>(control).text();
        case ControlKind::CheckBox:
            return std::to_string(static_cast<const CheckBox&>(control).value());
        case ControlKind::OptionButton:
            return static_cast<const OptionButton&>(control).value() ? "True" : "False";
        case ControlKind::Label:
        case ControlKind::Frame:
        case ControlKind::CommandButton:
            return static_cast<const CaptionedControl&>(control).caption();
        case ControlKind::ScrollBar:
            return std::to_string(static_cast<const ScrollBar&>(control).value());
        case ControlKind::TreeView:
            return static_cast<const TreeView&>(control).selectedKey();
        case ControlKind::WebBrowser:
            return static_cast<const WebBrowser&>(control).locationUrl();
        case ControlKind::PictureBox:
            return static_cast<const PictureBox&>(control).picture();
        case ControlKind::Image:
            return static_cast<const Image&>(control).picture();
        default:
            return std::string();
    }
}

}  // namespace norvel::host
