#include "host/editor/host_document.h"

#include <sys/stat.h>

#include <ctime>

#include "common/atomic_file.h"
#include "common/error.h"
#include "host/editor/host_style_sheet.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

namespace {

// The file's date as the editor showed it: month/day/year.
std::string fileDate(const std::filesystem::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return std::string();
    std::tm local{};
    time_t when = info.st_mtime;
    ::localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%m/%d/%Y", &local);
    return text;
}

}  // namespace

std::string blankPageHtml() {
    return "<!DOCTYPE html>\r\n<html>\r\n\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
           "<title>New Page 1</title>\r\n</head>\r\n\r\n<body>\r\n\r\n</body>\r\n\r\n</html>\r\n";
}

std::shared_ptr<HostDocument> HostDocument::load(const std::filesystem::path& file,
                                                 const std::filesystem::path& webRoot) {
    return std::make_shared<HostDocument>(common::readFileBytes(file), file, webRoot,
                                          fileDate(file));
}

std::shared_ptr<HostDocument> HostDocument::blank(const std::filesystem::path& webRoot) {
    auto document = std::make_shared<HostDocument>(blankPageHtml(), std::filesystem::path(),
                                                   webRoot, std::string());
    document->savedBytes_.clear();  // a new page counts as changed until it is saved
    return document;
}

HostDocument::HostDocument(std::string bytes, std::filesystem::path file,
                           std::filesystem::path webRoot, std::string createdDate)
    : page_(bytes),
      savedBytes_(std::move(bytes)),
      file_(std::move(file)),
      webRoot_(std::move(webRoot)),
      createdDate_(std::move(createdDate)) {}

void HostDocument::saveTo(const std::filesystem::path& file) {
    common::writeFileAtomically(file, page_.html());
    savedBytes_ = page_.html();
    file_ = file;
    if (createdDate_.empty())
        createdDate_ = fileDate(file);
}

int HostDocument::styleSheetsLength() {
    return static_cast<int>(page_.styleSources().size());
}

std::shared_ptr<common::editor::StyleSheet> HostDocument::styleSheet(int index) {
    if (index < 0 || index >= styleSheetsLength())
        throw Error(errnum::kSubscriptOutOfRange, "norvel",
                    "Subscript out of range: the page has no style sheet " + std::to_string(index));
    return std::make_shared<HostStyleSheet>(shared_from_this(), index);
}

std::shared_ptr<common::editor::StyleSheet> HostDocument::createStyleSheet(
    const std::string& address, int index) {
    if (index != -1)
        throw Error(errnum::kInvalidCall, "norvel",
                    "Invalid procedure call or argument: a style sheet link is only appended (-1)");
    page_.appendStyleSheetLink(address);
    auto sources = page_.styleSources();
    for (int i = static_cast<int>(sources.size()) - 1; i >= 0; --i)
        if (sources[static_cast<size_t>(i)].isLink &&
            sources[static_cast<size_t>(i)].href == address)
            return styleSheet(i);
    throw Error(errnum::kInternal, "norvel", "The new style sheet link was not found in the page");
}

std::filesystem::path HostDocument::linkedSheetPath(const std::string& href) const {
    if (href.empty() || href.find("://") != std::string::npos || href.rfind("//", 0) == 0)
        return {};
    std::string path = href.substr(0, href.find_first_of("?#"));
    std::filesystem::path base = file_.empty() ? webRoot_ : file_.parent_path();
    std::filesystem::path target = path[0] == '/' ? webRoot_ / path.substr(1) : base / path;
    target = target.lexically_normal();
    std::filesystem::path root = webRoot_.lexically_normal();
    auto relative = target.lexically_relative(root);
    if (relative.empty() || *relative.begin() == "..")
        return {};
    return target;
}

}  // namespace norvel::host
