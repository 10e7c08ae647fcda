// The tree view with its image list, as the poll editor navigates its panes.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/forms/control.h"

namespace norvel::common::forms {

class ImageList : public Control {
  public:
    ImageList() : Control(ControlKind::ImageList) {}
    // Pictures by 1-based index; a renderer draws them, the model only names them.
    void addImage(std::string picture) { images_.push_back(std::move(picture)); }
    const std::vector<std::string>& images() const { return images_; }
    uint32_t maskColor = 0xC0C0C0;
    int imageWidth = 16;
    int imageHeight = 16;

  private:
    std::vector<std::string> images_;
};

struct TreeNode {
    std::string key;
    std::string text;
    std::string parentKey;  // empty for a root node
    int image = 0;          // 1-based index into the image list; 0 for none
    int selectedImage = 0;
    bool expanded = false;
};

class TreeView : public Control {
  public:
    TreeView() : Control(ControlKind::TreeView) {}

    // Adds a node as the last child of `parentKey` (empty: a root). Throws Error 35602 style
    // (key not unique) for a key already used, and for an unknown parent.
    void addNode(std::string parentKey, std::string key, std::string text, int image = 0,
                 int selectedImage = 0);
    const std::vector<TreeNode>& nodes() const { return nodes_; }
    const TreeNode* node(const std::string& key) const;
    void setExpanded(const std::string& key, bool expanded);
    void clear();

    // The selected node's key, or empty. Selecting in code runs no NodeClick.
    const std::string& selectedKey() const { return selectedKey_; }
    void selectNode(const std::string& key);

    ImageList* imageList = nullptr;
    bool manualLabelEdit = false;

    std::function<void(const std::string& key)> NodeClick;
    // A person clicks a node: it is selected, then NodeClick runs.
    bool userClickNode(const std::string& key);

  private:
    std::vector<TreeNode> nodes_;
    std::string selectedKey_;
};

}  // namespace norvel::common::forms
