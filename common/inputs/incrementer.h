// The number input of the poll's general pane: one digit in a text box with a spinner beside
// it. The spinner runs from -9 at the top to 0 at the bottom, so each press of its upper arrow
// shows a value one higher.
#pragma once

#include <string>
#include <string_view>

#include "common/forms/scroll_bar.h"
#include "common/forms/text_box.h"
#include "common/forms/user_control.h"

namespace norvel::common::inputs {

class Incrementer : public forms::UserControl {
  public:
    Incrementer();

    std::string value() const { return txtValue.text(); }
    // Numeric text is shown as given; anything else brings "only numeric values is accepted"
    // and the text "0". The spinner keeps its own position.
    void setValue(std::string_view value);

    forms::ScrollBar VScroll1;
    forms::TextBox txtValue;

  private:
    void VScroll1_Change();
    void txtValue_Change();
};

}  // namespace norvel::common::inputs
