// What a person does to a form, as a session script writes it: set, type, click, check,
// choose, node, leave, scroll, dblclick. Each acts only on controls a person could reach.
#pragma once

#include <string>

#include "common/forms/control.h"
#include "common/forms/form.h"
#include "host/session/script_parser.h"

namespace norvel::host {

// Applies one dialog action to the form. Throws ScriptError for an unknown control, a control
// of the wrong kind, a disabled or hidden control, or an item or node that is not there.
void applyDialogAction(common::forms::Form& form, const ScriptAction& action);

// The control at a dotted path, or ScriptError naming what is missing.
common::forms::Control& resolveControl(common::forms::Form& form, const std::string& path,
                                       int line);

// What `expect value` compares: a text box's or combo box's text, a list's selected item,
// a check box's value (0, 1, 2), an option button's state (True/False), a caption, a scroll
// position, a tree's selected key, a browser's address.
std::string controlValueText(const common::forms::Control& control);

}  // namespace norvel::host
