#include "host/qt/page/preview_view.h"

#include <QScrollBar>
#include <QUrl>

#include "host/editor/host_document.h"
#include "host/qt/page/drawn_from.h"
#include "host/qt/page/page_style.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {

PreviewView::PreviewView(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void PreviewView::showPage(HostDocument& document, const std::filesystem::path& pageFolder) {
    QString folder = QString::fromStdString(pageFolder.string());
    setSearchPaths({folder});
    this->document()->setBaseUrl(QUrl::fromLocalFile(folder + QLatin1Char('/')));
    // Qt loads a linked sheet only when the link says type="text/css"; the page's sheets as
    // the default style cover the others.
    this->document()->setDefaultStyleSheet(pageStyleSheet(document));
    const int scroll = verticalScrollBar()->value();
    setHtml(PageText(document.page().html()).text());
    verticalScrollBar()->setValue(scroll);
}

QVariant PreviewView::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    const QString file = localResourceFile(*this, name);
    if (!file.isEmpty())
        emit fileRead(file);
    return resource;
}

}  // namespace norvel::host::qt
