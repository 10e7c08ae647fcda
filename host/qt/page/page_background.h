// The page's background as Qt reads a whole page: from the BODY tag (bgcolor, background)
// and the page's style. The Normal view reads the body piece by piece, so it takes the
// background from here.
#pragma once

#include <QString>
#include <QStringList>
#include <QTextFrameFormat>
#include <QUrl>

namespace norvel::host::qt {

struct PageBackground {
    // Only the background the page gives its body (none when it gives none), to merge into
    // the root frame's format.
    QTextFrameFormat format;
    // The local files read for it (a background picture).
    QStringList filesRead;
};

// `bodyTag` is the page's written BODY tag, empty when it has none; a background picture is
// read relative to `baseUrl`.
PageBackground pageBackground(const QString& bodyTag, const QString& styleSheet,
                              const QUrl& baseUrl);

}  // namespace norvel::host::qt
