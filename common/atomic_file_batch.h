// Many whole-file replacements made durable together: each file is written beside its folder
// in a hidden staging folder, then one flush to disk covers them all, and only then are they
// renamed over their targets. A reader (or a crash) sees each file either old or new; a batch
// that fails or is dropped before commit leaves every file old and removes what it staged.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::common {

class AtomicFileBatch {
  public:
    AtomicFileBatch() = default;
    // Drops whatever was staged and not committed.
    ~AtomicFileBatch();
    AtomicFileBatch(const AtomicFileBatch&) = delete;
    AtomicFileBatch& operator=(const AtomicFileBatch&) = delete;

    // Writes `bytes` as the next content of `path` (not flushed yet). An existing file's
    // permission bits are kept. Staging the same path again replaces what was staged. Throws
    // Error 75 on failure; the batch then holds only what was staged before.
    void stage(const std::filesystem::path& path, std::string_view bytes);

    // Flushes the staged files to disk (one sync for each file system involved), renames them
    // over their targets and flushes the folders. Throws Error 75 when a step fails: files
    // renamed before the failure are new, the others old, and nothing staged is left.
    void commit();

    // Removes every staged file without touching the targets.
    void discard();

    size_t size() const { return staged_.size(); }

  private:
    struct Staged {
        std::filesystem::path target;
        std::filesystem::path file;  // in the staging folder
    };
    // The hidden staging folder for targets in `folder`, made on first use.
    const std::filesystem::path& stagingFolderFor(const std::filesystem::path& folder);
    void removeStagingFolders();

    std::vector<Staged> staged_;
    std::map<std::filesystem::path, size_t> indexOfTarget_;
    std::map<std::filesystem::path, std::filesystem::path> stagingFolders_;  // folder -> staging
    unsigned nextName_ = 0;
};

}  // namespace norvel::common
