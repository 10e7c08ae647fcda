#include "common/forms/form.h"

#include "common/ui.h"

namespace norvel::common::forms {

Form::Form(Ui& ui, std::string name, std::string caption, int width, int height)
    : ui_(ui),
      name_(std::move(name)),
      caption_(std::move(caption)),
      width_(width),
      height_(height) {}

void Form::setCaption(std::string caption) {
    if (caption == caption_)
        return;
    caption_ = std::move(caption);
    notifyForm(FormProperty::Caption);
}

void Form::setWidth(int width) {
    width_ = width;
    notifyForm(FormProperty::Size);
}

void Form::setHeight(int height) {
    height_ = height;
    notifyForm(FormProperty::Size);
}

void Form::Load() {
    if (loaded_)
        return;
    loaded_ = true;
    notifyForm(FormProperty::Loaded);
    Form_Load();
}

void Form::Show(bool modal) {
    Load();
    if (!loaded_)
        return;  // Form_Load unloaded it again
    if (modal) {
        visible_ = true;
        notifyForm(FormProperty::Visible);
        ui_.showModal(*this);
        return;
    }
    if (!visible_) {
        visible_ = true;
        notifyForm(FormProperty::Visible);
    }
}

void Form::Hide() {
    if (!visible_)
        return;
    visible_ = false;
    notifyForm(FormProperty::Visible);
}

void Form::Unload() {
    if (!loaded_)
        return;
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        return;
    activeControl_ = nullptr;
    Hide();
    loaded_ = false;
    notifyForm(FormProperty::Loaded);
}

void Form::moveFocusTo(Control* control) {
    if (control == activeControl_)
        return;
    Control* previous = activeControl_;
    activeControl_ = control;
    if (previous != nullptr) {
        if (previous->LostFocus)
            previous->LostFocus();
        childChanged(*previous, ControlProperty::Focus);
    }
    // A LostFocus handler may have moved the focus elsewhere (back to itself, typically).
    if (control != nullptr && activeControl_ == control) {
        if (control->GotFocus)
            control->GotFocus();
        childChanged(*control, ControlProperty::Focus);
    }
}

void Form::childChanged(Control& control, ControlProperty property) {
    if (observer_ != nullptr)
        observer_->controlChanged(control, property);
}

void Form::notifyForm(FormProperty property) {
    if (observer_ != nullptr)
        observer_->formChanged(property);
}

}  // namespace norvel::common::forms
