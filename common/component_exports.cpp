// The exported C entry points of a component library, compiled into every library (not into
// the static common library, whose unreferenced objects the linker would drop). They hand
// out what the library's own componentLibrary() describes.
#include "common/component_entry.h"

using norvel::common::AddinRegistration;
using norvel::common::componentLibrary;

extern "C" {
NORVEL_EXPORT int norvel_component_abi() {
    return norvel::common::kComponentAbiVersion;
}
NORVEL_EXPORT const char* norvel_library_name() {
    return componentLibrary().classes.libraryName().c_str();
}
NORVEL_EXPORT const char* const* norvel_class_names() {
    return componentLibrary().classes.names();
}
NORVEL_EXPORT const AddinRegistration* norvel_addins(int* count) {
    const auto& addins = componentLibrary().addins;
    *count = static_cast<int>(addins.size());
    return addins.empty() ? nullptr : addins.data();
}
NORVEL_EXPORT void norvel_create_object(const char* className,
                                        const norvel::common::Runtime* runtime,
                                        std::shared_ptr<norvel::common::Dispatch>* out) {
    *out = componentLibrary().classes.create(className, *runtime);
}
}
