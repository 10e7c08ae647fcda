#include "host/web/web_folder.h"

#include "common/error.h"
#include "host/web/entry_listing.h"
#include "host/web/entry_names.h"
#include "host/web/web_root.h"

namespace norvel::host {

namespace fs = std::filesystem;
namespace editor = common::editor;
using namespace common::errnum;

DiskWebFolder::DiskWebFolder(std::shared_ptr<const DiskWebRoot> root, fs::path relative)
    : root_(root), relative_(relative), files_(root, relative), folders_(root, relative) {}

std::string DiskWebFolder::Name() {
    return relative_.filename().string();
}

std::string DiskWebFolder::Url() {
    return root_->url(relative_);
}

bool DiskWebFolder::IsRoot() {
    return relative_.empty();
}

std::shared_ptr<editor::WebFolder> DiskWebFolder::Parent() {
    if (IsRoot())
        return nullptr;
    return std::make_shared<DiskWebFolder>(root_, relative_.parent_path());
}

void DiskWebFolder::Delete() {
    if (IsRoot()) {
        throw webError(kInvalidCall,
                       "Invalid procedure call or argument: the root folder of the web cannot "
                       "be deleted");
    }
    requireExistingFolder(*root_, relative_);
    root_->requireWritableFolder(relative_.parent_path());
    // remove_all takes a symbolic link away without entering it.
    std::error_code error;
    fs::remove_all(LocalPath(), error);
    if (error)
        throw fileSystemError(error, "Cannot delete", relative_);
}

fs::path DiskWebFolder::LocalPath() {
    return root_->absolute(relative_);
}

}  // namespace norvel::host
