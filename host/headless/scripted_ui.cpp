#include "host/headless/scripted_ui.h"

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "common/error.h"
#include "common/forms/form.h"
#include "common/forms/web_browser.h"
#include "host/headless/dialog_actions.h"
#include "host/session/script_error.h"
#include "host/session/script_quote.h"

namespace norvel::host {

using common::MsgBoxButtons;
using common::MsgBoxResult;
using common::forms::Form;

namespace {

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

bool answerFits(const std::string& answer, MsgBoxButtons buttons, MsgBoxResult& result) {
    struct Choice {
        const char* word;
        MsgBoxResult result;
    };
    static const Choice choices[] = {{"ok", MsgBoxResult::Ok},
                                     {"cancel", MsgBoxResult::Cancel},
                                     {"yes", MsgBoxResult::Yes},
                                     {"no", MsgBoxResult::No}};
    for (const auto& choice : choices) {
        if (answer != choice.word)
            continue;
        result = choice.result;
        switch (buttons) {
            case MsgBoxButtons::OkOnly:
                return result == MsgBoxResult::Ok;
            case MsgBoxButtons::OkCancel:
                return result == MsgBoxResult::Ok || result == MsgBoxResult::Cancel;
            case MsgBoxButtons::YesNo:
            case MsgBoxButtons::YesNoDefaultNo:
                return result == MsgBoxResult::Yes || result == MsgBoxResult::No;
            case MsgBoxButtons::YesNoCancel:
                return result != MsgBoxResult::Ok;
            case MsgBoxButtons::RetryCancel:
                return result == MsgBoxResult::Cancel;
        }
    }
    return false;
}

const char* buttonsName(MsgBoxButtons buttons) {
    switch (buttons) {
        case MsgBoxButtons::OkOnly:
            return "OK";
        case MsgBoxButtons::OkCancel:
            return "OK, Cancel";
        case MsgBoxButtons::YesNo:
        case MsgBoxButtons::YesNoDefaultNo:
            return "Yes, No";
        case MsgBoxButtons::YesNoCancel:
            return "Yes, No, Cancel";
        case MsgBoxButtons::RetryCancel:
            return "Retry, Cancel";
    }
    return "";
}

// Keeps the stack of open forms right however the modal loop ends.
class OpenFormGuard {
  public:
    OpenFormGuard(std::vector<Form*>& forms, Form& form) : forms_(forms) {
        forms_.push_back(&form);
    }
    ~OpenFormGuard() { forms_.pop_back(); }

