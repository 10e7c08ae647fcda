// The studio's main window: the editor stand-in for a person. The menu bar mirrors the
// editor's command bars, the folder list shows the web, and each page window of the editor
// is a tab showing its page in Normal, HTML or Preview view. Every command a person gives
// goes through runCommand, which first hands pending source edits to the page, shows what
// fails, and then brings the window back in line with the editor.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QLabel;
class QTabWidget;

namespace norvel::common {
class Ui;
}

namespace norvel::host {
class EditorApp;
class HostPageWindow;
}  // namespace norvel::host

namespace norvel::host::qt {

class MenuBarView;
class PageView;
class WebFolderList;

class StudioWindow : public QMainWindow {
    Q_OBJECT
  public:
    StudioWindow(EditorApp& app, common::Ui& ui, QWidget* parent = nullptr);
    ~StudioWindow() override;

    // Opens a web (closing the pages of the last one, with the usual prompts); false when
    // the person cancelled or the folder is no web.
    bool openWeb(const std::filesystem::path& folder);
    // Opens a page of the web (path relative to its root) in Normal view.
    void openPage(const std::string& pagePath);

    // Runs a command of the person: pending edits reach the page first, an error shows in a
    // message box, and the window follows the editor afterwards.
    void runCommand(const std::function<void()>& command);
    // Brings tabs, views and menus in line with the editor's windows and documents.
    void syncFromModel();

    // Closes a page window; a modified page asks first. False when the person cancelled. Run
    // it as a command (runCommand): its tab goes when the window follows the editor.
    bool closePage(const std::shared_ptr<HostPageWindow>& window);
    // Saves the active page (a new page asks for a name); false when cancelled or failed.
    bool saveActivePage();
    // Switches the active page's view (kViewNormal, kViewHtml, kViewPreview).
    void setActiveViewMode(int mode);

    // The menu entry at the end of a path of captions, menus filled as they open; null when
    // there is none.
    QAction* menuAction(const QStringList& captions) const;

    PageView* pageViewOf(const HostPageWindow& window) const;
    PageView* activePageView() const;
    QTabWidget& tabs() const { return *tabs_; }
    WebFolderList& folderList() const { return *folderList_; }
    EditorApp& app() const { return app_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void addStudioCommands();
    void activateTab(int index);
    void updateStatus();
    void updateTitle();
    // Asks about unsaved changes of every page; false when the person cancelled.
    bool closeAllPages();

    EditorApp& app_;
    common::Ui& ui_;
    QTabWidget* tabs_;
    WebFolderList* folderList_;
    QLabel* status_;
    std::unique_ptr<MenuBarView> menus_;
    bool syncing_ = false;
};

}  // namespace norvel::host::qt
