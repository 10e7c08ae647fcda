// Whole-file reads and crash-safe whole-file writes.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace norvel::common {

// Reads the file's bytes unchanged. Only a regular file (or a link to one) is read: a folder,
// a pipe or a device is refused. Throws Error (53 when missing, 75 on other failures).
std::string readFileBytes(const std::filesystem::path& path);

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and renames it
// over `path`, so readers see either the old or the new content, never a half-written file.
// An existing file's permission bits are kept. Throws Error on failure; the old file is then
// untouched and no temporary file is left behind.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace norvel::common
