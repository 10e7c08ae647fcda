#include "common/inputs/hex_color.h"

#include "common/ascii_text.h"
#include "common/error.h"
#include "common/forms/form.h"
#include "common/ui.h"

namespace norvel::common::inputs {

namespace {

// Two hex digits of `text` starting at `at`, as a byte.
uint32_t hexByte(std::string_view text, size_t at) {
    return static_cast<uint32_t>(hexDigitValue(text[at]) * 16 + hexDigitValue(text[at + 1]));
}

Ui& uiOf(forms::Control& control) {
    forms::Form* form = control.form();
    if (form == nullptr)
        throw Error(errnum::kObjectNotSet, "norvel", "The colour input is not placed on a form");
    return form->ui();
}

}  // namespace

bool IsHexColor(std::string_view text) {
    if (text.size() != 6)
        return false;
    for (char c : text) {
        if (!isAsciiHexDigit(c))
            return false;
    }
    return true;
}

uint32_t HexToColor(std::string_view text) {
    if (!IsHexColor(text))
        throw Error(errnum::kTypeMismatch, "norvel",
                    "Type mismatch: '" + std::string(text) + "' is not a hex colour");
    return (hexByte(text, 4) << 16) | (hexByte(text, 2) << 8) | hexByte(text, 0);
}

std::string ColorToHex(uint32_t color) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text(6, '0');
    // Red (bits 0-7) is written first, then green, then blue.
    for (int i = 0; i < 3; ++i) {
        uint32_t byte = (color >> (8 * i)) & 0xFF;
        text[2 * i] = digits[byte >> 4];
        text[2 * i + 1] = digits[byte & 0xF];
    }
    return text;
}

HexColor::HexColor() {
    addControl(txtColor, "txtColor", {0, 0, 855, 285});
    addControl(cmdColor, "cmdColor", {900, 0, 330, 285});
    cmdColor.setCaption("...");
    txtColor.setMaxLength(6);
    cmdColor.Click = [this] { cmdColor_Click(); };
    txtColor.LostFocus = [this] { txtColor_LostFocus(); };
}

void HexColor::setColor(std::string_view value) {
    if (value.empty() || !IsHexColor(value))
        return;
    cmdColor.setBackColor(HexToColor(value));
    txtColor.setText(std::string(value));
}

void HexColor::cmdColor_Click() {
    uint32_t initial = IsHexColor(txtColor.text()) ? HexToColor(txtColor.text()) : 0;
    std::optional<uint32_t> chosen = uiOf(*this).chooseColor(initial);
    if (!chosen)
        return;
    txtColor.setText(ColorToHex(*chosen));
    cmdColor.setBackColor(*chosen & 0xFFFFFF);
}

void HexColor::txtColor_LostFocus() {
    std::string_view trimmed = trimBlanks(txtColor.text());
    bool valid = false;
    if (trimmed.empty()) {
        valid = false;
    } else if (trimmed.size() < 6) {
        uiOf(*this).msgBox("Use six digits to represent a Hex Color", MsgBoxButtons::OkOnly,
                           MsgBoxIcon::Information, "Hex Check");
        txtColor.setFocus();
    } else {
        valid = true;
        for (char c : txtColor.text()) {
            if (!isAsciiHexDigit(c)) {
                uiOf(*this).msgBox(
                    "Only Hex numbers (0-9 and A-F) are allowed to represent a color value",
                    MsgBoxButtons::OkOnly, MsgBoxIcon::Warning, "Hex Check");
                txtColor.setFocus();
                valid = false;
                break;
            }
        }
        if (valid && !IsHexColor(txtColor.text())) {
            // Only code can put more than six digits here; they are no colour either.
            uiOf(*this).msgBox("Use six digits to represent a Hex Color", MsgBoxButtons::OkOnly,
                               MsgBoxIcon::Information, "Hex Check");
            txtColor.setFocus();
            valid = false;
        }
    }
    if (valid) {
        std::string upper = txtColor.text();
        for (char& c : upper)
            c = (c >= 'a' && c <= 'f') ? static_cast<char>(c - 'a' + 'A') : c;
        txtColor.setText(upper);
        cmdColor.setBackColor(HexToColor(upper));
    } else {
        cmdColor.setBackColor(kButtonFaceColor);
    }
}

}  // namespace norvel::common::inputs
