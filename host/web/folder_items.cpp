#include "host/web/folder_items.h"

#include "common/error.h"
#include "host/web/entry_listing.h"
#include "host/web/entry_names.h"
#include "host/web/web_file.h"
#include "host/web/web_folder.h"
#include "host/web/web_import.h"
#include "host/web/web_root.h"

namespace norvel::host {

namespace fs = std::filesystem;
namespace editor = common::editor;
using namespace common::errnum;

namespace {

const char* kindName(WebEntryKind kind) {
    return kind == WebEntryKind::File ? "file" : "folder";
}

// The path of the entry called `name` when it is an entry of `kind`; Error 9 otherwise.
fs::path pathNamed(const DiskWebRoot& root, const fs::path& folder, WebEntryKind kind,
                   const std::string& name) {
    checkEntryName(name);
    requireExistingFolder(root, folder);
    fs::path relative = folder / name;
    if (isHiddenName(name) || webEntryKind(root.absolute(relative)) != kind) {
        throw webError(kSubscriptOutOfRange, "Subscript out of range: no " +
                                                 std::string(kindName(kind)) + " named '" + name +
                                                 "' in " + describeEntry(folder));
    }
    return relative;
}

}  // namespace

DiskWebFiles::DiskWebFiles(std::shared_ptr<const DiskWebRoot> root, fs::path relativeFolder)
    : root_(root), folder_(relativeFolder), listing_(root, relativeFolder, WebEntryKind::File) {}

int DiskWebFiles::Count() {
    return listing_.count();
}

std::shared_ptr<editor::WebFile> DiskWebFiles::Item(int index) {
    return std::make_shared<DiskWebFile>(root_, folder_ / listing_.nameAt(index));
}

std::shared_ptr<editor::WebFile> DiskWebFiles::Item(const std::string& name) {
    return std::make_shared<DiskWebFile>(root_,
                                         pathNamed(*root_, folder_, WebEntryKind::File, name));
}

std::vector<std::shared_ptr<editor::WebFile>> DiskWebFiles::Enumerate() {
    std::vector<std::shared_ptr<editor::WebFile>> files;
    for (const std::string& name : listWebEntries(*root_, folder_, WebEntryKind::File))
        files.push_back(std::make_shared<DiskWebFile>(root_, folder_ / name));
    return files;
}

std::shared_ptr<editor::WebFile> DiskWebFiles::Add(const fs::path& localPath, bool overwrite) {
    return std::make_shared<DiskWebFile>(root_, importFile(*root_, localPath, folder_, overwrite));
}

DiskWebFolders::DiskWebFolders(std::shared_ptr<const DiskWebRoot> root, fs::path relativeFolder)
    : root_(root), folder_(relativeFolder), listing_(root, relativeFolder, WebEntryKind::Folder) {}

int DiskWebFolders::Count() {
    return listing_.count();
}

std::shared_ptr<editor::WebFolder> DiskWebFolders::Item(int index) {
    return std::make_shared<DiskWebFolder>(root_, folder_ / listing_.nameAt(index));
}

std::shared_ptr<editor::WebFolder> DiskWebFolders::Item(const std::string& name) {
    return std::make_shared<DiskWebFolder>(root_,
                                           pathNamed(*root_, folder_, WebEntryKind::Folder, name));
}

std::shared_ptr<editor::WebFolder> DiskWebFolders::Add(const std::string& name) {
    checkEntryName(name);
    if (isHiddenName(name)) {
        throw webError(kInvalidCall, "Invalid procedure call or argument: '" + name +
                                         "' starts with '.'; hidden folders are not part of "
                                         "the web");
    }
    root_->requireWritableFolder(folder_);
    fs::path relative = folder_ / name;
    fs::path target = root_->absolute(relative);
    std::error_code error;
    fs::create_directory(target, error);
    // An existing folder of that name (or one made meanwhile by someone else) is the answer.
    if (webEntryKind(target) == WebEntryKind::Folder) {
        return std::make_shared<DiskWebFolder>(root_, relative);
    }
    if (error && error != std::errc::file_exists) {
        throw fileSystemError(error, "Cannot create the folder", relative);
    }
    throw webError(kFileAlreadyExists, "File already exists: " + describeEntry(relative) +
                                           " is taken by an entry that is not a folder");
}

}  // namespace norvel::host
