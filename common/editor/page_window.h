#pragma once

#include <memory>

namespace norvel::common::editor {

class Document;
class WebFile;

// A window showing one page.
class PageWindow {
  public:
    virtual ~PageWindow() = default;
    virtual std::shared_ptr<Document> GetDocument() = 0;
    virtual int ViewMode() = 0;  // kViewNormal, ...
    virtual void SetViewMode(int mode) = 0;
    // The page's file in the web; none for a page never saved.
    virtual std::shared_ptr<WebFile> File() = 0;
    // Closes the window, saving the page first when asked. Error 75 when saving fails (the
    // window then stays open).
    virtual void Close(bool save) = 0;
    virtual void Save() = 0;
    // Brings the window to the front. The parameterless call the poll collection makes around
    // a generation; it changes nothing else.
    virtual void Activate() = 0;
};

// The editor's main window.
class WebWindow {
  public:
    virtual ~WebWindow() = default;
    virtual void SetVisible(bool visible) = 0;
    virtual void Activate() = 0;
};

}  // namespace norvel::common::editor
