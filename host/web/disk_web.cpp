#include "host/web/disk_web.h"

#include "host/web/web_folder.h"
#include "host/web/web_root.h"

namespace norvel::host {

DiskWeb::DiskWeb(const std::filesystem::path& rootFolder, PageWindowHost& windows)
    : root_(std::make_shared<const DiskWebRoot>(rootFolder, windows)) {}

std::shared_ptr<common::editor::WebFolder> DiskWeb::RootFolder() {
    return std::make_shared<DiskWebFolder>(root_, std::filesystem::path());
}

std::string DiskWeb::Url() {
    return root_->url({});
}

}  // namespace norvel::host
