#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {
namespace {

Error fileError(int32_t number, const std::filesystem::path& path, const char* what, int err) {
    return Error(number, libraryName(),
                 std::string(what) + " '" + path.string() + "': " + std::strerror(err));
}

class TempFile {
  public:
    explicit TempFile(std::filesystem::path path) : path_(std::move(path)) {}
    ~TempFile() {
        if (fd_ >= 0)
            ::close(fd_);
        if (!committed_)
            ::unlink(path_.c_str());
    }
    int open(mode_t mode) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        return fd_;
    }
    int fd() const { return fd_; }
    int close() {
        int result = ::close(fd_);
        fd_ = -1;
        return result;
    }
    void commit() { committed_ = true; }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool committed_ = false;
};

}  // namespace

std::string readFileBytes(const std::filesystem::path& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        int err = errno;
        throw fileError(err == ENOENT ? errnum::kFileNotFound : errnum::kPathFileAccess, path,
                        "Cannot open", err);
    }
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    // Asked of the file just opened, so a folder, a pipe or a device swapped in after a check
    // cannot be read as if it were a file.
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        throw fileError(errnum::kPathFileAccess, path, "Cannot read", errno);
    if (!S_ISREG(info.st_mode))
        throw Error(
            errnum::kPathFileAccess, libraryName(),
            "Cannot read '" + path.string() + "': " +
                (S_ISDIR(info.st_mode) ? "it is a folder, not a file" : "it is not a file"));
    std::string bytes;
    bytes.reserve(static_cast<size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw fileError(errnum::kPathFileAccess, path, "Cannot read", errno);
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<size_t>(got));
    }
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    mode_t mode = 0644;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        mode = existing.st_mode & 07777;

    std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    static unsigned counter = 0;
    std::ostringstream name;
    name << "." << path.filename().string() << ".tmp" << ::getpid() << "." << ++counter;
    TempFile temp(folder / name.str());
    if (temp.open(mode) < 0)
        throw fileError(errnum::kPathFileAccess, path, "Cannot write", errno);
    ::fchmod(temp.fd(), mode);  // the umask must not narrow an existing file's permissions

    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = ::write(temp.fd(), data, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            throw fileError(errnum::kPathFileAccess, path, "Cannot write", errno);
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    if (::fsync(temp.fd()) != 0 || temp.close() != 0)
        throw fileError(errnum::kPathFileAccess, path, "Cannot write", errno);
    if (::rename(temp.path().c_str(), path.c_str()) != 0)
        throw fileError(errnum::kPathFileAccess, path, "Cannot replace", errno);
    temp.commit();
}

}  // namespace norvel::common
