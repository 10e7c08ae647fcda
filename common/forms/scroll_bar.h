#pragma once

#include <functional>

#include "common/forms/control.h"

namespace norvel::common::forms {

// A vertical scroll bar; `min` may be greater than `max` (the spinner runs from -9 at the top
// to 0 at the bottom).
class ScrollBar : public Control {
  public:
    ScrollBar() : Control(ControlKind::ScrollBar) {}

    int min() const { return min_; }
    int max() const { return max_; }
    void setRange(int min, int max);
    int value() const { return value_; }
    // Runs Change when the position really changes; throws Error 380 outside the range.
    void setValue(int value);

    std::function<void()> Change;
    bool userScroll(int value);

  private:
    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
};

}  // namespace norvel::common::forms
