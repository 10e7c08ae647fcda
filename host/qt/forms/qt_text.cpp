#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

QString toDisplayLines(std::string_view text) {
    QString lines = toQString(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QChar('\r'), QChar('\n'));
    return lines;
}

std::string fromDisplayLines(const QString& text) {
    QString lines = text;
    lines.replace(QChar('\n'), QStringLiteral("\r\n"));
    return toStdString(lines);
}

QString withoutAccessKeyMarks(const QString& caption) {
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QChar('&')) {
            shown.append(caption[i]);
        } else if (i + 1 < caption.size() && caption[i + 1] == QChar('&')) {
            shown.append(QChar('&'));
            ++i;
        }
    }
    return shown;
}

}  // namespace norvel::host::qt
