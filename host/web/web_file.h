// A file of the web on disk. The object names a path, not an open file: several objects may
// name the same file, and an object whose file was deleted or renamed stays safe to use (its
// operations that need the file then fail with Error 53).
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/editor/web.h"
#include "common/error.h"

namespace norvel::host {

class DiskWebRoot;

class DiskWebFile : public common::editor::WebFile,
                    public std::enable_shared_from_this<DiskWebFile> {
  public:
    // `relative` is the file's path below the web's root, made of checked names.
    DiskWebFile(std::shared_ptr<const DiskWebRoot> root, std::filesystem::path relative);

    std::string Name() override;
    std::string Extension() override;
    std::string Url() override;
    std::shared_ptr<common::editor::WebFolder> Parent() override;
    bool IsOpen() override;
    // Error 5 for an unknown view mode, 53 when the file is gone.
    std::shared_ptr<common::editor::PageWindow> Open(int viewMode) override;
    // Removes the file; a symbolic link is removed, not what it points to. Error 53 when the
    // file is gone, 70 when its folder lies outside the web through a link.
    void Delete() override;
    std::filesystem::path LocalPath() override;

    const std::filesystem::path& relativePath() const { return relative_; }

  private:
    void requireFile() const;
    common::Error notFound() const;

    std::shared_ptr<const DiskWebRoot> root_;
    std::filesystem::path relative_;
};

}  // namespace norvel::host
