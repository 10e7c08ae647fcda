// The top-level pieces of a page's body, the things a person clicks between in the editor's
// Normal view: paragraphs, headings, tables, lists, webbot blocks, and runs of loose text.
// The editor puts its insertion point before or after a piece, so that what the suite pastes
// lands between pieces and never inside a table or a block.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "host/markup/page_skeleton.h"
#include "host/markup/webbot_block.h"

namespace norvel::host {

struct PageSegment {
    enum class Kind {
        Element,      // starts with a block-level start tag
        Text,         // loose text and inline markup before any block-level tag
        WebbotBlock,  // a webbot block, with the tag that wraps it when nothing else does
    };
    size_t begin = 0;  // first byte in the page
    size_t end = 0;    // one past the last byte that is not trailing white space
    Kind kind = Kind::Text;
    int blockNumber = 0;  // WebbotBlock: 1-based among all the page's webbot blocks

    bool operator==(const PageSegment&) const = default;
};

// The pieces of the body in page order, non-overlapping and inside the body's content.
//
// A new piece starts at a block-level start tag met outside any open container (table, div,
// list, form, blockquote, pre...); containers are tracked by their end tags, and one that
// the page never closes runs to the end of the body. Text and inline markup belong to the
// piece before them, or start a text piece. A webbot block is always a piece of its own
// (its inner tags never split it nor open containers); start tags written just before it
// with no content of their own (the "<p>" the suite wraps blocks in) belong to it. A block
// inside a container stays in the container's piece. White space alone makes no piece.
//
// Linear in the page's size; any input gives an answer.
std::vector<PageSegment> pageSegments(std::string_view html);

// The same with the skeleton and blocks already found for this page.
std::vector<PageSegment> pageSegments(std::string_view html, const PageSkeleton& skeleton,
                                      const std::vector<WebbotBlock>& blocks);

// Block-level elements: a start tag of these outside a container starts a new piece.
bool startsPageSegment(std::string_view tagName);
// Elements that hold the pieces within them together until their end tag.
bool isSegmentContainer(std::string_view tagName);

}  // namespace norvel::host
