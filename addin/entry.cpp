// The entry points of the add-in library `norvelfp`: the editor creates `Connect` when it
// starts, and `main` for every webbot block of ours.
#include "addin/connect.h"
#include "addin/webbot_main.h"
#include "common/component_entry.h"

namespace {

using namespace norvel::common;

const ClassTable& classes() {
    static const ClassTable table = [] {
        ClassTable t(norvel::addin::kLibraryName);
        t.add("Connect",
              [](const Runtime& rt) { return std::make_shared<norvel::addin::Connect>(rt); });
        t.add("main", [](const Runtime& rt) { return std::make_shared<norvel::addin::main>(rt); });
        return t;
    }();
    return table;
}

const AddinRegistration kAddins[] = {{"Connect", "NorvelFP Addin", "Add-In Project Template", 3}};

}  // namespace

extern "C" {
NORVEL_EXPORT int norvel_component_abi() {
    return kComponentAbiVersion;
}
NORVEL_EXPORT const char* norvel_library_name() {
    return norvel::addin::kLibraryName;
}
NORVEL_EXPORT const char* const* norvel_class_names() {
    return classes().names();
}
NORVEL_EXPORT const AddinRegistration* norvel_addins(int* count) {
    *count = 1;
    return kAddins;
}
NORVEL_EXPORT void norvel_create_object(const char* className, const Runtime* runtime,
                                        std::shared_ptr<Dispatch>* out) {
    *out = classes().create(className, *runtime);
}
}
