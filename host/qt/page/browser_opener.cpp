#include "host/qt/page/browser_opener.h"

#include <QDesktopServices>
#include <QFile>

#include "host/editor/host_document.h"
#include "host/qt/page/preview_view.h"

namespace norvel::host::qt {
namespace {

UrlOpener& urlOpener() {
    static UrlOpener opener;
    return opener;
}

}  // namespace

BrowserOpener::BrowserOpener() = default;
BrowserOpener::~BrowserOpener() = default;

void BrowserOpener::setUrlOpener(UrlOpener opener) {
    urlOpener() = std::move(opener);
}

QUrl BrowserOpener::open(HostDocument& document, const std::filesystem::path& pageFile,
                         const std::filesystem::path& pageFolder, QString& problem) {
    QUrl address;
    if (!pageFile.empty() && !document.modified()) {
        address = QUrl::fromLocalFile(QString::fromStdString(pageFile.string()));
    } else {
        // Each copy gets a name of its own: the browser may still be reading the last one.
        if (!copies_)
            copies_ = std::make_unique<QTemporaryDir>();
        const QString name = pageFile.empty() ? QStringLiteral("new page")
                                              : QString::fromStdString(pageFile.stem().string());
        const QString copy =
            copies_->filePath(QStringLiteral("%1 (%2).htm").arg(name).arg(++copiesWritten_));
        const QString folderUrl =
            QUrl::fromLocalFile(QString::fromStdString(pageFolder.string()) + QLatin1Char('/'))
                .toString(QUrl::FullyEncoded);
        const std::string bytes = pageWithBase(document.page().html(), folderUrl.toStdString());
        QFile file(copy);
        if (!copies_->isValid() || !file.open(QIODevice::WriteOnly) ||
            file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                static_cast<qint64>(bytes.size())) {
            problem =
                QStringLiteral("The page could not be written to %1 for the browser.").arg(copy);
            return {};
        }
        address = QUrl::fromLocalFile(copy);
    }
    const bool opened = urlOpener() ? urlOpener()(address) : QDesktopServices::openUrl(address);
    if (!opened) {
        problem = QStringLiteral("No browser could be started for %1.")
                      .arg(address.toString(QUrl::PreferLocalFile));
        return {};
    }
    return address;
}

}  // namespace norvel::host::qt
