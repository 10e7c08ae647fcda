#include "common/inputs/incrementer.h"

#include <cstdlib>

#include "common/conversions.h"
#include "common/error.h"
#include "common/forms/form.h"
#include "common/ui.h"

namespace norvel::common::inputs {

Incrementer::Incrementer() {
    addControl(txtValue, "txtValue", {0, 0, 375, 285});
    addControl(VScroll1, "VScroll1", {375, 0, 255, 285});
    VScroll1.setRange(-9, 0);
    txtValue.setMaxLength(1);
    txtValue.setText("0");
    VScroll1.Change = [this] { VScroll1_Change(); };
    txtValue.Change = [this] { txtValue_Change(); };
}

void Incrementer::setValue(std::string_view value) {
    if (isNumeric(value)) {
        txtValue.setText(std::string(value));
        return;
    }
    forms::Form* owner = form();
    if (owner == nullptr)
        throw Error(errnum::kObjectNotSet, "norvel", "The number input is not placed on a form");
    owner->ui().msgBox("only numeric values is accepted", MsgBoxButtons::OkOnly,
                       MsgBoxIcon::Information, "check");
    txtValue.setText("0");
}

void Incrementer::VScroll1_Change() {
    setValue(std::to_string(std::abs(VScroll1.value())));
    txtValue.setFocus();
}

void Incrementer::txtValue_Change() {
    setValue(txtValue.text());
}

}  // namespace norvel::common::inputs
