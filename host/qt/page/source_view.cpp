#include "host/qt/page/source_view.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

#include "host/editor/host_document.h"
#include "host/qt/page/source_highlighter.h"

namespace norvel::host::qt {
namespace {

using Span = ChangedSpans::Span;

// The recorded spans when the text outside them is indeed unchanged; otherwise (a change
// notice that did not say it all) the one span between the common start and end.
std::vector<Span> checkedSpans(const ChangedSpans& changes, const QString& before,
                               const QString& now) {
    std::vector<Span> spans = changes.spans();
    bool valid = before.size() + changes.growth() == now.size();
    qsizetype oldAt = 0;
    qsizetype newAt = 0;
    for (size_t i = 0; valid && i <= spans.size(); ++i) {
        const qsizetype oldEnd = i < spans.size() ? spans[i].oldBegin : before.size();
        const qsizetype newEnd = i < spans.size() ? spans[i].newBegin : now.size();
        valid = oldAt <= oldEnd && newAt <= newEnd && oldEnd - oldAt == newEnd - newAt &&
                QStringView(before).mid(oldAt, oldEnd - oldAt) ==
                    QStringView(now).mid(newAt, newEnd - newAt);
        if (valid && i < spans.size()) {
            valid = spans[i].oldBegin <= spans[i].oldEnd && spans[i].newBegin <= spans[i].newEnd;
            oldAt = spans[i].oldEnd;
            newAt = spans[i].newEnd;
        }
    }
    if (valid)
        return spans;
    return {Span{0, before.size(), 0, now.size()}};
}

// Narrows a span to what really differs in it; false when nothing does. Surrogate pairs are
// never split.
bool trimToDifference(const QString& before, const QString& now, Span& span) {
    while (span.oldBegin < span.oldEnd && span.newBegin < span.newEnd &&
           before[span.oldBegin] == now[span.newBegin]) {
        ++span.oldBegin;
        ++span.newBegin;
    }
    while (span.oldEnd > span.oldBegin && span.newEnd > span.newBegin &&
           before[span.oldEnd - 1] == now[span.newEnd - 1]) {
        --span.oldEnd;
        --span.newEnd;
    }
    if (span.oldBegin == span.oldEnd && span.newBegin == span.newEnd)
        return false;
    if (span.newBegin > 0 && now[span.newBegin - 1].isHighSurrogate()) {
        --span.oldBegin;
        --span.newBegin;
    }
    if (span.newEnd < now.size() && now[span.newEnd].isLowSurrogate()) {
        ++span.oldEnd;
        ++span.newEnd;
    }
    return true;
}

// The margin beside the text; the view paints it.
class LineNumberMargin : public QWidget {
  public:
    explicit LineNumberMargin(SourceView& view) : QWidget(&view), view_(view) {
        setObjectName("lineNumbers");
    }
    QSize sizeHint() const override { return QSize(view_.lineNumberAreaWidth(), 0); }

  protected:
    void paintEvent(QPaintEvent* event) override { view_.paintLineNumbers(event); }

  private:
    SourceView& view_;
};

}  // namespace

SourceView::SourceView(QWidget* parent)
    : QPlainTextEdit(parent), lineNumbers_(new LineNumberMargin(*this)) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    new SourceHighlighter(document());
    auto fitMargin = [this] {
        setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
        QRect area = contentsRect();
        lineNumbers_->setGeometry(area.left(), area.top(), lineNumberAreaWidth(), area.height());
    };
    connect(this, &QPlainTextEdit::blockCountChanged, this, fitMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy != 0)
            lineNumbers_->scroll(0, dy);
        else
            lineNumbers_->update(0, rect.y(), lineNumbers_->width(), rect.height());
    });
    fitMargin();
    pause_.setSingleShot(true);
    pause_.setInterval(600);
    connect(&pause_, &QTimer::timeout, this, [this] {
        if (flushEdits())
            emit edited();
    });
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int removed, int added) {
                if (!updating_)
                    changes_.record(position, removed, added);
            });
    connect(this, &QPlainTextEdit::textChanged, this, &SourceView::textEdited);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &SourceView::caretMoved);
    connect(this, &QPlainTextEdit::selectionChanged, this, &SourceView::caretMoved);
}

