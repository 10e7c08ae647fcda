// Names and messages of the web on disk: which entry names the web accepts, and how errors
// name an entry (by its path relative to the web's root, which is what the user knows).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "common/error.h"

namespace norvel::host {

// Throws Error 5 for a name that is empty, "." or "..", or holds "/" or a NUL: such a name
// could reach outside the folder it is meant for.
void checkEntryName(std::string_view name);

// Entries starting with "." are not part of the web (the editor keeps temporary files there).
bool isHiddenName(std::string_view name);

// The part after the last dot, as written; empty when there is none or the dot leads.
std::string extensionOf(std::string_view name);

// "'pics/logo.gif'" for an entry, "the root folder" for the web's root.
std::string describeEntry(const std::filesystem::path& relative);

// An Error of the editor stand-in.
common::Error webError(int32_t number, std::string description);

// A failed file system call on an entry, as an Error: 70 when access is denied, `missingNumber`
// when the entry (or its folder) is gone, 75 otherwise.
common::Error fileSystemError(const std::error_code& code, std::string_view action,
                              const std::filesystem::path& relative,
                              int32_t missingNumber = common::errnum::kPathNotFound);

}  // namespace norvel::host
