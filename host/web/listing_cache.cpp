#include "host/web/listing_cache.h"

#include <sys/stat.h>

#include <climits>

#include "common/error.h"
#include "host/web/entry_names.h"
#include "host/web/web_root.h"

namespace norvel::host {

namespace fs = std::filesystem;

namespace {

// A folder changed this recently may change again within the same tick of the file system's
// clock without its modification time moving, so its listing is not kept. Two seconds covers
// the coarsest clocks in use (FAT).
constexpr time_t kSettledSeconds = 2;

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

}  // namespace

WebEntryListing::WebEntryListing(std::shared_ptr<const DiskWebRoot> root, fs::path relativeFolder,
                                 WebEntryKind kind)
    : root_(std::move(root)), folder_(std::move(relativeFolder)), kind_(kind) {}

int WebEntryListing::count() {
    read();
    return names_.size() > INT_MAX ? INT_MAX : static_cast<int>(names_.size());
}

std::string WebEntryListing::nameAt(int index) {
    if (!unchanged())
        read();
    if (index < 0 || static_cast<size_t>(index) >= names_.size()) {
        const char* kindName = kind_ == WebEntryKind::File ? "file" : "folder";
        throw webError(common::errnum::kSubscriptOutOfRange,
                       "Subscript out of range: " + std::string(kindName) + " index " +
                           std::to_string(index) + " in " + describeEntry(folder_) +
                           ", which holds " + std::to_string(names_.size()));
    }
    return names_[static_cast<size_t>(index)];
}

void WebEntryListing::read() {
    // Stamped before reading: a change made while the folder is read then shows as a change.
    stamp_ = currentStamp();
    names_ = listWebEntries(*root_, folder_, kind_);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (stamp_ && stamp_->modified.tv_sec + kSettledSeconds >= now.tv_sec)
        stamp_.reset();
}

std::optional<WebEntryListing::FolderStamp> WebEntryListing::currentStamp() const {
    struct stat info {};
    if (::stat(root_->absolute(folder_).c_str(), &info) != 0)
        return std::nullopt;
    return FolderStamp{info.st_dev, info.st_ino, info.st_mtim};
}

bool WebEntryListing::unchanged() const {
    if (!stamp_)
        return false;
    std::optional<FolderStamp> now = currentStamp();
    return now && now->device == stamp_->device && now->inode == stamp_->inode &&
           sameTime(now->modified, stamp_->modified);
}

}  // namespace norvel::host
