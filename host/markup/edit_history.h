// The undo and redo history of a page edited by splicing. Every splice is kept with the bytes
// it replaced; the splices of one command (a suite insertion pastes a block and links a style
// sheet) are sealed into one step, so one undo takes back one command, whatever made it.
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace norvel::host {

class EditHistory {
  public:
    struct Splice {
        size_t begin;
        std::string removed;   // the bytes that stood at [begin, begin + removed.size())
        std::string inserted;  // what stands there now
    };
    using Step = std::vector<Splice>;

    // Steps and bytes kept at most; the oldest steps go first. The newest step always stays.
    static constexpr size_t kMaxSteps = 1000;
    static constexpr size_t kMaxBytes = size_t{64} << 20;

    // A new splice: it joins the open step, and what could be redone is gone.
    void record(Splice splice);
    // Closes the open step; the next splice starts a new one.
    void seal();

    bool canUndo() const { return !open_.empty() || !undo_.empty(); }
    bool canRedo() const { return open_.empty() && !redo_.empty(); }
    // The step to take back (sealing the open one first); it moves to the redo side.
    Step takeUndo();
    // The step to do again; it moves back to the undo side.
    Step takeRedo();
    void clear();

  private:
    static size_t sizeOf(const Step& step);
    void trim();

    Step open_;
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    size_t bytes_ = 0;  // kept in undo_ and redo_
};

}  // namespace norvel::host
