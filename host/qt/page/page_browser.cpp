#include "host/qt/page/page_browser.h"

#include <QUrl>

namespace norvel::host::qt {

PageBrowser::PageBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void PageBrowser::setPageFolder(const std::filesystem::path& folder) {
    setSearchPaths({QString::fromStdString(folder.string())});
}

QVariant PageBrowser::loadResource(int type, const QUrl& name) {
    QVariant resource = QTextBrowser::loadResource(type, name);
    const QStringList folders = searchPaths();
    const QUrl base =
        folders.isEmpty() ? QUrl() : QUrl::fromLocalFile(folders.first() + QLatin1Char('/'));
    const QUrl file = base.resolved(name);
    if (file.isLocalFile())
        emit fileRead(file.toLocalFile());
    return resource;
}

}  // namespace norvel::host::qt
