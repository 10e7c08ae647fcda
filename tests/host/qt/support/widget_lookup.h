// Finding and using the widgets of a rendered dialog in Qt tests, as a person would.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>

namespace norvel::tests {

// The widget of that objectName (a control's dotted path) and type inside `root`, or null.
template <typename Widget>
Widget* findWidget(const QWidget* root, const QString& name) {
    return root != nullptr ? root->findChild<Widget*>(name) : nullptr;
}

// The button of a message box or dialog with that text (access-key marks ignored), or null.
inline QAbstractButton* findButtonByText(const QWidget* root, const QString& text) {
    if (root == nullptr)
        return nullptr;
    for (QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
        QString shown = button->text();
        shown.remove(QChar('&'));
        if (shown == text && button->isVisible())
            return button;
    }
    return nullptr;
}

// A left click in the middle of the widget.
inline void clickWidget(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

}  // namespace norvel::tests
