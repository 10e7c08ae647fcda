// The studio's own menu entries beside the suite's: File, Edit, View, Insert, Window and Help,
// their shortcuts, and the lists that change with the open pages and the recent webs.
#include "host/qt/studio/studio_window.h"

#include <QFileDialog>
#include <QKeySequence>
#include <QList>
#include <QPointer>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "common/editor/web.h"
#include "common/install_layout.h"
#include "common/ui.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/qt/page/page_view.h"
#include "host/qt/studio/menu_bar_view.h"

namespace norvel::host::qt {

void StudioWindow::addStudioCommands() {
    using common::editor::CommandBarControl;
    auto add = [this](const std::string& menu, const std::string& caption, bool beginGroup,
                      std::function<void()> action) {
        auto popup = app_.commandBars().findByCaptions({menu});
        if (!popup)
            return;
        auto button = popup->Controls().Add(common::editor::kControlButton);
        button->SetCaption(caption);
        button->SetTag("studio." + caption);
        button->SetBeginGroup(beginGroup);
        button->SetClickHandler(
            [action = std::move(action)](CommandBarControl&, bool&) { action(); });
    };
    add("File", "&Open Web...", false, [this] {
        QString folder = QFileDialog::getExistingDirectory(this, "Open Web");
        if (!folder.isEmpty())
            openWeb(folder.toStdString());
    });
    if (auto file = app_.commandBars().findByCaptions({"File"})) {
        auto recent = file->Controls().Add(common::editor::kControlPopup);
        recent->SetCaption("Recent &Webs");
        recent->SetTag("studio.recentWebs");
    }
    add("File", "&New Page", false, [this] { app_.newPage(); });
    add("File", "&Save", true, [this] { saveActivePage(); });
    add("File", "Save &As...", false, [this] { saveActivePageAs(); });
    add("File", "&Close", false, [this] {
        if (auto window = app_.activeWindow())
            closePage(window);
    });
    add("File", "E&xit", true, [this] { close(); });
    add("View", "&Normal", false, [this] { setActiveViewMode(common::editor::kViewNormal); });
    add("View", "&HTML", false, [this] { setActiveViewMode(common::editor::kViewHtml); });
    add("View", "&Preview", false, [this] { setActiveViewMode(common::editor::kViewPreview); });
    add("View", "Preview in &Browser", false, [this] {
        if (PageView* view = activePageView())
            view->previewInBrowser();
    });
    add("Edit", "&Undo", false, [this] { undo(); });
    add("Edit", "&Redo", false, [this] { redo(); });
    add("Edit", "Cu&t", true, [this] { cutSelection(); });
    add("Edit", "&Copy", false, [this] { copySelection(); });
    add("Edit", "&Paste", false, [this] { paste(); });
    add("Edit", "&Delete", false, [this] { deleteSelection(); });
    add("Edit", "Select &All", true, [this] { selectAll(); });
    add("Edit", "&Find...", true, [this] { showFind(false); });
    add("Edit", "Find and R&eplace...", false, [this] { showFind(true); });
    add("Insert", "&Horizontal Line", false, [this] { insertMarkup("<hr>"); });
    add("Insert", "&Picture...", false, [this] { insertPicture(); });
    addHelpMenu();

    auto keys = [](std::initializer_list<QKeySequence> list) { return QList<QKeySequence>(list); };
    menus_->setShortcuts({
        {"studio.&New Page", keys({QKeySequence::New})},
        {"studio.&Open Web...", keys({QKeySequence::Open})},
        {"studio.&Save", keys({QKeySequence::Save})},
        {"studio.Save &As...", keys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)})},
        {"studio.&Close", keys({QKeySequence(Qt::CTRL | Qt::Key_W)})},
        {"studio.&Undo", keys({QKeySequence(Qt::CTRL | Qt::Key_Z)})},
        {"studio.&Redo", keys({QKeySequence(Qt::CTRL | Qt::Key_Y),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})},
        {"studio.Cu&t", keys({QKeySequence(Qt::CTRL | Qt::Key_X)})},
        {"studio.&Copy", keys({QKeySequence(Qt::CTRL | Qt::Key_C)})},
        {"studio.&Paste", keys({QKeySequence(Qt::CTRL | Qt::Key_V)})},
        {"studio.&Delete", keys({QKeySequence(Qt::Key_Delete)})},
        {"studio.Select &All", keys({QKeySequence(Qt::CTRL | Qt::Key_A)})},
        {"studio.&Find...", keys({QKeySequence(Qt::CTRL | Qt::Key_F)})},
        {"studio.Find and R&eplace...", keys({QKeySequence(Qt::CTRL | Qt::Key_H)})},
        {"studio.&Preview", keys({QKeySequence(Qt::Key_F5)})},
        {"studio.E&xit", keys({QKeySequence(Qt::CTRL | Qt::Key_Q)})},
    });
}

