// The editor's menus as command bars: a bar holds controls; a popup control holds controls of
// its own; buttons raise a click event.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace norvel::common::editor {

class CommandBarControls;

inline constexpr int kControlButton = 1;
inline constexpr int kControlPopup = 10;

class CommandBarControl {
  public:
    using ClickHandler = std::function<void(CommandBarControl& control, bool& cancelDefault)>;

    virtual ~CommandBarControl() = default;
    virtual int Type() = 0;
    virtual std::string Caption() = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string Tag() = 0;
    virtual void SetTag(const std::string& tag) = 0;
    virtual bool Enabled() = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool BeginGroup() = 0;
    virtual void SetBeginGroup(bool beginGroup) = 0;
    virtual bool Temporary() = 0;
    // The controls of a popup; Error 438 for a button.
    virtual CommandBarControls& Controls() = 0;
    // The handler of the click event (one per control; an empty function removes it).
    virtual void SetClickHandler(ClickHandler handler) = 0;
};

class CommandBarControls {
  public:
    virtual ~CommandBarControls() = default;
    virtual int Count() = 0;
    // 1-based; Error 9 out of range.
    virtual std::shared_ptr<CommandBarControl> Item(int index) = 0;
    // The first control with exactly this caption; Error 9 when there is none.
    virtual std::shared_ptr<CommandBarControl> Item(const std::string& caption) = 0;
    // Adds a control of `type` (1 button, 10 popup); `before` is the 1-based position it
    // takes (none: at the end); a temporary control vanishes when the editor closes.
    virtual std::shared_ptr<CommandBarControl> Add(
        int type, std::optional<int> id = std::nullopt,
        std::optional<std::string> parameter = std::nullopt,
        std::optional<int> before = std::nullopt, bool temporary = false) = 0;
};

class CommandBar {
  public:
    virtual ~CommandBar() = default;
    virtual std::string Name() = 0;
    virtual CommandBarControls& Controls() = 0;
    // The first control with this tag anywhere in the bar, or none.
    virtual std::shared_ptr<CommandBarControl> FindControl(const std::string& tag) = 0;
};

class CommandBars {
  public:
    virtual ~CommandBars() = default;
    // The named bar ("Menu Bar"); Error 5 when there is none.
    virtual CommandBar& Item(const std::string& name) = 0;
};

}  // namespace norvel::common::editor
