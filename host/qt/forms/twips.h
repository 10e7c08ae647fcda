// Positions and sizes of the model are in twips: 15 to a pixel at the old platform's 96 dpi.
#pragma once

#include <QRect>
#include <cmath>

#include "common/forms/control.h"

namespace norvel::host::qt {

inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect pixelRect(const common::forms::Geometry& geometry) {
    return QRect(twipsToPixels(geometry.left), twipsToPixels(geometry.top),
                 twipsToPixels(geometry.width), twipsToPixels(geometry.height));
}

}  // namespace norvel::host::qt
