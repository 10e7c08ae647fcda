// A folder of the web on disk. Like a file object, it names a path: an object whose folder
// was deleted or renamed stays safe to use, and what needs the folder fails with Error 76.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/editor/web.h"
#include "host/web/folder_items.h"

namespace norvel::host {

class DiskWebRoot;

class DiskWebFolder : public common::editor::WebFolder {
  public:
    // `relative` is the folder's path below the web's root (empty for the root), made of
    // checked names.
    DiskWebFolder(std::shared_ptr<const DiskWebRoot> root, std::filesystem::path relative);

    std::string Name() override;
    std::string Url() override;
    bool IsRoot() override;
    std::shared_ptr<common::editor::WebFolder> Parent() override;
    common::editor::WebFiles& Files() override { return files_; }
    common::editor::WebFolders& Folders() override { return folders_; }
    // Removes the folder with everything in it; a symbolic link is removed, not what it points
    // to. Error 5 for the root, 76 when the folder is gone, 70 when its parent lies outside
    // the web through a link.
    void Delete() override;
    std::filesystem::path LocalPath() override;

    const std::filesystem::path& relativePath() const { return relative_; }

  private:
    std::shared_ptr<const DiskWebRoot> root_;
    std::filesystem::path relative_;
    DiskWebFiles files_;
    DiskWebFolders folders_;
};

}  // namespace norvel::host
