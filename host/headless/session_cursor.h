// The actions of a session script, taken one at a time by whoever runs the session: the
// editor half at the top level, and the headless Ui while a modal form is up.
#pragma once

#include <vector>

#include "host/session/script_parser.h"

namespace norvel::host {

class SessionCursor {
  public:
    explicit SessionCursor(std::vector<ScriptAction> actions) : actions_(std::move(actions)) {}

    bool atEnd() const { return next_ >= actions_.size(); }
    const ScriptAction& take() { return actions_[next_++]; }
    // The line of the last action taken (or 0): where an error that ends the script points.
    int currentLine() const { return next_ == 0 ? 0 : actions_[next_ - 1].line; }
    int lastLine() const { return actions_.empty() ? 0 : actions_.back().line; }

  private:
    std::vector<ScriptAction> actions_;
    size_t next_ = 0;
};

}  // namespace norvel::host
