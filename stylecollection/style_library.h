// Names the style collection shows to the world: its library name (the source of its own
// errors) and the caption of its error dialogs.
#pragma once

#include <string_view>

namespace norvel::style {

inline constexpr const char* kLibraryName = "norvelsc";
inline constexpr std::string_view kCaptionSC = "NorvelSC";

}  // namespace norvel::style
