// Undoes a half-done step when its scope is left by an exception of any kind. Library code has
// no catch-all handlers, so that none can swallow an error that must reach the end of a
// session; this does the cleanup such a handler would, and lets the exception go on.
#pragma once

#include <exception>
#include <functional>
#include <utility>

namespace norvel::common {

class UndoOnUnwind {
  public:
    explicit UndoOnUnwind(std::function<void()> undo)
        : undo_(std::move(undo)), exceptionsBefore_(std::uncaught_exceptions()) {}
    UndoOnUnwind(const UndoOnUnwind&) = delete;
    UndoOnUnwind& operator=(const UndoOnUnwind&) = delete;
    ~UndoOnUnwind() {
        if (std::uncaught_exceptions() <= exceptionsBefore_)
            return;
        // The failure under way is the one to report; a second one from undoing must not
        // end the program, as leaving a destructor by an exception would.
        try {
            undo_();
        } catch (const std::exception&) {
        }
    }

  private:
    std::function<void()> undo_;
    int exceptionsBefore_;
};

}  // namespace norvel::common
