#include "common/install_layout.h"

#include <system_error>

#include "common/library_folder.h"

// The relative paths of the installed tree come from the build's install directories.
#ifndef NORVEL_TEMPLATES_FROM_LIBRARIES
#define NORVEL_TEMPLATES_FROM_LIBRARIES "../../share/norvel"
#endif
#ifndef NORVEL_LIBRARIES_FROM_PROGRAMS
#define NORVEL_LIBRARIES_FROM_PROGRAMS "../lib/norvel"
#endif

namespace norvel::common {

namespace {

bool isFolder(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

}  // namespace

std::filesystem::path templateFolder() {
    std::filesystem::path beside = libraryFolder();
    // help/ is always there where the templates are copied or installed.
    if (isFolder(beside / "help"))
        return beside;
    std::filesystem::path installed = (beside / NORVEL_TEMPLATES_FROM_LIBRARIES).lexically_normal();
    if (isFolder(installed / "help"))
        return installed;
    return beside;
}

std::vector<std::filesystem::path> libraryFolderCandidates() {
    std::filesystem::path programs = libraryFolder();
    return {(programs / NORVEL_LIBRARIES_FROM_PROGRAMS).lexically_normal(),
            programs.parent_path() / "lib"};
}

}  // namespace norvel::common
