// The Preview view: the page as a browser shows it, in Qt WebEngine (Chromium): its style
// sheets, pictures and scripts run as on the web (the date is written, sections show and hide,
// slide shows and fading messages move). A page that is saved as shown is loaded from its file;
// a page with unsaved changes is loaded from a private copy outside the web whose relative
// addresses still start from the page's folder. Links are not followed: the view always shows
// its page. Loading runs in WebEngine's own processes, so the window stays responsive.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QWebEngineView>

#include <filesystem>
#include <memory>

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

class PreviewView : public QWebEngineView {
    Q_OBJECT

  public:
    explicit PreviewView(QWidget* parent = nullptr);
    ~PreviewView() override;

    // Loads the page of `document`; `pageFile` is its file (empty for a page never saved) and
    // `pageFolder` where its relative addresses start. Returns at once; pageLoaded() follows.
    void showPage(HostDocument& document, const std::filesystem::path& pageFile,
                  const std::filesystem::path& pageFolder);
    // Whether the page last asked for has finished loading.
    bool isLoaded() const { return loaded_; }

  signals:
    // A local file (a picture, a style sheet, a script) was read to show the page.
    void fileRead(const QString& localPath);
    // The page last asked for finished loading.
    void pageLoaded(bool ok);

  private:
    void loadUrl(const QUrl& url);

    std::unique_ptr<QTemporaryDir> copies_;
    QUrl requested_;
    int copiesWritten_ = 0;
    bool loaded_ = false;
};

// The page's bytes with a BASE element first in its head, so that a copy of the page kept
// elsewhere reads its pictures, sheets and scripts from `folderUrl`.
std::string pageWithBase(std::string_view html, const std::string& folderUrl);

}  // namespace norvel::host::qt
