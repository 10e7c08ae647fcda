#include "addin/help_path.h"

#include "common/library_folder.h"

namespace norvel::addin {

std::string helpFilePath(const std::string& fileName) {
    return (common::libraryFolder() / "help" / fileName).string();
}

}  // namespace norvel::addin
