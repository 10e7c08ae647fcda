// The web of the editor stand-in: a folder on disk, offered to the libraries through the
// editor's object model (common/editor/web.h).
//
// Every object handed out names a path below the root and reads the disk when asked, so the
// same entry may be represented by several objects (compare them by LocalPath), and objects
// stay safe to use after their entry was deleted or renamed. Names are checked so that no
// path can leave the web, entries whose names start with "." are not part of it, and nothing
// is written through a symbolic link that leads outside it (Error 70).
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/editor/web.h"

namespace norvel::host {

class DiskWebRoot;
class PageWindowHost;

class DiskWeb : public common::editor::Web {
  public:
    // `rootFolder` must be an existing folder (Error 76 otherwise). `windows` opens files in
    // page windows; it must outlive every object of this web.
    DiskWeb(const std::filesystem::path& rootFolder, PageWindowHost& windows);

    std::shared_ptr<common::editor::WebFolder> RootFolder() override;
    // "file://" followed by the root folder's absolute path, symbolic links resolved.
    std::string Url() override;

  private:
    std::shared_ptr<const DiskWebRoot> root_;
};

}  // namespace norvel::host
