#include "common/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "common/error.h"

namespace norvel::common {
namespace {

Error fileError(int32_t number, const std::filesystem::path& path, const char* what, int err) {
    return Error(number, "norvel",
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
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        int err = errno;
        throw fileError(err == ENOENT ? errnum::kFileNotFound : errnum::kPathFileAccess, path,
                        "Cannot open", err);
    }
    std::string bytes;
    in.seekg(0, std::ios::end);
    auto size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<size_t>(size));
        in.seekg(0);
        in.read(bytes.data(), size);
    }
    if (!in)
        throw fileError(errnum::kPathFileAccess, path, "Cannot read", errno);
    return bytes;
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
