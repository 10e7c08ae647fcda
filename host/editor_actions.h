// The editor half of a session: what each editor action of a session script does to the
// editor stand-in.
#pragma once

#include "host/session/script_parser.h"

namespace norvel::host {

class EditorActions {
  public:
    virtual ~EditorActions() = default;
    // Runs one editor action; throws ScriptError when it cannot be done.
    virtual void run(const ScriptAction& action) = 0;
    // The end of the session: the editor shuts down.
    virtual void finish() = 0;
};

}  // namespace norvel::host
