// The tree view follows the model's nodes. It is rebuilt only when the nodes or pictures
// differ from what it shows; nodes a person opened stay open unless the model changed them.
#include <QTreeWidget>
#include <map>

#include "common/forms/tree_view.h"
#include "host/qt/forms/control_sync.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/picture_loading.h"
#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

using common::forms::TreeNode;
using common::forms::TreeView;

namespace {

constexpr int kNodeKeyRole = Qt::UserRole;

bool sameShape(const TreeNode& a, const TreeNode& b) {
    return a.key == b.key && a.text == b.text && a.parentKey == b.parentKey && a.image == b.image &&
           a.selectedImage == b.selectedImage;
}

bool sameShapes(const std::vector<TreeNode>& a, const std::vector<TreeNode>& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!sameShape(a[i], b[i]))
            return false;
    return true;
}

std::vector<std::string> pictureNames(const TreeView& tree) {
    return tree.imageList != nullptr ? tree.imageList->images() : std::vector<std::string>();
}

// Node pictures are 1-based indexes into the image list; a file draws, any other name does not.
const std::string* pictureAt(const std::vector<std::string>& pictures, int index) {
    if (index < 1 || index > static_cast<int>(pictures.size()))
        return nullptr;
    return &pictures[static_cast<size_t>(index - 1)];
}

QIcon nodeIcon(const TreeNode& node, const std::vector<std::string>& pictures) {
    QIcon icon;
    if (const std::string* picture = pictureAt(pictures, node.image))
        icon = loadFileIcon(*picture);
    if (const std::string* selected = pictureAt(pictures, node.selectedImage)) {
        QIcon selectedIcon = loadFileIcon(*selected);
        if (!selectedIcon.isNull()) {
            for (const QSize& size : selectedIcon.availableSizes())
                icon.addPixmap(selectedIcon.pixmap(size), QIcon::Selected);
        }
    }
    return icon;
}

std::map<std::string, QTreeWidgetItem*> itemsByKey(QTreeWidget& widget) {
    std::map<std::string, QTreeWidgetItem*> items;
    for (QTreeWidgetItemIterator it(&widget); *it != nullptr; ++it)
        items[toStdString(nodeKeyOf(**it))] = *it;
    return items;
}

// Open as the model says where the model changed it since it was drawn; else as it is now.
bool wantedExpanded(const TreeNode& node, const std::map<std::string, const TreeNode*>& shown,
                    const std::map<std::string, QTreeWidgetItem*>& items) {
    auto before = shown.find(node.key);
    if (before == shown.end() || before->second->expanded != node.expanded)
        return node.expanded;
    auto item = items.find(node.key);
    return item != items.end() ? item->second->isExpanded() : node.expanded;
}

void rebuild(const TreeView& tree, NodeTreeWidget& widget,
             const std::map<std::string, const TreeNode*>& shown) {
    std::map<std::string, bool> expanded;
    {
        std::map<std::string, QTreeWidgetItem*> oldItems = itemsByKey(widget);
        for (const TreeNode& node : tree.nodes())
            expanded[node.key] = wantedExpanded(node, shown, oldItems);
    }
    widget.clear();
    std::vector<std::string> pictures = pictureNames(tree);
    std::map<std::string, QTreeWidgetItem*> items;
    for (const TreeNode& node : tree.nodes()) {
        auto parent = items.find(node.parentKey);
        QTreeWidgetItem* item = parent != items.end() ? new QTreeWidgetItem(parent->second)
                                                      : new QTreeWidgetItem(&widget);
        item->setText(0, toQString(node.text));
        item->setData(0, kNodeKeyRole, toQString(node.key));
        item->setIcon(0, nodeIcon(node, pictures));
        items[node.key] = item;
    }
    // Children exist now, so opening a node shows them.
    for (const TreeNode& node : tree.nodes())
        items[node.key]->setExpanded(expanded[node.key]);
}

void syncExpansion(const TreeView& tree, NodeTreeWidget& widget,
                   const std::map<std::string, const TreeNode*>& shown) {
    std::map<std::string, QTreeWidgetItem*> items = itemsByKey(widget);
    for (const TreeNode& node : tree.nodes()) {
        bool expanded = wantedExpanded(node, shown, items);
        QTreeWidgetItem* item = items[node.key];
        if (item != nullptr && item->isExpanded() != expanded)
            item->setExpanded(expanded);
    }
}

void syncSelection(const TreeView& tree, NodeTreeWidget& widget) {
    QList<QTreeWidgetItem*> selected = widget.selectedItems();
    QString key = toQString(tree.selectedKey());
    if (selected.size() == 1 && nodeKeyOf(*selected.first()) == key)
        return;
    if (key.isEmpty()) {
        widget.clearSelection();
        widget.setCurrentItem(nullptr);
        return;
    }
    for (QTreeWidgetItemIterator it(&widget); *it != nullptr; ++it) {
        if (nodeKeyOf(**it) == key) {
            widget.setCurrentItem(*it, 0, QItemSelectionModel::ClearAndSelect);
            widget.scrollToItem(*it);
            return;
        }
    }
}

}  // namespace

QString nodeKeyOf(const QTreeWidgetItem& item) {
    return item.data(0, kNodeKeyRole).toString();
}

void syncTreeView(const TreeView& tree, NodeTreeWidget& widget) {
    std::map<std::string, const TreeNode*> shown;
    for (const TreeNode& node : widget.shownNodes)
        shown[node.key] = &node;
    std::vector<std::string> pictures = pictureNames(tree);
    if (!sameShapes(tree.nodes(), widget.shownNodes) || pictures != widget.shownImages) {
        rebuild(tree, widget, shown);
        widget.shownImages = std::move(pictures);
    } else {
        syncExpansion(tree, widget, shown);
    }
    widget.shownNodes = tree.nodes();
    syncSelection(tree, widget);
}

}  // namespace norvel::host::qt
