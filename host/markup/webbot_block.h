// Webbot blocks: the comment pair in which the suite stores a feature in a page.
//   <!--webbot bot="norvelfpbot" s-class="norvelfp.main" clientside dir="x" T="P2" startspan -->
//   BODY
//   <!--webbot bot="norvelfpbot" endspan -->
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace norvel::host {

struct WebbotBlock {
    size_t begin = 0;      // the start of the startspan comment
    size_t end = 0;        // one past the endspan comment
    size_t bodyBegin = 0;  // the body, without the line break after the first comment...
    size_t bodyEnd = 0;    // ...and before the second
    std::string bot;
    // In order, names as written, bare words with an empty value, `bot` left out; values
    // decoded with common::decodeWebbotAttributeValue.
    std::vector<std::pair<std::string, std::string>> attributes;
};

// The page's blocks in page order. A malformed pair (no endspan, an endspan of another bot,
// a second startspan first, broken attribute syntax) is no block; later blocks still count.
// Comments inside scripts, styles and other raw text are not comments.
std::vector<WebbotBlock> findWebbotBlocks(std::string_view html);

}  // namespace norvel::host
