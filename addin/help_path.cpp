#include "addin/help_path.h"

#include "common/install_layout.h"

namespace norvel::addin {

std::string helpFilePath(const std::string& fileName) {
    return (common::templateFolder() / "help" / fileName).string();
}

}  // namespace norvel::addin
