// The entry points of the script collection `norveljsc`: the add-in creates `clsLoad` by
// identifier for every script command and every script block edited.
#include "common/component_entry.h"
#include "common/library_folder.h"
#include "scriptcollection/cls_load.h"
#include "scriptcollection/script_library.h"

namespace {

using namespace norvel::common;

const ClassTable& classes() {
    static const ClassTable table = [] {
        ClassTable t(norvel::script::kLibraryName);
        t.add("clsLoad", [](const Runtime& rt) {
            return std::make_shared<norvel::script::clsLoad>(rt, libraryFolder() / "scripts");
        });
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
    return norvel::script::kLibraryName;
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
