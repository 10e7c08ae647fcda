// Shared steps of the Qt form tests: pictures and pages on disk, and dialogs shown without a
// modal loop so a test can act on them directly.
#pragma once

#include <QColor>
#include <QFile>
#include <QImage>
#include <QString>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "host/qt/forms/form_dialog.h"

namespace norvel::tests {

// A square picture of one colour.
inline bool writePicture(const std::filesystem::path& path, const QColor& color, int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(color);
    return image.save(QString::fromStdString(path.string()), "PNG");
}

inline bool writeTextFile(const std::filesystem::path& path, const std::string& text) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
}

// Shows the form (not modally) in a dialog and waits until the dialog is the active window, so
// a test can act on the widgets without a modal loop. Null when the window never became active.
inline std::unique_ptr<host::qt::FormDialog> showWithoutModalLoop(common::forms::Form& form) {
    form.Show(false);
    auto dialog = std::make_unique<host::qt::FormDialog>(form);
    dialog->show();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

}  // namespace norvel::tests
