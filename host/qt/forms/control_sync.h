// Brings a control's widget to the model's state. Only what differs is set, and the caller
// blocks the widget's signals, so nothing echoes back as if a person had done it. The same
// call serves every model change and the check after each user action (the model wins).
#pragma once

#include <QWidget>

#include "common/forms/control.h"

class QComboBox;
class QListWidget;
class QTreeWidgetItem;

namespace norvel::common::forms {
class ComboBox;
class ListBox;
class ScrollBar;
class TreeView;
class WebBrowser;
}  // namespace norvel::common::forms

namespace norvel::host::qt {

class LocationBrowser;
class NodeTreeWidget;
class PictureLabel;

void syncControlWidget(const common::forms::Control& control, QWidget& widget);

// A vertical Qt scroll bar has its minimum at the top and needs min <= max; the model's range
// may run the other way (from 0 at the top down to -9), so such a range is drawn negated.
int scrollBarQtValue(const common::forms::ScrollBar& bar, int modelValue);
int scrollBarModelValue(const common::forms::ScrollBar& bar, int qtValue);

// The node key a tree item stands for.
QString nodeKeyOf(const QTreeWidgetItem& item);

void syncListBox(const common::forms::ListBox& list, QListWidget& widget);
void syncComboBox(const common::forms::ComboBox& combo, QComboBox& widget);
void syncTreeView(const common::forms::TreeView& tree, NodeTreeWidget& widget);
void syncPicture(const std::string& picture, PictureLabel& label);
void syncWebBrowser(const common::forms::WebBrowser& browser, LocationBrowser& widget);

}  // namespace norvel::host::qt
