#include "common/forms/list_controls.h"

#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common::forms {
namespace {

void insertItem(std::vector<std::string>& items, int& listIndex, std::string text, int index) {
    if (index < 0 || index > static_cast<int>(items.size())) {
        if (index != -1)
            throw Error(errnum::kInvalidCall, libraryName(),
                        "Invalid list index " + std::to_string(index));
        index = static_cast<int>(items.size());
    }
    items.insert(items.begin() + index, std::move(text));
    if (listIndex >= index)
        ++listIndex;
}

void eraseItem(std::vector<std::string>& items, int& listIndex, int index) {
    if (index < 0 || index >= static_cast<int>(items.size()))
        throw Error(errnum::kInvalidCall, libraryName(),
                    "Invalid list index " + std::to_string(index));
    items.erase(items.begin() + index);
    if (listIndex == index) {
        listIndex = -1;
    } else if (listIndex > index) {
        --listIndex;
    }
}

void checkIndex(const std::vector<std::string>& items, int index) {
    if (index < -1 || index >= static_cast<int>(items.size()))
        throw Error(errnum::kInvalidCall, libraryName(),
                    "Invalid property value: list index " + std::to_string(index));
}

}  // namespace

const std::string& ItemList::list(int index) const {
    if (index < 0 || index >= static_cast<int>(items_.size()))
        throw Error(errnum::kInvalidCall, libraryName(),
                    "Invalid list index " + std::to_string(index));
    return items_[static_cast<size_t>(index)];
}

void ListBox::addItem(std::string text, int index) {
    insertItem(items_, listIndex_, std::move(text), index);
    notifyItems();
}

void ListBox::removeItem(int index) {
    eraseItem(items_, listIndex_, index);
    notifyItems();
}

void ListBox::clear() {
    items_.clear();
    listIndex_ = -1;
    notifyItems();
}

void ListBox::setListIndex(int index) {
    checkIndex(items_, index);
    if (index == listIndex_)
        return;
    listIndex_ = index;
    notify(ControlProperty::Selection);
    if (index >= 0)
        fire(Click);
}

std::string ListBox::text() const {
    return listIndex_ >= 0 ? items_[static_cast<size_t>(listIndex_)] : std::string();
}

bool ListBox::userChoose(int index) {
    if (!usable() || index < 0 || index >= listCount())
        return false;
    setFocus();
    if (index == listIndex_) {
        fire(Click);  // a click on the selected item still clicks
    } else {
        setListIndex(index);
    }
    return true;
}

void ListBox::notifyItems() {
    notify(ControlProperty::Items);
    notify(ControlProperty::Selection);
}

void ComboBox::addItem(std::string text, int index) {
    insertItem(items_, listIndex_, std::move(text), index);
    notify(ControlProperty::Items);
}

void ComboBox::removeItem(int index) {
    eraseItem(items_, listIndex_, index);
    notify(ControlProperty::Items);
}

void ComboBox::clear() {
    items_.clear();
    listIndex_ = -1;
    if (!text_.empty()) {
        text_.clear();
        notify(ControlProperty::Text);
    }
    notify(ControlProperty::Items);
}

void ComboBox::setListIndex(int index) {
    checkIndex(items_, index);
    if (index == listIndex_)
        return;
    listIndex_ = index;
    std::string shown = index >= 0 ? items_[static_cast<size_t>(index)] : std::string();
    bool textChanged = shown != text_;
    text_ = std::move(shown);
    notify(ControlProperty::Selection);
    if (textChanged) {
        notify(ControlProperty::Text);
        if (style_ != Style::DropDownList)
            fire(Change);
    }
    if (index >= 0)
        fire(Click);
}

void ComboBox::setText(std::string text) {
    if (style_ == Style::DropDownList) {
        for (size_t i = 0; i < items_.size(); ++i)
            if (items_[i] == text)
                setListIndex(static_cast<int>(i));
        return;
    }
    if (text == text_)
        return;
    text_ = std::move(text);
    // Editing the field away from the selected item's text leaves no item selected.
    if (listIndex_ >= 0 && items_[static_cast<size_t>(listIndex_)] != text_) {
        listIndex_ = -1;
        notify(ControlProperty::Selection);
    }
    notify(ControlProperty::Text);
    fire(Change);
}

bool ComboBox::userChoose(int index) {
    if (!usable() || index < 0 || index >= listCount())
        return false;
    setFocus();
    if (index == listIndex_) {
        fire(Click);
    } else {
        setListIndex(index);
    }
    return true;
}

bool ComboBox::userSetText(const std::string& text) {
    if (!usable() || style_ == Style::DropDownList)
        return false;
    setFocus();
    setText(text);
    return true;
}

bool ComboBox::userType(char c) {
    if (!usable() || style_ == Style::DropDownList)
        return false;
    setFocus();
    setText(text_ + c);
    return true;
}

}  // namespace norvel::common::forms
