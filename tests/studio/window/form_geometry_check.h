// Checks a rendered dialog against its model: each control's widget at the control's place
// (twips / 15), inside the widget of the frame or user control it is drawn in, showing its
// visible and enabled state.
#pragma once

#include <QTest>

#include "common/forms/container.h"
#include "common/forms/form.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/twips.h"

namespace norvel::tests {

// Checks the controls of a container and of the user controls inside it; returns how many
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
        ++checked;
        if (common::forms::Container* inner = control->asContainer())
            checked += checkControls(dialog, *inner);
    }
    return checked;
}

}  // namespace norvel::tests
