#include "host/qt/page/normal_view.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <string_view>

#include "host/editor/host_document.h"
#include "host/markup/page_skeleton.h"
#include "host/markup/webbot_block.h"
#include "host/qt/page/normal_page_builder.h"
#include "host/qt/page/page_background.h"
#include "host/qt/page/page_text.h"
#include "host/qt/page/paragraph_splice.h"

namespace norvel::host::qt {

// A page being built: its document, not shown yet, and the builder filling it.
struct NormalView::Building {
    QTextDocument* page = nullptr;
    std::unique_ptr<NormalPageBuilder> builder;
};

// A link in the page is something to edit, not to follow (PageBrowser follows none).
NormalView::NormalView(QWidget* parent) : PageBrowser(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

NormalView::~NormalView() {
    stopBuilding();
}

void NormalView::showPage(HostDocument& document, const std::filesystem::path& pageFolder,
                          const QString& styleSheet) {
    stopBuilding();
    endTyping();
    if (&document != document_)
        selected_.reset();
    document_ = &document;
    std::string html = document.page().html();
    std::vector<WebbotBlock> blocks = findWebbotBlocks(html);
    std::vector<PageSegment> segments = pageSegments(html, findPageSkeleton(html), blocks);

    setPageFolder(pageFolder);
    auto* page = new QTextDocument(this);
    page->setUndoRedoEnabled(false);  // built once and thrown away: nothing to undo
    page->setBaseUrl(
        QUrl::fromLocalFile(QString::fromStdString(pageFolder.string()) + QLatin1Char('/')));
    page->setDefaultStyleSheet(styleSheet);
    building_ = std::make_unique<Building>();
    building_->page = page;
    building_->builder = std::make_unique<NormalPageBuilder>(
        *page, std::move(html), std::move(segments), std::move(blocks));
    const PageBackground background =
        pageBackground(PageText(document.page().bodyStartTag()).text(), page->defaultStyleSheet(),
                       page->baseUrl());
    QTextFrameFormat frame = page->rootFrame()->frameFormat();
    frame.merge(background.format);
    page->rootFrame()->setFrameFormat(frame);
    for (const QString& file : background.filesRead)
        emit fileRead(file);
    continueBuilding();
}

void NormalView::continueBuilding() {
    if (!building_)
        return;
    if (!building_->builder->buildFor(slice_)) {
        QTimer::singleShot(0, this, [this, generation = generation_] {
            if (generation == generation_)
                continueBuilding();
        });
        return;
    }
    std::unique_ptr<Building> built = std::move(building_);
    ++generation_;
    segments_ = built->builder->segments();
    places_ = built->builder->places();
    QTextDocument* page = built->page;
    built.reset();

    const int scroll = verticalScrollBar()->value();
    // The editor deletes only the document it made itself; the pages made here are ours.
    QTextDocument* previous = this->document();
    const bool previousIsOurs = previous != nullptr && previous->parent() == this;
    setDocument(page);
    if (previousIsOurs)
        delete previous;
    keepScrolledTo(scroll);
    followCaret();
    emit pageDrawn();
}

void NormalView::stopBuilding() {
    if (!building_)
        return;
    ++generation_;
    building_->builder.reset();  // it edits the page: gone first
    delete building_->page;
    building_.reset();
}

void NormalView::followCaret() {
    pieceSelection();  // drops a selection an edit has spoiled
    if (document_ == nullptr || building_)
        return;
    boundary_ = boundaryForCaret(document_->page().selection().begin);
    viewport()->update();
}

// A new document is laid out lazily, and the scroll bar grows with the layout after the
// event loop has run: lay it out as far as the old place and go back there once it has.
void NormalView::keepScrolledTo(int scroll) {
    verticalScrollBar()->setValue(scroll);
    if (verticalScrollBar()->value() == scroll)
        return;
    document()->documentLayout()->hitTest(QPointF(0, scroll + viewport()->height()), Qt::FuzzyHit);
    QPointer<QTextDocument> page = document();
    QTimer::singleShot(0, this, [this, page, scroll] {
        if (page == document())
            verticalScrollBar()->setValue(scroll);
    });
}

QPointF NormalView::documentPoint(const QPointF& viewportPoint) const {
    return viewportPoint + QPointF(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

// Geometry from the pieces' paragraphs only: asking for a block's place lays the document
// out just that far, where asking for a frame's would lay out all of it.
double NormalView::pieceTop(size_t index) const {
    QTextBlock first = document()->findBlock(places_[index].first);
    return document()->documentLayout()->blockBoundingRect(first).top();
}

// A piece ends where the next begins; the last one with its last paragraph.
double NormalView::pieceBottom(size_t index) const {
    if (index + 1 < places_.size())
        return pieceTop(index + 1);
    QTextBlock last = document()->findBlock(places_[index].end);
    return document()->documentLayout()->blockBoundingRect(last).bottom();
}

// The piece at a point: found by the document position there, so that the document is laid
// out only as far as the point, as it is for painting anyway. Pieces reach from their top
// down to the next one's.
size_t NormalView::pieceAt(const QPointF& point) const {
    const int position = document()->documentLayout()->hitTest(point, Qt::FuzzyHit);
    auto after = std::upper_bound(places_.begin(), places_.end(), position,
                                  [](int p, const PiecePlace& place) { return p < place.first; });
    size_t index = after == places_.begin() ? 0 : static_cast<size_t>(after - places_.begin()) - 1;
    // In the space between two pieces the nearest text may be the next piece's: the space
    // belongs to the piece above it.
    while (index > 0 && point.y() < pieceTop(index))
        --index;
    while (index + 1 < places_.size() && point.y() >= pieceBottom(index))
        ++index;
    return index;
}

// A caret between pieces is before the next one; inside a piece, at its nearer edge.
int NormalView::boundaryForCaret(size_t caret) const {
    auto after = std::upper_bound(segments_.begin(), segments_.end(), caret,
                                  [](size_t c, const PageSegment& s) { return c < s.end; });
    size_t index = static_cast<size_t>(after - segments_.begin());
    if (index == segments_.size() || caret <= after->begin)
        return static_cast<int>(index);
    bool nearerStart = caret - after->begin < after->end - caret;
    return static_cast<int>(nearerStart ? index : index + 1);
}

QRect NormalView::segmentRect(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= places_.size())
        return {};
    const double top = pieceTop(static_cast<size_t>(index));
    const double bottom = pieceBottom(static_cast<size_t>(index));
    QRectF rect(0, top, document()->textWidth(), bottom - top);
    rect.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    return rect.toAlignedRect();
}

QRect NormalView::insertionLine() const {
    if (document_ == nullptr)
        return {};
    const size_t count = places_.size();
    const size_t boundary = static_cast<size_t>(boundary_);
    double y = document()->documentMargin();
    if (count > 0 && boundary == 0)
        y = pieceTop(0);
    else if (count > 0 && boundary >= count)
        y = pieceBottom(count - 1);
    else if (count > 0)
        y = pieceTop(boundary);  // where the piece before it ends
    const int top = qRound(y) - verticalScrollBar()->value();
    return QRect(0, top - 1, viewport()->width(), 2);
}

void NormalView::placeInsertionPoint(int boundary) {
    if (document_ == nullptr)
        return;
    const int count = static_cast<int>(segments_.size());
    boundary_ = std::clamp(boundary, 0, count);
    selected_.reset();
    if (count == 0)
        document_->page().caretAtBodyEnd();
    else if (boundary_ < count)
        document_->page().selectRange(segments_[boundary_].begin, segments_[boundary_].begin);
    else
        document_->page().selectRange(segments_.back().end, segments_.back().end);
    viewport()->update();
    emit insertionPointMoved();
}

// The place of a block's stand-in: its cell's paragraphs with the cell's padding and border
// around them. (A frame's own rectangle would lay out the whole document.)
QRectF NormalView::standInRect(const QTextTable& table) const {
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    const QTextTableCell cell = table.cellAt(0, 0);
    QRectF rect;
    for (QTextBlock block = document()->findBlock(cell.firstPosition());
         block.isValid() && block.position() <= cell.lastPosition(); block = block.next())
        rect = rect.united(layout->blockBoundingRect(block));
    const qreal around = table.format().cellPadding() + table.format().border() + 1;
    return rect.adjusted(-around, -around, around, around);
}

// A table's place: its paragraphs with the outer cells' padding, spacing and border around
// them.
QRectF NormalView::tableRect(const QTextTable& table) const {
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    QRectF rect;
    for (QTextBlock block = document()->findBlock(table.firstPosition());
         block.isValid() && block.position() <= table.lastPosition(); block = block.next())
        rect = rect.united(layout->blockBoundingRect(block));
    const QTextTableFormat format = table.format();
    const qreal around = format.cellPadding() + format.cellSpacing() + format.border() + 1;
    return rect.adjusted(-around, -around, around, around);
}

// A piece that is drawn as a table starts with it: a block's stand-in right at the piece's
// first position, a table one further on (after the empty paragraph Qt keeps above it).
QTextTable* NormalView::pieceTable(size_t index) const {
    if (index >= places_.size() || segments_[index].kind == PageSegment::Kind::Text)
        return nullptr;
    const PiecePlace& place = places_[index];
    for (int position : {place.first, place.first + 1}) {
        if (position > place.end || position >= document()->characterCount())
            break;
        QTextCursor cursor(document());
        cursor.setPosition(position);
        QTextTable* table = cursor.currentTable();
        if (table == nullptr)
            continue;
        while (auto* outer = qobject_cast<QTextTable*>(table->parentFrame()))
            table = outer;
        if (table->firstPosition() < place.first || table->firstPosition() > place.first + 1)
            return nullptr;
        if (segments_[index].kind == PageSegment::Kind::WebbotBlock &&
            blockNumberOfTable(*table) == 0)
            return nullptr;
        return table;
    }
    return nullptr;
}

int NormalView::selectablePieceAt(const QPointF& point) const {
    if (segments_.empty())
        return -1;
    const size_t index = pieceAt(point);
    QTextTable* table = pieceTable(index);
    if (table == nullptr)
        return -1;
    const bool isBlock = segments_[index].kind == PageSegment::Kind::WebbotBlock;
    const QRectF rect = isBlock ? standInRect(*table) : tableRect(*table);
    return rect.contains(point) ? static_cast<int>(index) : -1;
}

void NormalView::selectPiece(size_t index) {
    const PageSegment& piece = segments_[index];
    HtmlDocument& page = document_->page();
    const std::string& html = page.html();
    page.selectRange(piece.begin, piece.end);
    selected_ = Selected{piece.begin, piece.end, html.substr(piece.begin, piece.end - piece.begin),
                         std::hash<std::string_view>{}(html)};
    boundary_ = static_cast<int>(index);
    viewport()->update();
    emit insertionPointMoved();
}

int NormalView::selectedPiece() const {
    if (!selected_ || building_)
        return -1;
    auto at = std::lower_bound(
        segments_.begin(), segments_.end(), selected_->begin,
        [](const PageSegment& piece, size_t begin) { return piece.begin < begin; });
    if (at == segments_.end() || at->begin != selected_->begin || at->end != selected_->end)
        return -1;
    return static_cast<int>(at - segments_.begin());
}

std::optional<HtmlDocument::Range> NormalView::pieceSelection() {
    if (!selected_ || document_ == nullptr)
        return std::nullopt;
    HtmlDocument& page = document_->page();
    const HtmlDocument::Range selection = page.selection();
    const std::string_view html = page.html();
    const size_t hash = std::hash<std::string_view>{}(html);
    bool samePiece = selection.begin == selected_->begin && selection.end == selected_->end &&
                     hash == selected_->pageHash;
    // The page changed: the selection moved with the text, and must still be exactly the
    // bytes selected, and still one whole piece of the page.
    if (!samePiece && selection.begin < selection.end && selection.end <= html.size() &&
        html.substr(selection.begin, selection.end - selection.begin) == selected_->bytes) {
        const std::vector<PageSegment> pieces = pageSegments(html);
        samePiece = std::any_of(pieces.begin(), pieces.end(), [&](const PageSegment& piece) {
            return piece.begin == selection.begin && piece.end == selection.end;
        });
    }
    if (!samePiece) {
        selected_.reset();
        if (selection.begin < selection.end)
            page.selectRange(selection.begin, selection.begin);
        viewport()->update();
        return std::nullopt;
    }
    selected_->begin = selection.begin;
    selected_->end = selection.end;
    selected_->pageHash = hash;
    return selection;
}

void NormalView::clearPieceSelection() {
    if (!selected_ || document_ == nullptr)
        return;
    selected_.reset();
    HtmlDocument& page = document_->page();
    const size_t caret = page.selection().begin;
    page.selectRange(caret, caret);
    if (!building_)
        boundary_ = boundaryForCaret(caret);
    viewport()->update();
    emit insertionPointMoved();
}

QRect NormalView::selectionFrame() const {
    const int index = selectedPiece();
    QTextTable* table = index < 0 ? nullptr : pieceTable(static_cast<size_t>(index));
    if (table == nullptr)
        return {};
    const bool isBlock =
        segments_[static_cast<size_t>(index)].kind == PageSegment::Kind::WebbotBlock;
    QRectF rect = isBlock ? standInRect(*table) : tableRect(*table);
    rect.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    return rect.toAlignedRect();
}

int NormalView::blockNumberAt(const QPoint& point) const {
    const QPointF where = documentPoint(point);
    const int position = document()->documentLayout()->hitTest(where, Qt::FuzzyHit);
    if (position < 0)
        return 0;
    QTextCursor cursor(document());
    cursor.setPosition(position);
    for (QTextFrame* frame = cursor.currentFrame(); frame != nullptr;
         frame = frame->parentFrame()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (table == nullptr)
            continue;
        if (int number = blockNumberOfTable(*table))
            if (standInRect(*table).contains(where))
                return number;
    }
    // Beside the stand-in, a piece that is a block is still that block.
    if (segments_.empty())
        return 0;
    const size_t index = pieceAt(where);
    const PageSegment& piece = segments_[index];
    if (piece.kind != PageSegment::Kind::WebbotBlock || where.y() < pieceTop(index) ||
        where.y() >= pieceBottom(index))
        return 0;
    return piece.blockNumber;
}

void NormalView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    // While a changed page is built, the pieces shown are the old page's: their places would
    // put the caret at the wrong bytes.
    if (event->button() != Qt::LeftButton || document_ == nullptr || building_)
        return;
    commitTyping();
    endTyping();
    setFocus(Qt::MouseFocusReason);
    if (segments_.empty()) {
        placeInsertionPoint(0);
        return;
    }
    const QPointF point = documentPoint(event->position());
    if (const int selectable = selectablePieceAt(point); selectable >= 0) {
        selectPiece(static_cast<size_t>(selectable));
        return;
    }
    selected_.reset();
    const double y = point.y();
    const size_t index = pieceAt(point);
    const bool before = y < (pieceTop(index) + pieceBottom(index)) / 2;
    // Between pieces the caret goes right before or right after the piece clicked, not
    // into the white space that separates them.
    const PageSegment& piece = segments_[index];
    const size_t offset = before ? piece.begin : piece.end;
    boundary_ = static_cast<int>(before ? index : index + 1);
    document_->page().selectRange(offset, offset);
    placeTypingCaret(point, index);
    viewport()->update();
    emit insertionPointMoved();
}

QTextBlock NormalView::typeableParagraph(size_t index) const {
    if (index >= segments_.size() || segments_[index].kind == PageSegment::Kind::WebbotBlock)
        return {};
    const PiecePlace& place = places_[index];
    QTextBlock block = document()->findBlock(place.first);
    if (!block.isValid() || block.position() != place.first ||
        place.end != block.position() + block.length() - 1 || block.text().isEmpty() ||
        QTextCursor(block).currentTable() != nullptr || QTextCursor(block).currentList() != nullptr)
        return {};
    const PageSegment& piece = segments_[index];
    if (!placeShownText(document_->page().html(), piece.begin, piece.end, block.text()))
        return {};  // markup this view cannot match character by character
    return block;
}

void NormalView::placeTypingCaret(const QPointF& point, size_t index) {
    const QTextBlock block = typeableParagraph(index);
    if (!block.isValid())
        return;
    QRectF rect = document()->documentLayout()->blockBoundingRect(block);
    if (!rect.contains(point))
        return;
    const int position = document()->documentLayout()->hitTest(point, Qt::FuzzyHit);
    typingPiece_ = static_cast<int>(index);
    typingPosition_ = std::clamp(position, block.position(), block.position() + block.length() - 1);
    typingBefore_ = block.text();
}

void NormalView::endTyping() {
    typingPiece_ = -1;
    typingPosition_ = -1;
    typingBefore_.clear();
}

// The pieces after an edited one move in the view's document; the edited one grows.
void NormalView::shiftPlaces(size_t piece, int delta) {
    places_[piece].end += delta;
    for (size_t i = piece + 1; i < places_.size(); ++i) {
        places_[i].first += delta;
        places_[i].end += delta;
    }
}

bool NormalView::typeKey(QKeyEvent* event) {
    const size_t piece = static_cast<size_t>(typingPiece_);
    const QTextBlock block = document()->findBlock(places_[piece].first);
    const int start = block.position();
    const int end = start + block.length() - 1;
    QTextCursor cursor(document());
    cursor.setPosition(typingPosition_);
    const int sizeBefore = document()->characterCount();
    switch (event->key()) {
        case Qt::Key_Left:
            if (typingPosition_ > start)
                cursor.movePosition(QTextCursor::PreviousCharacter);
            break;
        case Qt::Key_Right:
            if (typingPosition_ < end)
                cursor.movePosition(QTextCursor::NextCharacter);
            break;
        case Qt::Key_Backspace:
            if (typingPosition_ > start)
                cursor.deletePreviousChar();
            break;
        case Qt::Key_Delete:
            if (typingPosition_ < end)
                cursor.deleteChar();
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            commitTyping();
            endTyping();
            viewport()->update();
            return true;
        default: {
            const QString text = event->text();
            if (text.isEmpty() || std::any_of(text.begin(), text.end(), [](QChar c) {
                    return c.unicode() < 0x20 || c.unicode() == 0x7F;
                }))
                return false;
            cursor.insertText(text);
            break;
        }
    }
    shiftPlaces(piece, document()->characterCount() - sizeBefore);
    typingPosition_ = cursor.position();
    viewport()->update();
    return true;
}

bool NormalView::commitTyping() {
    if (typingPiece_ < 0 || document_ == nullptr || building_)
        return false;
    const size_t piece = static_cast<size_t>(typingPiece_);
    const QString after = document()->findBlock(places_[piece].first).text();
    PageSegment& segment = segments_[piece];
    const std::optional<ParagraphSplice> splice =
        paragraphSplice(document_->page().html(), segment.begin, segment.end, typingBefore_, after,
                        document_->encoding().name() == "UTF-8");
    if (!splice)
        return false;
    document_->page().replaceRange(splice->begin, splice->end, splice->bytes);
    typingBefore_ = after;
    const auto delta = static_cast<long long>(splice->bytes.size()) -
                       static_cast<long long>(splice->end - splice->begin);
    segment.end = static_cast<size_t>(static_cast<long long>(segment.end) + delta);
    for (size_t i = piece + 1; i < segments_.size(); ++i) {
        segments_[i].begin =
            static_cast<size_t>(static_cast<long long>(segments_[i].begin) + delta);
        segments_[i].end = static_cast<size_t>(static_cast<long long>(segments_[i].end) + delta);
    }
    emit edited();
    return true;
}

void NormalView::focusOutEvent(QFocusEvent* event) {
    commitTyping();
    PageBrowser::focusOutEvent(event);
}

// No text selection here: the view places an insertion point, it does not select.
void NormalView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void NormalView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void NormalView::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || building_)
        return;
    if (int number = blockNumberAt(event->position().toPoint()))
        emit blockDoubleClicked(number);
}

