#include "host/editor/web_paths.h"

#include <vector>

#include "common/error.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

namespace {

std::vector<std::string> splitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '/' || c == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    for (const auto& p : parts)
        if (p == "." || p == "..")
            throw Error(
                errnum::kInvalidCall, "norvel",
                "Invalid procedure call or argument: the path '" + path + "' leaves the web");
    return parts;
}

bool hasFolder(common::editor::WebFolder& folder, const std::string& name) {
    auto& folders = folder.Folders();
    for (int i = 0; i < folders.Count(); ++i)
        if (folders.Item(i)->Name() == name)
            return true;
    return false;
}

bool hasFile(common::editor::WebFolder& folder, const std::string& name) {
    auto& files = folder.Files();
    for (int i = 0; i < files.Count(); ++i)
        if (files.Item(i)->Name() == name)
            return true;
    return false;
}

}  // namespace

std::shared_ptr<common::editor::WebFolder> resolveWebFolder(common::editor::Web& web,
                                                            const std::string& folderPath,
                                                            bool create) {
    auto folder = web.RootFolder();
    for (const std::string& name : splitPath(folderPath)) {
        if (!hasFolder(*folder, name)) {
            if (!create)
                throw Error(errnum::kPathNotFound, "norvel",
                            "Path not found: there is no folder '" + folderPath + "' in the web");
            folder = folder->Folders().Add(name);
        } else {
            folder = folder->Folders().Item(name);
        }
    }
    return folder;
}

std::shared_ptr<common::editor::WebFile> resolveWebFile(common::editor::Web& web,
                                                        const std::string& pagePath) {
    std::vector<std::string> parts = splitPath(pagePath);
    if (parts.empty())
        throw Error(errnum::kFileNotFound, "norvel", "File not found: no page name given");
    std::string fileName = parts.back();
    parts.pop_back();
    std::string folderPath;
    for (const auto& part : parts)
        folderPath += part + "/";
    auto folder = resolveWebFolder(web, folderPath, false);
    if (!hasFile(*folder, fileName))
        throw Error(errnum::kFileNotFound, "norvel",
                    "File not found: there is no page '" + pagePath + "' in the web");
    return folder->Files().Item(fileName);
}

}  // namespace norvel::host
