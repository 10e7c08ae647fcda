// Pictures named by the model: a file path, or one of the platform's standard icons by name.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <string>

class QStyle;

namespace norvel::host::qt {

// The picture: "error-icon", "warning-icon", "question-icon" and "info-icon" are the message
// box icons of the style; anything else is read as a file. A null pixmap when there is none.
QPixmap loadPicture(const std::string& picture, const QStyle& style);

// An icon from a picture file only (image lists name files); a null icon otherwise.
QIcon loadFileIcon(const std::string& picture);

}  // namespace norvel::host::qt
