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
    // Errors name it as their source; it never changes while the module is loaded.
    static const std::string name = [] {
        std::filesystem::path file = libraryFile();
        std::string stem = file.stem().string();
        if (stem.rfind("lib", 0) == 0 && file.extension() == ".so")
            stem = stem.substr(3);
        return stem.empty() ? std::string("norvel") : stem;
    }();
    return name;
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
