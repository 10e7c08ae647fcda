// Where a web on disk lies, shared by the web and every folder and file object it hands out,
// so that those objects stay usable (and fail cleanly) whatever becomes of the others.
#pragma once

#include <filesystem>
#include <string>

namespace norvel::host {

class PageWindowHost;

class DiskWebRoot {
  public:
    // `folder` must be an existing folder (Error 76 otherwise). `windows` must outlive every
    // object of the web.
    DiskWebRoot(const std::filesystem::path& folder, PageWindowHost& windows);

    // Absolute, with symbolic links resolved.
    const std::filesystem::path& path() const { return path_; }
    PageWindowHost& windows() const { return windows_; }

    // The entry's place on the disk; `relative` is empty for the root.
    std::filesystem::path absolute(const std::filesystem::path& relative) const;
    std::string url(const std::filesystem::path& relative) const;

    // True when `realPath` (absolute, links resolved) is the root or lies below it.
    bool holds(const std::filesystem::path& realPath) const;

    // Makes sure a write into this folder stays inside the web: Error 76 when the folder is
    // gone or is no folder, Error 70 when a symbolic link takes it outside the web.
    void requireWritableFolder(const std::filesystem::path& relative) const;

  private:
    std::filesystem::path path_;
    PageWindowHost& windows_;
};

}  // namespace norvel::host
