// A namespace of named controls: a form, or a user control nested in one. Frames are not
// containers of names (their controls belong to the form), only of drawing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/forms/control.h"

namespace norvel::common::forms {

class Container {
  public:
    virtual ~Container() = default;

    // The control of that name in this container (case-insensitive, as names were), or null.
    Control* find(std::string_view name) const;
    // Resolves "ctlText1.txtQuestion": each dotted step enters a user control.
    Control* findPath(std::string_view path) const;
    // Controls in the order they were added (which is also their default tab order).
    const std::vector<Control*>& controls() const { return controls_; }

    virtual Form* containerForm() = 0;
    // The user control this container is, or none for a form.
    virtual Control* asControl() { return nullptr; }
    virtual void childChanged(Control& control, ControlProperty property) = 0;

  protected:
    // Registers a member control under its name, at its position in twips, optionally drawn
    // inside a frame (or other control) of this container. The tab index follows the order.
    void addControl(Control& control, std::string name, Geometry geometry,
                    Control* visualParent = nullptr);

  private:
    std::vector<Control*> controls_;
};

}  // namespace norvel::common::forms
