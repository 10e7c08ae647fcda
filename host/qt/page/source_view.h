// The HTML view: the page's source, editable. The text caret (or selection) is the document's
// insertion point. Edits reach the document after a short pause in typing, or at once on
// flushEdits(), each written back as a splice of only the characters it changed, so the rest
// of the page stays byte for byte (whatever its encoding or line breaks). A margin numbers
// the lines, and tags, attributes, values and comments are coloured.
#pragma once

#include <QPlainTextEdit>
#include <QTimer>

#include "host/qt/page/changed_spans.h"
#include "host/qt/page/page_text.h"

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

class SourceView : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit SourceView(QWidget* parent = nullptr);

    // Shows the source of `document` afresh, dropping edits not yet flushed; the text caret
    // goes to the document's selection. The document must outlive the view or the next
    // showPage.
    void showPage(HostDocument& document);
    // Pushes edits not yet in the document into it; true when the page changed.
    bool flushEdits();
    bool hasPendingEdits() const { return pending_; }
    // How long typing must pause before edits reach the document.
    void setTypingPause(int milliseconds) { pause_.setInterval(milliseconds); }

    // The line numbers in the margin: its width, and the numbers shown now, top to bottom.
    QWidget& lineNumberArea() const { return *lineNumbers_; }
    int lineNumberAreaWidth() const;
    QList<int> visibleLineNumbers() const;
    void paintLineNumbers(QPaintEvent* event);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  signals:
    // The page was changed through this view (its edits reached the document).
    void edited();

  private:
    void textEdited();
    void caretMoved();
    // The text caret or selection, as bytes, into the document's selection.
    void selectInDocument();
    QString currentText() const;

    HostDocument* document_ = nullptr;
    PageText shown_;        // the page as last read from or written to the document
    ChangedSpans changes_;  // where the text differs from shown_
    QTimer pause_;
    bool pending_ = false;
    bool updating_ = false;  // the view itself is changing the text or caret
    QWidget* lineNumbers_;
};

}  // namespace norvel::host::qt
