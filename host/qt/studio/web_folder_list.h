// The folder list of the studio: the web's folders and files as a tree. Double-clicking a
// page asks the window to open it.
#pragma once

#include <QTreeWidget>
#include <filesystem>
#include <string>

namespace norvel::host::qt {

class WebFolderList : public QTreeWidget {
    Q_OBJECT
  public:
    explicit WebFolderList(QWidget* parent = nullptr);

    // Lists the web under `root` (no web: empty). Hidden entries (".name") are left out, as
    // are the entries beyond a generous limit, so a huge folder cannot stall the window.
    void showWeb(const std::filesystem::path& root);
    // Lists the same web again (files come and go as the suite writes them), keeping open
    // the folders that were open.
    void refresh();
    // The item of a path relative to the web's root ("news/today.htm"), or null.
    QTreeWidgetItem* itemForPath(const std::string& relativePath) const;

    static constexpr int kMaxEntries = 20000;

  signals:
    // A file was double-clicked; its path relative to the web's root, with '/' separators.
    void fileActivated(const QString& relativePath);

  private:
    std::filesystem::path root_;
    void addFolder(QTreeWidgetItem* parent, const std::filesystem::path& folder,
                   const std::string& relative, int& budget);
};

}  // namespace norvel::host::qt
