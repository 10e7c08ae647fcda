// The web open in the editor: a folder tree of pages and other files, reached through the
// editor's object model. The libraries see only these interfaces; the editor stand-in
// implements them over a folder on disk.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace norvel::common::editor {

class PageWindow;
class WebFolder;

// View modes of a page window.
inline constexpr int kViewNormal = 1;
inline constexpr int kViewHtml = 2;
inline constexpr int kViewPreview = 3;
inline constexpr int kViewDataFile = 128;  // opened only to read or rewrite a data file

class WebFile {
  public:
    virtual ~WebFile() = default;
    virtual std::string Name() = 0;       // "index.htm"
    virtual std::string Extension() = 0;  // "htm", without the dot; as written
    // The file's address: "file://" followed by its absolute path.
    virtual std::string Url() = 0;
    virtual std::shared_ptr<WebFolder> Parent() = 0;
    // True while a page window shows the file.
    virtual bool IsOpen() = 0;
    // Opens the file in a new page window (or returns the window already showing it), which
    // becomes the active one.
    virtual std::shared_ptr<PageWindow> Open(int viewMode) = 0;
    // Removes the file from the web (and from the disk).
    virtual void Delete() = 0;
    // Where the file lies on the disk.
    virtual std::filesystem::path LocalPath() = 0;
};

// A folder's files, by 0-based position or by name.
class WebFiles {
  public:
    virtual ~WebFiles() = default;
    virtual int Count() = 0;
    virtual std::shared_ptr<WebFile> Item(int index) = 0;  // Error 9 when out of range
    // Exact name; Error 9 when there is none.
    virtual std::shared_ptr<WebFile> Item(const std::string& name) = 0;
    // For Each: the files in list order as the folder holds them now, read once, so a walk
    // over a large folder does not depend on the folder staying unchanged meanwhile.
    virtual std::vector<std::shared_ptr<WebFile>> Enumerate() = 0;
    // Imports a local file into the folder. An existing file of the same name is replaced
    // only when `overwrite` is true; otherwise Error 58 and the web file stays as it was.
    virtual std::shared_ptr<WebFile> Add(const std::filesystem::path& localPath,
                                         bool overwrite) = 0;
};

class WebFolders {
  public:
    virtual ~WebFolders() = default;
    virtual int Count() = 0;
    virtual std::shared_ptr<WebFolder> Item(int index) = 0;
    virtual std::shared_ptr<WebFolder> Item(const std::string& name) = 0;
    // The new subfolder, or the existing one of that name.
    virtual std::shared_ptr<WebFolder> Add(const std::string& name) = 0;
};

class WebFolder {
  public:
    virtual ~WebFolder() = default;
    virtual std::string Name() = 0;  // empty for the root folder
    virtual std::string Url() = 0;
    virtual bool IsRoot() = 0;
    // The folder that holds this one; none for the root folder, whose parent is the web.
    virtual std::shared_ptr<WebFolder> Parent() = 0;
    virtual WebFiles& Files() = 0;
    virtual WebFolders& Folders() = 0;
    virtual void Delete() = 0;  // Error 5 for the root folder
    virtual std::filesystem::path LocalPath() = 0;
};

class Web {
  public:
    virtual ~Web() = default;
    virtual std::shared_ptr<WebFolder> RootFolder() = 0;
    virtual std::string Url() = 0;
};

}  // namespace norvel::common::editor
