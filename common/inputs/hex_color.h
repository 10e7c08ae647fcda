// The colour input of the poll panes and the style collection: six hexadecimal digits in the
// order red, green, blue (as web pages write colours, without "#"), a button painted in that
// colour, and the platform's colour dialog behind the button.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/user_control.h"

namespace norvel::common::inputs {

// The platform's button-face colour (a system colour number), shown while no valid colour is
// entered.
inline constexpr uint32_t kButtonFaceColor = 0x8000000F;

// Exactly six characters, each a decimal digit or a letter a to f in either case.
bool IsHexColor(std::string_view text);

// RRGGBB to the platform colour number 0x00BBGGRR. Throws Error 13 (type mismatch) for text
// that is not six hexadecimal digits.
uint32_t HexToColor(std::string_view text);

// The platform colour number 0x00BBGGRR to RRGGBB in upper case. Only the colour's low 24
// bits count: a system colour such as the button face has no RGB text of its own.
std::string ColorToHex(uint32_t color);

class HexColor : public forms::UserControl {
  public:
    HexColor();

    // The text of txtColor: six hex digits, empty, or (while being corrected) what was typed.
    std::string Color() const { return txtColor.text(); }
    // Takes six hex digits as they are written (case kept) and paints the button; anything
    // else is ignored without a message.
    void setColor(std::string_view value);

    forms::CommandButton cmdColor;
    forms::TextBox txtColor;

  private:
    void cmdColor_Click();
    void txtColor_LostFocus();
};

}  // namespace norvel::common::inputs
