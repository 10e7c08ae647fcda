// What a file of the web is to the editor: a page it edits, a picture it can only show, or
// something else it leaves alone. Decided by the name and by the first bytes, so that a
// picture named like a page, or a binary file without a telling name, never opens as text
// (saving it would turn it into markup).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace norvel::host {

enum class FileKind { Page, Picture, Other };

// The kind of a file from its name and its first bytes (`head`: a few kilobytes are enough).
FileKind fileKindOf(std::string_view fileName, std::string_view head);

// Reads the start of `file` and decides; Error 53 when it cannot be read.
FileKind fileKindOfFile(const std::filesystem::path& file);

// Whether a file name ends in an extension pages are written with (.htm, .html, .php, .asp...).
bool hasPageExtension(std::string_view fileName);

// "htm, html, ...": the page extensions for messages.
std::string pageExtensionList();

}  // namespace norvel::host
