#include "host/qt/page/page_view.h"

#include <QStackedWidget>
#include <QVBoxLayout>

#include "common/editor/web.h"
#include "common/error.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/qt/page/normal_view.h"
#include "host/qt/page/page_style.h"
#include "host/qt/page/preview_view.h"
#include "host/qt/page/source_view.h"

namespace norvel::host::qt {

namespace editor = common::editor;

PageView::PageView(std::shared_ptr<HostPageWindow> window, QWidget* parent)
    : QWidget(parent),
      window_(std::move(window)),
      mode_(window_->ViewMode()),
      stack_(new QStackedWidget(this)),
      normal_(new NormalView(stack_)),
      source_(new SourceView(stack_)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    stack_->addWidget(normal_);
    stack_->addWidget(source_);
    connect(normal_, &NormalView::blockDoubleClicked, this, &PageView::blockDoubleClicked);
    connect(normal_, &NormalView::edited, this, [this] {
        drawn_.pageEditedInView(window_->document().page().html());
        emit changed();
    });
    connect(source_, &SourceView::edited, this, [this] {
        sourceShowsDocument();
        emit changed();
    });
    connect(normal_, &PageBrowser::fileRead, this,
            [this](const QString& file) { drawn_.noteFile(file.toStdString()); });
    refresh();
}

// The views outlive this object's members: QWidget destroys them last, and closing them can
// still draw (a picture read as focus leaves).
PageView::~PageView() {
    normal_->disconnect(this);
    source_->disconnect(this);
    if (preview_ != nullptr)
        preview_->disconnect(this);
}

// The browser engine starts only for a page that is previewed.
PreviewView* PageView::ensurePreview() {
    if (preview_ == nullptr) {
        preview_ = new PreviewView(stack_);
        stack_->addWidget(preview_);
        connect(preview_, &PreviewView::fileRead, this,
                [this](const QString& file) { drawn_.noteFile(file.toStdString()); });
    }
    return preview_;
}

void PageView::previewInBrowser() {
    flushEdits();
    QString problem;
    if (browser_.open(window_->document(), pageFile(), pageFolder(), problem).isEmpty())
        throw common::Error(common::errnum::kInvalidCall, "norvel", problem.toStdString());
}

bool PageView::isDrawn() const {
    if (mode_ == editor::kViewPreview)
        return preview_ != nullptr && preview_->isLoaded();
    if (mode_ == editor::kViewNormal)
        return !normal_->isBuilding();
    return true;
}

std::filesystem::path PageView::pageFile() const {
    if (auto file = window_->File())
        return file->LocalPath();
    return {};
}

std::filesystem::path PageView::pageFolder() const {
    if (auto file = window_->File())
        return file->LocalPath().parent_path();
    return window_->document().webRoot();
}

void PageView::setViewMode(int mode) {
    if (mode != editor::kViewNormal && mode != editor::kViewHtml && mode != editor::kViewPreview &&
        mode != editor::kViewDataFile)
        throw common::Error(common::errnum::kInvalidCall, "norvel",
                            "There is no view mode " + std::to_string(mode));
    flushEdits();
    window_->SetViewMode(mode);
    mode_ = mode;
    refresh();
}

void PageView::refresh() {
    HostDocument& document = window_->document();
    const bool source = mode_ == editor::kViewHtml || mode_ == editor::kViewDataFile;
    const QString style = source ? QString() : pageStyleSheet(document);
    if (drawn_.matches(mode_, document.page().html(), style)) {
        if (mode_ == editor::kViewNormal)
            normal_->followCaret();
        return;
    }
    drawn_.record(mode_, document.page().html(), style);
    if (mode_ != editor::kViewNormal)
        normal_->stopBuilding();  // a Normal view no longer shown would be built for nothing
    switch (mode_) {
        case editor::kViewHtml:
        case editor::kViewDataFile:
            source_->showPage(document);
            stack_->setCurrentWidget(source_);
            break;
        case editor::kViewPreview:
            ensurePreview()->showPage(document, pageFile(), pageFolder());
            stack_->setCurrentWidget(preview_);
            break;
        default:
            normal_->showPage(document, pageFolder(), style);
            stack_->setCurrentWidget(normal_);
            break;
    }
}

void PageView::flushEdits() {
    if (stack_->currentWidget() == normal_)
        normal_->commitTyping();  // reports through edited()
    if (stack_->currentWidget() == source_ && source_->flushEdits()) {
        sourceShowsDocument();
        emit changed();
    }
}

// Text typed in the HTML view has just reached the document, so the view already shows what
// the document holds: showing it again would only lose the view's undo steps and scroll place.
void PageView::sourceShowsDocument() {
    drawn_.record(mode_, window_->document().page().html(), QString());
}

}  // namespace norvel::host::qt
