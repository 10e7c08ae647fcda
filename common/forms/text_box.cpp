#include "common/forms/text_box.h"

namespace norvel::common::forms {

void TextBox::setText(std::string text) {
    if (text == text_)
        return;
    text_ = std::move(text);
    notify(ControlProperty::Text);
    fire(Change);
}

bool TextBox::userSetText(const std::string& text) {
    if (!usable() || locked_)
        return false;
    setFocus();
    setText(maxLength_ > 0 && text.size() > static_cast<size_t>(maxLength_)
                ? text.substr(0, static_cast<size_t>(maxLength_))
                : text);
    return true;
}

bool TextBox::userType(char c) {
    if (!usable() || locked_)
        return false;
    setFocus();
    if (maxLength_ > 0 && text_.size() >= static_cast<size_t>(maxLength_))
        return true;
    setText(text_ + c);
    return true;
}

}  // namespace norvel::common::forms
