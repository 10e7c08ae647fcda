// What the studio keeps between runs (recent webs, the window's size and splitter) and what
// the desktop tells it: pages changed on disk by another program, folders dropped on it.
#include "host/qt/studio/studio_window.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <string>
#include <vector>

#include "common/atomic_file.h"
#include "common/error.h"
#include "common/ui.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"

namespace norvel::host::qt {

QStringList StudioWindow::recentWebs() const {
    return settings_ ? settings_->value("recentWebs").toStringList() : QStringList();
}

void StudioWindow::rememberWeb(const std::filesystem::path& folder) {
    if (!settings_)
        return;
    QString path = QString::fromStdString(folder.string());
    QStringList webs = recentWebs();
    webs.removeAll(path);
    webs.prepend(path);
    while (webs.size() > 8)
        webs.removeLast();
    settings_->setValue("recentWebs", webs);
    settings_->setValue("lastWeb", path);
    settings_->sync();
}

void StudioWindow::restoreLayout() {
    if (!settings_)
        return;
    QByteArray geometry = settings_->value("window/geometry").toByteArray();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    QByteArray split = settings_->value("window/splitter").toByteArray();
    if (!split.isEmpty())
        splitter_->restoreState(split);
}

void StudioWindow::saveLayout() {
    if (!settings_)
        return;
    settings_->setValue("window/geometry", saveGeometry());
    settings_->setValue("window/splitter", splitter_->saveState());
    settings_->sync();
}

void StudioWindow::watchOpenFiles() {
    QStringList wanted;
    for (const auto& window : app_.windows())
        if (shownInTab(*window) && window->File())
            wanted << QString::fromStdString(window->File()->LocalPath().string());
    QStringList watched = watcher_->files();
    for (const QString& file : watched)
        if (!wanted.contains(file))
            watcher_->removePath(file);
    for (const QString& file : wanted)
        // A file saved atomically is a new file: it is watched again.
        if (!watched.contains(file) && QFileInfo::exists(file))
            watcher_->addPath(file);
}

void StudioWindow::checkFilesOnDisk() {
    if (checkingFiles_)
        return;
    checkingFiles_ = true;
    for (const auto& window : std::vector(app_.windows())) {
        if (!shownInTab(*window) || !window->File())
            continue;
        std::filesystem::path file = window->File()->LocalPath();
        std::error_code error;
        if (!std::filesystem::is_regular_file(file, error))
            continue;  // gone or being replaced: looked at again when it is back
        std::string onDisk;
        try {
            onDisk = common::readFileBytes(file);
        } catch (const common::Error&) {
            continue;
        }
        HostDocument& document = window->document();
        if (onDisk == document.savedBytes())
            continue;
        std::string question = "\"" + window->displayName() + "\" was changed by another program.";
        question +=
            window->modified() ? " Reload it and lose the changes made here?" : " Reload it?";
        common::MsgBoxResult answer = ui_.msgBox(question, common::MsgBoxButtons::YesNo,
                                                 common::MsgBoxIcon::Question, kCaption);
        if (answer == common::MsgBoxResult::Yes) {
            runCommand([&] { document.reloadFrom(std::move(onDisk)); });
        } else {
            // Asked once for this change; the page here stays what will be saved.
            runCommand([&] { document.noteBytesOnDisk(std::move(onDisk)); });
        }
    }
    checkingFiles_ = false;
    watchOpenFiles();
}

void StudioWindow::dragEnterEvent(QDragEnterEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir()) {
            event->acceptProposedAction();
            return;
        }
}

void StudioWindow::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir()) {
            event->acceptProposedAction();
            std::filesystem::path folder = url.toLocalFile().toStdString();
            // After the drop has ended: opening a web may ask about unsaved pages.
            QTimer::singleShot(0, this, [this, folder] { openWeb(folder); });
            return;
        }
}

}  // namespace norvel::host::qt
