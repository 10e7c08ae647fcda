#include "common/forms/container.h"

#include "common/ascii_text.h"

namespace norvel::common::forms {

Control* Container::find(std::string_view name) const {
    for (Control* control : controls_)
        if (equalsIgnoreCase(control->name(), name))
            return control;
    return nullptr;
}

Control* Container::findPath(std::string_view path) const {
    size_t dot = path.find('.');
    if (dot == std::string_view::npos)
        return find(path);
    Control* outer = find(path.substr(0, dot));
    Container* inner = outer != nullptr ? outer->asContainer() : nullptr;
    if (inner == nullptr)
        return nullptr;
    return inner->findPath(path.substr(dot + 1));
}

void Container::addControl(Control& control, std::string name, Geometry geometry,
                           Control* visualParent) {
    control.name_ = std::move(name);
    control.owner_ = this;
    control.visualParent_ = visualParent;
    control.geometry_ = geometry;
    control.tabIndex_ = static_cast<int>(controls_.size());
    controls_.push_back(&control);
}

}  // namespace norvel::common::forms
