#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/simple_combo_box.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "common/forms/list_controls.h"
#include "common/forms/text_box.h"
#include "host/qt/forms/control_path.h"
#include "host/qt/forms/qt_text.h"
#include "host/qt/forms/wrapped_caption.h"

namespace norvel::host::qt {

using namespace common::forms;

namespace {

// Draws a check box or option button as Qt would, its caption wrapped to the room beside the
// mark.
void paintWithWrappedCaption(QAbstractButton& button, QStyleOptionButton& option,
                             QStyle::SubElement captionArea, QStyle::ControlElement element) {
    QRect area = button.style()->subElementRect(captionArea, &option, &button);
    option.text = wrappedCaption(option.text, button.font(), area.width(), area.height());
    QStylePainter(&button).drawControl(element, option);
}

QWidget* createTextBox(const TextBox& box, QWidget* parent) {
    if (box.multiLine()) {
        auto* edit = new QPlainTextEdit(parent);
        edit->setTabChangesFocus(true);
        return edit;
    }
    return new QLineEdit(parent);
}

QWidget* createComboBox(const ComboBox& combo, QWidget* parent) {
    auto* widget = combo.style() == ComboBox::Style::SimpleCombo ? new SimpleComboBox(parent)
                                                                 : new QComboBox(parent);
    if (combo.style() != ComboBox::Style::DropDownList) {
        widget->setEditable(true);
        // The model keeps the list; typed text is no new item, and completing would type for
        // the person.
        widget->setInsertPolicy(QComboBox::NoInsert);
        widget->setCompleter(nullptr);
    }
    return widget;
}

QWidget* createTreeView(QWidget* parent) {
    auto* tree = new NodeTreeWidget(parent);
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

QWidget* createPictureLabel(QWidget* parent) {
    auto* label = new PictureLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget* createWidget(Control& control, QWidget* parent) {
    switch (control.kind()) {
        case ControlKind::Label: {
            auto* label = new QLabel(parent);
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::TextBox:
            return createTextBox(static_cast<const TextBox&>(control), parent);
        case ControlKind::CommandButton:
            return new QPushButton(parent);
        case ControlKind::CheckBox:
            return new WholeAreaCheckBox(parent);
        case ControlKind::OptionButton: {
            auto* option = new WholeAreaRadioButton(parent);
            option->setAutoExclusive(false);  // the model groups option buttons
            return option;
        }
        case ControlKind::Frame:
            return new QGroupBox(parent);
        case ControlKind::ComboBox:
            return createComboBox(static_cast<const ComboBox&>(control), parent);
        case ControlKind::ListBox: {
            auto* list = new QListWidget(parent);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            return list;
        }
        case ControlKind::TreeView:
            return createTreeView(parent);
        case ControlKind::ImageList:
            return nullptr;
        case ControlKind::ScrollBar: {
            auto* bar = new QScrollBar(Qt::Vertical, parent);
            bar->setFocusPolicy(Qt::StrongFocus);
            bar->setSingleStep(1);
            bar->setPageStep(1);
            return bar;
        }
        case ControlKind::PictureBox:
        case ControlKind::Image:
            return createPictureLabel(parent);
        case ControlKind::WebBrowser: {
            auto* browser = new LocationBrowser(parent);
            // Links go through the model, which keeps the address shown.
            browser->setOpenLinks(false);
            return browser;
        }
        case ControlKind::UserControl:
            return new QWidget(parent);
    }
    return nullptr;
}

}  // namespace

void WholeAreaCheckBox::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWithWrappedCaption(*this, option, QStyle::SE_CheckBoxContents, QStyle::CE_CheckBox);
}

void WholeAreaRadioButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    paintWithWrappedCaption(*this, option, QStyle::SE_RadioButtonContents, QStyle::CE_RadioButton);
}

QWidget* createControlWidget(Control& control, QWidget* parent) {
    QWidget* widget = createWidget(control, parent);
    if (widget != nullptr)
        widget->setObjectName(toQString(controlPath(control)));
    return widget;
}

bool takesFocus(ControlKind kind) {
    switch (kind) {
        case ControlKind::TextBox:
        case ControlKind::CommandButton:
        case ControlKind::CheckBox:
        case ControlKind::OptionButton:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
        case ControlKind::TreeView:
        case ControlKind::ScrollBar:
        case ControlKind::WebBrowser:
            return true;
        default:
            return false;
    }
}

}  // namespace norvel::host::qt
