// The dialog follows the model: widget states, the window's size, the tab order and the focus.
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "common/forms/container.h"
#include "host/qt/forms/control_sync.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/twips.h"

namespace norvel::host::qt {

using common::forms::Container;

namespace {

// The form's size counts the old platform's title bar and borders; the dialog's client area
// is about this much smaller.
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 30;
// Room kept right of and below the outermost controls, so that none is ever cut.
constexpr int kControlMargin = 8;

// Counts nested syncs; focus events meanwhile are the dialog's own doing.
class SyncScope {
  public:
    explicit SyncScope(int& depth) : depth_(depth) { ++depth_; }
    ~SyncScope() { --depth_; }
    SyncScope(const SyncScope&) = delete;
    SyncScope& operator=(const SyncScope&) = delete;

  private:
    int& depth_;
};

}  // namespace

bool FormDialog::isBusy(const Control& control) const {
    return std::find(busyControls_.begin(), busyControls_.end(), &control) != busyControls_.end();
}

void FormDialog::syncControl(Control& control) {
    QWidget* widget = widgetFor(control);
    if (widget == nullptr)
        return;
    SyncScope scope(syncing_);
    QSignalBlocker blocker(widget);
    syncControlWidget(control, *widget);
}

void FormDialog::syncAllControls() {
    for (Control* control : controls_)
        if (!isBusy(*control))
            syncControl(*control);
    updateWindowSize();
    updateTabOrder();
}

void FormDialog::updateWindowSize() {
    int width = twipsToPixels(form_.width()) - kFrameWidth;
    int height = twipsToPixels(form_.height()) - kFrameHeight;
    for (Control* control : form_.controls()) {
        if (!control->visible() || control->visualParent() != nullptr)
            continue;
        QRect rect = pixelRect(control->geometry());
        width = std::max(width, rect.x() + rect.width() + kControlMargin);
        height = std::max(height, rect.y() + rect.height() + kControlMargin);
    }
    QSize size(std::max(width, 1), std::max(height, 1));
    if (minimumSize() != size || maximumSize() != size)
        setFixedSize(size);
}

void FormDialog::appendTabChain(Container& container, std::vector<QWidget*>& chain) const {
    std::vector<Control*> controls = container.controls();
    std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    for (Control* control : controls) {
        if (Container* inner = control->asContainer()) {
            appendTabChain(*inner, chain);
        } else if (QWidget* widget = widgetFor(*control);
                   widget != nullptr && takesFocus(control->kind())) {
            chain.push_back(widget);
        }
    }
}

void FormDialog::updateTabOrder() {
    std::vector<QWidget*> chain;
    appendTabChain(form_, chain);
    if (chain == tabChain_)
        return;
    tabChain_ = chain;
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

void FormDialog::scheduleFocusSync() {
    if (focusSyncScheduled_)
        return;
    focusSyncScheduled_ = true;
    // After the event being handled: Qt may still be moving the focus itself.
    QTimer::singleShot(0, this, [this] {
        focusSyncScheduled_ = false;
        syncFocus();
    });
}

void FormDialog::syncFocus() {
    Control* active = form_.activeControl();
    if (active == nullptr || !takesFocus(active->kind()))
        return;
    QWidget* widget = widgetFor(*active);
    if (widget == nullptr || !widget->isEnabled() || !widget->isVisibleTo(this))
        return;
    // This window's focus widget, which takes the focus again when the window is activated.
    QWidget* focused = focusWidget();
    if (focused != nullptr &&
        (focused == widget || widget->isAncestorOf(focused) || focused == widget->focusProxy()))
        return;
    SyncScope scope(syncing_);
    widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace norvel::host::qt
