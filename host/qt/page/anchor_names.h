// Qt's rich text keeps every `id` attribute (and every <a name>) as an anchor name in the
// character format, and it looks formats up by a hash that does not tell anchor names apart:
// each anchor makes every later look-up longer, so a page with thousands of ids took minutes
// to draw. The Normal view follows no anchors, so it reads the page without them; an id the
// page's style selects (#name) stays, so the page is laid out as its style says.
#pragma once

#include <QSet>
#include <QString>

namespace norvel::host::qt {

// The names a style sheet may select by id: every "#name" in it (colours such as #336 count
// too, which costs nothing: an id of that name then simply stays).
QSet<QString> idsNamedInStyle(const QString& styleSheet);

// `html` with the `id` attributes whose value is not in `keptIds` removed, and the `name`
// attributes of <a> tags; everything else is as it was. Comments are left alone.
QString withoutAnchorNames(const QString& html, const QSet<QString>& keptIds);

}  // namespace norvel::host::qt
