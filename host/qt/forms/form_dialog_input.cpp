// What a person does to the widgets reaches the model only through its user operations, as the
// headless frontend plays them from a script.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTreeWidget>

#include "common/forms/list_controls.h"
#include "common/forms/scroll_bar.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/tree_view.h"
#include "common/forms/web_browser.h"
#include "host/qt/forms/control_sync.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

using namespace common::forms;

namespace {

bool isItemView(ControlKind kind) {
    return kind == ControlKind::ListBox || kind == ControlKind::TreeView;
}

// Focus moved by window activation or a popup is no person moving between controls.
bool isWindowFocusChange(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

QString selectedNodeKey(const QTreeWidget& tree) {
    QList<QTreeWidgetItem*> selected = tree.selectedItems();
    return selected.isEmpty() ? QString() : nodeKeyOf(*selected.first());
}

int selectedRow(const QListWidget& list) {
    QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.first());
}

}  // namespace

void FormDialog::watch(QObject& object, Control& control) {
    watched_[&object] = &control;
    object.installEventFilter(this);
}

void FormDialog::connectInput(Control& control, QWidget& widget) {
    watch(widget, control);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget))
        watch(*area->viewport(), control);

    switch (control.kind()) {
        case ControlKind::CommandButton:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
            connect(static_cast<QAbstractButton*>(&widget), &QAbstractButton::clicked, this,
                    [this, &control] {
                        runUserOperation(&control, [&control] {
                            if (control.kind() == ControlKind::CommandButton)
                                static_cast<CommandButton&>(control).userClick();
                            else if (control.kind() == ControlKind::CheckBox)
                                static_cast<CheckBox&>(control).userClick();
                            else
                                static_cast<OptionButton&>(control).userClick();
                        });
                    });
            return;
        case ControlKind::TextBox: {
            auto& box = static_cast<TextBox&>(control);
            if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget)) {
                connect(edit, &QPlainTextEdit::textChanged, this, [this, &box, edit] {
                    runUserOperation(&box, [&box, edit] {
                        box.userSetText(fromDisplayLines(edit->toPlainText()));
                    });
                });
            } else {
                connect(static_cast<QLineEdit*>(&widget), &QLineEdit::textEdited, this,
                        [this, &box](const QString& text) {
                            runUserOperation(&box,
                                             [&box, &text] { box.userSetText(toStdString(text)); });
                        });
            }
            return;
        }
        case ControlKind::ComboBox: {
            auto& combo = static_cast<ComboBox&>(control);
            auto* comboWidget = static_cast<QComboBox*>(&widget);
            connect(comboWidget, &QComboBox::activated, this, [this, &combo](int index) {
                runUserOperation(&combo, [&combo, index] { combo.userChoose(index); });
            });
            if (QLineEdit* edit = comboWidget->lineEdit()) {
                watch(*edit, control);
                connect(edit, &QLineEdit::textEdited, this, [this, &combo](const QString& text) {
                    runUserOperation(&combo,
                                     [&combo, &text] { combo.userSetText(toStdString(text)); });
                });
            }
            return;
        }
        case ControlKind::ListBox:
            connect(static_cast<QListWidget*>(&widget), &QListWidget::itemSelectionChanged, this,
                    [this, &control] { chooseSelectedItem(control); });
            connectItemView(control, static_cast<QAbstractItemView&>(widget));
            return;
        case ControlKind::TreeView:
            connect(static_cast<QTreeWidget*>(&widget), &QTreeWidget::itemSelectionChanged, this,
                    [this, &control] { chooseSelectedItem(control); });
            connectItemView(control, static_cast<QAbstractItemView&>(widget));
            return;
        case ControlKind::ScrollBar: {
            auto& bar = static_cast<ScrollBar&>(control);
            connect(static_cast<QScrollBar*>(&widget), &QScrollBar::valueChanged, this,
                    [this, &bar](int value) {
                        runUserOperation(&bar, [&bar, value] {
                            bar.userScroll(scrollBarModelValue(bar, value));
                        });
                    });
            return;
        }
        case ControlKind::WebBrowser: {
            auto& browser = static_cast<WebBrowser&>(control);
            auto* browserWidget = static_cast<LocationBrowser*>(&widget);
            // Following a link is a navigation of the model's browser, so the address it keeps
            // is the page shown.
            connect(browserWidget, &QTextBrowser::anchorClicked, this,
                    [this, &browser, browserWidget](const QUrl& link) {
                        QUrl target = browserWidget->source().resolved(link);
                        runUserOperation(&browser, [&browser, &target] {
                            browser.navigate(toStdString(target.toString()));
                        });
                    });
            return;
        }
        default:
            return;
    }
}

