#include "host/qt/studio/web_folder_list.h"

#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>
#include <system_error>
#include <vector>

namespace norvel::host::qt {

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kIsFolderRole = Qt::UserRole + 1;
}  // namespace

WebFolderList::WebFolderList(QWidget* parent) : QTreeWidget(parent) {
    setHeaderLabel("Folder List");
    setObjectName("folderList");
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item, int) {
        if (item && !item->data(0, kIsFolderRole).toBool())
            emit fileActivated(item->data(0, kPathRole).toString());
    });
}

void WebFolderList::refresh() {
    QStringList open;
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if ((*it)->isExpanded())
            open << (*it)->data(0, kPathRole).toString();
    showWeb(root_);
    for (QTreeWidgetItemIterator it(this); *it; ++it)
        if (open.contains((*it)->data(0, kPathRole).toString()))
            (*it)->setExpanded(true);
}

void WebFolderList::showWeb(const std::filesystem::path& root) {
    root_ = root;
    clear();
    if (root.empty())
        return;
    auto* top = new QTreeWidgetItem(this, {QString::fromStdString(root.filename().string())});
    top->setIcon(0, style()->standardIcon(QStyle::SP_DirIcon));
    top->setData(0, kPathRole, QString());
    top->setData(0, kIsFolderRole, true);
    int budget = kMaxEntries;
    addFolder(top, root, "", budget);
    top->setExpanded(true);
}

void WebFolderList::addFolder(QTreeWidgetItem* parent, const std::filesystem::path& folder,
                              const std::string& relative, int& budget) {
    std::error_code error;
    std::vector<std::filesystem::directory_entry> entries;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().filename().string().starts_with("."))
            continue;
        entries.push_back(*it);
    }
    // Folders first, then files, each by name: as the old folder list showed them.
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        std::error_code ignored;
        bool aFolder = a.is_directory(ignored);
        bool bFolder = b.is_directory(ignored);
        if (aFolder != bFolder)
            return aFolder;
        return a.path().filename() < b.path().filename();
    });
    for (const auto& entry : entries) {
        if (budget-- <= 0)
            return;
        std::string name = entry.path().filename().string();
        std::string path = relative.empty() ? name : relative + "/" + name;
        std::error_code ignored;
        // A link to a folder is not followed: it may lead outside the web, or in a circle.
        bool isFolder = entry.is_directory(ignored) && !entry.is_symlink(ignored);
        auto* item = new QTreeWidgetItem(parent, {QString::fromStdString(name)});
        item->setData(0, kPathRole, QString::fromStdString(path));
        item->setData(0, kIsFolderRole, isFolder);
        item->setIcon(0,
                      style()->standardIcon(isFolder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon));
        if (isFolder)
            addFolder(item, entry.path(), path, budget);
    }
}

QTreeWidgetItem* WebFolderList::itemForPath(const std::string& relativePath) const {
    QString wanted = QString::fromStdString(relativePath);
    for (QTreeWidgetItemIterator it(const_cast<WebFolderList*>(this)); *it; ++it)
        if ((*it)->data(0, kPathRole).toString() == wanted)
            return *it;
    return nullptr;
}

}  // namespace norvel::host::qt
