#include "host/qt/page/drawn_from.h"

#include <system_error>

namespace norvel::host::qt {

void DrawnFrom::clear() {
    recorded_ = false;
    html_.clear();
    style_.clear();
    files_.clear();
}

void DrawnFrom::record(int mode, const std::string& html, const QString& style) {
    recorded_ = true;
    mode_ = mode;
    html_ = html;
    style_ = style;
    files_.clear();
}

void DrawnFrom::noteFile(const std::filesystem::path& file) {
    if (recorded_)
        files_.try_emplace(file, stampOf(file));
}

bool DrawnFrom::matches(int mode, const std::string& html, const QString& style) const {
    if (!recorded_ || mode != mode_ || html != html_ || style != style_)
        return false;
    for (const auto& [file, stamp] : files_)
        if (stampOf(file) != stamp)
            return false;
    return true;
}

// A file that cannot be read now counts as missing: one that comes back is a change.
DrawnFrom::FileStamp DrawnFrom::stampOf(const std::filesystem::path& file) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(file, error);
    if (error)
        return FileStamp{};
    stamp.changed = std::filesystem::last_write_time(file, error);
    if (error)
        return FileStamp{};
    stamp.exists = true;
    return stamp;
}

}  // namespace norvel::host::qt
