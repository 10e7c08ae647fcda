#include "host/qt/studio/help_viewer.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/error.h"

namespace norvel::host::qt {

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("helpViewer");
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);
}

void HelpViewer::showFile(const std::string& file) {
    QFileInfo info(QString::fromStdString(file));
    browser_->setSearchPaths({info.absolutePath()});
    try {
        // Read as bytes and shown as HTML: the suite's help files keep their old ".chm" names.
        browser_->setHtml(QString::fromUtf8(common::readFileBytes(file)));
    } catch (const common::Error& e) {
        browser_->setPlainText(QString::fromStdString(e.description()));
    }
    setWindowTitle("Help - " + info.fileName());
    show();
    raise();
}

}  // namespace norvel::host::qt
