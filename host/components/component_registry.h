// The component host: a registry file maps identifiers ("norvelpc.clsLoad") to library
// paths; objects are created by loading the library (once; it then stays loaded, as objects
// it made may still be alive) and asking its entry point for the class.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "common/dispatch.h"
#include "common/runtime.h"

namespace norvel::host {

class ComponentRegistry : public common::ComponentHost {
  public:
    // `registryFile` is read at each creation, so a registration made meanwhile counts.
    explicit ComponentRegistry(std::filesystem::path registryFile);

    // What every created object is handed; its `components` is this registry.
    void setRuntime(const common::Runtime& runtime);
    const common::Runtime& runtime() const { return runtime_; }

    std::shared_ptr<common::Dispatch> createObject(std::string_view identifier) override;

    // The library path registered for an identifier, or empty.
    std::filesystem::path registeredPath(std::string_view identifier) const;

    static std::filesystem::path defaultRegistryFile();  // configFolder()/components.ini

  private:
    struct LoadedLibrary {
        void* handle = nullptr;
        void* createObject = nullptr;
    };
    const LoadedLibrary& load(const std::filesystem::path& path);

    std::filesystem::path registryFile_;
    common::Runtime runtime_;
    std::map<std::string, LoadedLibrary> libraries_;
};

}  // namespace norvel::host
