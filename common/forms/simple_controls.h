// The small controls: captions, buttons, boxes to tick, frames and pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "common/forms/control.h"

namespace norvel::common::forms {

// A control with a caption.
class CaptionedControl : public Control {
  public:
    using Control::Control;
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

  private:
    std::string caption_;
};

class Label : public CaptionedControl {
  public:
    Label() : CaptionedControl(ControlKind::Label) {}
};

class Frame : public CaptionedControl {
  public:
    Frame() : CaptionedControl(ControlKind::Frame) {}
};

class CommandButton : public CaptionedControl {
  public:
    CommandButton() : CaptionedControl(ControlKind::CommandButton) {}

    // A platform colour number (blue in bits 16-23, red in bits 0-7), or a system colour
    // such as 0x8000000F (button face).
    uint32_t backColor() const { return backColor_; }
    void setBackColor(uint32_t color);

    std::function<void()> Click;
    // A person presses the button: it takes the focus, then its Click runs.
    bool userClick();

  private:
    uint32_t backColor_ = 0x8000000F;
};

// 0 unchecked, 1 checked, 2 greyed.
class CheckBox : public CaptionedControl {
  public:
    CheckBox() : CaptionedControl(ControlKind::CheckBox) {}
    int value() const { return value_; }
    // Changing the value runs Click, as it did on the old platform.
    void setValue(int value);

    std::function<void()> Click;
    bool userClick();  // toggles between checked and unchecked
    bool userSetValue(int value);

  private:
    int value_ = 0;
};

// Option buttons drawn inside the same frame (or directly on the same form or user control)
// form one group: turning one on turns the others off.
class OptionButton : public CaptionedControl {
  public:
    OptionButton() : CaptionedControl(ControlKind::OptionButton) {}
    bool value() const { return value_; }
    // Turning a button on runs its Click and turns its group's other buttons off; a button
    // already on stays so without a Click.
    void setValue(bool value);

    std::function<void()> Click;
    bool userClick();

  private:
    void turnOffSiblings();
    bool value_ = false;
};

class PictureBox : public Control {
  public:
    PictureBox() : Control(ControlKind::PictureBox) {}
    // A picture file, or a name the renderer knows ("error-icon").
    const std::string& picture() const { return picture_; }
    void setPicture(std::string picture);

    std::function<void()> Click;

  private:
    std::string picture_;
};

class Image : public Control {
  public:
    Image() : Control(ControlKind::Image) {}
    const std::string& picture() const { return picture_; }
    void setPicture(std::string picture);

  private:
    std::string picture_;
};

}  // namespace norvel::common::forms
