// What the web on disk needs from the editor's window management: opening a file in a page
// window, and knowing whether a window shows a file.
#pragma once

#include <filesystem>
#include <memory>

namespace norvel::common::editor {
class PageWindow;
class WebFile;
}  // namespace norvel::common::editor

namespace norvel::host {

class PageWindowHost {
  public:
    virtual ~PageWindowHost() = default;
    // Opens `file` in a new page window (or returns the one already showing it) and makes it
    // the active window.
    virtual std::shared_ptr<common::editor::PageWindow> openPage(
        const std::shared_ptr<common::editor::WebFile>& file, int viewMode) = 0;
    // True while a page window shows the file at this path.
    virtual bool isOpen(const std::filesystem::path& path) = 0;
};

}  // namespace norvel::host
