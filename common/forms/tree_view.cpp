#include "common/forms/tree_view.h"

#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common::forms {

void TreeView::addNode(std::string parentKey, std::string key, std::string text, int image,
                       int selectedImage) {
    if (node(key) != nullptr)
        throw Error(35602, libraryName(), "Key is not unique in collection: '" + key + "'");
    if (!parentKey.empty() && node(parentKey) == nullptr)
        throw Error(35601, libraryName(), "Element not found: parent node '" + parentKey + "'");
    nodes_.push_back(
        {std::move(key), std::move(text), std::move(parentKey), image, selectedImage, false});
    notify(ControlProperty::Nodes);
}

const TreeNode* TreeView::node(const std::string& key) const {
    for (const auto& n : nodes_)
        if (n.key == key)
            return &n;
    return nullptr;
}

void TreeView::setExpanded(const std::string& key, bool expanded) {
    for (auto& n : nodes_)
        if (n.key == key)
            n.expanded = expanded;
    notify(ControlProperty::Nodes);
}

void TreeView::clear() {
    nodes_.clear();
    selectedKey_.clear();
    notify(ControlProperty::Nodes);
}

void TreeView::selectNode(const std::string& key) {
    if (node(key) == nullptr)
        throw Error(35601, libraryName(), "Element not found: node '" + key + "'");
    if (selectedKey_ == key)
        return;
    selectedKey_ = key;
    notify(ControlProperty::Selection);
}

bool TreeView::userClickNode(const std::string& key) {
    if (!usable() || node(key) == nullptr)
        return false;
    setFocus();
    selectNode(key);
    if (NodeClick)
        NodeClick(key);
    return true;
}

}  // namespace norvel::common::forms
