#include "common/library_folder.h"

#include <dlfcn.h>

namespace norvel::common {

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
