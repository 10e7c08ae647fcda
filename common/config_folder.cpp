#include "common/config_folder.h"

#include <cstdlib>

#include "common/error.h"
#include "common/library_folder.h"

namespace norvel::common {
namespace {

const char* nonEmptyVariable(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && *value != '\0') ? value : nullptr;
}

}  // namespace

std::filesystem::path configFolder() {
    if (const char* own = nonEmptyVariable("NORVEL_CONFIG_HOME"))
        return own;
    if (const char* xdg = nonEmptyVariable("XDG_CONFIG_HOME")) {
        std::filesystem::path base(xdg);
        if (base.is_absolute())
            return base / "norvel";
    }
    if (const char* home = nonEmptyVariable("HOME"))
        return std::filesystem::path(home) / ".config" / "norvel";
    throw Error(errnum::kPathNotFound, libraryName(),
                "No folder for the user's settings: set HOME, XDG_CONFIG_HOME or "
                "NORVEL_CONFIG_HOME");
}

}  // namespace norvel::common
