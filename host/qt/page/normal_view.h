// The Normal view: the page rendered with its own style and images, its webbot blocks shown
// as framed stand-ins. The insertion point lies between pieces of the body (see
// page_segments.h): a click puts it before the piece clicked (upper half) or after it (lower
// half) by setting the document's caret, and a red line across the view shows it. Arrow keys
// move it a piece up or down. A click on a block's stand-in or on a table selects that piece
// instead: the document's selection becomes its bytes and a frame in the highlight colour
// shows it; a click elsewhere or Escape drops it. Double-clicking a block (its stand-in, or
// anywhere on a piece that is a block) asks for its edit.
#pragma once

#include <QString>

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/markup/html_document.h"
#include "host/markup/page_segments.h"
#include "host/qt/page/normal_page_builder.h"
#include "host/qt/page/page_browser.h"

class QTextBlock;
class QTextTable;

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

class NormalView : public PageBrowser {
    Q_OBJECT

  public:
    explicit NormalView(QWidget* parent = nullptr);
    ~NormalView() override;

    // Renders the page of `document` afresh (images and linked sheets relative to
    // `pageFolder`); the insertion point follows the document's caret. The document must
    // outlive the view or the next showPage. `styleSheet` is the page's style
    // (pageStyleSheet). A page that takes longer than one slice (setBuildSlice) is built in
    // slices with the event loop running between them, so that the window stays responsive;
    // the page shown before stays until it is done (pageDrawn()), and clicks and keys wait.
    void showPage(HostDocument& document, const std::filesystem::path& pageFolder,
                  const QString& styleSheet);
    // Typing into a paragraph: a click on the text of a paragraph (a piece that is one
    // paragraph of text, not a block or a table) puts a text caret there besides the
    // insertion point; typed text, Backspace and Delete edit the paragraph shown, Left and
    // Right move the caret in it. The edit reaches the page as one splice of the paragraph
    // (see paragraph_splice.h) when it ends: Enter, Escape, a click, leaving the view, or
    // commitTyping(). True when the page changed (edited() was emitted).
    bool commitTyping();
    // The text caret's place in the view's document; -1 when there is none.
    int typingPosition() const { return typingPosition_; }

    // Whether a page is still being built.
    bool isBuilding() const { return building_ != nullptr; }
    // Drops a page being built (the view is left for another); the page shown stays.
    void stopBuilding();
    // How long one slice of building may take before the event loop runs (40 ms unless set;
    // 0 builds one piece per slice).
    void setBuildSlice(std::chrono::milliseconds slice) { slice_ = slice; }
    // Moves the insertion point to the document's caret, the page being the one shown.
    void followCaret();

    const std::vector<PageSegment>& segments() const { return segments_; }
    // Where piece `index` lies, in viewport coordinates. (These lay the document out as far as
    // the piece: cheap near what is shown, slow far down a long page.)
    QRect segmentRect(int index) const;
    // The insertion point as the number of pieces before it.
    int insertionBoundary() const { return boundary_; }
    // The line that shows it, in viewport coordinates.
    QRect insertionLine() const;
    // The number of the webbot block drawn at a viewport point; 0 when none is.
    int blockNumberAt(const QPoint& point) const;

    // The piece selected, as an index into segments(); -1 when none is.
    int selectedPiece() const;
    // The selected piece's bytes in the page, after checking that the page still holds that
    // piece there: an edit since it was selected that changed its bytes or made them part of
    // another piece drops the selection (leaving a caret where it began), so that nothing
    // acts on bytes the person did not select. Called by followCaret() on every refresh.
    std::optional<HtmlDocument::Range> pieceSelection();
    // Drops the selection, the caret staying where the piece begins.
    void clearPieceSelection();
    // The frame drawn around the selected piece, in viewport coordinates; empty when none.
    QRect selectionFrame() const;

  signals:
    void blockDoubleClicked(int number);
    void insertionPointMoved();
    // The page asked for by showPage is built and shown.
    void pageDrawn();
    // Typing changed the page; the view already shows it.
    void edited();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    struct Building;

    void continueBuilding();
    // The paragraph of piece `index` when typing may go there; an invalid block otherwise.
    QTextBlock typeableParagraph(size_t index) const;
    void placeTypingCaret(const QPointF& point, size_t index);
    void endTyping();
    bool typeKey(QKeyEvent* event);
    void shiftPlaces(size_t piece, int delta);
    void keepScrolledTo(int scroll);
    QRectF standInRect(const QTextTable& table) const;
    QRectF tableRect(const QTextTable& table) const;
    // The table a selectable piece is drawn as (a block's stand-in, or a table); null for
    // other pieces.
    QTextTable* pieceTable(size_t index) const;
    // The selectable piece whose table is at a document point; -1 when none is.
    int selectablePieceAt(const QPointF& point) const;
    void selectPiece(size_t index);
    QPointF documentPoint(const QPointF& viewportPoint) const;
    double pieceTop(size_t index) const;
    double pieceBottom(size_t index) const;
    size_t pieceAt(const QPointF& point) const;
    int boundaryForCaret(size_t caret) const;
    // Puts the insertion point before piece `boundary` and the caret there.
    void placeInsertionPoint(int boundary);

    HostDocument* document_ = nullptr;
    std::vector<PageSegment> segments_;
    std::vector<PiecePlace> places_;
    int boundary_ = 0;
    // The piece selected: where it was in the page and its bytes then.
    struct Selected {
        size_t begin = 0;
        size_t end = 0;
        std::string bytes;
        size_t pageHash = 0;  // of the whole page then: unchanged, nothing needs checking
    };
    std::optional<Selected> selected_;
    int typingPiece_ = -1;
    int typingPosition_ = -1;
    QString typingBefore_;  // the paragraph's text as the page last had it
    std::unique_ptr<Building> building_;
    int generation_ = 0;  // counts builds: a slice of an abandoned one does nothing
    std::chrono::milliseconds slice_{40};
};

}  // namespace norvel::host::qt
