#include "host/qt/page/preview_view.h"

#include <QFile>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>

#include <cstring>

#include "common/ascii_text.h"
#include "host/editor/host_document.h"

namespace norvel::host::qt {
namespace {

// Reports each local file the page reads; it sees every request the page makes.
class FileReadWatch : public QWebEngineUrlRequestInterceptor {
  public:
    explicit FileReadWatch(PreviewView* view)
        : QWebEngineUrlRequestInterceptor(view), view_(view) {}

    void interceptRequest(QWebEngineUrlRequestInfo& info) override {
        const QUrl url = info.requestUrl();
        if (!url.isLocalFile())
            return;
        // Requests may be seen off the GUI thread: the signal goes through the event loop.
        QMetaObject::invokeMethod(
            view_, [view = view_, file = url.toLocalFile()] { emit view->fileRead(file); },
            Qt::QueuedConnection);
    }

  private:
    PreviewView* view_;
};

// Shows its own page only: a click on a link leaves the view where it is.
class PreviewPage : public QWebEnginePage {
  public:
    using QWebEnginePage::QWebEnginePage;

  protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (!isMainFrame || type != NavigationTypeLinkClicked)
            return true;
        // Within the page (an anchor) is not leaving it.
        return url.adjusted(QUrl::RemoveFragment) == this->url().adjusted(QUrl::RemoveFragment);
    }
    // A page's messages to its console are no business of the studio's output.
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
};

}  // namespace

PreviewView::PreviewView(QWidget* parent) : QWebEngineView(parent) {
    auto* page = new PreviewPage(this);
    page->setUrlRequestInterceptor(new FileReadWatch(this));
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Only the end of the load last asked for counts: one that a newer load cut short does not.
    connect(page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
        if (info.url() != requested_ || info.status() == QWebEngineLoadingInfo::LoadStartedStatus)
            return;
        loaded_ = true;
        emit pageLoaded(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus);
    });
}

PreviewView::~PreviewView() = default;

void PreviewView::showPage(HostDocument& document, const std::filesystem::path& pageFile,
                           const std::filesystem::path& pageFolder) {
    loaded_ = false;
    if (!pageFile.empty() && !document.modified()) {
        loadUrl(QUrl::fromLocalFile(QString::fromStdString(pageFile.string())));
        return;
    }
    // Unsaved changes: a copy outside the web, read from the page's folder. (Passing the bytes
    // directly would go through a data address, which holds at most 2 MB.)
    if (!copies_)
        copies_ = std::make_unique<QTemporaryDir>();
    const QString folderUrl =
        QUrl::fromLocalFile(QString::fromStdString(pageFolder.string()) + QLatin1Char('/'))
            .toString(QUrl::FullyEncoded);
    const QString copy = copies_->filePath(QStringLiteral("preview.htm"));
    QFile file(copy);
    const std::string bytes = pageWithBase(document.page().html(), folderUrl.toStdString());
    if (!copies_->isValid() || !file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size())) {
        requested_ = QUrl();
        loaded_ = true;
        setHtml(QStringLiteral("<p>The preview could not be written to %1.</p>")
                    .arg(copy.toHtmlEscaped()));
        return;
    }
    file.close();
    // Each copy has an address of its own, so that the end of an older load is told apart.
    QUrl address = QUrl::fromLocalFile(copy);
    address.setQuery(QStringLiteral("edit=%1").arg(++copiesWritten_));
    loadUrl(address);
}

void PreviewView::loadUrl(const QUrl& url) {
    requested_ = url;
    loaded_ = false;
    load(url);
}

std::string pageWithBase(std::string_view html, const std::string& folderUrl) {
    std::string base = "<base href=\"";
    for (char c : folderUrl)
        base += c == '"' ? std::string("%22") : std::string(1, c);
    base += "\">";
    // Right after the head's start tag, or the html tag's, or before everything; never before a
    // DOCTYPE, which must come first.
    const std::string lower = common::toLowerAscii(std::string(html));
    size_t at = std::string::npos;
    for (const char* tag : {"<head", "<html"}) {
        size_t found = lower.find(tag);
        while (found != std::string::npos) {
            const char next =
                found + std::strlen(tag) < lower.size() ? lower[found + std::strlen(tag)] : '>';
            if (next == '>' || next == ' ' || next == '\t' || next == '\r' || next == '\n')
                break;
            found = lower.find(tag, found + 1);
        }
        if (found != std::string::npos) {
            const size_t close = lower.find('>', found);
            if (close != std::string::npos) {
                at = close + 1;
                break;
            }
        }
    }
    if (at == std::string::npos) {
        at = lower.compare(0, 3, "\xef\xbb\xbf") == 0 ? 3 : 0;  // after a byte order mark
        const size_t text = lower.find_first_not_of(" \t\r\n", at);
        if (text != std::string::npos && lower.compare(text, 9, "<!doctype") == 0) {
            const size_t close = lower.find('>', text);
            at = close == std::string::npos ? lower.size() : close + 1;
        }
    }
    std::string out(html.substr(0, at));
    out += base;
    out += html.substr(at);
    return out;
}

}  // namespace norvel::host::qt
