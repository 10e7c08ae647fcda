#include "stylecollection/linked_sheet_file.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "common/ascii_text.h"
#include "common/editor/application.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"

namespace norvel::style {

namespace editor = common::editor;

namespace {

bool hasScheme(std::string_view address) {
    size_t colon = address.find(':');
    if (colon == std::string_view::npos || colon == 0)
        return false;
    return std::all_of(address.begin(), address.begin() + static_cast<long>(colon), [](char c) {
        return common::isAsciiAlpha(c) || common::isAsciiDigit(c) || c == '+' || c == '-' ||
               c == '.';
    });
}

std::string percentDecoded(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && common::hexDigitValue(text[i + 1]) >= 0 &&
            common::hexDigitValue(text[i + 2]) >= 0) {
            out += static_cast<char>(common::hexDigitValue(text[i + 1]) * 16 +
                                     common::hexDigitValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> segmentsOf(const std::string& path) {
    std::vector<std::string> segments;
    size_t start = 0;
    while (start <= path.size()) {
        size_t slash = path.find('/', start);
        if (slash == std::string::npos)
            slash = path.size();
        segments.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return segments;
}

}  // namespace

std::shared_ptr<editor::WebFile> findLinkedSheetFile(editor::Application& app,
                                                     const std::string& href) {
    auto web = app.ActiveWeb();
    if (!web)
        return nullptr;
    std::string_view address = common::trimSpacesAndTabs(href);
    address = address.substr(0, address.find_first_of("?#"));
    if (address.empty() || hasScheme(address))
        return nullptr;
    std::string path = percentDecoded(address);
    std::replace(path.begin(), path.end(), '\\', '/');  // as browsers read old Windows pages
    if (path.starts_with("//") || path.back() == '/' || path.find('\0') != std::string::npos)
        return nullptr;

    try {
        std::shared_ptr<editor::WebFolder> folder;
        auto window = app.ActivePageWindow();
        auto pageFile = window ? window->File() : nullptr;
        if (path.front() == '/' || !pageFile)
            folder = web->RootFolder();
        else
            folder = pageFile->Parent();
        std::vector<std::string> segments = segmentsOf(path.front() == '/' ? path.substr(1) : path);
        for (size_t i = 0; i + 1 < segments.size(); ++i) {
            const std::string& segment = segments[i];
            if (segment.empty() || segment == ".")
                continue;
            if (segment == "..") {
                folder = folder->IsRoot() ? nullptr : folder->Parent();
                if (!folder)
                    return nullptr;  // above the web's root
                continue;
            }
            folder = folder->Folders().Item(segment);
        }
        const std::string& name = segments.back();
        if (name.empty() || name == "." || name == "..")
            return nullptr;
        return folder->Files().Item(name);
    } catch (const common::Error&) {
        return nullptr;  // a folder or the file is not there
    }
}

}  // namespace norvel::style
