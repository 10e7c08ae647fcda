// Names the script collection shows to the world: its library name (the source of its own
// errors) and the captions of its error dialogs.
#pragma once

#include <string_view>

namespace norvel::script {

inline constexpr const char* kLibraryName = "norveljsc";

// The dialogs report errors under one of two captions, as they always have: the slide show
// and the add-to-favourites actions use the first, loading and the smaller dialogs the second.
inline constexpr std::string_view kCaptionJS = "NorvelJS";
inline constexpr std::string_view kCaptionJC = "NorvelJC";

}  // namespace norvel::script
