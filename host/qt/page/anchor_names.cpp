#include "host/qt/page/anchor_names.h"

namespace norvel::host::qt {
namespace {

// In a tag name, or an id as a style sheet writes it (where '.' would start a class).
bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_');
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r') || c == QLatin1Char('\f');
}

// One attribute of a start tag: its name, and its value without quotes.
struct Attribute {
    qsizetype begin = 0;  // the blank before the name
    qsizetype end = 0;
    QStringView name;
    QStringView value;
};

// Reads the attribute after `at` (at a blank or the tag's end); false at the tag's end.
bool readAttribute(const QString& html, qsizetype& at, Attribute& attribute) {
    attribute.begin = at;
    while (at < html.size() && isBlank(html[at]))
        ++at;
    if (at >= html.size() || html[at] == QLatin1Char('>') ||
        (html[at] == QLatin1Char('/') && at + 1 < html.size() && html[at + 1] == QLatin1Char('>')))
        return false;
    const qsizetype nameBegin = at;
    while (at < html.size() && !isBlank(html[at]) && html[at] != QLatin1Char('=') &&
           html[at] != QLatin1Char('>'))
        ++at;
    if (at == nameBegin)  // a lone '/' or the like
        ++at;
    attribute.name = QStringView(html).mid(nameBegin, at - nameBegin);
    attribute.value = {};
    qsizetype look = at;
    while (look < html.size() && isBlank(html[look]))
        ++look;
    if (look < html.size() && html[look] == QLatin1Char('=')) {
        at = look + 1;
        while (at < html.size() && isBlank(html[at]))
            ++at;
        if (at < html.size() && (html[at] == QLatin1Char('"') || html[at] == QLatin1Char('\''))) {
            const QChar quote = html[at];
            const qsizetype close = html.indexOf(quote, at + 1);
            const qsizetype valueEnd = close < 0 ? html.size() : close;
            attribute.value = QStringView(html).mid(at + 1, valueEnd - at - 1);
            at = close < 0 ? html.size() : close + 1;
        } else {
            const qsizetype valueBegin = at;
            while (at < html.size() && !isBlank(html[at]) && html[at] != QLatin1Char('>'))
                ++at;
            attribute.value = QStringView(html).mid(valueBegin, at - valueBegin);
        }
    }
    attribute.end = at;
    return true;
}

}  // namespace

QSet<QString> idsNamedInStyle(const QString& styleSheet) {
    QSet<QString> ids;
    qsizetype at = styleSheet.indexOf(QLatin1Char('#'));
    while (at >= 0) {
        qsizetype end = at + 1;
        while (end < styleSheet.size() && isNameCharacter(styleSheet[end]))
            ++end;
        if (end > at + 1)
            ids.insert(styleSheet.mid(at + 1, end - at - 1));
        at = styleSheet.indexOf(QLatin1Char('#'), end);
    }
    return ids;
}

QString withoutAnchorNames(const QString& html, const QSet<QString>& keptIds) {
    QString out;
    out.reserve(html.size());
    qsizetype copied = 0;
    qsizetype at = 0;
    while ((at = html.indexOf(QLatin1Char('<'), at)) >= 0) {
        if (QStringView(html).mid(at, 4) == QLatin1String("<!--")) {
            const qsizetype close = html.indexOf(QLatin1String("-->"), at + 4);
            if (close < 0)
                break;
            at = close + 3;
            continue;
        }
        qsizetype nameEnd = at + 1;
        while (nameEnd < html.size() && isNameCharacter(html[nameEnd]))
            ++nameEnd;
        if (nameEnd == at + 1 || !html[at + 1].isLetter()) {
            ++at;
            continue;
        }
        const bool isLink = nameEnd - at - 1 == 1 && html[at + 1].toLower() == QLatin1Char('a');
        at = nameEnd;
        Attribute attribute;
        while (readAttribute(html, at, attribute)) {
            const bool dropped =
                (attribute.name.compare(QLatin1String("id"), Qt::CaseInsensitive) == 0 &&
                 !keptIds.contains(attribute.value.toString())) ||
                (isLink && attribute.name.compare(QLatin1String("name"), Qt::CaseInsensitive) == 0);
            if (dropped) {
                out += QStringView(html).mid(copied, attribute.begin - copied);
                copied = attribute.end;
            }
        }
    }
    if (copied == 0)
        return html;
    out += QStringView(html).mid(copied);
    return out;
}

}  // namespace norvel::host::qt
