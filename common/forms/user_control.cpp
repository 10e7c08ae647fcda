#include "common/forms/user_control.h"

namespace norvel::common::forms {

void UserControl::childChanged(Control& control, ControlProperty property) {
    if (owner() != nullptr)
        owner()->childChanged(control, property);
}

}  // namespace norvel::common::forms
