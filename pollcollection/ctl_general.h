// The general pane: the widths of the voting and results forms, the background colours of
// the question and the answers, the table border and the cell padding.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/inputs/hex_color.h"
#include "common/inputs/incrementer.h"
#include "pollcollection/poll_pane.h"

namespace norvel::poll {

// The widest form the poll accepts, in pixels.
inline constexpr int64_t kMaxFormWidth = 100000;

// A form width as the author wrote it, rounded to whole pixels (halves to even); nothing when
// it is not a number or outside 1 to kMaxFormWidth.
std::optional<int64_t> formWidthPixels(std::string_view text);

// The width left to the result bars of a form that wide: 35 %, rounded halves to even.
int64_t barWidthPixels(int64_t formWidth);

class ctlGeneral : public SettingsPane {
  public:
    ctlGeneral();

    bool Check() override;
    void FillFormDic() override;
    void FillAddinDic() override;
    void FillFromPrevious() override;

    common::forms::Frame Frame1;
    common::forms::Label Label3;
    common::inputs::HexColor QBackC;
    common::forms::Label Label4;
    common::inputs::HexColor ABackC;
    common::forms::Frame Frame2;
    common::forms::Label Label1;
    common::forms::TextBox txtVW;
    common::forms::Label Label2;
    common::forms::TextBox txtRW;
    common::forms::Frame Frame3;
    common::forms::Label Label5;
    common::inputs::Incrementer IncBorder;
    common::forms::Label Label6;
    common::inputs::HexColor BorderBC;
    common::forms::Frame Frame4;
    common::forms::Label Label7;
    common::inputs::Incrementer IncPadding;

  private:
    // The message for a width box, or empty when the width is usable.
    static std::string widthProblem(const std::string& text, const std::string& emptyMessage,
                                    const std::string& notNumberMessage,
                                    const std::string& outOfRangeMessage);
};

}  // namespace norvel::poll