void NormalView::keyPressEvent(QKeyEvent* event) {
    if (building_) {
        event->accept();
        return;
    }
    if (typingPiece_ >= 0 && typeKey(event)) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down ||
        event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        commitTyping();
        endTyping();
    }
    switch (event->key()) {
        case Qt::Key_Up:
            placeInsertionPoint(boundary_ - 1);
            break;
        case Qt::Key_Down:
            placeInsertionPoint(boundary_ + 1);
            break;
        case Qt::Key_Home:
            placeInsertionPoint(0);
            break;
        case Qt::Key_End:
            placeInsertionPoint(static_cast<int>(segments_.size()));
            break;
        case Qt::Key_Escape:
            if (!selected_) {
                QTextBrowser::keyPressEvent(event);
                return;
            }
            clearPieceSelection();
            break;
        default:
            QTextBrowser::keyPressEvent(event);
            return;
    }
    event->accept();
}

void NormalView::paintEvent(QPaintEvent* event) {
    QTextBrowser::paintEvent(event);
    if (document_ == nullptr)
        return;
    // Only when the line's piece is in view: finding the place of one further down would lay
    // out the document that far.
    const int boundary = std::min(boundary_, static_cast<int>(places_.size()) - 1);
    const int selected = selectedPiece();
    int lastShown = 0;
    if (boundary >= 0 || selected >= 0) {
        QAbstractTextDocumentLayout* layout = document()->documentLayout();
        lastShown = layout->hitTest(documentPoint(viewport()->rect().bottomRight()), Qt::FuzzyHit);
    }
    auto shown = [&](int piece) {
        return piece < 0 || places_[static_cast<size_t>(piece)].first <= lastShown + 1;
    };
    QPainter painter(viewport());
    // A selected piece stands in for the insertion point: framed and tinted in the
    // highlight colour, with no red line.
    if (selected >= 0) {
        if (!shown(selected))
            return;
        const QRect frame = selectionFrame();
        const QColor highlight = palette().color(QPalette::Highlight);
        QColor tint = highlight;
        tint.setAlpha(60);
        painter.fillRect(frame, tint);
        painter.setPen(QPen(highlight, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(frame.adjusted(1, 1, -1, -1));
    } else if (shown(boundary)) {
        painter.fillRect(insertionLine(), QColor(220, 0, 0));
    }
    if (typingPosition_ >= 0) {
        QTextCursor caret(document());
        caret.setPosition(typingPosition_);
        const QRect place = cursorRect(caret);
        painter.fillRect(QRect(place.left(), place.top(), 1, place.height()), palette().text());
    }
}

QVariant NormalView::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String(kBlockMarkerScheme)) {
        QImage marker(1, 1, QImage::Format_ARGB32);
        marker.fill(Qt::transparent);
        return marker;
    }
    return PageBrowser::loadResource(type, name);
}

}  // namespace norvel::host::qt
