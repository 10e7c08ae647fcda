#include "host/editor/host_page_window.h"

#include "common/error.h"
#include "host/editor/editor_app.h"
#include "host/editor/host_document.h"
#include "host/editor/host_save_batch.h"
#include "host/editor/web_paths.h"
#include "host/web/disk_web.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

HostPageWindow::HostPageWindow(EditorApp& app, std::shared_ptr<common::editor::WebFile> file,
                               std::shared_ptr<HostDocument> document, int viewMode)
    : app_(app), file_(std::move(file)), document_(std::move(document)), viewMode_(viewMode) {}

void HostPageWindow::requireOpen() const {
    if (closed_)
        throw Error(errnum::kObjectNotSet, "norvel",
                    "The page window of " + displayName() + " has been closed");
}

std::shared_ptr<common::editor::Document> HostPageWindow::GetDocument() {
    requireOpen();
    return document_;
}

HostDocument& HostPageWindow::document() {
    requireOpen();
    return *document_;
}

int HostPageWindow::ViewMode() {
    requireOpen();
    return viewMode_;
}

void HostPageWindow::SetViewMode(int mode) {
    requireOpen();
    viewMode_ = mode;
}

std::shared_ptr<common::editor::WebFile> HostPageWindow::File() {
    return file_;
}

void HostPageWindow::Close(bool save) {
    if (closed_)
        return;
    if (save)
        Save();
    closed_ = true;
    auto keepAlive = shared_from_this();
    app_.windowClosed(*this);
}

void HostPageWindow::Save() {
    requireOpen();
    if (!file_)
        throw Error(errnum::kPathFileAccess, "norvel",
                    "The new page has never been saved: it needs a name in the web first");
    if (HostSaveBatch* batch = app_.saveBatch()) {
        batch->stage(file_->LocalPath(), document_->page().html());
        document_->markSaved();
        return;
    }
    document_->saveTo(file_->LocalPath());
}

void HostPageWindow::SaveAs(const std::string& pagePath) {
    requireOpen();
    DiskWeb* web = app_.web();
    if (web == nullptr)
        throw Error(errnum::kPathNotFound, "norvel",
                    "No web is open to save '" + pagePath + "' in");
    std::filesystem::path relative(pagePath);
    auto folder = resolveWebFolder(*web, relative.parent_path().generic_string(), true);
    std::filesystem::path target = folder->LocalPath() / relative.filename();
    document_->saveTo(target);
    file_ = resolveWebFile(*web, pagePath);
}

void HostPageWindow::Activate() {
    requireOpen();
    app_.activate(shared_from_this());
}

bool HostPageWindow::modified() const {
    return document_->modified();
}

std::string HostPageWindow::displayName() const {
    if (!file_)
        return "(new page)";
    return file_->Name();
}

}  // namespace norvel::host
