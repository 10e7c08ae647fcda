#include "host/markup/edit_history.h"

namespace norvel::host {

size_t EditHistory::sizeOf(const Step& step) {
    size_t size = 0;
    for (const Splice& splice : step)
        size += splice.removed.size() + splice.inserted.size() + sizeof(Splice);
    return size;
}

void EditHistory::record(Splice splice) {
    if (splice.removed == splice.inserted)
        return;
    for (const Step& step : redo_)
        bytes_ -= sizeOf(step);
    redo_.clear();
    open_.push_back(std::move(splice));
}

void EditHistory::seal() {
    if (open_.empty())
        return;
    bytes_ += sizeOf(open_);
    undo_.push_back(std::move(open_));
    open_.clear();
    trim();
}

void EditHistory::trim() {
    while (undo_.size() > 1 && (undo_.size() > kMaxSteps || bytes_ > kMaxBytes)) {
        bytes_ -= sizeOf(undo_.front());
        undo_.pop_front();
    }
}

EditHistory::Step EditHistory::takeUndo() {
    seal();
    if (undo_.empty())
        return {};
    Step step = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(step);
    return step;
}

EditHistory::Step EditHistory::takeRedo() {
    if (!canRedo())
        return {};
    Step step = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(step);
    return step;
}

void EditHistory::clear() {
    open_.clear();
    undo_.clear();
    redo_.clear();
    bytes_ = 0;
}

}  // namespace norvel::host
