#include "host/editor/host_document.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <string_view>

#include "common/ascii_text.h"
#include "common/atomic_file.h"
#include "common/error.h"
#include "host/editor/host_style_sheet.h"
#include "host/markup/markup_scanner.h"

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
      encoding_(PageEncoding::ofPage(bytes, kWebDefaultEncoding)),
      savedBytes_(std::move(bytes)),
      file_(std::move(file)),
      webRoot_(std::move(webRoot)),
      createdDate_(std::move(createdDate)) {}

void HostDocument::reloadFrom(std::string bytes) {
    page_.endUndoStep();
    page_.setHtml(bytes);
    page_.endUndoStep();
    encoding_ = PageEncoding::ofPage(bytes, kWebDefaultEncoding);
    savedBytes_ = std::move(bytes);
}

void HostDocument::saveTo(const std::filesystem::path& file) {
    common::writeFileAtomically(file, page_.html());
    savedBytes_ = page_.html();
    file_ = file;
    if (createdDate_.empty())
        createdDate_ = fileDate(file);
}

int HostDocument::headTagsLength(const std::string& name) {
    std::string wanted = common::toLowerAscii(name);
    std::string head = page_.headInnerHtml();
    MarkupScanner scanner(head);
    MarkupToken token;
    int count = 0;
    while (scanner.next(token))
        if (token.kind == MarkupToken::Kind::StartTag && token.name == wanted)
            ++count;
    return count;
}

void HostDocument::setHeadInnerHTML(const std::string& html) {
    page_.setHeadInnerHtml(encoding_.reencodeEdited(page_.headInnerHtml(), html));
}

void HostDocument::setBodyInnerHTML(const std::string& html) {
    page_.setBodyInnerHtml(encoding_.reencodeEdited(page_.bodyInnerHtml(), html));
}

void HostDocument::setDocumentHTML(const std::string& html) {
    page_.setHtml(encoding_.reencodeEdited(page_.html(), html));
}

std::string HostDocument::bodyInnerText() {
    if (encoding_.isUtf8())
        return page_.bodyInnerText();
    // Character references become UTF-8, so the page is read as text first.
    return HtmlDocument(encoding_.decode(page_.html())).bodyInnerText();
}

void HostDocument::replaceDecodedRange(size_t begin, size_t end, const std::string& text) {
    if (encoding_.isUtf8()) {
        page_.replaceRange(begin, end, text);
        return;
    }
    std::vector<size_t> offsets;
    encoding_.decode(page_.html(), offsets);
    page_.replaceRange(offsets.at(begin), offsets.at(end), encoding_.encode(text));
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

namespace {

bool isUrlSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// "http:", "file:", "javascript:", "c:"...: an address with a scheme is not a file of the web.
bool hasScheme(std::string_view address) {
    if (address.empty() || !std::isalpha(static_cast<unsigned char>(address[0])))
        return false;
    for (char c : address.substr(1)) {
        if (c == ':')
            return true;
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return false;
}

std::string percentDecoded(std::string_view path) {
    std::string out;
    for (size_t i = 0; i < path.size(); ++i) {
        if (path[i] == '%' && i + 2 < path.size() && common::hexDigitValue(path[i + 1]) >= 0 &&
            common::hexDigitValue(path[i + 2]) >= 0) {
            out += static_cast<char>(common::hexDigitValue(path[i + 1]) * 16 +
                                     common::hexDigitValue(path[i + 2]));
            i += 2;
        } else {
            out += path[i];
        }
    }
    return out;
}

// `path` (normalized, absolute) is `root` or lies below it.
bool isInside(const std::filesystem::path& path, const std::filesystem::path& root) {
    auto relative = path.lexically_relative(root);
    return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

std::filesystem::path HostDocument::linkedSheetPath(const std::string& href) const {
    std::string_view address = href;
    while (!address.empty() && isUrlSpace(address.front()))
        address.remove_prefix(1);
    while (!address.empty() && isUrlSpace(address.back()))
        address.remove_suffix(1);
    address = address.substr(0, address.find_first_of("?#"));
    std::string path = percentDecoded(address);
    std::replace(path.begin(), path.end(), '\\', '/');  // as browsers read old Windows pages
    // Another server ("//host/..."), a scheme, or nothing that names a file.
    if (path.empty() || path.starts_with("//") || hasScheme(address) ||
        path.find('\0') != std::string::npos || path.back() == '/')
        return {};
    std::filesystem::path base = file_.empty() ? webRoot_ : file_.parent_path();
    std::filesystem::path target = path[0] == '/' ? webRoot_ / path.substr(1) : base / path;
    target = target.lexically_normal();
    std::filesystem::path root = webRoot_.lexically_normal();
    if (!isInside(target, root) || target == root)
        return {};
    // A symbolic link in the web may lead out of it: the file must really lie inside.
    std::error_code error;
    std::filesystem::path realRoot = std::filesystem::canonical(root, error);
    if (error)
        return {};
    std::filesystem::path realTarget = std::filesystem::weakly_canonical(target, error);
    if (error || !isInside(realTarget, realRoot) || realTarget == realRoot)
        return {};
    if (std::filesystem::is_directory(realTarget, error))
        return {};
    return realTarget;
}

}  // namespace norvel::host
