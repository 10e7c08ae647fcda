#include "host/components/component_registry.h"

#include <fstream>

#include "common/atomic_file.h"
#include "common/config_folder.h"
#include "common/error.h"
#include "common/ini_file.h"
#include "host/components/component_library.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

namespace {

constexpr const char* kSection = "components";

Error cannotCreate(std::string_view identifier, const std::string& why) {
    return Error(errnum::kCannotCreateObject, "norvel",
                 "ActiveX component can't create object: '" + std::string(identifier) + "' " + why);
}

}  // namespace

ComponentRegistry::ComponentRegistry(std::filesystem::path registryFile)
    : registryFile_(std::move(registryFile)) {
    runtime_.components = this;
}

void ComponentRegistry::setRuntime(const common::Runtime& runtime) {
    runtime_ = runtime;
    runtime_.components = this;
}

std::filesystem::path ComponentRegistry::defaultRegistryFile() {
    return common::configFolder() / "components.ini";
}

std::filesystem::path ComponentRegistry::registeredPath(std::string_view identifier) const {
    std::error_code ec;
    if (!std::filesystem::exists(registryFile_, ec))
        return {};
    auto value =
        common::IniFile::parse(common::readFileBytes(registryFile_)).value(kSection, identifier);
    return value ? std::filesystem::path(*value) : std::filesystem::path();
}

const ComponentRegistry::LoadedLibrary& ComponentRegistry::load(const std::filesystem::path& path) {
    auto found = libraries_.find(path.string());
    if (found != libraries_.end())
        return found->second;
    ComponentLibrary library = openComponentLibrary(path);
    LoadedLibrary loaded{library.handle, reinterpret_cast<void*>(library.createObject)};
    return libraries_.emplace(path.string(), loaded).first->second;
}

std::shared_ptr<common::Dispatch> ComponentRegistry::createObject(std::string_view identifier) {
    size_t dot = identifier.find('.');
    if (dot == std::string_view::npos || dot == 0 || dot + 1 == identifier.size())
        throw cannotCreate(identifier, "is not an identifier of the form library.class");
    std::filesystem::path path;
    try {
        path = registeredPath(identifier);
    } catch (const Error& e) {
        throw cannotCreate(identifier, "cannot be looked up: the registry '" +
                                           registryFile_.string() + "' is damaged (" +
                                           e.description() + ")");
    }
    if (path.empty())
        throw cannotCreate(identifier, "is not registered");
    const LoadedLibrary& library = load(path);
    auto create = reinterpret_cast<NorvelCreateObjectFn>(library.createObject);
    std::string className(identifier.substr(dot + 1));
    std::shared_ptr<common::Dispatch> object;
    create(className.c_str(), &runtime_, &object);
    if (!object)
        throw cannotCreate(identifier, "cannot be made: its library '" + path.string() +
                                           "' has no class '" + className + "'");
    return object;
}

}  // namespace norvel::host
