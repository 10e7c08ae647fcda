// The editor stand-in's menus: the bar "Menu Bar" with the editor's own ten menus, to which
// add-ins add their popups and buttons.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/editor/command_bars.h"

namespace norvel::host {

class HostCommandBarControls;

class HostCommandBarControl : public common::editor::CommandBarControl,
                              public std::enable_shared_from_this<HostCommandBarControl> {
  public:
    HostCommandBarControl(int type, bool temporary);
    ~HostCommandBarControl() override;

    int Type() override { return type_; }
    std::string Caption() override { return caption_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    std::string Tag() override { return tag_; }
    void SetTag(const std::string& tag) override { tag_ = tag; }
    bool Enabled() override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    bool BeginGroup() override { return beginGroup_; }
    void SetBeginGroup(bool beginGroup) override { beginGroup_ = beginGroup; }
    bool Temporary() override { return temporary_; }
    common::editor::CommandBarControls& Controls() override;
    void SetClickHandler(ClickHandler handler) override { handler_ = std::move(handler); }

    // The editor delivers a click: the handler runs when the control is enabled. False when
    // nothing could be clicked (disabled, or a popup).
    bool click();
    HostCommandBarControls* popupControls() { return controls_.get(); }

  private:
    int type_;
    bool temporary_;
    std::string caption_;
    std::string tag_;
    bool enabled_ = true;
    bool beginGroup_ = false;
    ClickHandler handler_;
    std::unique_ptr<HostCommandBarControls> controls_;  // popups only
};

class HostCommandBarControls : public common::editor::CommandBarControls {
  public:
    int Count() override { return static_cast<int>(controls_.size()); }
    std::shared_ptr<common::editor::CommandBarControl> Item(int index) override;
    std::shared_ptr<common::editor::CommandBarControl> Item(const std::string& caption) override;
    std::shared_ptr<common::editor::CommandBarControl> Add(int type, std::optional<int> id,
                                                           std::optional<std::string> parameter,
                                                           std::optional<int> before,
                                                           bool temporary) override;

    const std::vector<std::shared_ptr<HostCommandBarControl>>& all() const { return controls_; }
    // The first control with the tag, searching popups depth-first.
    std::shared_ptr<HostCommandBarControl> findByTag(const std::string& tag) const;
    // Drops temporary controls (and everything inside them): the editor closes.
    void removeTemporary();
    // Drops the controls of this level whose tag starts with `prefix` (lists the editor
    // itself keeps up to date, such as the open pages).
    void removeTagged(const std::string& prefix);

  private:
    std::vector<std::shared_ptr<HostCommandBarControl>> controls_;
};

class HostCommandBar : public common::editor::CommandBar {
  public:
    explicit HostCommandBar(std::string name) : name_(std::move(name)) {}
    std::string Name() override { return name_; }
    common::editor::CommandBarControls& Controls() override { return controls_; }
    std::shared_ptr<common::editor::CommandBarControl> FindControl(const std::string& tag) override;
    HostCommandBarControls& hostControls() { return controls_; }

  private:
    std::string name_;
    HostCommandBarControls controls_;
};

class HostCommandBars : public common::editor::CommandBars {
  public:
    // The menu bar with "File", "Edit", "View", "Insert", "Format", "Tools", "Table",
    // "Frames", "Window", "Help".
    HostCommandBars();
    common::editor::CommandBar& Item(const std::string& name) override;
    HostCommandBar& menuBar() { return *menuBar_; }

    // The control reached by a path of captions from the menu bar ("Norvel", "Polls",
    // "PHP Polls"); null when a step is missing. Captions compare exactly.
    std::shared_ptr<HostCommandBarControl> findByCaptions(const std::vector<std::string>& path);

  private:
    std::unique_ptr<HostCommandBar> menuBar_;
};

}  // namespace norvel::host
