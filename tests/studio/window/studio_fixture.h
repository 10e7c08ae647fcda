// A studio started as a person starts it, on a copy of the bundled sample web, with its own
// settings folder (the suite's libraries of this build register themselves there on the first
// start), plus the ways a test reaches the window's menus.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/qt/studio/studio.h"
#include "host/qt/studio/studio_window.h"
#include "tests/support/temporary_folder.h"

namespace norvel::tests {

class StudioFixture {
  public:
    StudioFixture() {
        std::filesystem::create_directory(folder_.path() / "config");
        qputenv("NORVEL_CONFIG_HOME",
                QByteArray::fromStdString((folder_.path() / "config").string()));
        std::filesystem::copy(std::filesystem::path(NORVEL_SOURCE_DIR) / "samples" / "web", web(),
                              std::filesystem::copy_options::recursive);
        studio_ = std::make_unique<host::qt::Studio>(
            [this](const std::string& note) { notes.push_back(note); });
        studio_->start(web());
    }

    host::qt::Studio& studio() { return *studio_; }
    host::qt::StudioWindow& window() { return studio_->window(); }
    std::filesystem::path web() const { return folder_.path() / "web"; }

    std::vector<std::string> notes;

  private:
    TemporaryFolder folder_;
    std::unique_ptr<host::qt::Studio> studio_;
};

// The menu of a top-level caption, freshly filled as when a person opens it.
inline QMenu* openMenu(QMenuBar* bar, const QString& caption) {
    for (QAction* action : bar->actions())
        if (action->text() == caption && action->menu()) {
            emit action->menu()->aboutToShow();
            return action->menu();
        }
    return nullptr;
}

// The action at the end of a path of captions from the menu bar ("Norvel", "JavaScript",
// "Current Date"), each menu filled on the way; null when a step is missing.
inline QAction* menuAction(QMenuBar* bar, const QStringList& path) {
    QMenu* menu = openMenu(bar, path.first());
    for (int i = 1; menu && i < path.size(); ++i) {
        QAction* found = nullptr;
        for (QAction* action : menu->actions())
            if (!action->isSeparator() && action->text() == path[i])
                found = action;
        if (found == nullptr || i == path.size() - 1)
            return found;
        menu = found->menu();
        if (menu)
            emit menu->aboutToShow();
    }
    return nullptr;
}

}  // namespace norvel::tests
