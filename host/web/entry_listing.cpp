#include "host/web/entry_listing.h"

#include <algorithm>

#include "common/error.h"
#include "host/web/entry_names.h"
#include "host/web/web_root.h"

namespace norvel::host {

namespace fs = std::filesystem;

namespace {

std::optional<WebEntryKind> kindOf(fs::file_type type) {
    if (type == fs::file_type::regular)
        return WebEntryKind::File;
    if (type == fs::file_type::directory)
        return WebEntryKind::Folder;
    return std::nullopt;
}

}  // namespace

std::optional<WebEntryKind> webEntryKind(const fs::path& path) {
    std::error_code error;
    return kindOf(fs::status(path, error).type());
}

std::vector<std::string> listWebEntries(const DiskWebRoot& root, const fs::path& relativeFolder,
                                        WebEntryKind kind) {
    std::error_code error;
    fs::directory_iterator entries(root.absolute(relativeFolder), error);
    if (error)
        throw fileSystemError(error, "Cannot list the folder", relativeFolder);

    std::vector<std::string> names;
    for (; entries != fs::directory_iterator(); entries.increment(error)) {
        std::string name = entries->path().filename().string();
        if (isHiddenName(name))
            continue;
        // The entry keeps the type read with the listing; only links cost a further look.
        std::error_code typeError;
        bool wanted = kind == WebEntryKind::File ? entries->is_regular_file(typeError)
                                                 : entries->is_directory(typeError);
        if (wanted)
            names.push_back(std::move(name));
    }
    if (error)
        throw fileSystemError(error, "Cannot list the folder", relativeFolder);
    std::sort(names.begin(), names.end());
    return names;
}

void requireExistingFolder(const DiskWebRoot& root, const fs::path& relativeFolder) {
    if (webEntryKind(root.absolute(relativeFolder)) != WebEntryKind::Folder) {
        throw webError(common::errnum::kPathNotFound, "Path not found: the folder " +
                                                          describeEntry(relativeFolder) +
                                                          " is no longer in the web");
    }
}

}  // namespace norvel::host
