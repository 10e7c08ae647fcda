#include "common/library_folder.h"

#include <dlfcn.h>
#include <link.h>

#include <system_error>

namespace norvel::common {

namespace {

// The load address of the main program: the first object dl_iterate_phdr reports.
int rememberFirstObject(struct dl_phdr_info* info, size_t, void* data) {
    *static_cast<ElfW(Addr)*>(data) = info->dlpi_addr;
    return 1;
}

bool isMainProgram(const Dl_info& info) {
    ElfW(Addr) mainBase = 0;
    ::dl_iterate_phdr(&rememberFirstObject, &mainBase);
    return reinterpret_cast<ElfW(Addr)>(info.dli_fbase) == mainBase;
}

std::filesystem::path libraryFile() {
    Dl_info info{};
    // The address of this very function lies in the module that linked this copy of common/.
    if (::dladdr(reinterpret_cast<void*>(&libraryFile), &info) == 0 || info.dli_fname == nullptr)
        return {};
    std::error_code ec;
    // For the main program the loader reports the name it was started by, which may be a bare
    // name found through PATH: the kernel knows the file itself.
    if (isMainProgram(info)) {
        auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (!ec)
            return self;
    }
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
    std::filesystem::path file = libraryFile();
    return file.empty() ? std::filesystem::current_path() : file.parent_path();
}

}  // namespace norvel::common
