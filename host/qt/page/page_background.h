// The page's background as Qt reads a whole page: from the BODY tag (bgcolor, background)
// and the page's style. The Normal view reads the body piece by piece, so it takes the
// background from here.
#pragma once

#include <QString>
#include <QTextFrameFormat>
#include <QUrl>

#include <string_view>

#include "host/markup/page_skeleton.h"

namespace norvel::host::qt {

// A frame format holding only the background the page gives its body (none when it gives
// none), to merge into the root frame's. A background picture is read relative to `baseUrl`.
QTextFrameFormat pageBackground(std::string_view html, const PageSkeleton& skeleton,
                                const QString& styleSheet, const QUrl& baseUrl);

}  // namespace norvel::host::qt