void StudioWindow::addHelpMenu() {
    auto help = app_.commandBars().findByCaptions({"Help"});
    if (!help)
        return;
    auto about = help->Controls().Add(common::editor::kControlButton);
    about->SetCaption("&About Norvel Studio");
    about->SetTag("studio.about");
    about->SetClickHandler([this](common::editor::CommandBarControl&, bool&) {
        ui_.msgBox(std::string(kCaption) +
                       "\r\nAn editor for the pages of a web, with the Norvel suite's polls, "
                       "scroll-bar styles and scripts.",
                   common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information,
                   "About Norvel Studio");
    });
    // The suite's own help files, from wherever this installation keeps them.
    std::vector<std::filesystem::path> folders;
    for (const auto& folder : common::libraryFolderCandidates())
        folders.push_back(folder / "help");
    folders.push_back(common::templateFolder() / "help");
    std::error_code error;
    for (const auto& folder : folders) {
        if (!std::filesystem::is_directory(folder, error))
            continue;
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error))
            if (entry.path().extension() == ".chm")
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        int number = 0;
        for (const auto& file : files) {
            auto button = help->Controls().Add(common::editor::kControlButton);
            ++number;
            button->SetCaption((number < 10 ? "&" : "") + std::to_string(number) + " " +
                               file.filename().string());
            button->SetTag("studio.help." + file.filename().string());
            button->SetBeginGroup(number == 1);
            button->SetClickHandler([this, file](common::editor::CommandBarControl&, bool&) {
                if (openHelp_)
                    openHelp_(file.string());
            });
        }
        if (!files.empty())
            return;
    }
}

void StudioWindow::updateEditMenu() {
    auto active = app_.activeWindow();
    bool page = active && !active->closed();
    PageView* view = activePageView();
    bool normal = view && view->viewMode() == common::editor::kViewNormal;
    bool source = view && view->viewMode() == common::editor::kViewHtml;
    bool block = page && normal && selectedBlock().has_value();
    auto set = [this](const std::string& tag, bool enabled) {
        if (auto control = app_.commandBars().menuBar().hostControls().findByTag(tag))
            control->SetEnabled(enabled);
    };
    set("studio.&Undo", page && (active->document().canUndo() || source));
    set("studio.&Redo", page && active->document().canRedo());
    set("studio.Cu&t", block || source);
    set("studio.&Copy", page);
    set("studio.&Delete", block || source);
    set("studio.&Paste", page && !(view && view->viewMode() == common::editor::kViewPreview));
    set("studio.Select &All", page);
    set("studio.&Find...", page);
    set("studio.Find and R&eplace...", page);
    set("studio.&Save", page);
    set("studio.Save &As...", page && app_.web() != nullptr);
    set("studio.&Close", page);
    bool editing = page && (normal || source);
    set("studio.&Horizontal Line", editing);
    set("studio.&Picture...", editing && app_.web() != nullptr);
}

void StudioWindow::updateWindowMenu() {
    auto menu = app_.commandBars().findByCaptions({"Window"});
    if (!menu)
        return;
    auto& controls = *menu->popupControls();
    controls.removeTagged("studio.window.");
    for (int i = 0; i < tabs_->count(); ++i) {
        int number = i + 1;
        QString name = tabs_->tabText(i);
        auto button = controls.Add(common::editor::kControlButton, std::nullopt, std::nullopt,
                                   std::nullopt, false);
        // "&1 index.htm": the number is the access key; a "&" in the name is no access key.
        button->SetCaption((number < 10 ? "&" : "") + std::to_string(number) + " " +
                           name.replace("&", "&&").toStdString());
        button->SetTag("studio.window." + std::to_string(number));
        QPointer<QWidget> tab = tabs_->widget(i);
        button->SetClickHandler([this, tab](common::editor::CommandBarControl&, bool&) {
            if (tab)
                tabs_->setCurrentWidget(tab);
        });
    }
}

void StudioWindow::updateRecentWebsMenu() {
    auto recent = app_.commandBars().menuBar().hostControls().findByTag("studio.recentWebs");
    if (!recent)
        return;
    auto& controls = *recent->popupControls();
    controls.removeTagged("studio.recentWeb.");
    int number = 0;
    for (const QString& web : recentWebs()) {
        ++number;
        auto button = controls.Add(common::editor::kControlButton, std::nullopt, std::nullopt,
                                   std::nullopt, false);
        QString caption = web;
        button->SetCaption((number < 10 ? "&" + std::to_string(number) + " " : std::string()) +
                           caption.replace("&", "&&").toStdString());
        button->SetTag("studio.recentWeb." + std::to_string(number));
        std::string folder = web.toStdString();
        button->SetClickHandler([this, folder](common::editor::CommandBarControl&, bool&) {
            // After the menu's command: opening a web closes pages and asks questions.
            QTimer::singleShot(0, this, [this, folder] { openWeb(folder); });
        });
    }
}

}  // namespace norvel::host::qt
