// The editor as the libraries reach it: the active page, window and web, the menus, and the
// platform functions around the editor's windows.
#pragma once

#include <memory>
#include <string>

namespace norvel::common::editor {

class CommandBars;
class Document;
class SaveBatch;
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
    // Starts saving pages together (see SaveBatch); Error 5 while another batch is open.
    virtual std::unique_ptr<SaveBatch> BeginSaveBatch() = 0;
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

// Saving many pages as one: while a batch is open, a page window that saves (or closes with
// saving) writes its page aside instead of over its file, and Commit replaces all of those
// files, each atomically, with one flush to disk for the lot. A batch destroyed without
// Commit, or whose Commit fails before the renames, leaves every file as it was and nothing
// written aside. A page saved in a batch and opened again before Commit reads the old file.
class SaveBatch {
  public:
    virtual ~SaveBatch() = default;
    // Error 75 when the pages cannot be written; see above for what is then left.
    virtual void Commit() = 0;
};

}  // namespace norvel::common::editor