void FormDialog::connectItemView(Control& control, QAbstractItemView& view) {
    connect(&view, &QAbstractItemView::clicked, this,
            [this, &control](const QModelIndex& index) { chooseClickedItem(control, index); });
}

// A new selection chooses the item (mouse or keyboard alike). Qt clearing the selection is no
// choice: the model's selection is shown again.
void FormDialog::chooseSelectedItem(Control& control) {
    QWidget* widget = widgetFor(control);
    runUserOperation(&control, [&control, widget] {
        if (control.kind() == ControlKind::ListBox) {
            auto& list = static_cast<ListBox&>(control);
            int row = selectedRow(*static_cast<QListWidget*>(widget));
            if (row >= 0 && row != list.listIndex())
                list.userChoose(row);
            return;
        }
        auto& tree = static_cast<TreeView&>(control);
        std::string key = toStdString(selectedNodeKey(*static_cast<QTreeWidget*>(widget)));
        if (!key.empty() && key != tree.selectedKey())
            tree.userClickNode(key);
    });
}

// A click on the item already selected changes no selection, but it is still a click.
void FormDialog::chooseClickedItem(Control& control, const QModelIndex& index) {
    bool onSelectedItem = pressedSelectedItem_.isValid() && pressedSelectedItem_ == index;
    pressedSelectedItem_ = QPersistentModelIndex();
    if (!onSelectedItem)
        return;
    runUserOperation(&control, [&control, index] {
        if (control.kind() == ControlKind::ListBox) {
            static_cast<ListBox&>(control).userChoose(index.row());
            return;
        }
        auto& tree = static_cast<TreeView&>(control);
        tree.userClickNode(toStdString(index.data(Qt::UserRole).toString()));
    });
}

Control* FormDialog::controlOfWidget(const QWidget* widget) const {
    for (const QWidget* w = widget; w != nullptr && w != this; w = w->parentWidget()) {
        auto found = watched_.find(w);
        if (found != watched_.end())
            return found->second;
    }
    return nullptr;
}

bool FormDialog::handleFocusIn(Control& control, Qt::FocusReason reason) {
    if (syncing_ > 0)
        return false;
    if (isWindowFocusChange(reason)) {
        scheduleFocusSync();
        return false;
    }
    if (!control.hasFocus())
        runUserOperation(&control, [&control] { control.setFocus(); });
    return false;
}

bool FormDialog::handleFocusOut(Control& control, Qt::FocusReason reason) {
    if (syncing_ > 0 || isWindowFocusChange(reason))
        return false;
    // Moving to another control: its focus-in moves the model's focus, LostFocus first.
    if (controlOfWidget(QApplication::focusWidget()) != nullptr)
        return false;
    if (control.hasFocus())
        runUserOperation(&control, [&control] { control.userLeave(); });
    return false;
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
    auto found = watched_.find(watched);
    if (found == watched_.end())
        return QDialog::eventFilter(watched, event);
    Control& control = *found->second;
    switch (event->type()) {
        case QEvent::FocusIn:
            return handleFocusIn(control, static_cast<QFocusEvent*>(event)->reason());
        case QEvent::FocusOut:
            return handleFocusOut(control, static_cast<QFocusEvent*>(event)->reason());
        case QEvent::MouseButtonPress:
            // A control Qt focused on its own (the first one, when the window opened) gets the
            // model's focus when a person clicks it; any other takes it on its focus-in.
            if (takesFocus(control.kind()) && !control.hasFocus() &&
                controlOfWidget(QApplication::focusWidget()) == &control)
                runUserOperation(&control, [&control] { control.setFocus(); });
            if (isItemView(control.kind()) && watched->parent() != nullptr) {
                auto* view = qobject_cast<QAbstractItemView*>(watched->parent());
                auto* mouse = static_cast<QMouseEvent*>(event);
                QModelIndex index =
                    view != nullptr ? view->indexAt(mouse->position().toPoint()) : QModelIndex();
                pressedSelectedItem_ = index.isValid() && view->selectionModel()->isSelected(index)
                                           ? QPersistentModelIndex(index)
                                           : QPersistentModelIndex();
            }
            return false;
        case QEvent::MouseButtonDblClick:
            runUserOperation(&control, [&control] { control.userDoubleClick(); });
            // Controls that take no input keep the double click, so it does not also reach the
            // user control or frame they are drawn in.
            return !takesFocus(control.kind());
        default:
            return false;
    }
}

}  // namespace norvel::host::qt
