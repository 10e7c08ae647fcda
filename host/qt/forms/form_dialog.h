// A native dialog drawn from a form of the forms model. Every control becomes a widget at its
// place (twips / 15), named by its dotted path; the dialog follows the model as its observer and
// hands what a person does to the model through its user operations, as the headless frontend
// does. The model always wins: after each action the widgets show the model's state.
#pragma once

#include <QDialog>
#include <QPersistentModelIndex>
#include <exception>
#include <functional>
#include <unordered_map>
#include <vector>

#include "common/forms/form.h"

class QAbstractItemView;

namespace norvel::host::qt {

class FormDialog : public QDialog, private common::forms::FormObserver {
    Q_OBJECT

  public:
    // Builds the widgets and observes the form until destroyed; the observer the form had
    // before is restored then.
    explicit FormDialog(common::forms::Form& form, QWidget* parent = nullptr);
    ~FormDialog() override;
    FormDialog(const FormDialog&) = delete;
    FormDialog& operator=(const FormDialog&) = delete;

    // Runs the dialog modally until the form is hidden or unloaded, or a handler throws; then
    // rethrows the first exception a handler threw, so it reaches the caller of Form::Show.
    void runModal();

    common::forms::Form& form() const { return form_; }
    // The widget drawing a control, or none (an image list draws nothing).
    QWidget* widgetFor(const common::forms::Control& control) const;

  protected:
    // The title bar's X unloads the form; a cancelling Form_Unload keeps the dialog open.
    void closeEvent(QCloseEvent* event) override;
    // Escape presses the dialog's Cancel button, or closes a dialog that has none.
    void reject() override;
    void done(int result) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using Control = common::forms::Control;

    void controlChanged(Control& control, common::forms::ControlProperty property) override;
    void formChanged(common::forms::FormProperty property) override;

    // Building (form_dialog.cpp).
    void collectControls(common::forms::Container& container);
    QWidget* ensureWidget(Control& control);

    // Input from widgets (form_dialog_input.cpp).
    void connectInput(Control& control, QWidget& widget);
    void connectItemView(Control& control, QAbstractItemView& view);
    void watch(QObject& object, Control& control);
    bool handleFocusIn(Control& control, Qt::FocusReason reason);
    bool handleFocusOut(Control& control, Qt::FocusReason reason);
    void chooseClickedItem(Control& control, const QModelIndex& index);
    void chooseSelectedItem(Control& control);
    Control* controlOfWidget(const QWidget* widget) const;

    // Runs what a person did at the Qt boundary: no exception passes, the first is kept and
    // ends the modal loop; afterwards every widget shows the model's state.
    void runUserOperation(Control* control, const std::function<void()>& operation);
    void keepCurrentException();
    void finish();

    // Model to widgets (form_dialog_sync.cpp).
    void syncControl(Control& control);
    void syncAllControls();
    void updateWindowSize();
    void updateTabOrder();
    void appendTabChain(common::forms::Container& container, std::vector<QWidget*>& chain) const;
    void scheduleFocusSync();
    void syncFocus();
    bool isBusy(const Control& control) const;

    common::forms::Form& form_;
    common::forms::FormObserver* previousObserver_;
    std::vector<Control*> controls_;
    std::unordered_map<const Control*, QWidget*> widgets_;
    std::unordered_map<const QObject*, Control*> watched_;
    // Controls whose widget is inside one of its own signals: they are brought to the model's
    // state once the action returns, not while Qt is still in the middle of it.
    std::vector<Control*> busyControls_;
    std::exception_ptr pendingException_;
    std::vector<QWidget*> tabChain_;
    QPersistentModelIndex pressedSelectedItem_;
    int syncing_ = 0;
    bool ending_ = false;
    bool focusSyncScheduled_ = false;
};

}  // namespace norvel::host::qt
