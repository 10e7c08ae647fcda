// The editor stand-in: one web open as a folder on disk, page windows on its files, the menu
// bar, and the add-ins of the add-in list. Implements the application object the libraries
// reach, and the edit road of webbot blocks.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/dispatch.h"
#include "common/editor/application.h"
#include "common/editor/page_window.h"
#include "common/runtime.h"
#include "host/editor/command_bars.h"
#include "host/editor/page_window_host.h"

namespace norvel::common {
class HelpEngine;
class SettingsStore;
class Ui;
}  // namespace norvel::common

namespace norvel::host {

class ComponentRegistry;
class DiskWeb;
class HostPageWindow;
class HostSaveBatch;

class EditorApp : public common::editor::Application, public PageWindowHost {
  public:
    EditorApp(common::Ui& ui, common::SettingsStore& settings, ComponentRegistry& components,
              common::HelpEngine& help, std::filesystem::path addinListFile);
    ~EditorApp() override;

    // --- the web and its pages
    void openWeb(const std::filesystem::path& folder);
    void closeWeb();
    // Opens a page of the web (path relative to its root) in Normal view; it becomes active.
    // A file that is no page (a picture, a binary or plain text file) is refused with Error 5
    // and a message that says what it is: opened as text and saved, it would be destroyed.
    std::shared_ptr<HostPageWindow> openPageByPath(const std::string& pagePath, int viewMode);
    // Saves `window` under `pagePath` (relative to the web's root). A name open in another
    // window is refused (Error 58) and that window comes to the front; a name that is no
    // page's is refused (Error 5); an existing file is replaced only when the person says Yes
    // to "replace?" (default No). False when the person kept the existing file.
    bool saveWindowAs(const std::shared_ptr<HostPageWindow>& window, const std::string& pagePath);
    std::shared_ptr<HostPageWindow> newPage();
    std::shared_ptr<HostPageWindow> activeWindow() const;
    void activate(const std::shared_ptr<HostPageWindow>& window);
    std::shared_ptr<HostPageWindow> findWindow(const std::string& pagePath) const;
    const std::vector<std::shared_ptr<HostPageWindow>>& windows() const { return windows_; }
    // Called by a page window that closes.
    void windowClosed(HostPageWindow& window);
    DiskWeb* web() const { return web_.get(); }

    // --- start and shut down: the add-ins with load behaviour 3 are loaded and connected
    void start();
    void shutdown();
    bool started() const { return started_; }

    // --- menus: clicks the control reached by these captions. Error when it is missing or
    // cannot be clicked.
    void clickMenu(const std::vector<std::string>& captions);
    HostCommandBars& commandBars() { return commandBars_; }

    // --- webbot blocks of the active page: double-click the Nth (1-based).
    void editBlock(int number);

    // --- the application object
    std::shared_ptr<common::editor::Document> ActiveDocument() override;
    std::shared_ptr<common::editor::PageWindow> ActivePageWindow() override;
    std::shared_ptr<common::editor::Web> ActiveWeb() override;
    common::editor::WebWindow& ActiveWebWindow() override;
    std::unique_ptr<common::editor::SaveBatch> BeginSaveBatch() override;
    // The open batch of saves, or none; page windows save into it.
    HostSaveBatch* saveBatch() const { return saveBatch_; }
    void saveBatchEnded(HostSaveBatch& batch);
    common::editor::CommandBars& GetCommandBars() override { return commandBars_; }
    Rectangle MainWindowRectangle() override { return {0, 0, 12000, 9000}; }

    // --- PageWindowHost
    std::shared_ptr<common::editor::PageWindow> openPage(
        const std::shared_ptr<common::editor::WebFile>& file, int viewMode) override;
    bool isOpen(const std::filesystem::path& path) override;

    common::Ui& ui() { return ui_; }
    const common::Runtime& runtime() const;

  private:
    struct LoadedAddin {
        std::string identifier;
        std::shared_ptr<common::Dispatch> object;
    };
    class MainWebWindow : public common::editor::WebWindow {
      public:
        void SetVisible(bool) override {}
        void Activate() override {}
    };

    std::shared_ptr<HostPageWindow> openFile(const std::shared_ptr<common::editor::WebFile>& file,
                                             int viewMode);

    common::Ui& ui_;
    common::SettingsStore& settings_;
    ComponentRegistry& components_;
    common::HelpEngine& help_;
    std::filesystem::path addinListFile_;
    std::shared_ptr<DiskWeb> web_;
    std::vector<std::shared_ptr<HostPageWindow>> windows_;
    std::weak_ptr<HostPageWindow> active_;
    HostCommandBars commandBars_;
    MainWebWindow webWindow_;
    std::vector<LoadedAddin> addins_;
    bool started_ = false;
    HostSaveBatch* saveBatch_ = nullptr;
};

}  // namespace norvel::host
