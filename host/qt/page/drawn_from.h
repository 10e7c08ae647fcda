// What a page view was last drawn from: the view mode, the page's text, its style sheet and
// the local files the drawing read (images), each with its size and time of change. Drawing a
// big page again takes a while and most commands change nothing a page shows, so a view is
// drawn again only when one of these differs.
#pragma once

#include <QString>

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>

namespace norvel::host::qt {

class DrawnFrom {
  public:
    // Forgets the last drawing: the next comparison finds a difference.
    void clear();
    // Records a drawing about to be made. The files it reads are noted as it reads them.
    void record(int mode, const std::string& html, const QString& style);
    // The page was edited in the view itself, which already shows the new text: it counts as
    // drawn from it, with the same files.
    void pageEditedInView(const std::string& html) { html_ = html; }
    void noteFile(const std::filesystem::path& file);
    // True when a drawing from these would show just what the last one shows.
    bool matches(int mode, const std::string& html, const QString& style) const;

  private:
    struct FileStamp {
        bool exists = false;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type changed;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp stampOf(const std::filesystem::path& file);

    bool recorded_ = false;
    int mode_ = 0;
    std::string html_;
    QString style_;
    std::map<std::filesystem::path, FileStamp> files_;
};

}  // namespace norvel::host::qt
