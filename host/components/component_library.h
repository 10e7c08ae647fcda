// Opening a component library and reading what it declares about itself.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "common/component_entry.h"

namespace norvel::host {

struct AddinDeclaration {
    std::string className;
    std::string friendlyName;
    std::string description;
    int loadBehavior = 0;
};

struct ComponentLibrary {
    void* handle = nullptr;  // stays open for the life of the process
    std::string libraryName;
    std::vector<std::string> classNames;
    std::vector<AddinDeclaration> addins;
    NorvelCreateObjectFn createObject = nullptr;
};

// Loads the library and checks its entry points. Throws Error 48 when it will not load, is
// not a component library, or was built for another version of the component interface.
ComponentLibrary openComponentLibrary(const std::filesystem::path& path);

}  // namespace norvel::host
