#pragma once

#include <string>

#include "common/forms/control.h"

namespace norvel::host::qt {

// The dotted path of a control from its form ("ctlColor1.txtColor"): the name a session script
// uses, and the objectName of the control's widget.
std::string controlPath(const common::forms::Control& control);

}  // namespace norvel::host::qt
