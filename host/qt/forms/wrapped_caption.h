// Captions of check boxes and option buttons wrap at word breaks when the control is tall
// enough for the lines, as they did on the old platform, where dialogs were laid out for it.
#pragma once

#include <QString>

class QFont;

namespace norvel::host::qt {

// `caption` broken into lines (joined by '\n') no wider than `width`; unchanged when it fits
// on one line or its lines would not fit `height`: one clipped line reads better than the
// middle of several.
QString wrappedCaption(const QString& caption, const QFont& font, int width, int height);

}  // namespace norvel::host::qt
