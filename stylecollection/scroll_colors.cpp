#include "stylecollection/scroll_colors.h"

#include <cstdio>

#include "common/ascii_text.h"
#include "common/error.h"
#include "common/inputs/hex_color.h"
#include "stylecollection/style_library.h"

namespace norvel::style {

namespace {

// Each channel of `hex` moved towards `target` (0 or 255) by `share` of the way.
std::string mixed(const std::string& hex, int target, double share) {
    char out[8];
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        int value = common::hexDigitValue(hex[2 * i]) * 16 + common::hexDigitValue(hex[2 * i + 1]);
        channels[i] = static_cast<int>(value + (target - value) * share + 0.5);
    }
    std::snprintf(out, sizeof out, "%02x%02x%02x", channels[0], channels[1], channels[2]);
    return out;
}

}  // namespace

std::string styleText(const RowColors& colors, int level) {
    std::string declarations;
    for (int row = 0; row < kRowCount; ++row) {
        const std::string& color = colors[static_cast<size_t>(row)];
        if (!color.empty())
            declarations +=
                std::string(kScrollbarProperties[static_cast<size_t>(row)]) + ": #" + color + ";";
    }
    switch (level) {
        case 1:
            return declarations;
        case 2:
            return "body {" + declarations + " }";
        case 3:
            return "<style>\r\nbody {" + declarations + " }\r\n</style>";
        default:
            throw common::Error(
                common::errnum::kInvalidCall, kLibraryName,
                "Invalid procedure call or argument: style text level " + std::to_string(level));
    }
}

std::string standardScrollbarColor(const RowColors& colors) {
    auto usable = [&](int row) -> std::string {
        const std::string& color = colors[static_cast<size_t>(row)];
        return common::inputs::IsHexColor(color) ? color : std::string();
    };
    std::string thumb = usable(kFaceRow);
    if (thumb.empty())
        thumb = usable(kBaseRow);
    std::string track = usable(kTrackRow);
    if (thumb.empty() && track.empty())
        return std::string();
    if (thumb.empty())
        thumb = mixed(track, 0, 0.4);
    if (track.empty())
        track = mixed(thumb, 255, 0.6);
    return "#" + thumb + " #" + track;
}

}  // namespace norvel::style
