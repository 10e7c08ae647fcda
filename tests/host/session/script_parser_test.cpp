#include "host/session/script_parser.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <type_traits>

#include "host/session/script_error.h"

namespace norvel::host {
namespace {

using Kind = ScriptActionKind;
using Args = std::vector<std::string>;

// Library edges trap std::exception; a script error must get past them.
static_assert(!std::is_base_of_v<std::exception, ScriptError>);

TEST(SessionParser, ReadsEveryActionWithItsLineAndKind) {
    struct Line {
        std::string text;
        Kind kind;
        Args arguments;
    };
    std::vector<Line> lines = {
        {"web site", Kind::editor, {"site"}},
        {"setting NorvelFP options Colour \"\"",
         Kind::editor,
         {"NorvelFP", "options", "Colour", ""}},
        {"start", Kind::editor, {}},
        {"restart", Kind::editor, {}},
        {"open index.htm", Kind::editor, {"index.htm"}},
        {"new-page", Kind::editor, {}},
        {"view html", Kind::editor, {"html"}},
        {"caret start", Kind::editor, {"start"}},
        {"caret after \"<p>\"", Kind::editor, {"after", "<p>"}},
        {"select Hello", Kind::editor, {"Hello"}},
        {"menu Norvel Polls \"PHP Polls\"", Kind::editor, {"Norvel", "Polls", "PHP Polls"}},
        {"edit-block 2", Kind::editor, {"2"}},
        {"save", Kind::editor, {}},
        {"save shop/new.htm", Kind::editor, {"shop/new.htm"}},
        {"close", Kind::editor, {}},
        {"close nosave", Kind::editor, {"nosave"}},
        {"activate index.htm", Kind::editor, {"index.htm"}},
        {"set ctlText1.txtQuestion \"Why?\"", Kind::dialog, {"ctlText1.txtQuestion", "Why?"}},
        {"type txtName abc", Kind::dialog, {"txtName", "abc"}},
        {"click cmdOK", Kind::dialog, {"cmdOK"}},
        {"check chkBold 1", Kind::dialog, {"chkBold", "1"}},
        {"choose lstItems \"#3\"", Kind::dialog, {"lstItems", "#3"}},
        {"node tvwStyles k12", Kind::dialog, {"tvwStyles", "k12"}},
        {"leave txtName", Kind::dialog, {"txtName"}},
        {"scroll hsbSize -15", Kind::dialog, {"hsbSize", "-15"}},
        {"dblclick lstItems", Kind::dialog, {"lstItems"}},
        {"answer yes", Kind::queuedAnswer, {"yes"}},
        {"color 00ffAA", Kind::queuedAnswer, {"00ffAA"}},
        {"color cancel", Kind::queuedAnswer, {"cancel"}},
        {"file images/a.gif", Kind::queuedAnswer, {"images/a.gif"}},
        {"expect message \"No answers\"", Kind::check, {"message", "No answers"}},
        {"expect form Note", Kind::check, {"form", "Note"}},
        {"expect value txtName \"\"", Kind::check, {"value", "txtName", ""}},
        {"expect no-form", Kind::check, {"no-form"}},
    };
    // A byte order mark, a comment, a blank line and CRLF line ends around the actions.
    std::string script = "\xEF\xBB\xBF# demo\r\n\r\n";
    for (const Line& line : lines)
        script += line.text + "\r\n";

    std::vector<ScriptAction> actions = parseSessionScript(script);
    ASSERT_EQ(actions.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name = lines[i].text.substr(0, lines[i].text.find(' '));
        ScriptAction expected{static_cast<int>(i) + 3, name, lines[i].arguments, lines[i].kind};
        EXPECT_EQ(actions[i], expected) << lines[i].text;
    }
}

TEST(SessionParser, EmptyAndCommentOnlyScriptsHaveNoActions) {
    EXPECT_TRUE(parseSessionScript("").empty());
    EXPECT_TRUE(parseSessionScript("\n\r\n  \t\n# only a comment\n   # another").empty());
}

TEST(SessionParser, ReportsEachMistakeWithItsLine) {
    struct Case {
        std::string line;
        std::string message;
    };
    const std::string expectUsage =
        "'expect' needs message TEXT, form CAPTION, value PATH TEXT, page PATH FILE or no-form";
    std::vector<Case> cases = {
        {"frobnicate now", "unknown action 'frobnicate'"},
        {"Open index.htm", "unknown action 'Open'"},
        {"set x \"open", "unclosed quote"},
        {"web", "'web' needs a folder: web PATH"},
        {"web a b", "'web' needs a folder: web PATH"},
        {"setting A S K", "'setting' needs APP SECTION KEY VALUE"},
        {"setting A \"\" K V", "'setting' needs APP SECTION KEY VALUE"},
        {"start now", "'start' takes no arguments"},
        {"open \"\"", "'open' needs a page: open PAGE"},
        {"view source", "'view' needs one of normal, html, preview"},
        {"view", "'view' needs one of normal, html, preview"},
        {"view HTML", "'view' needs one of normal, html, preview"},
        {"caret middle", "'caret' needs start, end, after TEXT or before TEXT"},
        {"caret after", "'caret' needs start, end, after TEXT or before TEXT"},
        {"caret start x", "'caret' needs start, end, after TEXT or before TEXT"},
        {"menu", "'menu' needs at least one caption: menu CAPTION..."},
        {"menu Norvel \"\"", "'menu' needs at least one caption: menu CAPTION..."},
        {"edit-block 0", "'edit-block' needs a block number from 1 up: edit-block N"},
        {"edit-block -1", "'edit-block' needs a block number from 1 up: edit-block N"},
        {"edit-block 1x", "'edit-block' needs a block number from 1 up: edit-block N"},
        {"edit-block 99999999999", "'edit-block' needs a block number from 1 up: edit-block N"},
        {"save a.htm b.htm", "'save' takes nothing, or the page to save a new page as"},
        {"close discard", "'close' takes nothing, save or nosave"},
        {"close save nosave", "'close' takes nothing, save or nosave"},
        {"set txtName", "'set' needs a control and a text: set PATH TEXT"},
        {"set \"\" text", "'set' needs a control and a text: set PATH TEXT"},
        {"click", "'click' needs a control: click PATH"},
        {"check chkBold yes", "'check' needs a control and 0 or 1: check PATH 0|1"},
        {"check chkBold", "'check' needs a control and 0 or 1: check PATH 0|1"},
        {"scroll hsb 1.5", "'scroll' needs a control and a whole number: scroll PATH N"},
        {"scroll hsb +1", "'scroll' needs a control and a whole number: scroll PATH N"},
        {"answer maybe", "'answer' needs one of ok, yes, no, cancel"},
        {"color 12345", "'color' needs six hex digits RRGGBB or cancel"},
        {"color 12345G", "'color' needs six hex digits RRGGBB or cancel"},
        {"color #123456", "'color' needs six hex digits RRGGBB or cancel"},
        {"file", "'file' needs a file or cancel: file PATH|cancel"},
        {"expect", expectUsage},
        {"expect title x", expectUsage},
        {"expect message", expectUsage},
        {"expect value txt",
         "'expect' needs message TEXT, form CAPTION, value PATH TEXT, page PATH FILE or no-form"},
        {"expect no-form x",
         "'expect' needs message TEXT, form CAPTION, value PATH TEXT, page PATH FILE or no-form"},
    };
    for (const Case& c : cases) {
        std::string script = "start\r\n# comment\r\n" + c.line + "\r\nsave\r\n";
        try {
            parseSessionScript(script);
            ADD_FAILURE() << "no error for: " << c.line;
        } catch (const ScriptError& error) {
            EXPECT_EQ(error.line, 3) << c.line;
            EXPECT_EQ(error.message, c.message) << c.line;
        }
    }
}

TEST(SessionParser, ScriptErrorPassesThroughStdExceptionTraps) {
    bool trappedAsStdException = false;
    try {
        try {
            parseSessionScript("save\nview source\n");
        } catch (const std::exception&) {
            trappedAsStdException = true;
        }
        ADD_FAILURE() << "the bad script was accepted";
    } catch (const ScriptError& error) {
        EXPECT_EQ(error.what(), "line 2: 'view' needs one of normal, html, preview");
    }
    EXPECT_FALSE(trappedAsStdException);
}

}  // namespace
}  // namespace norvel::host
