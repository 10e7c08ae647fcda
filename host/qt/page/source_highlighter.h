// Colours of the HTML view: tags, attribute names, quoted values, comments and character
// references, as source editors show them. Only formats change (never the text), so the
// page's bytes are not touched. Very large pages are left plain: colouring them would cost
// more than a person gains.
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace norvel::host::qt {

class SourceHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
  public:
    // Characters beyond which a page is shown without colours.
    static constexpr qsizetype kMaxColouredCharacters = 2 * 1024 * 1024;

    explicit SourceHighlighter(QTextDocument* document);

    // The colours of the kinds of text (tests compare with them).
    static QColor tagColor();
    static QColor attributeColor();
    static QColor valueColor();
    static QColor commentColor();

  protected:
    void highlightBlock(const QString& text) override;

  private:
    // Where a line starts: plain text, inside a tag, inside a comment, inside a quoted value.
    enum State { Text = 0, InTag = 1, InComment = 2, InDoubleQuoted = 3, InSingleQuoted = 4 };

    QTextCharFormat tag_;
    QTextCharFormat attribute_;
    QTextCharFormat value_;
    QTextCharFormat comment_;
    QTextCharFormat reference_;
};

}  // namespace norvel::host::qt
