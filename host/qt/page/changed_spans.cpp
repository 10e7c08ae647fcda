#include "host/qt/page/changed_spans.h"

#include <algorithm>

namespace norvel::host::qt {

qsizetype ChangedSpans::growth() const {
    qsizetype total = 0;
    for (const Span& span : spans_)
        total += (span.newEnd - span.newBegin) - (span.oldEnd - span.oldBegin);
    return total;
}

void ChangedSpans::record(qsizetype position, qsizetype removed, qsizetype added) {
    const qsizetype end = position + removed;
    // The spans this change touches (or meets): [first, last).
    size_t first = 0;
    while (first < spans_.size() && spans_[first].newEnd < position)
        ++first;
    size_t last = first;
    while (last < spans_.size() && spans_[last].newBegin <= end)
        ++last;
    // Outside every span, the new text is the old one shifted by what the spans before grew.
    qsizetype growthBefore = 0;
    for (size_t i = 0; i < first; ++i)
        growthBefore +=
            (spans_[i].newEnd - spans_[i].newBegin) - (spans_[i].oldEnd - spans_[i].oldBegin);
    qsizetype growthThrough = growthBefore;
    for (size_t i = first; i < last; ++i)
        growthThrough +=
            (spans_[i].newEnd - spans_[i].newBegin) - (spans_[i].oldEnd - spans_[i].oldBegin);

    Span merged{position - growthBefore, end - growthThrough, position, end};
    if (first < last) {
        if (spans_[first].newBegin <= position) {
            merged.newBegin = spans_[first].newBegin;
            merged.oldBegin = spans_[first].oldBegin;
        }
        if (spans_[last - 1].newEnd >= end) {
            merged.newEnd = spans_[last - 1].newEnd;
            merged.oldEnd = spans_[last - 1].oldEnd;
        }
    }
    const qsizetype delta = added - removed;
    merged.newEnd += delta;
    spans_.erase(spans_.begin() + static_cast<std::ptrdiff_t>(first),
                 spans_.begin() + static_cast<std::ptrdiff_t>(last));
    spans_.insert(spans_.begin() + static_cast<std::ptrdiff_t>(first), merged);
    for (size_t i = first + 1; i < spans_.size(); ++i) {
        spans_[i].newBegin += delta;
        spans_[i].newEnd += delta;
    }
}

}  // namespace norvel::host::qt
