// The headless Ui: while a modal form is up it plays the session script's dialog actions,
// answers message boxes and platform dialogs from the queued answers, and writes every form
// and message box to the transcript. Used by the `norvel` command and by tests.
#pragma once

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "common/ui.h"
#include "host/headless/session_cursor.h"

namespace norvel::host {

class ScriptedUi : public common::Ui {
  public:
    ScriptedUi(SessionCursor& cursor, std::ostream& transcript);

    common::MsgBoxResult msgBox(std::string_view text, common::MsgBoxButtons buttons,
                                common::MsgBoxIcon icon, std::string_view caption) override;
    void showModal(common::forms::Form& form) override;
    std::optional<uint32_t> chooseColor(uint32_t initialColor) override;
    std::optional<std::string> chooseOpenFile(const common::OpenFileRequest& request) override;
    void setMousePointer(common::MousePointer pointer) override { pointer_ = pointer; }

    // Queued answers and checks may also come at the top level, between editor actions.
    // Returns false when the action is neither (an editor or dialog action).
    bool handleAnswerOrCheck(const ScriptAction& action);

    // Throws ScriptError when answers were queued but never used.
    void requireNoPendingAnswers() const;

    // The forms now open, topmost last.
    const std::vector<common::forms::Form*>& openForms() const { return openForms_; }
    common::MousePointer mousePointer() const { return pointer_; }
    const std::string& lastMessage() const { return lastMessage_; }

    // Paths of the session script are relative to its folder.
    void setScriptFolder(std::string folder) { scriptFolder_ = std::move(folder); }

    // Called for a transcript line other parts of the session write (help window, etc.).
    void writeLine(const std::string& line);

  private:
    struct QueuedAnswer {
        int line;
        std::string value;
    };

    void runCheck(const ScriptAction& action);
    // `expect page PATH FILE`: the web browser PATH shows a file with exactly FILE's bytes.
    void checkBrowserPage(common::forms::Form& form, const ScriptAction& action);
    [[noreturn]] void fail(int line, const std::string& message) const;

    SessionCursor& cursor_;
    std::ostream& transcript_;
    std::string scriptFolder_;
    std::vector<common::forms::Form*> openForms_;
    std::deque<QueuedAnswer> answers_;
    std::deque<QueuedAnswer> colors_;
    std::deque<QueuedAnswer> files_;
    std::string lastMessage_;
    bool anyMessage_ = false;
    common::MousePointer pointer_ = common::MousePointer::Default;
};

}  // namespace norvel::host
