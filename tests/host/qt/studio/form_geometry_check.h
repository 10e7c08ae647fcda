// Checks a rendered dialog against its model: each control's widget at the control's place
// (twips / 15), inside the widget of the frame or user control it is drawn in, showing its
// visible and enabled state; the caption of each check box and option button readable whole
// in the room beside its mark.
#pragma once

#include <QCheckBox>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "common/forms/container.h"
#include "common/forms/form.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/twips.h"
#include "host/qt/forms/wrapped_caption.h"

namespace norvel::tests {

// True when the caption of a check box or option button, wrapped as it is drawn, fits beside
// its mark; true for any other widget.
inline bool captionFits(QWidget& widget) {
    auto* button = qobject_cast<QAbstractButton*>(&widget);
    QStyle::SubElement area;
    if (qobject_cast<QCheckBox*>(&widget))
        area = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(&widget))
        area = QStyle::SE_RadioButtonContents;
    else
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    QRect room = widget.style()->subElementRect(area, &option, &widget);
    QString shown =
        host::qt::wrappedCaption(button->text(), widget.font(), room.width(), room.height());
    QFontMetrics metrics(widget.font());
    const QStringList lines = shown.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        if (metrics.horizontalAdvance(QString(line).remove(QLatin1Char('&'))) > room.width())
            return false;
    return lines.size() * metrics.lineSpacing() <= room.height() + metrics.leading() + 2;
}

// Checks the controls of a container and of the visible user controls inside it; returns how many
// widgets were checked.
inline int checkControls(const host::qt::FormDialog& dialog, common::forms::Container& container) {
    int checked = 0;
    for (common::forms::Control* control : container.controls()) {
        QWidget* widget = dialog.widgetFor(*control);
        if (control->kind() == common::forms::ControlKind::ImageList) {
            if (widget != nullptr)
                qWarning("an image list has a widget");
            continue;
        }
        QString name = QString::fromStdString(control->name());
        if (widget == nullptr) {
            QTest::qFail(qPrintable("no widget for " + name), __FILE__, __LINE__);
            return checked;
        }
        if (widget->geometry() != host::qt::pixelRect(control->geometry())) {
            QTest::qFail(qPrintable(name + " is not at its place"), __FILE__, __LINE__);
            return checked;
        }
        QWidget* expectedParent = &const_cast<host::qt::FormDialog&>(dialog);
        if (control->visualParent())
            expectedParent = dialog.widgetFor(*control->visualParent());
        else if (container.asControl())
            expectedParent = dialog.widgetFor(*container.asControl());
        if (widget->parentWidget() != expectedParent) {
            QTest::qFail(qPrintable(name + " is not inside its frame or user control"), __FILE__,
                         __LINE__);
            return checked;
        }
        if (widget->isVisibleTo(expectedParent) != control->visible() ||
            (widget->isEnabled() != control->usable() && control->visible())) {
            QTest::qFail(qPrintable(name + " does not show its state"), __FILE__, __LINE__);
            return checked;
        }
        if (!captionFits(*widget)) {
            QTest::qFail(qPrintable(name + " cuts its caption"), __FILE__, __LINE__);
            return checked;
        }
        ++checked;
        // A hidden user control (a pane the dialog does not show now) is checked when shown.
        if (common::forms::Container* inner = control->asContainer(); inner && control->visible())
            checked += checkControls(dialog, *inner);
    }
    return checked;
}

}  // namespace norvel::tests
