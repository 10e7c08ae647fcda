// A picture of the web shown in a tab of its own, read-only: the studio never opens a picture
// as a page (its bytes as text, saved back, would destroy it), so nothing can be inserted
// into it and there is nothing to save.
#pragma once

#include <QScrollArea>
#include <filesystem>

class QLabel;

namespace norvel::host::qt {

class PictureView : public QScrollArea {
    Q_OBJECT
  public:
    explicit PictureView(const std::filesystem::path& file, QWidget* parent = nullptr);

    const std::filesystem::path& file() const { return file_; }
    // False when the file could not be read as a picture (the tab then says so).
    bool loaded() const { return loaded_; }
    QLabel& label() const { return *label_; }

  private:
    std::filesystem::path file_;
    QLabel* label_;
    bool loaded_ = false;
};

}  // namespace norvel::host::qt
