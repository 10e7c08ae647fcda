// Where the suite's programs find its libraries, and its libraries their templates, in each
// of the layouts it runs from: the build folder (bin/ beside lib/, templates inside lib/) and
// an installed tree (bin/, a private library folder such as lib/norvel, templates and help
// under share/norvel). Both are found relative to the running file, so an installed tree
// works wherever it is unpacked.
#pragma once

#include <filesystem>
#include <vector>

namespace norvel::common {

// The folder holding the template folders (PHP, asp, html, scripts) and help/ for the
// library this copy of common/ is linked into: its own folder when the templates lie beside
// it (the build folder), else the installed data folder reached from it. When neither has
// them, its own folder, so that a missing template is reported under the usual path.
std::filesystem::path templateFolder();

// Where a program of the suite looks for the suite's libraries, in order: the installed
// private library folder reached from the program's folder, then lib/ beside the program's
// folder (the build folder).
std::vector<std::filesystem::path> libraryFolderCandidates();

}  // namespace norvel::common
