// Scripted sessions driving test dialogs through the headless Ui: the dialog half of the
// `norvel` command.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>

#include "common/error_mod.h"
#include "host/headless/scripted_ui.h"
#include "host/session/script_error.h"
#include "tests/common/test_forms.h"

namespace norvel::tests {
namespace {

using host::ScriptedUi;
using host::ScriptError;
using host::SessionCursor;

struct SessionResult {
    std::string transcript;
    std::optional<ScriptError> error;
};

// Plays `script` while `opener` runs (the part an editor action would do: open a dialog).
SessionResult play(const std::string& script, const std::function<void(Ui&)>& opener) {
    SessionCursor cursor(host::parseSessionScript(script));
    std::ostringstream out;
    ScriptedUi ui(cursor, out);
    SessionResult result;
    try {
        opener(ui);
        while (!cursor.atEnd()) {
            const auto& action = cursor.take();
            if (!ui.handleAnswerOrCheck(action))
                throw ScriptError(action.line, "'" + action.name + "' with no form open");
        }
        ui.requireNoPendingAnswers();
    } catch (const ScriptError& e) {
        result.error = e;
    }
    result.transcript = out.str();
    return result;
}

TEST(ScriptedSession, DrivesAFormWithANestedModalFormAndAYesNoBox) {
    const char* script = R"(# add a person, confirm in the nested form, then remove them
set txtName Ada
click cmdAdd
expect form Confirm
expect value lblQuestion "Add Ada?"
click cmdYes
expect form People
choose lstPeople Ada
answer yes
click cmdRemove
expect message "Remove Ada?"
expect value lstPeople ""
click cmdClose
expect no-form
)";
    int people = -1;
    SessionResult result = play(script, [&](Ui& ui) {
        frmPeople form(ui);
        form.Show(true);
        people = form.lstPeople.listCount();
    });
    ASSERT_FALSE(result.error) << result.error->what();
    EXPECT_EQ(people, 0);
    EXPECT_EQ(result.transcript,
              "form \"People\" shown\n"
              "form \"Confirm\" shown\n"
              "form \"Confirm\" closed\n"
              "msgbox question \"People\" \"Remove Ada?\" -> yes\n"
              "form \"People\" closed\n");
}

TEST(ScriptedSession, AnswerNoKeepsTheItemAndOkOnlyBoxesNeedNoAnswer) {
    const char* script = R"(click cmdAdd
set txtName "Grace Hopper"
click cmdAdd
click cmdYes
choose lstPeople "#0"
answer no
click cmdRemove
click cmdClose
)";
    std::vector<std::string> items;
    SessionResult result = play(script, [&](Ui& ui) {
        frmPeople form(ui);
        form.Show(true);
        items = form.lstPeople.items();
    });
    ASSERT_FALSE(result.error) << result.error->what();
    EXPECT_EQ(items, std::vector<std::string>{"Grace Hopper"});
    EXPECT_NE(result.transcript.find("msgbox info \"Check\" \"Name is empty\" -> ok\n"),
              std::string::npos);
    EXPECT_NE(result.transcript.find("\"Remove Grace Hopper?\" -> no\n"), std::string::npos);
}

TEST(ScriptedSession, EventsFireAsAPersonWouldCauseThem) {
    const char* script = R"(type txtName Bob
set txtName Bob
click opLast
click opFirst
click opAlone
set ctlColor1.txtColor 12
color 0000FF
click ctlColor1.cmdColor
expect value ctlColor1.txtColor 0000FF
leave ctlColor1.txtColor
expect value opFirst True
expect value opLast False
expect value opAlone True
click cmdClose
)";
    int changes = 0, orderClicks = 0, leaves = 0;
    SessionResult result = play(script, [&](Ui& ui) {
        frmPeople form(ui);
        form.Show(true);
        changes = form.nameChanges;
        orderClicks = form.orderClicks;
        leaves = form.ctlColor1.leaves;
    });
    ASSERT_FALSE(result.error) << result.error->what();
    EXPECT_EQ(changes, 3);      // one per typed character; setting the same text is no change
    EXPECT_EQ(orderClicks, 2);  // on load, and when turned on again
    // Clicking the colour button took the focus from the text box; `leave` enters it again
    // and tabs out.
    EXPECT_EQ(leaves, 2);
    EXPECT_NE(result.transcript.find("colordialog -> 0000FF\n"), std::string::npos);
}

struct BadScript {
    const char* script;
    int line;
    const char* messagePart;
};

class ScriptedSessionErrors : public ::testing::TestWithParam<BadScript> {};

TEST_P(ScriptedSessionErrors, SayWhichLineAndWhat) {
    const BadScript& bad = GetParam();
    SessionResult result = play(bad.script, [](Ui& ui) {
        frmPeople form(ui);
        form.Show(true);
    });
    ASSERT_TRUE(result.error) << "script should fail: " << bad.script;
    EXPECT_EQ(result.error->line, bad.line);
    EXPECT_NE(result.error->message.find(bad.messagePart), std::string::npos)
        << result.error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScriptedSessionErrors,
    ::testing::Values(
        BadScript{"click cmdNothing\n", 1, "unknown control 'cmdNothing'"},
        BadScript{"set txtName x\n\nclick cmdRemove\n", 3, "disabled"},
        BadScript{
            "set txtName Ada\nclick cmdAdd\nclick cmdYes\nchoose lstPeople Ada\nclick cmdRemove\n",
            5, "needs a queued answer"},
        BadScript{"set txtName x\n", 1, "still open at the end"},
        BadScript{"open index.htm\n", 1, "editor action 'open' while the form \"People\" is open"},
        BadScript{"expect form Confirm\n", 1, "but the topmost is \"People\""},
        BadScript{"expect value txtName x\n", 1, "expected txtName to be \"x\""},
        BadScript{"click fraOrder\n", 1, "cannot click Frame 'fraOrder'"},
        BadScript{"choose lstPeople Nobody\n", 1, "no item 'Nobody'"},
        BadScript{"click ctlColor1.cmdColor\n", 1, "without a queued 'color' answer"},
        BadScript{"answer yes\nclick cmdClose\n", 1, "was never used"},
        BadScript{"expect message \"x\"\n", 1, "no message box was shown"},
        BadScript{"expect page ctlColor1.txtColor page.htm\n", 1, "is no web browser"}));

TEST(ScriptedSession, ErrorDialogBecomesOneTranscriptLine) {
    SessionResult result = play("", [](Ui& ui) {
        try {
            try {
                throw Error(errnum::kFileNotFound, "norvelpc", "File not found");
            } catch (const std::exception&) {
                raiseCurrentWithContext("norvelpc", "SubFile");
            }
        } catch (const std::exception&) {
            showCurrentError(ui, "norvelpc", "NorvelFP");
        }
    });
    ASSERT_FALSE(result.error) << result.error->what();
    EXPECT_EQ(result.transcript,
              "error \"NorvelFP\" \"Function SubFile in norvelpc\" 53 \"File not found\"\n");
}

TEST(ScriptedSession, MalformedScriptsAreRejectedWithTheirLine) {
    try {
        host::parseSessionScript("set txtName \"unclosed\n");
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line, 1);
        EXPECT_NE(e.message.find("unclosed quote"), std::string::npos);
    }
    try {
        host::parseSessionScript("# fine\nclick x\nfrobnicate now\n");
        FAIL();
    } catch (const ScriptError& e) {
        EXPECT_EQ(e.line, 3);
        EXPECT_NE(e.message.find("unknown action 'frobnicate'"), std::string::npos);
    }
}

}  // namespace
}  // namespace norvel::tests
