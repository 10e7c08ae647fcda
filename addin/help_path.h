#pragma once

#include <string>

namespace norvel::addin {

// Where a help file of the add-in lies: the folder "help" beside the add-in's library.
std::string helpFilePath(const std::string& fileName);

}  // namespace norvel::addin
