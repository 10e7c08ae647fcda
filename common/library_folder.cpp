#include "common/library_folder.h"

#include <dlfcn.h>

namespace norvel::common {

namespace {

std::filesystem::path libraryFile() {
    Dl_info info{};
    // The address of this very function lies in the module that linked this copy of common/.
    if (::dladdr(reinterpret_cast<void*>(&libraryFile), &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::error_code ec;
    auto path = std::filesystem::canonical(info.dli_fname, ec);
    if (ec)
        path = std::filesystem::absolute(info.dli_fname);
    return path;
}

}  // namespace

std::string libraryName() {
    std::string name = libraryFile().stem().string();
    if (name.rfind("lib", 0) == 0 && libraryFile().extension() == ".so")
        name = name.substr(3);
    return name.empty() ? "norvel" : name;
}

std::filesystem::path libraryFolder() {
    Dl_info info{};
    // The address of this very function lies in the module that linked this copy of common/.
    if (::dladdr(reinterpret_cast<void*>(&libraryFolder), &info) == 0 || info.dli_fname == nullptr)
        return std::filesystem::current_path();
    std::error_code ec;
    auto path = std::filesystem::canonical(info.dli_fname, ec);
    if (ec)
        path = std::filesystem::absolute(info.dli_fname);
    return path.parent_path();
}

}  // namespace norvel::common
