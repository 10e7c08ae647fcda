#include "common/atomic_file_batch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <set>

#include "common/error.h"
#include "common/undo_on_unwind.h"

namespace norvel::common {
namespace {

Error batchError(const std::filesystem::path& path, const char* what, int err) {
    return Error(errnum::kPathFileAccess, "norvel",
                 std::string(what) + " '" + path.string() + "': " + std::strerror(err));
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd);
    }

  private:
    int fd_;
};

void writeAll(int fd, std::string_view bytes, const std::filesystem::path& path) {
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw batchError(path, "Cannot write", errno);
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
}

void syncFolder(const std::filesystem::path& folder) {
    Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0 || ::fsync(fd.get()) != 0)
        throw batchError(folder, "Cannot flush", errno);
}

}  // namespace

AtomicFileBatch::~AtomicFileBatch() {
    discard();
}

const std::filesystem::path& AtomicFileBatch::stagingFolderFor(
    const std::filesystem::path& folder) {
    auto found = stagingFolders_.find(folder);
    if (found != stagingFolders_.end())
        return found->second;
    // A folder of its own, rather than temporary files beside the targets, so that the
    // target folder's entries (which a web listing may be walking) stay as they are until
    // the renames.
    static std::atomic<unsigned> counter{0};
    std::filesystem::path staging =
        folder / (".norvel-saving." + std::to_string(::getpid()) + "." + std::to_string(++counter));
    if (::mkdir(staging.c_str(), 0700) != 0)
        throw batchError(folder, "Cannot write in", errno);
    return stagingFolders_.emplace(folder, staging).first->second;
}

void AtomicFileBatch::stage(const std::filesystem::path& path, std::string_view bytes) {
    mode_t mode = 0644;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;
    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    std::filesystem::path file = stagingFolderFor(folder) / std::to_string(++nextName_);

    Descriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (fd.get() < 0)
        throw batchError(path, "Cannot write", errno);
    {
        UndoOnUnwind removeFile([&file] { ::unlink(file.c_str()); });
        ::fchmod(fd.get(), mode);  // the umask must not narrow an existing file's permissions
        writeAll(fd.get(), bytes, path);
        if (fd.release() != 0)
            throw batchError(path, "Cannot write", errno);
    }

    auto [position, added] = indexOfTarget_.emplace(path, staged_.size());
    if (added) {
        staged_.push_back({path, file});
    } else {
        ::unlink(staged_[position->second].file.c_str());
        staged_[position->second].file = file;
    }
}

void AtomicFileBatch::commit() {
    {
        UndoOnUnwind discardBatch([this] { discard(); });
        // One flush for each file system holds every staged file's data before any rename
        // makes it visible under its name.
        std::set<dev_t> synced;
        for (const auto& [folder, staging] : stagingFolders_) {
            struct stat info {};
            if (::stat(staging.c_str(), &info) != 0)
                throw batchError(staging, "Cannot flush", errno);
            if (!synced.insert(info.st_dev).second)
                continue;
            Descriptor fd(::open(staging.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
            if (fd.get() < 0 || ::syncfs(fd.get()) != 0)
                throw batchError(staging, "Cannot flush", errno);
        }
        for (Staged& entry : staged_) {
            if (::rename(entry.file.c_str(), entry.target.c_str()) != 0)
                throw batchError(entry.target, "Cannot replace", errno);
            entry.file.clear();
        }
        for (const auto& [folder, staging] : stagingFolders_)
            syncFolder(folder);
    }
    staged_.clear();
    indexOfTarget_.clear();
    removeStagingFolders();
}

void AtomicFileBatch::discard() {
    for (const Staged& entry : staged_)
        if (!entry.file.empty())
            ::unlink(entry.file.c_str());
    staged_.clear();
    indexOfTarget_.clear();
    removeStagingFolders();
}

void AtomicFileBatch::removeStagingFolders() {
    for (const auto& [folder, staging] : stagingFolders_)
        ::rmdir(staging.c_str());
    stagingFolders_.clear();
}

}  // namespace norvel::common
