#include "host/qt/forms/picture_loading.h"

#include <QFileInfo>
#include <QStyle>

#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {
namespace {

// The size the old platform drew its message box icons at.
constexpr int kStandardIconSize = 32;

bool standardIconFor(const std::string& name, QStyle::StandardPixmap& icon) {
    struct Named {
        const char* name;
        QStyle::StandardPixmap icon;
    };
    static const Named icons[] = {{"error-icon", QStyle::SP_MessageBoxCritical},
                                  {"warning-icon", QStyle::SP_MessageBoxWarning},
                                  {"question-icon", QStyle::SP_MessageBoxQuestion},
                                  {"info-icon", QStyle::SP_MessageBoxInformation}};
    for (const auto& named : icons) {
        if (name == named.name) {
            icon = named.icon;
            return true;
        }
    }
    return false;
}

}  // namespace

QPixmap loadPicture(const std::string& picture, const QStyle& style) {
    if (picture.empty())
        return QPixmap();
    QStyle::StandardPixmap standard;
    if (standardIconFor(picture, standard))
        return style.standardIcon(standard).pixmap(kStandardIconSize, kStandardIconSize);
    return QPixmap(toQString(picture));
}

QIcon loadFileIcon(const std::string& picture) {
    QString path = toQString(picture);
    if (picture.empty() || !QFileInfo(path).isFile())
        return QIcon();
    return QIcon(path);
}

}  // namespace norvel::host::qt
