// Lists of text items: the list box and the combo box (an edit field over a list).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/forms/control.h"

namespace norvel::common::forms {

// The item list both controls share. Indexes are 0-based; -1 means no item selected.
class ItemList {
  public:
    int listCount() const { return static_cast<int>(items_.size()); }
    // The item at `index`; throws Error 381 style (invalid index) when out of range.
    const std::string& list(int index) const;
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }

  protected:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ListBox : public Control, public ItemList {
  public:
    ListBox() : Control(ControlKind::ListBox) {}

    // Inserts at `index` (-1: at the end). A selection after it moves with its item.
    void addItem(std::string text, int index = -1);
    void removeItem(int index);
    void clear();
    // Selecting an item (not -1) runs Click, as it did on the old platform.
    void setListIndex(int index);
    // The selected item's text, or empty.
    std::string text() const;

    std::function<void()> Click;
    bool userChoose(int index);

  private:
    void notifyItems();
};

class ComboBox : public Control, public ItemList {
  public:
    enum class Style { DropDownCombo = 0, SimpleCombo = 1, DropDownList = 2 };

    ComboBox() : Control(ControlKind::ComboBox) {}

    Style style() const { return style_; }
    void setStyle(Style style) { style_ = style; }

    void addItem(std::string text, int index = -1);
    void removeItem(int index);
    void clear();
    // Selecting an item shows its text in the edit field and runs Click.
    void setListIndex(int index);

    // The edit field; in a drop-down list it is always the selected item's text.
    const std::string& text() const { return text_; }
    // Runs Change when it changes. A drop-down list selects the item with that text instead
    // (and ignores text that is no item).
    void setText(std::string text);

    std::function<void()> Click;
    std::function<void()> Change;

    bool userChoose(int index);
    // A person types into the edit field (not possible in a drop-down list).
    bool userSetText(const std::string& text);
    bool userType(char c);

  private:
    Style style_ = Style::DropDownCombo;
    std::string text_;
};

}  // namespace norvel::common::forms
