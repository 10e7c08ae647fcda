#pragma once

#include <functional>
#include <string>

#include "common/forms/control.h"

namespace norvel::common::forms {

class TextBox : public Control {
  public:
    TextBox() : Control(ControlKind::TextBox) {}

    const std::string& text() const { return text_; }
    // Runs Change when the text really changes (setting the same text is no change).
    void setText(std::string text);

    // 0: no limit. A person cannot type beyond it; code may set longer text.
    int maxLength() const { return maxLength_; }
    void setMaxLength(int value) { maxLength_ = value; }
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool value) { multiLine_ = value; }
    bool locked() const { return locked_; }
    void setLocked(bool value) { locked_ = value; }
    bool passwordChar() const { return password_; }
    void setPasswordChar(bool value) { password_ = value; }

    std::function<void()> Change;

    // A person replaces the whole text (one Change); false when unusable or locked.
    bool userSetText(const std::string& text);
    // A person types one character at the end (one Change), within the length limit.
    bool userType(char c);

  private:
    std::string text_;
    int maxLength_ = 0;
    bool multiLine_ = false;
    bool locked_ = false;
    bool password_ = false;
};

}  // namespace norvel::common::forms
