#pragma once

#include <filesystem>

namespace norvel::common {

// The folder holding the library (or program) this copy of common/ is linked into: where a
// collection finds its template folders, and the add-in its help files.
std::filesystem::path libraryFolder();

}  // namespace norvel::common
