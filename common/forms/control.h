// The forms model: dialogs as plain classes holding their controls as members, positions in
// twips, handlers bound to events. The model knows no toolkit; a renderer (headless or Qt)
// watches it through ControlObserver and drives it through the user* operations, which act
// as a person would: only on enabled, visible controls, and firing the same events.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::common::forms {

class Container;
class Form;

enum class ControlKind {
    Label,
    TextBox,
    CommandButton,
    CheckBox,
    OptionButton,
    Frame,
    ComboBox,
    ListBox,
    TreeView,
    ImageList,
    ScrollBar,
    PictureBox,
    Image,
    WebBrowser,
    UserControl,
};
const char* controlKindName(ControlKind kind);

// Which property changed, for renderers.
enum class ControlProperty {
    Geometry,
    Enabled,
    Visible,
    Caption,
    Text,
    Value,
    Items,
    Selection,
    Nodes,
    BackColor,
    Picture,
    Location,  // a web browser's address
    Focus,
};

struct Geometry {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class Control {
  public:
    explicit Control(ControlKind kind) : kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    // The namespace a user control opens; none for other controls. (A virtual rather than a
    // dynamic_cast, so it holds across library boundaries.)
    virtual Container* asContainer() { return nullptr; }
    const std::string& name() const { return name_; }

    // The container whose names this control's name belongs to (a form or a user control).
    Container* owner() const { return owner_; }
    // The control it is drawn inside (a frame or a user control), or none for the owner itself.
    Control* visualParent() const { return visualParent_; }
    Form* form() const;

    const Geometry& geometry() const { return geometry_; }
    int left() const { return geometry_.left; }
    int top() const { return geometry_.top; }
    int width() const { return geometry_.width; }
    int height() const { return geometry_.height; }
    void setGeometry(Geometry geometry);
    void setLeft(int value);
    void setTop(int value);
    void setWidth(int value);
    void setHeight(int value);

    bool enabled() const { return enabled_; }
    void setEnabled(bool value);
    bool visible() const { return visible_; }
    void setVisible(bool value);
    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int value) { tabIndex_ = value; }
    const std::string& toolTipText() const { return toolTip_; }
    void setToolTipText(std::string text) { toolTip_ = std::move(text); }

    // Enabled and visible here and in every control it is drawn inside: what a person can use.
    bool usable() const;

    // Gives this control the focus; the control that had it first gets its LostFocus.
    void setFocus();
    bool hasFocus() const;

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    std::function<void()> DblClick;

    // A person double-clicks the control; false (and nothing happens) when it is not usable.
    virtual bool userDoubleClick();
    // The control loses the focus as a person moves away from it.
    bool userLeave();

  protected:
    void notify(ControlProperty property);
    static void fire(const std::function<void()>& handler) {
        if (handler)
            handler();
    }

  private:
    friend class Container;
    ControlKind kind_;
    std::string name_;
    Container* owner_ = nullptr;
    Control* visualParent_ = nullptr;
    Geometry geometry_;
    bool enabled_ = true;
    bool visible_ = true;
    int tabIndex_ = 0;
    std::string toolTip_;
};

}  // namespace norvel::common::forms
