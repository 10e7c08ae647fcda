#include "host/qt/forms/control_sync.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>

#include "common/forms/list_controls.h"
#include "common/forms/scroll_bar.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/tree_view.h"
#include "common/forms/web_browser.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/platform_color.h"
#include "host/qt/forms/qt_text.h"
#include "host/qt/forms/twips.h"

namespace norvel::host::qt {

using namespace common::forms;

namespace {

// QLineEdit's own "no limit".
constexpr int kLineEditNoLimit = 32767;

void syncCommon(const Control& control, QWidget& widget) {
    QRect rect = pixelRect(control.geometry());
    if (widget.geometry() != rect)
        widget.setGeometry(rect);
    // Qt keeps a child disabled or hidden while its parent is; the model's flags are the
    // control's own, so they map one to one.
    if (widget.isEnabledTo(widget.parentWidget()) != control.enabled())
        widget.setEnabled(control.enabled());
    widget.setVisible(control.visible());
    QString tip = toQString(control.toolTipText());
    if (widget.toolTip() != tip)
        widget.setToolTip(tip);
}

void setIfDifferent(QAbstractButton& button, const QString& text) {
    if (button.text() != text)
        button.setText(text);
}

void syncButtonColor(const CommandButton& button, QPushButton& widget) {
    uint32_t color = button.backColor();
    if (isSystemColor(color)) {
        if (widget.testAttribute(Qt::WA_SetPalette))
            widget.setPalette(QPalette());
        return;
    }
    QColor wanted = colorFromPlatform(color);
    if (widget.testAttribute(Qt::WA_SetPalette) &&
        widget.palette().color(QPalette::Button) == wanted)
        return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Button, wanted);
    widget.setPalette(palette);
}

void syncCheckBox(const CheckBox& box, QCheckBox& widget) {
    Qt::CheckState state = box.value() == 1   ? Qt::Checked
                           : box.value() == 2 ? Qt::PartiallyChecked
                                              : Qt::Unchecked;
    widget.setTristate(state == Qt::PartiallyChecked);
    if (widget.checkState() != state)
        widget.setCheckState(state);
}

// Replaces the text of an editor and keeps the caret where it was, as far as the text allows.
template <typename Editor>
void replaceKeepingCaret(Editor& editor, const QString& text);

template <>
void replaceKeepingCaret(QLineEdit& edit, const QString& text) {
    int caret = std::min(edit.cursorPosition(), static_cast<int>(text.size()));
    edit.setText(text);
    edit.setCursorPosition(caret);
}

template <>
void replaceKeepingCaret(QPlainTextEdit& edit, const QString& text) {
    QTextCursor cursor = edit.textCursor();
    int caret = std::min(cursor.position(), static_cast<int>(text.size()));
    edit.setPlainText(text);
    cursor = edit.textCursor();
    cursor.setPosition(caret);
    edit.setTextCursor(cursor);
}

void syncTextBox(const TextBox& box, QWidget& widget) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget)) {
        if (edit->isReadOnly() != box.locked())
            edit->setReadOnly(box.locked());
        QString text = toDisplayLines(box.text());
        if (edit->toPlainText() != text)
            replaceKeepingCaret(*edit, text);
        return;
    }
    auto& edit = static_cast<QLineEdit&>(widget);
    if (edit.isReadOnly() != box.locked())
        edit.setReadOnly(box.locked());
    QLineEdit::EchoMode echo = box.passwordChar() ? QLineEdit::Password : QLineEdit::Normal;
    if (edit.echoMode() != echo)
        edit.setEchoMode(echo);
    QString text = toQString(box.text());
    // Code may set text longer than the limit; Qt would cut it, so the limit never goes below
    // the text the model holds. The model cuts what a person types.
    int limit = box.maxLength() > 0 ? std::max(box.maxLength(), static_cast<int>(text.size()))
                                    : kLineEditNoLimit;
    if (edit.maxLength() != limit)
        edit.setMaxLength(limit);
    if (edit.text() != text)
        replaceKeepingCaret(edit, text);
}

void syncScrollBar(const ScrollBar& bar, QScrollBar& widget) {
    int low = scrollBarQtValue(bar, bar.min());
    int high = scrollBarQtValue(bar, bar.max());
    if (widget.minimum() != std::min(low, high) || widget.maximum() != std::max(low, high))
        widget.setRange(std::min(low, high), std::max(low, high));
    int value = scrollBarQtValue(bar, bar.value());
    if (widget.value() != value)
        widget.setValue(value);
}

void syncKind(const Control& control, QWidget& widget) {
    switch (control.kind()) {
        case ControlKind::Label: {
            auto& label = static_cast<QLabel&>(widget);
            QString text =
                withoutAccessKeyMarks(toQString(static_cast<const Label&>(control).caption()));
            if (label.text() != text)
                label.setText(text);
            return;
        }
        case ControlKind::TextBox:
            return syncTextBox(static_cast<const TextBox&>(control), widget);
        case ControlKind::CommandButton: {
            const auto& button = static_cast<const CommandButton&>(control);
            setIfDifferent(static_cast<QPushButton&>(widget), toQString(button.caption()));
            return syncButtonColor(button, static_cast<QPushButton&>(widget));
        }
        case ControlKind::CheckBox: {
            const auto& box = static_cast<const CheckBox&>(control);
            setIfDifferent(static_cast<QCheckBox&>(widget), toQString(box.caption()));
            return syncCheckBox(box, static_cast<QCheckBox&>(widget));
        }
        case ControlKind::OptionButton: {
            const auto& option = static_cast<const OptionButton&>(control);
            auto& radio = static_cast<QRadioButton&>(widget);
            setIfDifferent(radio, toQString(option.caption()));
            if (radio.isChecked() != option.value())
                radio.setChecked(option.value());
            return;
        }
        case ControlKind::Frame: {
            auto& box = static_cast<QGroupBox&>(widget);
            QString title = toQString(static_cast<const Frame&>(control).caption());
            if (box.title() != title)
                box.setTitle(title);
            return;
        }
        case ControlKind::ComboBox:
            return syncComboBox(static_cast<const ComboBox&>(control),
                                static_cast<QComboBox&>(widget));
        case ControlKind::ListBox:
            return syncListBox(static_cast<const ListBox&>(control),
                               static_cast<QListWidget&>(widget));
        case ControlKind::TreeView:
            return syncTreeView(static_cast<const TreeView&>(control),
                                static_cast<NodeTreeWidget&>(widget));
        case ControlKind::ScrollBar:
            return syncScrollBar(static_cast<const ScrollBar&>(control),
                                 static_cast<QScrollBar&>(widget));
        case ControlKind::PictureBox:
            return syncPicture(static_cast<const PictureBox&>(control).picture(),
                               static_cast<PictureLabel&>(widget));
        case ControlKind::Image:
            return syncPicture(static_cast<const Image&>(control).picture(),
                               static_cast<PictureLabel&>(widget));
        case ControlKind::WebBrowser:
            return syncWebBrowser(static_cast<const WebBrowser&>(control),
                                  static_cast<LocationBrowser&>(widget));
        case ControlKind::ImageList:
        case ControlKind::UserControl:
            return;
    }
}

}  // namespace

void syncControlWidget(const Control& control, QWidget& widget) {
    syncCommon(control, widget);
    syncKind(control, widget);
}

int scrollBarQtValue(const ScrollBar& bar, int modelValue) {
    return bar.min() > bar.max() ? -modelValue : modelValue;
}

int scrollBarModelValue(const ScrollBar& bar, int qtValue) {
    return bar.min() > bar.max() ? -qtValue : qtValue;
}

}  // namespace norvel::host::qt
