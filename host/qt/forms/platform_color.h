// Colour numbers of the old platform: blue in bits 16-23, green in 8-15, red in 0-7; a number
// with the top bit set names a system colour (0x8000000F: button face) instead.
#pragma once

#include <QColor>
#include <cstdint>

namespace norvel::host::qt {

inline bool isSystemColor(uint32_t color) {
    return (color & 0x80000000u) != 0;
}

inline QColor colorFromPlatform(uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

inline uint32_t platformFromColor(const QColor& color) {
    return static_cast<uint32_t>(color.red()) | (static_cast<uint32_t>(color.green()) << 8) |
           (static_cast<uint32_t>(color.blue()) << 16);
}

}  // namespace norvel::host::qt
