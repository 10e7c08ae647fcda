// The widget that draws each kind of control. A few widgets remember what they last drew, so
// that bringing them to the model's state redraws only what changed.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "common/forms/control.h"
#include "common/forms/tree_view.h"

namespace norvel::host::qt {

// Check boxes and option buttons answer a click anywhere on the control, as they did on the old
// platform, not only on the mark and the caption; their captions wrap (wrapped_caption.h).
class WholeAreaCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;
};

class WholeAreaRadioButton : public QRadioButton {
  public:
    using QRadioButton::QRadioButton;

  protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent* event) override;
};

// A picture box or image: a label showing the picture.
class PictureLabel : public QLabel {
  public:
    using QLabel::QLabel;
    std::string shownPicture;
    bool anyShown = false;
};

// A tree view: the nodes and pictures as last drawn.
class NodeTreeWidget : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;
    std::vector<common::forms::TreeNode> shownNodes;
    std::vector<std::string> shownImages;
};

// A web browser: the navigation last shown, so that each navigation reloads the page.
class LocationBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    int shownNavigation = 0;
};

// Creates the widget for a control inside `parent`, named by its path; none for a control that
// draws nothing (an image list). Its state is left to syncControlWidget.
QWidget* createControlWidget(common::forms::Control& control, QWidget* parent);

// The kinds a person can move the focus to.
bool takesFocus(common::forms::ControlKind kind);

}  // namespace norvel::host::qt
