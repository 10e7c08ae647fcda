// The Normal view's text document: the pieces of the body in page order, each starting in a
// paragraph of its own, with the span of document positions each one took, so that the view
// knows where each piece lies; each webbot block as one framed table showing its PREVIEW
// markup (or its s-class when it has none), never its real content. The table's first cell
// starts with an invisible marker image whose name carries the block's number. (Pieces are
// not put in frames of their own: Qt's layout of many sibling frames is far from linear.)
#pragma once

#include <QSet>
#include <QString>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/markup/page_segments.h"
#include "host/markup/webbot_block.h"

class QTextCursor;
class QTextDocument;
class QTextTable;

namespace norvel::host::qt {

// The document positions a piece took: [first, end).
struct PiecePlace {
    int first = 0;
    int end = 0;
};

// Builds the pieces into `target` (which should be empty, with the page's style as its default
// style sheet) a few at a time, so that a big page can be built in slices with the event loop
// running between them. The target must outlive the builder; nothing else may edit it before
// the builder is done.
class NormalPageBuilder {
  public:
    NormalPageBuilder(QTextDocument& target, std::string html, std::vector<PageSegment> segments,
                      std::vector<WebbotBlock> blocks);
    ~NormalPageBuilder();

    // Builds pieces until `budget` has passed (one piece at least); true when all are built.
    bool buildFor(std::chrono::milliseconds budget);
    bool done() const { return places_.size() == segments_.size(); }
    // Where each piece went, once done.
    const std::vector<PiecePlace>& places() const { return places_; }
    const std::vector<PageSegment>& segments() const { return segments_; }

  private:
    class FirstParagraphFormats;

    void buildPiece(const PageSegment& segment);

    QTextDocument& target_;
    std::string html_;
    std::vector<PageSegment> segments_;
    std::vector<WebbotBlock> blocks_;
    std::vector<PiecePlace> places_;
    std::unique_ptr<QTextCursor> cursor_;
    std::unique_ptr<FirstParagraphFormats> firstFormats_;
    QSet<QString> styledIds_;
    size_t nextBlock_ = 0;
};

// Appends all the pieces to `target` at once and returns where each one went.
std::vector<PiecePlace> buildNormalPage(QTextDocument& target, std::string_view html,
                                        const std::vector<PageSegment>& segments,
                                        const std::vector<WebbotBlock>& blocks);

// The rich text a block is shown as.
QString blockStandInHtml(const WebbotBlock& block, int number);

// The scheme of the marker images' names ("norvel-block:3").
inline constexpr const char* kBlockMarkerScheme = "norvel-block";

// The number of the block a table stands for; 0 for any other table.
int blockNumberOfTable(const QTextTable& table);

}  // namespace norvel::host::qt
