// Lists of text items: the list box and the combo box follow the model's items, selection and
// edit field.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "common/forms/list_controls.h"
#include "host/qt/forms/control_sync.h"
#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

using namespace common::forms;

namespace {

QStringList itemTexts(const ItemList& list) {
    QStringList texts;
    texts.reserve(list.listCount());
    for (const std::string& item : list.items())
        texts.append(toQString(item));
    return texts;
}

bool listShows(const QListWidget& widget, const QStringList& texts) {
    if (widget.count() != texts.size())
        return false;
    for (int i = 0; i < widget.count(); ++i)
        if (widget.item(i)->text() != texts[i])
            return false;
    return true;
}

bool comboShows(const QComboBox& widget, const QStringList& texts) {
    if (widget.count() != texts.size())
        return false;
    for (int i = 0; i < widget.count(); ++i)
        if (widget.itemText(i) != texts[i])
            return false;
    return true;
}

int selectedRow(const QListWidget& widget) {
    QList<QListWidgetItem*> selected = widget.selectedItems();
    return selected.isEmpty() ? -1 : widget.row(selected.first());
}

}  // namespace

void syncListBox(const ListBox& list, QListWidget& widget) {
    QStringList texts = itemTexts(list);
    if (!listShows(widget, texts)) {
        widget.clear();
        widget.addItems(texts);
    }
    int index = list.listIndex();
    if (selectedRow(widget) == index && widget.currentRow() == index)
        return;
    if (index < 0) {
        widget.clearSelection();
        widget.setCurrentRow(-1);
        return;
    }
    widget.setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    widget.scrollToItem(widget.item(index));
}

void syncComboBox(const ComboBox& combo, QComboBox& widget) {
    QStringList texts = itemTexts(combo);
    if (!comboShows(widget, texts)) {
        widget.clear();
        widget.addItems(texts);
    }
    QLineEdit* edit = widget.lineEdit();
    int caret = edit != nullptr ? edit->cursorPosition() : 0;
    if (widget.currentIndex() != combo.listIndex())
        widget.setCurrentIndex(combo.listIndex());
    // The edit field may hold text that is no item; a drop-down list shows only its item.
    if (edit != nullptr) {
        QString text = toQString(combo.text());
        if (edit->text() != text)
            edit->setText(text);
        // Selecting an item may have moved the caret of a person still typing.
        edit->setCursorPosition(std::min(caret, static_cast<int>(text.size())));
    }
}

}  // namespace norvel::host::qt
