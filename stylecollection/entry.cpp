// The entry points of the style collection `norvelsc`: the add-in creates `clsLoad` by
// identifier for the command "Scrollbar color".
#include "common/component_entry.h"
#include "stylecollection/cls_load.h"
#include "stylecollection/style_library.h"

namespace norvel::common {

const ComponentLibrary& componentLibrary() {
    static const ComponentLibrary library = [] {
        ClassTable t(norvel::style::kLibraryName);
        t.add("clsLoad",
              [](const Runtime& rt) { return std::make_shared<norvel::style::clsLoad>(rt); });
        return ComponentLibrary{std::move(t), {}};
    }();
    return library;
}

}  // namespace norvel::common
