// The studio's main window: the editor stand-in for a person. The menu bar mirrors the
// editor's command bars, the folder list shows the web, and each page window of the editor
// is a tab showing its page in Normal, HTML or Preview view. Every command a person gives
// goes through runCommand, which first hands pending source edits to the page, shows what
// fails, and then brings the window back in line with the editor.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host/markup/html_document.h"

class QAction;
class QFileSystemWatcher;
class QLabel;
class QSettings;
class QSplitter;
class QTabWidget;

namespace norvel::common {
class Ui;
}

namespace norvel::host {
class EditorApp;
class HostPageWindow;
}  // namespace norvel::host

namespace norvel::host::qt {

class FindDialog;
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
    // Opens a file of the web (path relative to its root): a page in Normal view, a picture
    // in a picture tab; anything else is refused with a message.
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
    // Asks for a name in the web with the file dialog and saves the active page under it
    // (replacing a page only when the person says so); false when cancelled or refused.
    bool saveActivePageAs();
    // Switches the active page's view (kViewNormal, kViewHtml, kViewPreview).
    void setActiveViewMode(int mode);

    // The menu entry at the end of a path of captions, menus filled as they open; null when
    // there is none.
    QAction* menuAction(const QStringList& captions) const;

    // --- the Edit menu (studio_edit_commands.cpp). In the HTML view they act on the source;
    // in the Normal view on the selected block: the document's selection, or else the piece
    // right after the insertion point.
    void undo();
    void redo();
    void cutSelection();
    void copySelection();
    void paste();
    void deleteSelection();
    void selectAll();
    // The Insert menu: markup at the insertion point of the Normal or HTML view, and a
    // picture of the web chosen in the file dialog (its address relative to the page).
    void insertMarkup(const std::string& html);
    void insertPicture();
    // Shows the Find window, or the Find and Replace window (in the HTML view).
    void showFind(bool replacing);
    FindDialog& findDialog();
    // The block the Normal view's Edit commands act on; none in other views or at the end.
    std::optional<HtmlDocument::Range> selectedBlock() const;

    // Opens a help file of the suite in a help window (set by the studio).
    void setHelpOpener(std::function<void(const std::string& file)> open) {
        openHelp_ = std::move(open);
    }
    // The webs opened last, newest first.
    QStringList recentWebs() const;
    QLabel& statusLabel() const { return *status_; }
    QSplitter& splitter() const { return *splitter_; }
    // Looks at the open pages' files again: a page changed on disk by another program is
    // offered for reload (also done when the file watcher reports a change).
    void checkFilesOnDisk();

    PageView* pageViewOf(const HostPageWindow& window) const;
    PageView* activePageView() const;
    QTabWidget& tabs() const { return *tabs_; }
    WebFolderList& folderList() const { return *folderList_; }
    EditorApp& app() const { return app_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    static constexpr const char* kCaption = "Norvel Studio";
    static bool shownInTab(const HostPageWindow& window);

    void openPicture(const std::string& picturePath);
    void endUndoSteps();
    bool sourceInFront() const;
    bool findNext(const QString& text, bool matchCase);
    bool replaceSelected(const QString& text, const QString& with, bool matchCase);
    int replaceAll(const QString& text, const QString& with, bool matchCase);
    // The menus that follow the editor: Edit's states, Window's pages, File's recent webs.
    void updateEditMenu();
    void updateWindowMenu();
    void updateRecentWebsMenu();
    void addHelpMenu();
    void rememberWeb(const std::filesystem::path& folder);
    void restoreLayout();
    void saveLayout();
    void watchOpenFiles();
    void updateTabTexts();
    void closeTab(int index);
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
    QSplitter* splitter_;
    std::unique_ptr<MenuBarView> menus_;
    std::unique_ptr<QSettings> settings_;  // none when no configuration folder is known
    QFileSystemWatcher* watcher_;
    QPointer<FindDialog> findDialog_;
    std::function<void(const std::string&)> openHelp_;
    bool syncing_ = false;
    bool checkingFiles_ = false;
};

}  // namespace norvel::host::qt
