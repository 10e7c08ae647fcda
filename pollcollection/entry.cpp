// The entry points of the poll collection `norvelpc`: the add-in creates `clsLoad` by its
// identifier; everything else is made by the loader.
#include "common/component_entry.h"
#include "pollcollection/cls_load.h"

namespace {

using namespace norvel::common;

const ClassTable& classes() {
    static const ClassTable table = [] {
        ClassTable t("norvelpc");
        t.add("clsLoad",
              [](const Runtime& rt) { return std::make_shared<norvel::poll::clsLoad>(rt); });
        return t;
    }();
    return table;
}

}  // namespace

extern "C" {
NORVEL_EXPORT int norvel_component_abi() {
    return kComponentAbiVersion;
}
NORVEL_EXPORT const char* norvel_library_name() {
    return "norvelpc";
}
NORVEL_EXPORT const char* const* norvel_class_names() {
    return classes().names();
}
NORVEL_EXPORT const AddinRegistration* norvel_addins(int* count) {
    *count = 0;
    return nullptr;
}
NORVEL_EXPORT void norvel_create_object(const char* className, const Runtime* runtime,
                                        std::shared_ptr<Dispatch>* out) {
    *out = classes().create(className, *runtime);
}
}
