// The editor as the libraries reach it: the active page, window and web, the menus, and the
// platform functions around the editor's windows.
#pragma once

#include <memory>
#include <string>

namespace norvel::common::editor {

class CommandBars;
class Document;
class PageWindow;
class Web;
class WebWindow;

class Application {
  public:
    virtual ~Application() = default;

    // The document of the active page window; none when no page is open.
    virtual std::shared_ptr<Document> ActiveDocument() = 0;
    virtual std::shared_ptr<PageWindow> ActivePageWindow() = 0;
    // The open web; none when no web is open.
    virtual std::shared_ptr<Web> ActiveWeb() = 0;
    virtual WebWindow& ActiveWebWindow() = 0;
    virtual CommandBars& GetCommandBars() = 0;

    // The editor's main window in twips on the screen (left, top, width, height), so a dialog
    // can be centred over it.
    struct Rectangle {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    virtual Rectangle MainWindowRectangle() = 0;
};

}  // namespace norvel::common::editor
