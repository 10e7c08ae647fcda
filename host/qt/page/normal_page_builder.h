// The Normal view's text document: the pieces of the body in page order, each starting in a
// paragraph of its own, with the span of document positions each one took, so that the view
// knows where each piece lies; each webbot block as one framed table showing its PREVIEW
// markup (or its s-class when it has none), never its real content. The table's first cell
// starts with an invisible marker image whose name carries the block's number. (Pieces are
// not put in frames of their own: Qt's layout of many sibling frames is far from linear.)
#pragma once

#include <QString>

#include <string_view>
#include <vector>

#include "host/markup/page_segments.h"
#include "host/markup/webbot_block.h"

class QTextDocument;
class QTextTable;

namespace norvel::host::qt {

// The document positions a piece took: [first, end).
struct PiecePlace {
    int first = 0;
    int end = 0;
};

// Appends the pieces to `target` (which should be empty, with the page's style as its default
// style sheet) and returns where each one went.
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
