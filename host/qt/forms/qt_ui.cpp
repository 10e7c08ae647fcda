#include "host/qt/forms/qt_ui.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/message_box.h"
#include "host/qt/forms/open_file_filter.h"
#include "host/qt/forms/platform_color.h"
#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

QtUi::~QtUi() {
    setMousePointer(common::MousePointer::Default);
}

QWidget* QtUi::dialogParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (parentWindow_ != nullptr)
        return parentWindow_;
    return QApplication::activeWindow();
}

common::MsgBoxResult QtUi::msgBox(std::string_view text, common::MsgBoxButtons buttons,
                                  common::MsgBoxIcon icon, std::string_view caption) {
    return runMessageBox(dialogParent(), text, buttons, icon, caption);
}

void QtUi::showModal(common::forms::Form& form) {
    FormDialog dialog(form, dialogParent());
    dialog.runModal();
}

std::optional<uint32_t> QtUi::chooseColor(uint32_t initialColor) {
    QColor initial =
        isSystemColor(initialColor) ? QColor(Qt::white) : colorFromPlatform(initialColor);
    QColorDialog dialog(initial, dialogParent());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return platformFromColor(dialog.selectedColor());
}

std::optional<std::string> QtUi::chooseOpenFile(const common::OpenFileRequest& request) {
    QFileDialog dialog(dialogParent(), toQString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    QStringList filters = qtNameFilters(request.filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toStdString(dialog.selectedFiles().first());
}

void QtUi::setMousePointer(common::MousePointer pointer) {
    bool wait = pointer == common::MousePointer::Hourglass;
    if (wait == waitCursorShown_)
        return;
    if (wait) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
    waitCursorShown_ = wait;
}

}  // namespace norvel::host::qt