  private:
    std::vector<Form*>& forms_;
};

}  // namespace

ScriptedUi::ScriptedUi(SessionCursor& cursor, std::ostream& transcript)
    : cursor_(cursor), transcript_(transcript) {}

void ScriptedUi::fail(int line, const std::string& message) const {
    throw ScriptError(line, message);
}

void ScriptedUi::writeLine(const std::string& line) {
    transcript_ << line << '\n' << std::flush;
}

common::MsgBoxResult ScriptedUi::msgBox(std::string_view text, MsgBoxButtons buttons,
                                        common::MsgBoxIcon icon, std::string_view caption) {
    lastMessage_ = std::string(text);
    anyMessage_ = true;
    MsgBoxResult result = MsgBoxResult::Ok;
    if (!answers_.empty() && (buttons != MsgBoxButtons::OkOnly || answers_.front().value == "ok")) {
        QueuedAnswer answer = answers_.front();
        answers_.pop_front();
        if (!answerFits(answer.value, buttons, result))
            fail(answer.line, "answer '" + answer.value + "' does not fit the message box " +
                                  quoteScriptString(text) + " (buttons " + buttonsName(buttons) +
                                  ")");
    } else if (buttons != MsgBoxButtons::OkOnly) {
        fail(cursor_.currentLine(), "the message box " + quoteScriptString(text) +
                                        " needs a queued answer (buttons " + buttonsName(buttons) +
                                        ")");
    }
    writeLine(std::string("msgbox ") + common::msgBoxIconName(icon) + " " +
              quoteScriptString(caption) + " " + quoteScriptString(text) + " -> " +
              common::msgBoxResultName(result));
    return result;
}

void ScriptedUi::showModal(Form& form) {
    if (const common::Error* error = form.reportedError()) {
        // The error dialog is written as one line and closed, as if OK had been pressed.
        writeLine("error " + quoteScriptString(form.caption()) + " " +
                  quoteScriptString(error->source()) + " " + std::to_string(error->number()) + " " +
                  quoteScriptString(error->description()));
        form.Unload();
        return;
    }
    OpenFormGuard guard(openForms_, form);
    writeLine("form " + quoteScriptString(form.caption()) + " shown");
    while (form.visible() && form.loaded()) {
        if (cursor_.atEnd())
            fail(cursor_.lastLine(),
                 "form " + quoteScriptString(form.caption()) + " is still open at the end");
        const ScriptAction& action = cursor_.take();
        switch (action.kind) {
            case ScriptActionKind::editor:
                fail(action.line, "editor action '" + action.name + "' while the form " +
                                      quoteScriptString(form.caption()) + " is open");
            case ScriptActionKind::dialog:
                applyDialogAction(form, action);
                break;
            case ScriptActionKind::queuedAnswer:
            case ScriptActionKind::check:
                handleAnswerOrCheck(action);
                break;
        }
    }
    writeLine("form " + quoteScriptString(form.caption()) + " closed");
}

std::optional<uint32_t> ScriptedUi::chooseColor(uint32_t initialColor) {
    if (colors_.empty())
        fail(cursor_.currentLine(), "a colour dialog opened without a queued 'color' answer");
    QueuedAnswer answer = colors_.front();
    colors_.pop_front();
    if (answer.value == "cancel") {
        writeLine("colordialog -> cancel");
        return std::nullopt;
    }
    uint32_t rgb = static_cast<uint32_t>(std::stoul(answer.value, nullptr, 16));
    writeLine("colordialog -> " + answer.value);
    // RRGGBB as typed; the platform number holds blue, green, red.
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

std::optional<std::string> ScriptedUi::chooseOpenFile(const common::OpenFileRequest& request) {
    if (files_.empty())
        fail(cursor_.currentLine(), "an open-file dialog opened without a queued 'file' answer");
    QueuedAnswer answer = files_.front();
    files_.pop_front();
    if (answer.value == "cancel") {
        writeLine("filedialog " + quoteScriptString(request.filter) + " -> cancel");
        return std::nullopt;
    }
    std::filesystem::path path(answer.value);
    if (path.is_relative() && !scriptFolder_.empty())
        path = std::filesystem::path(scriptFolder_) / path;
    path = path.lexically_normal();
    writeLine("filedialog " + quoteScriptString(request.filter) + " -> " +
              quoteScriptString(path.filename().string()));
    return path.string();
}

bool ScriptedUi::handleAnswerOrCheck(const ScriptAction& action) {
    if (action.kind == ScriptActionKind::queuedAnswer) {
        QueuedAnswer answer{action.line, action.arguments.at(0)};
        if (action.name == "answer")
            answers_.push_back(answer);
        if (action.name == "color")
            colors_.push_back(answer);
        if (action.name == "file")
            files_.push_back(answer);
        return true;
    }
    if (action.kind == ScriptActionKind::check) {
        runCheck(action);
        return true;
    }
    return false;
}

void ScriptedUi::runCheck(const ScriptAction& action) {
    const std::string& what = action.arguments.at(0);
    if (what == "no-form") {
        if (!openForms_.empty())
            fail(action.line, "expected no form, but " +
                                  quoteScriptString(openForms_.back()->caption()) + " is open");
        return;
    }
    if (what == "message") {
        const std::string& expected = action.arguments.at(1);
        if (!anyMessage_)
            fail(action.line, "expected message " + quoteScriptString(expected) +
                                  ", but no message box was shown");
        if (lastMessage_ != expected)
            fail(action.line, "expected message " + quoteScriptString(expected) +
                                  ", but the last was " + quoteScriptString(lastMessage_));
        return;
    }
    if (openForms_.empty())
        fail(action.line, "expect " + what + ": no form is open");
    Form& top = *openForms_.back();
    if (what == "form") {
        const std::string& expected = action.arguments.at(1);
        if (top.caption() != expected)
            fail(action.line, "expected form " + quoteScriptString(expected) +
                                  ", but the topmost is " + quoteScriptString(top.caption()));
        return;
    }
    if (what == "value") {
        const std::string& expected = action.arguments.at(2);
        std::string actual =
            controlValueText(resolveControl(top, action.arguments.at(1), action.line));
        if (actual != expected)
            fail(action.line, "expected " + action.arguments.at(1) + " to be " +
                                  quoteScriptString(expected) + ", but it is " +
                                  quoteScriptString(actual));
        return;
    }
    if (what == "page") {
        checkBrowserPage(top, action);
        return;
    }
    fail(action.line, "unknown check '" + what + "'");
}

void ScriptedUi::checkBrowserPage(Form& form, const ScriptAction& action) {
    const std::string& path = action.arguments.at(1);
    common::forms::Control& control = resolveControl(form, path, action.line);
    if (control.kind() != common::forms::ControlKind::WebBrowser)
        fail(action.line, "expect page: " + path + " is no web browser");
    const std::string& location =
        static_cast<const common::forms::WebBrowser&>(control).locationUrl();
    std::filesystem::path expectedFile(action.arguments.at(2));
    if (expectedFile.is_relative() && !scriptFolder_.empty())
        expectedFile = std::filesystem::path(scriptFolder_) / expectedFile;
    std::optional<std::string> expected = readWholeFile(expectedFile);
    if (!expected)
        fail(action.line, "expect page: cannot read " + quoteScriptString(expectedFile.string()));
    if (location.empty())
        fail(action.line, "expect page: " + path + " shows no page");
    std::optional<std::string> shown = readWholeFile(location);
    if (!shown)
        fail(action.line, "expect page: " + path + " shows a page that cannot be read");
    if (*shown != *expected) {
        size_t at = 0;
        while (at < shown->size() && at < expected->size() && (*shown)[at] == (*expected)[at])
            ++at;
        fail(action.line, "expect page: the page " + path + " shows differs from " +
                              quoteScriptString(action.arguments.at(2)) + " at byte " +
                              std::to_string(at));
    }
}

void ScriptedUi::requireNoPendingAnswers() const {
    for (const auto* queue : {&answers_, &colors_, &files_})
        if (!queue->empty())
            fail(queue->front().line,
                 "the queued answer '" + queue->front().value + "' was never used");
}

}  // namespace norvel::host
