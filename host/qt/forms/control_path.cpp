#include "host/qt/forms/control_path.h"

#include "common/forms/container.h"

namespace norvel::host::qt {

std::string controlPath(const common::forms::Control& control) {
    std::string path = control.name();
    for (common::forms::Container* owner = control.owner(); owner != nullptr;) {
        common::forms::Control* userControl = owner->asControl();
        if (userControl == nullptr)
            break;
        path = userControl->name() + "." + path;
        owner = userControl->owner();
    }
    return path;
}

}  // namespace norvel::host::qt
