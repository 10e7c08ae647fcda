// The Normal view: the page rendered with its own style and images, its webbot blocks shown
// as framed stand-ins. The insertion point lies between pieces of the body (see
// page_segments.h): a click puts it before the piece clicked (upper half) or after it (lower
// half) by setting the document's caret, and a red line across the view shows it. Arrow keys
// move it a piece up or down. Double-clicking a block (its stand-in, or anywhere on a piece
// that is a block) asks for its edit.
#pragma once

#include <QString>

#include <cstddef>
#include <filesystem>
#include <vector>

#include "host/markup/page_segments.h"
#include "host/qt/page/normal_page_builder.h"
#include "host/qt/page/page_browser.h"

class QTextTable;

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

class NormalView : public PageBrowser {
    Q_OBJECT

  public:
    explicit NormalView(QWidget* parent = nullptr);

    // Renders the page of `document` afresh (images and linked sheets relative to
    // `pageFolder`); the insertion point follows the document's caret. The document must
    // outlive the view or the next showPage. `styleSheet` is the page's style
    // (pageStyleSheet).
    void showPage(HostDocument& document, const std::filesystem::path& pageFolder,
                  const QString& styleSheet);
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

  signals:
    void blockDoubleClicked(int number);
    void insertionPointMoved();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    void keepScrolledTo(int scroll);
    QRectF standInRect(const QTextTable& table) const;
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
};

}  // namespace norvel::host::qt
