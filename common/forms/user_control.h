// A reusable control made of controls (the poll panes, the colour and number inputs). It is a
// control of its owner and a namespace of its own: "ctlGeneral1.QBackC.txtColor".
#pragma once

#include "common/forms/container.h"
#include "common/forms/control.h"

namespace norvel::common::forms {

class UserControl : public Control, public Container {
  public:
    UserControl() : Control(ControlKind::UserControl) {}

    Container* asContainer() override { return this; }
    Control* asControl() override { return this; }
    Form* containerForm() override { return form(); }
    void childChanged(Control& control, ControlProperty property) override;
};

}  // namespace norvel::common::forms
