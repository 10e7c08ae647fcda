// Where a page's head and body lie in its bytes, as a browser would build them: the written
// HEAD and BODY tags when the page has them in the usual order (found by a fast scan), and
// otherwise the positions of gumbo's tree, with the implied head and body where the browser
// puts them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "host/markup/gumbo_input.h"

namespace norvel::host {

struct PageSkeleton {
    // The head's content: between the end of the <head ...> tag and the start of </head>.
    // When the page has no written <head>, `headWritten` is false and the range is where the
    // implied head's content lies (empty when it has none: the place a head would go).
    bool headWritten = false;
    size_t headInnerBegin = 0;
    size_t headInnerEnd = 0;
    // The same for the body.
    bool bodyWritten = false;
    size_t bodyInnerBegin = 0;
    size_t bodyInnerEnd = 0;
    // Where the written <body ...> tag starts (it ends at `bodyInnerBegin`); equal to
    // `bodyInnerBegin` when the body is not written.
    size_t bodyTagBegin = 0;
    // True when the fast scan decided (no tree was built).
    bool fromScan = false;

    bool operator==(const PageSkeleton&) const = default;
};

PageSkeleton findPageSkeleton(std::string_view html);

// Only the fast scan's answer; false (and `skeleton` untouched) when the page has anything a
// browser's tree builder could read differently than the scan, so that the tree must decide.
bool scanPageSkeleton(std::string_view html, PageSkeleton& skeleton);

// Only the tree (gumbo) answer.
PageSkeleton findPageSkeletonWithGumbo(std::string_view html);

}  // namespace norvel::host
