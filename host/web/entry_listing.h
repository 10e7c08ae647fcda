// What a folder of the web holds: its visible files and subfolders, in a repeatable order.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace norvel::host {

class DiskWebRoot;

enum class WebEntryKind { File, Folder };

// The kind of the entry at `path`, following symbolic links; none when there is no such
// entry or it is neither a regular file nor a folder (a dangling link, a socket).
std::optional<WebEntryKind> webEntryKind(const std::filesystem::path& path);

// The names of the folder's entries of `kind`, hidden ones left out, sorted by bytes so that
// runs are repeatable. Error 76 when the folder is gone, 70 when it cannot be read.
std::vector<std::string> listWebEntries(const DiskWebRoot& root,
                                        const std::filesystem::path& relativeFolder,
                                        WebEntryKind kind);

// Error 76 unless the folder exists (following symbolic links).
void requireExistingFolder(const DiskWebRoot& root, const std::filesystem::path& relativeFolder);

}  // namespace norvel::host
