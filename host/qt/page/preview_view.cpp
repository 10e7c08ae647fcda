#include "host/qt/page/preview_view.h"

#include <QScrollBar>
#include <QUrl>

#include "host/editor/host_document.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {

void PreviewView::showPage(HostDocument& document, const std::filesystem::path& pageFolder,
                           const QString& styleSheet) {
    setPageFolder(pageFolder);
    this->document()->setBaseUrl(
        QUrl::fromLocalFile(QString::fromStdString(pageFolder.string()) + QLatin1Char('/')));
    // Qt loads a linked sheet only when the link says type="text/css"; the page's sheets as
    // the default style cover the others.
    this->document()->setDefaultStyleSheet(styleSheet);
    const int scroll = verticalScrollBar()->value();
    setHtml(PageText(document.page().html()).text());
    verticalScrollBar()->setValue(scroll);
}

}  // namespace norvel::host::qt
