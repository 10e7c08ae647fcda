#include "host/web/web_import.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "common/error.h"
#include "host/web/entry_listing.h"
#include "host/web/entry_names.h"
#include "host/web/web_root.h"

namespace norvel::host {

namespace fs = std::filesystem;
using namespace common::errnum;

namespace {

// A file descriptor closed on every way out.
class OpenFile {
  public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }
    bool close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

  private:
    int fd_;
};

// The hidden copy in the target folder, removed unless it was renamed into place.
class TemporaryCopy {
  public:
    explicit TemporaryCopy(fs::path path) : path_(std::move(path)) {}
    ~TemporaryCopy() {
        if (!placed_)
            ::unlink(path_.c_str());
    }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;
    const fs::path& path() const { return path_; }
    void placed() { placed_ = true; }

  private:
    fs::path path_;
    bool placed_ = false;
};

std::error_code lastError() {
    return std::error_code(errno, std::generic_category());
}

common::Error localFileError(int32_t number, const char* what, const fs::path& localPath,
                             const std::string& reason) {
    return webError(number, std::string(what) + "'" + localPath.string() + "': " + reason);
}

fs::path temporaryName(const fs::path& folder, const std::string& name) {
    static std::atomic<unsigned> counter{0};
    return folder /
           ("." + name + ".import-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
}

std::string checkedName(const fs::path& localPath) {
    if (localPath.native().find('\0') != std::string::npos) {
        throw webError(kInvalidCall, "Invalid procedure call or argument: the local path '" +
                                         localPath.string() + "' holds a NUL");
    }
    std::string name = localPath.filename().string();
    checkEntryName(name);
    if (isHiddenName(name)) {
        throw webError(kInvalidCall, "Invalid procedure call or argument: '" + name +
                                         "' starts with '.'; hidden files are not part of "
                                         "the web");
    }
    return name;
}

// Copies every byte of the local file into the (new) temporary copy.
void copyBytes(const fs::path& localPath, const TemporaryCopy& copy,
               const fs::path& relativeTarget) {
    OpenFile source(::open(localPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (source.fd() < 0) {
        int32_t number = errno == EACCES ? kPermissionDenied : kPathFileAccess;
        throw localFileError(number, "Cannot read ", localPath, lastError().message());
    }
    OpenFile target(::open(copy.path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (target.fd() < 0)
        throw fileSystemError(lastError(), "Cannot write", relativeTarget);

    char buffer[64 * 1024];
    for (;;) {
        ssize_t count = ::read(source.fd(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0) {
            throw localFileError(kPathFileAccess, "Cannot read ", localPath, lastError().message());
        }
        if (count == 0)
            break;
        for (ssize_t done = 0; done < count;) {
            ssize_t written = ::write(target.fd(), buffer + done, count - done);
            if (written < 0 && errno == EINTR)
                continue;
            if (written < 0)
                throw fileSystemError(lastError(), "Cannot write", relativeTarget);
            done += written;
        }
    }
    if (::fsync(target.fd()) != 0 || !target.close()) {
        throw fileSystemError(lastError(), "Cannot write", relativeTarget);
    }
}

// Moves the finished copy into place; without `overwrite` an entry that appeared meanwhile
// is never replaced.
void placeCopy(TemporaryCopy& copy, const fs::path& target, const fs::path& relativeTarget,
               bool overwrite) {
    int result = overwrite ? ::rename(copy.path().c_str(), target.c_str())
                           : ::renameat2(AT_FDCWD, copy.path().c_str(), AT_FDCWD, target.c_str(),
                                         RENAME_NOREPLACE);
    if (result != 0 && !overwrite && errno == EINVAL) {
        // The file system cannot refuse to replace; check, then rename.
        std::error_code ignored;
        bool taken = fs::exists(fs::symlink_status(target, ignored));
        result = taken ? -1 : ::rename(copy.path().c_str(), target.c_str());
        if (taken)
            errno = EEXIST;
    }
    if (result != 0 && errno == EEXIST) {
        throw webError(kFileAlreadyExists, "File already exists: " + describeEntry(relativeTarget));
    }
    if (result != 0)
        throw fileSystemError(lastError(), "Cannot write", relativeTarget);
    copy.placed();
}

}  // namespace

fs::path importFile(const DiskWebRoot& root, const fs::path& localPath,
                    const fs::path& relativeFolder, bool overwrite) {
    std::string name = checkedName(localPath);
    root.requireWritableFolder(relativeFolder);

    std::error_code error;
    fs::file_status source = fs::status(localPath, error);
    if (!fs::exists(source)) {
        throw localFileError(kFileNotFound, "File not found: ", localPath, "no such file");
    }
    if (!fs::is_regular_file(source)) {
        throw localFileError(kPathFileAccess, "Path/File access error: ", localPath,
                             "not a regular file");
    }

    fs::path folder = root.absolute(relativeFolder);
    fs::path target = folder / name;
    fs::path relativeTarget = relativeFolder / name;
    if (fs::exists(fs::symlink_status(target, error))) {
        if (webEntryKind(target) == WebEntryKind::Folder) {
            throw webError(kFileAlreadyExists, "File already exists: " +
                                                   describeEntry(relativeTarget) + " is a folder");
        }
        if (!overwrite) {
            throw webError(kFileAlreadyExists,
                           "File already exists: " + describeEntry(relativeTarget));
        }
        if (fs::equivalent(localPath, target, error))
            return relativeTarget;
    }

    TemporaryCopy copy(temporaryName(folder, name));
    copyBytes(localPath, copy, relativeTarget);
    placeCopy(copy, target, relativeTarget, overwrite);
    return relativeTarget;
}

}  // namespace norvel::host
