// Where the suite keeps per-user files such as the settings file.
#pragma once

#include <filesystem>

namespace norvel::common {

// $NORVEL_CONFIG_HOME when set and not empty (tests point it at a temporary folder), else
// $XDG_CONFIG_HOME/norvel when that is an absolute path (the XDG rule: a relative value is
// ignored), else $HOME/.config/norvel. The folder is not created here.
// Throws Error 76 when none of these variables gives a folder.
std::filesystem::path configFolder();

}  // namespace norvel::common
