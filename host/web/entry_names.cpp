#include "host/web/entry_names.h"

namespace norvel::host {
namespace {

// The name as it can be shown in a message: a NUL would cut the text short.
std::string printableName(std::string_view name) {
    std::string shown;
    for (char c : name) {
        if (c == '\0') {
            shown += "\\0";
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace

void checkEntryName(std::string_view name) {
    bool invalid = name.empty() || name == "." || name == ".." ||
                   name.find('/') != std::string_view::npos ||
                   name.find('\0') != std::string_view::npos;
    if (invalid) {
        throw webError(common::errnum::kInvalidCall, "Invalid procedure call or argument: '" +
                                                         printableName(name) +
                                                         "' is not a valid name in the web");
    }
}

bool isHiddenName(std::string_view name) {
    return !name.empty() && name.front() == '.';
}

std::string extensionOf(std::string_view name) {
    size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return "";
    return std::string(name.substr(dot + 1));
}

std::string describeEntry(const std::filesystem::path& relative) {
    if (relative.empty())
        return "the root folder";
    return "'" + relative.generic_string() + "'";
}

common::Error webError(int32_t number, std::string description) {
    return common::Error(number, "norvel", std::move(description));
}

common::Error fileSystemError(const std::error_code& code, std::string_view action,
                              const std::filesystem::path& relative, int32_t missingNumber) {
    std::string detail =
        std::string(action) + " " + describeEntry(relative) + ": " + code.message();
    if (code == std::errc::permission_denied || code == std::errc::operation_not_permitted ||
        code == std::errc::read_only_file_system) {
        return webError(common::errnum::kPermissionDenied, "Permission denied: " + detail);
    }
    if (code == std::errc::no_such_file_or_directory || code == std::errc::not_a_directory) {
        const char* title = missingNumber == common::errnum::kFileNotFound ? "File not found: "
                                                                           : "Path not found: ";
        return webError(missingNumber, title + detail);
    }
    return webError(common::errnum::kPathFileAccess, "Path/File access error: " + detail);
}

}  // namespace norvel::host
