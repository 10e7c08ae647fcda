#include "host/web/web_root.h"

#include <algorithm>

#include "common/error.h"
#include "host/web/entry_names.h"

namespace norvel::host {

namespace fs = std::filesystem;
using common::errnum::kPathNotFound;
using common::errnum::kPermissionDenied;

DiskWebRoot::DiskWebRoot(const fs::path& folder, PageWindowHost& windows) : windows_(windows) {
    std::error_code error;
    path_ = fs::canonical(folder, error);
    if (error || !fs::is_directory(path_, error)) {
        throw webError(kPathNotFound,
                       "Path not found: the web's folder '" + folder.string() + "' does not exist");
    }
}

fs::path DiskWebRoot::absolute(const fs::path& relative) const {
    return relative.empty() ? path_ : path_ / relative;
}

std::string DiskWebRoot::url(const fs::path& relative) const {
    return "file://" + absolute(relative).string();
}

bool DiskWebRoot::holds(const fs::path& realPath) const {
    auto [rootPart, pathPart] =
        std::mismatch(path_.begin(), path_.end(), realPath.begin(), realPath.end());
    return rootPart == path_.end();
}

void DiskWebRoot::requireWritableFolder(const fs::path& relative) const {
    std::error_code error;
    fs::path real = fs::canonical(absolute(relative), error);
    if (error || !fs::is_directory(real, error)) {
        throw webError(kPathNotFound, "Path not found: the folder " + describeEntry(relative) +
                                          " is no longer in the web");
    }
    if (!holds(real)) {
        throw webError(kPermissionDenied, "Permission denied: the folder " +
                                              describeEntry(relative) + " is a symbolic link to '" +
                                              real.string() +
                                              "' outside the web, which is not written through");
    }
}

}  // namespace norvel::host
