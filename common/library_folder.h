#pragma once

#include <filesystem>
#include <string>

namespace norvel::common {

// The folder holding the library (or program) this copy of common/ is linked into: where a
// collection finds its template folders, and the add-in its help files.
std::filesystem::path libraryFolder();

// The name of that library: "norvelpc" for libnorvelpc.so, the program's name for a program.
std::string libraryName();

}  // namespace norvel::common
