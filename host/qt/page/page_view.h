// One page window shown in its view mode: Normal (the rendered page with an insertion point
// between its pieces), HTML (the editable source) or Preview (the page as it is). A data file
// window shows its text as in the HTML view. The view shows the document as it was when last
// refreshed: the studio calls refresh() after anything else may have changed the page, and
// flushEdits() before anything reads or changes it. Refreshing draws again only what changed.
#pragma once

#include <QWidget>

#include <filesystem>
#include <memory>

#include "host/qt/page/browser_opener.h"
#include "host/qt/page/drawn_from.h"

class QStackedWidget;

namespace norvel::host {
class HostPageWindow;
}

namespace norvel::host::qt {

class NormalView;
class PreviewView;
class SourceView;

class PageView : public QWidget {
    Q_OBJECT

  public:
    // Shows the window's page in the window's view mode.
    explicit PageView(std::shared_ptr<HostPageWindow> window, QWidget* parent = nullptr);
    ~PageView() override;

    int viewMode() const { return mode_; }
    // Whether the view shown has drawn the page (the Preview loads it in the background).
    bool isDrawn() const;
    // Flushes the HTML view's edits, sets the window's view mode and shows the page in it.
    // Error 5 for a mode that is no view mode.
    void setViewMode(int mode);
    // Shows the document as it is now in the view shown. The page is drawn again only when
    // its text, its style or a file the drawing read changed; otherwise the view keeps its
    // scroll place and only the insertion point follows the document's caret.
    void refresh();
    // Pushes text typed in the HTML view and not yet in the document into it; emits
    // changed() when that changed the page.
    void flushEdits();

    // Opens the page as it stands in the desktop's browser (see browser_opener.h). Error 5 with
    // the reason when no browser could be started.
    void previewInBrowser();

    NormalView* normalView() const { return normal_; }
    SourceView* sourceView() const { return source_; }
    // Made when the page is first previewed: null before.
    PreviewView* previewView() const { return preview_; }
    // The folder the page's relative addresses start from.
    std::filesystem::path pageFolder() const;
    // The page's file; empty for a page never saved.
    std::filesystem::path pageFile() const;

  signals:
    // A webbot block was double-clicked in the Normal view: its number counts from 1 among
    // the page's blocks, as EditorApp::editBlock counts them.
    void blockDoubleClicked(int number);
    // The page was edited in the view.
    void changed();

  private:
    void sourceShowsDocument();
    PreviewView* ensurePreview();

    std::shared_ptr<HostPageWindow> window_;
    int mode_;
    DrawnFrom drawn_;
    BrowserOpener browser_;
    QStackedWidget* stack_;
    NormalView* normal_;
    SourceView* source_;
    PreviewView* preview_ = nullptr;
};

}  // namespace norvel::host::qt