int SourceView::lineNumberAreaWidth() const {
    int digits = QString::number(std::max(1, blockCount())).size();
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void SourceView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    // A page shown while the view was small scrolled sideways to its caret; once there is
    // room, the lines start at the left edge again.
    const int scroll = horizontalScrollBar()->value();
    if (scroll > 0 && cursorRect().right() + scroll < viewport()->width())
        horizontalScrollBar()->setValue(0);
    QRect area = contentsRect();
    lineNumbers_->setGeometry(QRect(area.left(), area.top(), lineNumberAreaWidth(), area.height()));
}

QList<int> SourceView::visibleLineNumbers() const {
    QList<int> numbers;
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int bottom = viewport()->height();
    while (block.isValid() && top <= bottom) {
        if (block.isVisible())
            numbers << block.blockNumber() + 1;
        top += qRound(blockBoundingRect(block).height());
        block = block.next();
    }
    return numbers;
}

void SourceView::paintLineNumbers(QPaintEvent* event) {
    QPainter painter(lineNumbers_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int lineHeight = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top())
            painter.drawText(0, top, lineNumbers_->width() - 4, lineHeight, Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        top += height;
        block = block.next();
    }
}

QString SourceView::currentText() const {
    return plainTextFromRaw(document()->toRawText());
}

void SourceView::showPage(HostDocument& document) {
    document_ = &document;
    pause_.stop();
    pending_ = false;
    changes_.clear();
    updating_ = true;
    shown_ = PageText(document.page().html());
    setPlainText(shown_.text());
    HtmlDocument::Range selection = document.page().selection();
    QTextCursor cursor(this->document());
    cursor.setPosition(static_cast<int>(shown_.textIndex(selection.begin)));
    if (selection.end != selection.begin)
        cursor.setPosition(static_cast<int>(shown_.textIndex(selection.end)),
                           QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    updating_ = false;
    // Lines start at the left edge unless the caret needs the view scrolled sideways.
    horizontalScrollBar()->setValue(0);
    ensureCursorVisible();
}

void SourceView::textEdited() {
    if (updating_ || document_ == nullptr)
        return;
    pending_ = true;
    pause_.start();
}

void SourceView::caretMoved() {
    // While edits are pending the offsets of the text and of the page disagree; the caret is
    // handed over when they are flushed.
    if (updating_ || pending_ || document_ == nullptr)
        return;
    selectInDocument();
}

void SourceView::selectInDocument() {
    QTextCursor cursor = textCursor();
    size_t begin = shown_.byteOffset(cursor.selectionStart());
    size_t end = shown_.byteOffset(cursor.selectionEnd());
    document_->page().selectRange(begin, end);
}

bool SourceView::flushEdits() {
    pause_.stop();
    if (!pending_ || document_ == nullptr)
        return false;
    pending_ = false;
    const QString now = currentText();
    const QString& before = shown_.text();
    std::vector<ChangedSpans::Span> spans = checkedSpans(changes_, before, now);
    changes_.clear();
    // From the last span to the first, so that the bytes before each one stay where the
    // shown text says they are.
    HtmlDocument& page = document_->page();
    const std::string lineBreak = page.lineBreak();
    bool changed = false;
    for (auto span = spans.rbegin(); span != spans.rend(); ++span) {
        if (!trimToDifference(before, now, *span))
            continue;
        page.replaceRange(
            shown_.byteOffset(span->oldBegin), shown_.byteOffset(span->oldEnd),
            pageBytesFromText(now.mid(span->newBegin, span->newEnd - span->newBegin), lineBreak));
        changed = true;
    }
    if (changed) {
        shown_ = PageText(page.html());
        if (shown_.text() != now) {
            // Typed characters a page shows otherwise (a NUL, a lone surrogate): show the page.
            updating_ = true;
            const int position = textCursor().position();
            setPlainText(shown_.text());
            QTextCursor cursor(document());
            cursor.setPosition(std::min(position, static_cast<int>(shown_.text().size())));
            setTextCursor(cursor);
            updating_ = false;
        }
    }
    selectInDocument();
    return changed;
}

}  // namespace norvel::host::qt
