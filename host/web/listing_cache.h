// The listing of one kind of entry in one web folder, kept between calls so that walking a
// folder by position (Count, then Item(0), Item(1), ...) reads the folder once instead of
// once per item.
#pragma once

#include <sys/types.h>
#include <time.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/web/entry_listing.h"

namespace norvel::host {

class DiskWebRoot;

class WebEntryListing {
  public:
    WebEntryListing(std::shared_ptr<const DiskWebRoot> root, std::filesystem::path relativeFolder,
                    WebEntryKind kind);

    // Reads the folder afresh.
    int count();
    // The name at `index`. The listing last read answers while the folder's modification
    // time shows no change since; otherwise the folder is read afresh. Error 9 when out of
    // range.
    std::string nameAt(int index);

  private:
    // What tells whether a folder changed: a new entry, a removed or renamed one all set its
    // modification time.
    struct FolderStamp {
        dev_t device;
        ino_t inode;
        timespec modified;
    };

    void read();
    std::optional<FolderStamp> currentStamp() const;
    bool unchanged() const;

    std::shared_ptr<const DiskWebRoot> root_;
    std::filesystem::path folder_;
    WebEntryKind kind_;
    std::vector<std::string> names_;
    std::optional<FolderStamp> stamp_;  // none when the listing must not be trusted later
};

}  // namespace norvel::host
