// A page window of the editor stand-in: one page, its view mode, saving and closing.
#pragma once

#include <memory>
#include <string>

#include "common/editor/page_window.h"
#include "common/editor/web.h"

namespace norvel::host {

class EditorApp;
class HostDocument;

class HostPageWindow : public common::editor::PageWindow,
                       public std::enable_shared_from_this<HostPageWindow> {
  public:
    // `file` is none for a new page that was never saved.
    HostPageWindow(EditorApp& app, std::shared_ptr<common::editor::WebFile> file,
                   std::shared_ptr<HostDocument> document, int viewMode);

    std::shared_ptr<common::editor::Document> GetDocument() override;
    int ViewMode() override;
    void SetViewMode(int mode) override;
    std::shared_ptr<common::editor::WebFile> File() override;
    void Close(bool save) override;
    void Save() override;
    void Activate() override;

    // Saves a page under a new name in the web (relative to the web's root); the window
    // then shows that file.
    void SaveAs(const std::string& pagePath);

    HostDocument& document();
    bool closed() const { return closed_; }
    // Whether the page differs from what was last read or saved.
    bool modified() const;
    // The page's file name, or "(new page)".
    std::string displayName() const;

  private:
    void requireOpen() const;

    EditorApp& app_;
    std::shared_ptr<common::editor::WebFile> file_;
    std::shared_ptr<HostDocument> document_;
    int viewMode_;
    bool closed_ = false;
};

}  // namespace norvel::host
