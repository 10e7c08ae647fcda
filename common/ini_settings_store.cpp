#include "common/ini_settings_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <optional>

#include "common/atomic_file.h"
#include "common/config_folder.h"
#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {
namespace {

std::string quotedPath(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

Error accessError(const std::string& what, int err) {
    return Error(errnum::kPathFileAccess, libraryName(), what + ": " + std::strerror(err));
}

// An exclusive flock on a lock file beside the settings file, held for the object's lifetime.
// The lock file itself is never removed: removing it would let two processes lock different
// files of the same name.
class FileLock {
  public:
    explicit FileLock(const std::filesystem::path& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0)
            throw accessError("Cannot open the lock file " + quotedPath(path), errno);
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            ::close(fd_);
            throw accessError("Cannot lock " + quotedPath(path), err);
        }
    }
    ~FileLock() { ::close(fd_); }  // closing releases the lock
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

  private:
    int fd_ = -1;
};

std::filesystem::path lockFileFor(const std::filesystem::path& file) {
    return file.string() + ".lock";
}

// The file's bytes, or nothing when there is no file. Throws Error when it cannot be read.
std::optional<std::string> readIfPresent(const std::filesystem::path& file) {
    std::error_code error;
    auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return std::nullopt;
    if (!error && status.type() != std::filesystem::file_type::regular)
        throw Error(errnum::kPathFileAccess, libraryName(), quotedPath(file) + " is not a file");
    return readFileBytes(file);
}

std::string timestampNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

// Renames `from` to `to` unless `to` exists; false when it does.
bool renameWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (errno != EINVAL && errno != ENOSYS)
        throw accessError("Cannot rename " + quotedPath(from), errno);
    // This file system cannot refuse to replace on rename; a hard link can.
    if (::link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST)
            return false;
        throw accessError("Cannot rename " + quotedPath(from), errno);
    }
    ::unlink(from.c_str());
    return true;
}

// Moves a damaged file to a new name beside it and returns that name.
std::filesystem::path moveAside(const std::filesystem::path& file) {
    std::string base = file.string() + ".damaged-" + timestampNow();
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        std::filesystem::path copy = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (renameWithoutReplacing(file, copy))
            return copy;
    }
    throw Error(errnum::kPathFileAccess, libraryName(),
                "Too many damaged copies of " + quotedPath(file));
}

// Settings may hold what other users should not read: a new file starts private, and the
// atomic writer keeps the permissions of the file it replaces.
void createPrivateFileIfMissing(const std::filesystem::path& file) {
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::close(fd);
}

std::string iniSectionName(std::string_view app, std::string_view section) {
    return std::string(app) + "\\" + std::string(section);
}

}  // namespace

IniSettingsStore::IniSettingsStore(std::filesystem::path file, ProblemReporter reportProblem)
    : file_(std::move(file)), reportProblem_(std::move(reportProblem)) {}

std::filesystem::path IniSettingsStore::defaultFile() {
    return configFolder() / "settings.ini";
}

std::string IniSettingsStore::getSetting(std::string_view app, std::string_view section,
                                         std::string_view key, std::string_view defaultValue) {
    try {
        std::optional<std::string> bytes = readIfPresent(file_);
        if (!bytes)
            return std::string(defaultValue);
        IniFile document;
        try {
            document = IniFile::parse(*bytes);
        } catch (const IniSyntaxError&) {
            // Look again under the lock: another process may have replaced the file meanwhile,
            // and it must not be moved aside while someone writes it.
            FileLock lock(lockFileFor(file_));
            document = loadLocked();
        }
        return document.value(iniSectionName(app, section), key)
            .value_or(std::string(defaultValue));
    } catch (const std::exception& problem) {
        report("Settings cannot be read from " + quotedPath(file_) + ": " + problem.what() +
               ". Default settings are used; the file is left as it is.");
        return std::string(defaultValue);
    }
}

void IniSettingsStore::saveSetting(std::string_view app, std::string_view section,
                                   std::string_view key, std::string_view value) {
    std::string sectionName = iniSectionName(app, section);
    std::string what = "The setting " + sectionName + "\\" + std::string(key) + " cannot be saved";
    try {
        std::error_code error;
        if (!file_.parent_path().empty())
            std::filesystem::create_directories(file_.parent_path(), error);
        if (error)
            throw Error(errnum::kPathFileAccess, libraryName(),
                        "Cannot create the folder " + quotedPath(file_.parent_path()) + ": " +
                            error.message());
        FileLock lock(lockFileFor(file_));
        IniFile document = loadLocked();
        document.setValue(sectionName, key, value);
        createPrivateFileIfMissing(file_);
        writeFileAtomically(file_, document.serialize());
    } catch (const Error& problem) {
        if (problem.number() == errnum::kInvalidCall)
            throw;
        throw Error(errnum::kPathFileAccess, libraryName(), what + ": " + problem.description());
    } catch (const std::exception& problem) {
        throw Error(errnum::kPathFileAccess, libraryName(), what + ": " + problem.what());
    }
}

IniFile IniSettingsStore::loadLocked() {
    std::optional<std::string> bytes = readIfPresent(file_);
    if (!bytes)
        return IniFile{};
    try {
        return IniFile::parse(*bytes);
    } catch (const IniSyntaxError& damage) {
        std::string where = "The settings file " + quotedPath(file_) + " is damaged at line " +
                            std::to_string(damage.line()) + " (" + damage.problem() + ")";
        std::filesystem::path copy;
        try {
            copy = moveAside(file_);
        } catch (const Error& problem) {
            throw Error(errnum::kPathFileAccess, libraryName(),
                        where + " and cannot be moved aside: " + problem.description());
        }
        report(where + ". It was moved to " + quotedPath(copy) +
               "; default settings are used until new ones are saved.");
        return IniFile{};
    }
}

void IniSettingsStore::report(const std::string& problem) {
    if (problemReported_ || !reportProblem_)
        return;
    problemReported_ = true;
    try {
        reportProblem_(problem);
    } catch (const std::exception&) {
        // A failing reporter must not turn a settings problem into a crash.
    }
}

}  // namespace norvel::common
