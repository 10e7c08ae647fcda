#include "host/web/web_file.h"

#include "common/error.h"
#include "host/editor/page_window_host.h"
#include "host/web/entry_listing.h"
#include "host/web/entry_names.h"
#include "host/web/web_folder.h"
#include "host/web/web_root.h"

namespace norvel::host {

namespace fs = std::filesystem;
namespace editor = common::editor;
using namespace common::errnum;

DiskWebFile::DiskWebFile(std::shared_ptr<const DiskWebRoot> root, fs::path relative)
    : root_(std::move(root)), relative_(std::move(relative)) {}

std::string DiskWebFile::Name() {
    return relative_.filename().string();
}

std::string DiskWebFile::Extension() {
    return extensionOf(Name());
}

std::string DiskWebFile::Url() {
    return root_->url(relative_);
}

std::shared_ptr<editor::WebFolder> DiskWebFile::Parent() {
    return std::make_shared<DiskWebFolder>(root_, relative_.parent_path());
}

bool DiskWebFile::IsOpen() {
    return root_->windows().isOpen(LocalPath());
}

std::shared_ptr<editor::PageWindow> DiskWebFile::Open(int viewMode) {
    bool known = viewMode == editor::kViewNormal || viewMode == editor::kViewHtml ||
                 viewMode == editor::kViewPreview || viewMode == editor::kViewDataFile;
    if (!known) {
        throw webError(kInvalidCall, "Invalid procedure call or argument: view mode " +
                                         std::to_string(viewMode) + " for " +
                                         describeEntry(relative_));
    }
    requireFile();
    return root_->windows().openPage(shared_from_this(), viewMode);
}

void DiskWebFile::Delete() {
    requireFile();
    root_->requireWritableFolder(relative_.parent_path());
    std::error_code error;
    bool removed = fs::remove(LocalPath(), error);
    if (error)
        throw fileSystemError(error, "Cannot delete", relative_, kFileNotFound);
    if (!removed)
        throw notFound();
}

fs::path DiskWebFile::LocalPath() {
    return root_->absolute(relative_);
}

void DiskWebFile::requireFile() const {
    if (webEntryKind(root_->absolute(relative_)) != WebEntryKind::File)
        throw notFound();
}

common::Error DiskWebFile::notFound() const {
    return webError(kFileNotFound,
                    "File not found: " + describeEntry(relative_) + " is no longer in the web");
}

}  // namespace norvel::host
