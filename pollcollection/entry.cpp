// The entry points of the poll collection `norvelpc`: the add-in creates `clsLoad` by its
// identifier; everything else is made by the loader.
#include "common/component_entry.h"
#include "pollcollection/cls_load.h"

namespace norvel::common {

const ComponentLibrary& componentLibrary() {
    static const ComponentLibrary library = [] {
        ClassTable t("norvelpc");
        t.add("clsLoad",
              [](const Runtime& rt) { return std::make_shared<norvel::poll::clsLoad>(rt); });
        return ComponentLibrary{std::move(t), {}};
    }();
    return library;
}

}  // namespace norvel::common
