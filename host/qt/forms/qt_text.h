// Text between the model (UTF-8 std::string) and Qt (QString).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace norvel::host::qt {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toStdString(const QString& text) {
    return text.toStdString();
}

// Multi-line text boxes hold CR LF line ends, as on the old platform; Qt's editors use LF.
QString toDisplayLines(std::string_view text);
std::string fromDisplayLines(const QString& text);

// A label shows "&&" as "&" and takes a single "&" as the mark of an access key, which a
// QLabel without a buddy would print.
QString withoutAccessKeyMarks(const QString& caption);

}  // namespace norvel::host::qt
