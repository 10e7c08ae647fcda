// Where a text was changed since it was last written back, recorded from the text document's
// change notices: disjoint spans of the new text, each with the span of the old text it
// replaced. Writing back each span on its own keeps the old bytes of everything between two
// edits, however far apart they are.
#pragma once

#include <QtGlobal>

#include <vector>

namespace norvel::host::qt {

class ChangedSpans {
  public:
    struct Span {
        qsizetype oldBegin;
        qsizetype oldEnd;
        qsizetype newBegin;
        qsizetype newEnd;
    };

    // `removed` characters at `position` of the current text were replaced by `added` ones.
    void record(qsizetype position, qsizetype removed, qsizetype added);
    void clear() { spans_.clear(); }
    bool empty() const { return spans_.empty(); }
    // In text order.
    const std::vector<Span>& spans() const { return spans_; }
    // How much longer the new text is than the old one.
    qsizetype growth() const;

  private:
    std::vector<Span> spans_;
};

}  // namespace norvel::host::qt
