// Bringing a local file into a folder of the web: a byte copy that readers never see half
// written.
#pragma once

#include <filesystem>

namespace norvel::host {

class DiskWebRoot;

// Copies `localPath` into the web folder `relativeFolder` under the local file's name and
// returns the new entry's path relative to the web's root. The copy is written to a hidden
// temporary file in the target folder and renamed into place; the new file gets the
// permissions of any newly made file. An existing file of that name is replaced only when
// `overwrite` is true (Error 58 otherwise, the file untouched); importing a web file onto
// itself changes nothing. Errors: 5 for a name the web refuses, 53 when the local file is
// missing, 58 when a folder has that name, 70/76 from the target folder, 75 on I/O failure.
std::filesystem::path importFile(const DiskWebRoot& root, const std::filesystem::path& localPath,
                                 const std::filesystem::path& relativeFolder, bool overwrite);

}  // namespace norvel::host
