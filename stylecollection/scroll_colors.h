// The eight scroll-bar colours of the dialog's rows and the style text made from them: the
// declarations old browsers read (one property a row), and the standard `scrollbar-color`
// that today's browsers read from the root element.
#pragma once

#include <array>
#include <string>

namespace norvel::style {

inline constexpr int kRowCount = 8;

// The CSS property of each row, in row order (the order of the declarations and the read-back).
inline constexpr std::array<const char*, kRowCount> kScrollbarProperties = {
    "scrollbar-base-color",    "scrollbar-arrow-color",      "scrollbar-highlight-color",
    "scrollbar-3dlight-color", "scrollbar-face-color",       "scrollbar-track-color",
    "scrollbar-shadow-color",  "scrollbar-darkshadow-color",
};
inline constexpr int kBaseRow = 0;
inline constexpr int kFaceRow = 4;
inline constexpr int kTrackRow = 5;

// Each row's colour: six hexadecimal digits without "#", or empty for no colour.
using RowColors = std::array<std::string, kRowCount>;

// Level 1: the declarations ("scrollbar-base-color: #ff0000;" for each row with a colour, run
// together); level 2: "body {" + declarations + " }"; level 3: that rule in a STYLE block on
// lines of its own. Error 5 for another level.
std::string styleText(const RowColors& colors, int level);

// The selector and property that carry the colours for today's browsers.
inline constexpr const char* kRootSelector = "html";
inline constexpr const char* kStandardProperty = "scrollbar-color";

// The value of `scrollbar-color` ("#thumb #track") for these rows, or empty when neither a
// face, a base nor a track colour is given. The thumb is the face colour, else the base
// colour; the track is the track colour. A missing thumb is a darker shade of the track, a
// missing track a lighter tint of the thumb (as old browsers derived the other parts from the
// base colour), so the thumb always stands out from its track.
std::string standardScrollbarColor(const RowColors& colors);

}  // namespace norvel::style
