// The files and the subfolders of a web folder on disk, by position (in byte order of their
// names) or by exact name. Answers follow changes made on disk by anyone: Count and Item(name)
// read the folder every time, Item(index) whenever the folder shows a change.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/editor/web.h"
#include "host/web/listing_cache.h"

namespace norvel::host {

class DiskWebRoot;

class DiskWebFiles : public common::editor::WebFiles {
  public:
    DiskWebFiles(std::shared_ptr<const DiskWebRoot> root, std::filesystem::path relativeFolder);

    int Count() override;
    std::shared_ptr<common::editor::WebFile> Item(int index) override;
    // Error 5 for a name the web refuses, 9 when there is no such file.
    std::shared_ptr<common::editor::WebFile> Item(const std::string& name) override;
    std::vector<std::shared_ptr<common::editor::WebFile>> Enumerate() override;
    // See importFile (web_import.h).
    std::shared_ptr<common::editor::WebFile> Add(const std::filesystem::path& localPath,
                                                 bool overwrite) override;

  private:
    std::shared_ptr<const DiskWebRoot> root_;
    std::filesystem::path folder_;
    WebEntryListing listing_;
};

class DiskWebFolders : public common::editor::WebFolders {
  public:
    DiskWebFolders(std::shared_ptr<const DiskWebRoot> root, std::filesystem::path relativeFolder);

    int Count() override;
    std::shared_ptr<common::editor::WebFolder> Item(int index) override;
    // Error 5 for a name the web refuses, 9 when there is no such folder.
    std::shared_ptr<common::editor::WebFolder> Item(const std::string& name) override;
    // Error 5 for a name the web refuses (hidden names too), 58 when a file has the name,
    // 70/76 when the folder cannot be written.
    std::shared_ptr<common::editor::WebFolder> Add(const std::string& name) override;

  private:
    std::shared_ptr<const DiskWebRoot> root_;
    std::filesystem::path folder_;
    WebEntryListing listing_;
};

}  // namespace norvel::host
