#include "host/components/component_library.h"

#include <dlfcn.h>

#include "common/error.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

namespace {

Error loadError(const std::filesystem::path& path, const std::string& why) {
    return Error(errnum::kLoadingLibrary, "norvel",
                 "Error in loading DLL '" + path.string() + "': " + why);
}

template <typename Fn>
Fn symbol(void* handle, const char* name) {
    return reinterpret_cast<Fn>(::dlsym(handle, name));
}

}  // namespace

ComponentLibrary openComponentLibrary(const std::filesystem::path& path) {
    ::dlerror();
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        throw loadError(path, why != nullptr ? why : "unknown reason");
    }
    ComponentLibrary library;
    library.handle = handle;
    auto abi = symbol<NorvelComponentAbiFn>(handle, "norvel_component_abi");
    auto name = symbol<NorvelLibraryNameFn>(handle, "norvel_library_name");
    auto classes = symbol<NorvelClassNamesFn>(handle, "norvel_class_names");
    library.createObject = symbol<NorvelCreateObjectFn>(handle, "norvel_create_object");
    if (abi == nullptr || name == nullptr || classes == nullptr || library.createObject == nullptr)
        throw loadError(path, "it is not a Norvel component library (entry points missing)");
    if (abi() != common::kComponentAbiVersion)
        throw loadError(path, "it was built for component interface version " +
                                  std::to_string(abi()) + ", this program uses " +
                                  std::to_string(common::kComponentAbiVersion));
    library.libraryName = name();
    for (const char* const* c = classes(); c != nullptr && *c != nullptr; ++c)
        library.classNames.emplace_back(*c);
    if (auto addins = symbol<NorvelAddinsFn>(handle, "norvel_addins")) {
        int count = 0;
        const common::AddinRegistration* list = addins(&count);
        for (int i = 0; i < count; ++i)
            library.addins.push_back({list[i].className, list[i].friendlyName, list[i].description,
                                      list[i].loadBehavior});
    }
    return library;
}

}  // namespace norvel::host
