#include "host/qt/forms/form_dialog.h"

#include "common/ascii_text.h"

#include <QCloseEvent>
#include <QFont>
#include <utility>

#include "common/forms/container.h"
#include "common/forms/simple_controls.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/qt_text.h"
#include "host/qt/forms/twips.h"

namespace norvel::host::qt {

using common::forms::Container;
using common::forms::ControlProperty;
using common::forms::FormProperty;

namespace {
constexpr int kDialogFontPixels = 11;
}  // namespace

FormDialog::FormDialog(common::forms::Form& form, QWidget* parent)
    : QDialog(parent), form_(form), previousObserver_(form.observer()) {
    setObjectName(toQString(form_.name()));
    setWindowTitle(toQString(form_.caption()));
    // The places in the model were laid out for the old platform's 8-point dialog font, 11
    // pixels high; a larger desktop font would clip captions.
    // A face with the old sans serif's narrow widths, where the machine has one.
    QFont dialogFont = font();
    dialogFont.setFamilies({"Liberation Sans", "Arial", dialogFont.family()});
    dialogFont.setPixelSize(kDialogFontPixels);
    setFont(dialogFont);
    collectControls(form_);
    for (Control* control : controls_)
        ensureWidget(*control);
    for (Control* control : controls_)
        if (QWidget* widget = widgetFor(*control))
            connectInput(*control, *widget);
    syncAllControls();
    if (form_.left != 0 || form_.top != 0)
        move(twipsToPixels(form_.left), twipsToPixels(form_.top));
    form_.setObserver(this);
}

FormDialog::~FormDialog() {
    form_.setObserver(previousObserver_);
    // The widgets go now, while this dialog is whole: what they signal on the way out is no
    // person's action.
    ending_ = true;
    ++syncing_;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        delete child;
}

QWidget* FormDialog::widgetFor(const Control& control) const {
    auto found = widgets_.find(&control);
    return found != widgets_.end() ? found->second : nullptr;
}

void FormDialog::collectControls(Container& container) {
    for (Control* control : container.controls()) {
        controls_.push_back(control);
        if (Container* inner = control->asContainer())
            collectControls(*inner);
    }
}

// A control is drawn inside its frame, else inside the user control whose names it belongs
// to, else on the dialog; the widget it is drawn in is made first.
QWidget* FormDialog::ensureWidget(Control& control) {
    auto found = widgets_.find(&control);
    if (found != widgets_.end())
        return found->second;
    QWidget* parent = nullptr;
    if (Control* visualParent = control.visualParent()) {
        parent = ensureWidget(*visualParent);
    } else if (Control* userControl =
                   control.owner() != nullptr ? control.owner()->asControl() : nullptr) {
        parent = ensureWidget(*userControl);
    }
    QWidget* widget = createControlWidget(control, parent != nullptr ? parent : this);
    widgets_[&control] = widget;
    return widget;
}

void FormDialog::runModal() {
    if (!pendingException_ && form_.visible() && form_.loaded()) {
        ending_ = false;
        setWindowModality(Qt::ApplicationModal);
        exec();
    }
    if (std::exception_ptr error = std::exchange(pendingException_, nullptr))
        std::rethrow_exception(error);
}

void FormDialog::closeEvent(QCloseEvent* event) {
    if (ending_ || !form_.visible() || !form_.loaded()) {
        event->accept();
        return;
    }
    // The dialog closes when the model says so: Unload hides and unloads the form, unless
    // Form_Unload cancels.
    event->ignore();
    runUserOperation(nullptr, [this] { form_.Unload(); });
}

void FormDialog::reject() {
    // Escape does what the dialog's Cancel button does (nothing while that button cannot be
    // used); a dialog without one closes as its close box closes it.
    for (Control* control : form_.controls()) {
        if (control->kind() != common::forms::ControlKind::CommandButton)
            continue;
        auto* button = static_cast<common::forms::CommandButton*>(control);
        std::string caption = button->caption();
        std::erase(caption, '&');
        if (common::equalsIgnoreCase(common::trimBlanks(caption), "Cancel")) {
            runUserOperation(button, [button] { button->userClick(); });
            return;
        }
    }
    close();
}

void FormDialog::done(int result) {
    ending_ = true;
    QDialog::done(result);
}

void FormDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    scheduleFocusSync();
}

void FormDialog::controlChanged(Control& control, ControlProperty property) {
    if (property == ControlProperty::Focus) {
        scheduleFocusSync();
        return;
    }
    if (isBusy(control))
        return;
    syncControl(control);
    if (property == ControlProperty::Geometry || property == ControlProperty::Visible)
        updateWindowSize();
}

void FormDialog::formChanged(FormProperty property) {
    switch (property) {
        case FormProperty::Caption:
            setWindowTitle(toQString(form_.caption()));
            return;
        case FormProperty::Size:
            updateWindowSize();
            return;
        case FormProperty::Visible:
            if (!form_.visible())
                finish();
            return;
        case FormProperty::Loaded:
            if (!form_.loaded())
                finish();
            return;
    }
}

void FormDialog::runUserOperation(Control* control, const std::function<void()>& operation) {
    // After a handler threw, the dialog is on its way out: nothing more reaches the model.
    if (pendingException_ || ending_)
        return;
    if (control != nullptr)
        busyControls_.push_back(control);
    try {
        operation();
    } catch (...) {
        keepCurrentException();
    }
    if (control != nullptr)
        busyControls_.pop_back();
    // The model wins: whatever the widget did on its own, it shows the model's state now.
    syncAllControls();
    scheduleFocusSync();
}

void FormDialog::keepCurrentException() {
    if (!pendingException_)
        pendingException_ = std::current_exception();
    finish();
}

void FormDialog::finish() {
    if (!ending_)
        done(QDialog::Accepted);
}

}  // namespace norvel::host::qt
