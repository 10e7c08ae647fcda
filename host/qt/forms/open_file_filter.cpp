#include "host/qt/forms/open_file_filter.h"

#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

QStringList qtNameFilters(std::string_view filter) {
    QStringList parts = toQString(filter).split(QChar('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QStringList patterns = parts[i + 1].split(QChar(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            pattern = pattern.trimmed();
        patterns.removeAll(QString());
        if (patterns.isEmpty())
            continue;
        if (description.isEmpty())
            description = patterns.join(QChar(' '));
        filters.append(description + QStringLiteral(" (") + patterns.join(QChar(' ')) + QChar(')'));
    }
    return filters;
}

}  // namespace norvel::host::qt
