#include "host/qt/forms/wrapped_caption.h"

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

namespace norvel::host::qt {

QString wrappedCaption(const QString& caption, const QFont& font, int width, int height) {
    if (width <= 0 || QFontMetrics(font).horizontalAdvance(caption) <= width)
        return caption;
    QTextLayout layout(caption, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << caption.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    if (lines.size() < 2 || lines.size() * QFontMetrics(font).lineSpacing() > height)
        return caption;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace norvel::host::qt
