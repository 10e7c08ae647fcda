#include "common/forms/scroll_bar.h"

#include <algorithm>

#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common::forms {

void ScrollBar::setRange(int min, int max) {
    min_ = min;
    max_ = max;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    notify(ControlProperty::Value);
}

void ScrollBar::setValue(int value) {
    if (value < std::min(min_, max_) || value > std::max(min_, max_))
        throw Error(380, libraryName(),
                    "Invalid property value: scroll position " + std::to_string(value));
    if (value == value_)
        return;
    value_ = value;
    notify(ControlProperty::Value);
    fire(Change);
}

bool ScrollBar::userScroll(int value) {
    if (!usable() || value < std::min(min_, max_) || value > std::max(min_, max_))
        return false;
    setFocus();
    setValue(value);
    return true;
}

}  // namespace norvel::common::forms
