// The entry points of the add-in library `norvelfp`: the editor creates `Connect` when it
// starts, and `main` for every webbot block of ours.
#include "addin/connect.h"
#include "addin/webbot_main.h"
#include "common/component_entry.h"

namespace norvel::common {

const ComponentLibrary& componentLibrary() {
    static const ComponentLibrary library = [] {
        ClassTable t(norvel::addin::kLibraryName);
        t.add("Connect",
              [](const Runtime& rt) { return std::make_shared<norvel::addin::Connect>(rt); });
        t.add("main", [](const Runtime& rt) { return std::make_shared<norvel::addin::main>(rt); });
        return ComponentLibrary{std::move(t),
                                {{"Connect", "NorvelFP Addin", "Add-In Project Template", 3}}};
    }();
    return library;
}

}  // namespace norvel::common
