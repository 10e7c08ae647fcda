// The entry points of the script collection `norveljsc`: the add-in creates `clsLoad` by
// identifier for every script command and every script block edited.
#include "common/component_entry.h"
#include "common/install_layout.h"
#include "scriptcollection/cls_load.h"
#include "scriptcollection/script_library.h"

namespace norvel::common {

const ComponentLibrary& componentLibrary() {
    static const ComponentLibrary library = [] {
        ClassTable t(norvel::script::kLibraryName);
        t.add("clsLoad", [](const Runtime& rt) {
            return std::make_shared<norvel::script::clsLoad>(rt, templateFolder() / "scripts");
        });
        return ComponentLibrary{std::move(t), {}};
    }();
    return library;
}

}  // namespace norvel::common
