#include "host/qt/page/source_highlighter.h"

#include <QTextDocument>

namespace norvel::host::qt {

QColor SourceHighlighter::tagColor() {
    return QColor(0x00, 0x00, 0xA0);
}
QColor SourceHighlighter::attributeColor() {
    return QColor(0xA0, 0x00, 0x00);
}
QColor SourceHighlighter::valueColor() {
    return QColor(0x00, 0x60, 0x00);
}
QColor SourceHighlighter::commentColor() {
    return QColor(0x80, 0x80, 0x80);
}

SourceHighlighter::SourceHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    tag_.setForeground(tagColor());
    attribute_.setForeground(attributeColor());
    value_.setForeground(valueColor());
    comment_.setForeground(commentColor());
    comment_.setFontItalic(true);
    reference_.setForeground(QColor(0x80, 0x00, 0x80));
}

void SourceHighlighter::highlightBlock(const QString& text) {
    if (document()->characterCount() > kMaxColouredCharacters)
        return;
    int state = previousBlockState() < 0 ? Text : previousBlockState();
    const qsizetype size = text.size();
    qsizetype i = 0;
    auto runTo = [&](qsizetype end, const QTextCharFormat& format) {
        setFormat(static_cast<int>(i), static_cast<int>(end - i), format);
        i = end;
    };
    while (i < size) {
        switch (state) {
            case InComment: {
                qsizetype end = text.indexOf(QStringLiteral("-->"), i);
                if (end < 0) {
                    runTo(size, comment_);
                } else {
                    runTo(end + 3, comment_);
                    state = Text;
                }
                break;
            }
            case InDoubleQuoted:
            case InSingleQuoted: {
                QChar quote = state == InDoubleQuoted ? '"' : '\'';
                qsizetype end = text.indexOf(quote, i);
                if (end < 0) {
                    runTo(size, value_);
                } else {
                    runTo(end + 1, value_);
                    state = InTag;
                }
                break;
            }
            case InTag: {
                QChar c = text[i];
                if (c == '>') {
                    runTo(i + 1, tag_);
                    state = Text;
                } else if (c == '"') {
                    runTo(i + 1, value_);
                    state = InDoubleQuoted;
                } else if (c == '\'') {
                    runTo(i + 1, value_);
                    state = InSingleQuoted;
                } else if (c.isLetter() || c == '-' || c == '_' || c == ':') {
                    qsizetype end = i;
                    while (end < size && (text[end].isLetterOrNumber() || text[end] == '-' ||
                                          text[end] == '_' || text[end] == ':' || text[end] == '.'))
                        ++end;
                    runTo(end, attribute_);
                } else {
                    runTo(i + 1, tag_);
                }
                break;
            }
            default: {
                qsizetype open = text.indexOf('<', i);
                qsizetype reference = text.indexOf('&', i);
                if (reference >= 0 && (open < 0 || reference < open)) {
                    qsizetype end = text.indexOf(';', reference);
                    i = reference;
                    if (end > reference && end - reference <= 32)
                        runTo(end + 1, reference_);
                    else
                        ++i;
                    break;
                }
                if (open < 0) {
                    i = size;
                    break;
                }
                i = open;
                if (text.mid(open, 4) == QStringLiteral("<!--")) {
                    runTo(open + 4, comment_);
                    state = InComment;
                    break;
                }
                QChar next = open + 1 < size ? text[open + 1] : QChar();
                if (!(next.isLetter() || next == '/' || next == '!' || next == '?' ||
                      next == '%')) {
                    ++i;
                    break;
                }
                // The tag's name, its "<" and "/" included.
                qsizetype end = open + 1;
                while (end < size && (text[end].isLetterOrNumber() || text[end] == '/' ||
                                      text[end] == '!' || text[end] == '?' || text[end] == '%' ||
                                      text[end] == '-' || text[end] == ':'))
                    ++end;
                runTo(end, tag_);
                state = InTag;
                break;
            }
        }
    }
    setCurrentBlockState(state);
}

}  // namespace norvel::host::qt
