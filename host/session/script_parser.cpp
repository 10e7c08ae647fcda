#include "host/session/script_parser.h"

#include <algorithm>
#include <charconv>
#include <initializer_list>

#include "common/ascii_text.h"
#include "host/session/script_error.h"
#include "host/session/script_lexer.h"

namespace norvel::host {
namespace {

using Arguments = std::vector<std::string>;

bool isOneOf(const std::string& word, std::initializer_list<std::string_view> choices) {
    return std::find(choices.begin(), choices.end(), word) != choices.end();
}

bool isWholeNumber(const std::string& text, int& number) {
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, number);
    return !text.empty() && error == std::errc() && stop == end;
}

bool isHexColor(const std::string& text) {
    return text.size() == 6 && std::all_of(text.begin(), text.end(), common::isAsciiHexDigit);
}

// The argument patterns of the table below. PATH, PAGE and caption arguments may not be empty;
// a TEXT may (`set txtQuestion ""` clears a box).
bool noArguments(const Arguments& a) {
    return a.empty();
}
bool oneName(const Arguments& a) {
    return a.size() == 1 && !a[0].empty();
}
bool controlAndText(const Arguments& a) {
    return a.size() == 2 && !a[0].empty();
}

bool settingArguments(const Arguments& a) {
    return a.size() == 4 && !a[0].empty() && !a[1].empty() && !a[2].empty();
}
bool viewArguments(const Arguments& a) {
    return a.size() == 1 && isOneOf(a[0], {"normal", "html", "preview"});
}
bool caretArguments(const Arguments& a) {
    if (a.size() == 1)
        return isOneOf(a[0], {"start", "end"});
    return a.size() == 2 && isOneOf(a[0], {"after", "before"}) && !a[1].empty();
}
bool menuArguments(const Arguments& a) {
    return !a.empty() && std::none_of(a.begin(), a.end(), [](const auto& c) { return c.empty(); });
}
bool editBlockArguments(const Arguments& a) {
    int number = 0;
    return a.size() == 1 && isWholeNumber(a[0], number) && number >= 1;
}
bool optionalName(const Arguments& a) {
    return a.empty() || oneName(a);
}
bool closeArguments(const Arguments& a) {
    return a.empty() || (a.size() == 1 && isOneOf(a[0], {"save", "nosave"}));
}
bool checkArguments(const Arguments& a) {
    return a.size() == 2 && !a[0].empty() && isOneOf(a[1], {"0", "1"});
}
bool scrollArguments(const Arguments& a) {
    int position = 0;
    return a.size() == 2 && !a[0].empty() && isWholeNumber(a[1], position);
}
bool answerArguments(const Arguments& a) {
    return a.size() == 1 && isOneOf(a[0], {"ok", "yes", "no", "cancel"});
}
bool colorArguments(const Arguments& a) {
    return a.size() == 1 && (a[0] == "cancel" || isHexColor(a[0]));
}
bool expectArguments(const Arguments& a) {
    if (a.empty())
        return false;
    if (a[0] == "no-form")
        return a.size() == 1;
    if (a[0] == "message" || a[0] == "form")
        return a.size() == 2;
    return (a[0] == "value" || a[0] == "page") && a.size() == 3 && !a[1].empty();
}

struct ActionRule {
    std::string_view name;
    ScriptActionKind kind;
    bool (*accepts)(const Arguments&);
    std::string_view usage;  // the whole error message when `accepts` says no
};

using enum ScriptActionKind;
constexpr ActionRule kActionRules[] = {
    {"web", editor, oneName, "'web' needs a folder: web PATH"},
    {"setting", editor, settingArguments, "'setting' needs APP SECTION KEY VALUE"},
    {"start", editor, noArguments, "'start' takes no arguments"},
    {"restart", editor, noArguments, "'restart' takes no arguments"},
    {"open", editor, oneName, "'open' needs a page: open PAGE"},
    {"new-page", editor, noArguments, "'new-page' takes no arguments"},
    {"view", editor, viewArguments, "'view' needs one of normal, html, preview"},
    {"caret", editor, caretArguments, "'caret' needs start, end, after TEXT or before TEXT"},
    {"select", editor, oneName, "'select' needs the text to select: select TEXT"},
    {"menu", editor, menuArguments, "'menu' needs at least one caption: menu CAPTION..."},
    {"edit-block", editor, editBlockArguments,
     "'edit-block' needs a block number from 1 up: edit-block N"},
    {"save", editor, optionalName, "'save' takes nothing, or the page to save a new page as"},
    {"close", editor, closeArguments, "'close' takes nothing, save or nosave"},
    {"undo", editor, noArguments, "'undo' takes no arguments"},
    {"redo", editor, noArguments, "'redo' takes no arguments"},
    {"activate", editor, oneName, "'activate' needs a page: activate PAGE"},

    {"set", dialog, controlAndText, "'set' needs a control and a text: set PATH TEXT"},
    {"type", dialog, controlAndText, "'type' needs a control and a text: type PATH TEXT"},
    {"click", dialog, oneName, "'click' needs a control: click PATH"},
    {"check", dialog, checkArguments, "'check' needs a control and 0 or 1: check PATH 0|1"},
    {"choose", dialog, controlAndText, "'choose' needs a control and an item: choose PATH ITEM"},
    {"node", dialog, controlAndText, "'node' needs a control and a node key: node PATH KEY"},
    {"leave", dialog, oneName, "'leave' needs a control: leave PATH"},
    {"scroll", dialog, scrollArguments,
     "'scroll' needs a control and a whole number: scroll PATH N"},
    {"dblclick", dialog, oneName, "'dblclick' needs a control: dblclick PATH"},

    {"answer", queuedAnswer, answerArguments, "'answer' needs one of ok, yes, no, cancel"},
    {"color", queuedAnswer, colorArguments, "'color' needs six hex digits RRGGBB or cancel"},
    {"file", queuedAnswer, oneName, "'file' needs a file or cancel: file PATH|cancel"},

    {"expect", check, expectArguments,
     "'expect' needs message TEXT, form CAPTION, value PATH TEXT, page PATH FILE or no-form"},
};

const ActionRule* findRule(std::string_view name) {
    for (const ActionRule& rule : kActionRules)
        if (rule.name == name)
            return &rule;
    return nullptr;
}

}  // namespace

std::vector<ScriptAction> parseSessionScript(std::string_view text) {
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());

    std::vector<ScriptAction> actions;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        std::vector<std::string> tokens = splitScriptLine(line, lineNumber);
        if (tokens.empty())
            continue;
        const ActionRule* rule = findRule(tokens.front());
        if (rule == nullptr)
            throw ScriptError(lineNumber, "unknown action '" + tokens.front() + "'");
        Arguments arguments(std::make_move_iterator(tokens.begin() + 1),
                            std::make_move_iterator(tokens.end()));
        if (!rule->accepts(arguments))
            throw ScriptError(lineNumber, std::string(rule->usage));
        actions.push_back(
            {lineNumber, std::move(tokens.front()), std::move(arguments), rule->kind});
    }
    return actions;
}

}  // namespace norvel::host
