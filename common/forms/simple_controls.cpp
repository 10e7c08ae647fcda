#include "common/forms/simple_controls.h"

#include "common/forms/container.h"

namespace norvel::common::forms {

void CaptionedControl::setCaption(std::string caption) {
    if (caption_ == caption)
        return;
    caption_ = std::move(caption);
    notify(ControlProperty::Caption);
}

void CommandButton::setBackColor(uint32_t color) {
    backColor_ = color;
    notify(ControlProperty::BackColor);
}

bool CommandButton::userClick() {
    if (!usable())
        return false;
    setFocus();
    fire(Click);
    return true;
}

void CheckBox::setValue(int value) {
    if (value_ == value)
        return;
    value_ = value;
    notify(ControlProperty::Value);
    fire(Click);
}

bool CheckBox::userClick() {
    if (!usable())
        return false;
    setFocus();
    setValue(value_ == 1 ? 0 : 1);
    return true;
}

bool CheckBox::userSetValue(int value) {
    if (!usable())
        return false;
    setFocus();
    setValue(value);
    return true;
}

void OptionButton::setValue(bool value) {
    if (!value) {
        if (value_) {
            value_ = false;
            notify(ControlProperty::Value);
        }
        return;
    }
    if (value_)
        return;  // already on: no change, no Click
    value_ = true;
    turnOffSiblings();
    notify(ControlProperty::Value);
    fire(Click);
}

bool OptionButton::userClick() {
    if (!usable())
        return false;
    setFocus();
    setValue(true);
    return true;
}

void OptionButton::turnOffSiblings() {
    if (owner() == nullptr)
        return;
    for (Control* control : owner()->controls()) {
        if (control->kind() != ControlKind::OptionButton || control == this)
            continue;
        auto* other = static_cast<OptionButton*>(control);
        if (other->visualParent() == visualParent())
            other->setValue(false);
    }
}

void PictureBox::setPicture(std::string picture) {
    picture_ = std::move(picture);
    notify(ControlProperty::Picture);
}

void Image::setPicture(std::string picture) {
    picture_ = std::move(picture);
    notify(ControlProperty::Picture);
}

}  // namespace norvel::common::forms
