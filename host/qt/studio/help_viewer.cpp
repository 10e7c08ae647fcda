#include "host/qt/studio/help_viewer.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <filesystem>

#include "common/atomic_file.h"
#include "common/error.h"

namespace norvel::host::qt {

HelpViewer::HelpViewer(intptr_t handle, QWidget* parent)
    : QWidget(parent, Qt::Window), handle_(handle) {
    setObjectName("helpViewer");
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 520);
}

void HelpViewer::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closedByUser(handle_);
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
