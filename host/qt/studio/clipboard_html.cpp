#include "host/qt/studio/clipboard_html.h"

#include <QMimeData>

namespace norvel::host::qt {

QString htmlToPaste(const QMimeData& data) {
    if (data.hasHtml()) {
        QString html = data.html();
        static const QString start = QStringLiteral("<!--StartFragment-->");
        static const QString end = QStringLiteral("<!--EndFragment-->");
        qsizetype from = html.indexOf(start);
        qsizetype to = html.indexOf(end);
        if (from >= 0 && to > from)
            return html.mid(from + start.size(), to - from - start.size());
        return html;
    }
    if (!data.hasText())
        return {};
    QString text = data.text().toHtmlEscaped();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace('\n', QStringLiteral("<br>\n"));
    return text;
}

}  // namespace norvel::host::qt
