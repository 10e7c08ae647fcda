// The user-interface services in a window: real message boxes, forms as native dialogs, Qt's
// own colour and open-file dialogs (not the desktop's, so they behave the same everywhere),
// and the wait cursor.
#pragma once

#include <QPointer>
#include <QWidget>

#include "common/ui.h"

namespace norvel::host::qt {

class QtUi : public common::Ui {
  public:
    QtUi() = default;
    ~QtUi() override;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    // The window dialogs are shown over when no dialog is open (the studio's main window).
    void setParentWindow(QWidget* window) { parentWindow_ = window; }
    QWidget* parentWindow() const { return parentWindow_; }

    // An empty caption shows "Norvel". Escape or closing the box answers Cancel where there is
    // a Cancel button, else No, else OK.
    common::MsgBoxResult msgBox(std::string_view text, common::MsgBoxButtons buttons,
                                common::MsgBoxIcon icon, std::string_view caption) override;
    // Runs the form in a FormDialog; an exception thrown by a handler comes out of here.
    void showModal(common::forms::Form& form) override;
    std::optional<uint32_t> chooseColor(uint32_t initialColor) override;
    std::optional<std::string> chooseOpenFile(const common::OpenFileRequest& request) override;
    // The hourglass is one application-wide override cursor, never stacked.
    void setMousePointer(common::MousePointer pointer) override;

  private:
    // The topmost modal dialog, else the parent window, else the active window.
    QWidget* dialogParent() const;

    QPointer<QWidget> parentWindow_;
    bool waitCursorShown_ = false;
};

}  // namespace norvel::host::qt
