#include "host/editor/command_bars.h"

#include "common/error.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

HostCommandBarControl::HostCommandBarControl(int type, bool temporary)
    : type_(type), temporary_(temporary) {
    if (type_ == common::editor::kControlPopup)
        controls_ = std::make_unique<HostCommandBarControls>();
}

HostCommandBarControl::~HostCommandBarControl() = default;

common::editor::CommandBarControls& HostCommandBarControl::Controls() {
    if (!controls_)
        throw Error(errnum::kMemberNotSupported, "norvel",
                    "Object doesn't support this property or method: a button has no Controls");
    return *controls_;
}

bool HostCommandBarControl::click() {
    if (!enabled_ || type_ != common::editor::kControlButton)
        return false;
    if (handler_) {
        // Keep the control alive while its handler runs, whatever the handler releases.
        auto self = shared_from_this();
        ClickHandler handler = handler_;
        bool cancelDefault = false;
        handler(*this, cancelDefault);
    }
    return true;
}

std::shared_ptr<common::editor::CommandBarControl> HostCommandBarControls::Item(int index) {
    if (index < 1 || index > Count())
        throw Error(errnum::kSubscriptOutOfRange, "norvel",
                    "Subscript out of range: no control at position " + std::to_string(index));
    return controls_[static_cast<size_t>(index - 1)];
}

std::shared_ptr<common::editor::CommandBarControl> HostCommandBarControls::Item(
    const std::string& caption) {
    for (const auto& control : controls_)
        if (control->Caption() == caption)
            return control;
    throw Error(errnum::kSubscriptOutOfRange, "norvel",
                "Subscript out of range: no control with the caption '" + caption + "'");
}

std::shared_ptr<common::editor::CommandBarControl> HostCommandBarControls::Add(
    int type, std::optional<int> id, std::optional<std::string> parameter,
    std::optional<int> before, bool temporary) {
    if (type != common::editor::kControlButton && type != common::editor::kControlPopup)
        throw Error(errnum::kInvalidCall, "norvel",
                    "Invalid procedure call or argument: control type " + std::to_string(type));
    auto control = std::make_shared<HostCommandBarControl>(type, temporary);
    size_t position = controls_.size();
    if (before) {
        if (*before < 1)
            throw Error(errnum::kInvalidCall, "norvel",
                        "Invalid procedure call or argument: position " + std::to_string(*before));
        // A position past the end appends, as the editor's menus did.
        position = std::min(controls_.size(), static_cast<size_t>(*before - 1));
    }
    controls_.insert(controls_.begin() + static_cast<std::ptrdiff_t>(position), control);
    return control;
}

std::shared_ptr<HostCommandBarControl> HostCommandBarControls::findByTag(
    const std::string& tag) const {
    for (const auto& control : controls_) {
        if (control->Tag() == tag)
            return control;
        if (auto* inner = control->popupControls())
            if (auto found = inner->findByTag(tag))
                return found;
    }
    return nullptr;
}

void HostCommandBarControls::removeTemporary() {
    std::erase_if(controls_, [](const auto& control) { return control->Temporary(); });
    for (const auto& control : controls_)
        if (auto* inner = control->popupControls())
            inner->removeTemporary();
}

void HostCommandBarControls::removeTagged(const std::string& prefix) {
    std::erase_if(controls_,
                  [&](const auto& control) { return control->Tag().starts_with(prefix); });
}

std::shared_ptr<common::editor::CommandBarControl> HostCommandBar::FindControl(
    const std::string& tag) {
    return controls_.findByTag(tag);
}

HostCommandBars::HostCommandBars() : menuBar_(std::make_unique<HostCommandBar>("Menu Bar")) {
    for (const char* caption : {"File", "Edit", "View", "Insert", "Format", "Tools", "Table",
                                "Frames", "Window", "Help"}) {
        auto menu = menuBar_->Controls().Add(common::editor::kControlPopup);
        menu->SetCaption(caption);
    }
}

common::editor::CommandBar& HostCommandBars::Item(const std::string& name) {
    if (name == menuBar_->Name())
        return *menuBar_;
    throw Error(errnum::kInvalidCall, "norvel",
                "Invalid procedure call or argument: no command bar '" + name + "'");
}

std::shared_ptr<HostCommandBarControl> HostCommandBars::findByCaptions(
    const std::vector<std::string>& path) {
    HostCommandBarControls* level = &menuBar_->hostControls();
    std::shared_ptr<HostCommandBarControl> found;
    for (const std::string& caption : path) {
        if (level == nullptr)
            return nullptr;
        found = nullptr;
        for (const auto& control : level->all())
            if (control->Caption() == caption) {
                found = control;
                break;
            }
        if (!found)
            return nullptr;
        level = found->popupControls();
    }
    return found;
}

}  // namespace norvel::host
