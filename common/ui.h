// The user-interface services of the platform, injected into every library: message boxes,
// modal forms, the colour and open-file dialogs, the mouse pointer. Implemented headless (a
// scripted session that records a transcript) and in a window (Qt).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace norvel::common {

namespace forms {
class Form;
}

// YesNoDefaultNo: Yes and No with No as the default button, for questions whose Yes loses
// something (replacing a file).
enum class MsgBoxButtons { OkOnly, OkCancel, YesNoCancel, YesNo, RetryCancel, YesNoDefaultNo };
enum class MsgBoxIcon { None, Critical, Question, Warning, Information };
enum class MsgBoxResult { Ok, Cancel, Yes, No, Retry };
enum class MousePointer { Default, Hourglass };

const char* msgBoxIconName(MsgBoxIcon icon);        // "none", "critical", ... as transcripts write
const char* msgBoxResultName(MsgBoxResult result);  // "ok", "cancel", "yes", "no", "retry"

struct OpenFileRequest {
    // Pairs of description and pattern separated by "|": "GIF pictures |*.gif|JPEG pictures
    // |*.jpg".
    std::string filter;
    std::string title;
};

class Ui {
  public:
    virtual ~Ui() = default;

    // Shows a message box and returns the button pressed. An empty caption means the box has
    // no caption of its own.
    virtual MsgBoxResult msgBox(std::string_view text, MsgBoxButtons buttons, MsgBoxIcon icon,
                                std::string_view caption) = 0;

    // Runs the form modally: returns when it is hidden or unloaded. Called by Form::Show.
    virtual void showModal(forms::Form& form) = 0;

    // The colour dialog; the colour is a platform colour number (blue in bits 16-23, green in
    // 8-15, red in 0-7). Nothing when the user cancels.
    virtual std::optional<uint32_t> chooseColor(uint32_t initialColor) = 0;

    // The open-file dialog: the chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::string> chooseOpenFile(const OpenFileRequest& request) = 0;

    virtual void setMousePointer(MousePointer pointer) = 0;

    // A message box with only an OK button and no caption: the shorthand the code uses most.
    void message(std::string_view text, MsgBoxIcon icon = MsgBoxIcon::None,
                 std::string_view caption = {}) {
        msgBox(text, MsgBoxButtons::OkOnly, icon, caption);
    }
};

}  // namespace norvel::common
