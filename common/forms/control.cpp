#include "common/forms/control.h"

#include "common/forms/container.h"
#include "common/forms/form.h"

namespace norvel::common::forms {

const char* controlKindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return "Label";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::CommandButton:
            return "CommandButton";
        case ControlKind::CheckBox:
            return "CheckBox";
        case ControlKind::OptionButton:
            return "OptionButton";
        case ControlKind::Frame:
            return "Frame";
        case ControlKind::ComboBox:
            return "ComboBox";
        case ControlKind::ListBox:
            return "ListBox";
        case ControlKind::TreeView:
            return "TreeView";
        case ControlKind::ImageList:
            return "ImageList";
        case ControlKind::ScrollBar:
            return "ScrollBar";
        case ControlKind::PictureBox:
            return "PictureBox";
        case ControlKind::Image:
            return "Image";
        case ControlKind::WebBrowser:
            return "WebBrowser";
        case ControlKind::UserControl:
            return "UserControl";
    }
    return "Control";
}

Form* Control::form() const {
    return owner_ ? owner_->containerForm() : nullptr;
}

void Control::setGeometry(Geometry geometry) {
    geometry_ = geometry;
    notify(ControlProperty::Geometry);
}
void Control::setLeft(int value) {
    geometry_.left = value;
    notify(ControlProperty::Geometry);
}
void Control::setTop(int value) {
    geometry_.top = value;
    notify(ControlProperty::Geometry);
}
void Control::setWidth(int value) {
    geometry_.width = value;
    notify(ControlProperty::Geometry);
}
void Control::setHeight(int value) {
    geometry_.height = value;
    notify(ControlProperty::Geometry);
}

void Control::setEnabled(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    notify(ControlProperty::Enabled);
}

void Control::setVisible(bool value) {
    if (visible_ == value)
        return;
    visible_ = value;
    notify(ControlProperty::Visible);
}

bool Control::usable() const {
    for (const Control* c = this; c != nullptr;) {
        if (!c->enabled_ || !c->visible_)
            return false;
        if (c->visualParent_ != nullptr) {
            c = c->visualParent_;
        } else {
            // Leaving a user control's namespace: it is itself drawn as a control of its owner.
            c = c->owner_ != nullptr ? c->owner_->asControl() : nullptr;
        }
    }
    return true;
}

void Control::setFocus() {
    if (Form* f = form())
        f->moveFocusTo(this);
}

bool Control::hasFocus() const {
    Form* f = form();
    return f != nullptr && f->activeControl() == this;
}

bool Control::userDoubleClick() {
    if (!usable())
        return false;
    setFocus();
    fire(DblClick);
    return true;
}

bool Control::userLeave() {
    if (!usable())
        return false;
    // Entering (when the focus is elsewhere) and then leaving, as a person tabbing through.
    setFocus();
    if (Form* f = form(); f != nullptr && f->activeControl() == this)
        f->moveFocusTo(nullptr);
    return true;
}

void Control::notify(ControlProperty property) {
    if (owner_ != nullptr)
        owner_->childChanged(*this, property);
}

}  // namespace norvel::common::forms
