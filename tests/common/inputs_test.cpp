// The colour and number inputs on a small dialog, driven as a person would through the
// headless Ui: what they show, what they say and what their properties return.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>

#include "common/error.h"
#include "common/forms/form.h"
#include "common/inputs/hex_color.h"
#include "common/inputs/incrementer.h"
#include "host/headless/scripted_ui.h"
#include "host/session/script_error.h"

namespace norvel::testing {
namespace {

using namespace norvel::common;
using namespace norvel::common::forms;
using namespace norvel::common::inputs;

class frmInputs : public Form {
  public:
    explicit frmInputs(Ui& ui) : Form(ui, "frmInputs", "Inputs", 4000, 2000) {
        addControl(BackC, "BackC", {120, 120, 1300, 300});
        addControl(Border, "Border", {120, 600, 700, 300});
        addControl(txtOther, "txtOther", {120, 1000, 1300, 285});
        addControl(cmdClose, "cmdClose", {2000, 1400, 900, 375});
        cmdClose.Click = [this] { Unload(); };
    }
    HexColor BackC;
    Incrementer Border;
    TextBox txtOther;
    CommandButton cmdClose;
};

struct Played {
    std::string transcript;
    std::string color;
    uint32_t buttonColor = 0;
    std::string number;
    int scroll = 0;
};

// Shows the dialog, prepared by `prepare`, and plays `script` on it.
Played play(const std::string& script, const std::function<void(frmInputs&)>& prepare = {}) {
    host::SessionCursor cursor(host::parseSessionScript(script));
    std::ostringstream out;
    host::ScriptedUi ui(cursor, out);
    frmInputs form(ui);
    if (prepare)
        prepare(form);
    try {
        form.Show(true);
        ui.requireNoPendingAnswers();
    } catch (const host::ScriptError& e) {
        ADD_FAILURE() << "line " << e.line << ": " << e.message << "\n" << out.str();
    }
    return {out.str(), form.BackC.Color(), form.BackC.cmdColor.backColor(), form.Border.value(),
            form.Border.VScroll1.value()};
}

TEST(HexColorText, ConvertsBetweenWebOrderAndPlatformOrder) {
    EXPECT_EQ(HexToColor("0033FF"), 0xFF3300u);
    EXPECT_EQ(HexToColor("ff0000"), 0x0000FFu);
    EXPECT_EQ(HexToColor("12aB3c"), 0x3CAB12u);
    EXPECT_EQ(ColorToHex(0xFF3300), "0033FF");
    EXPECT_EQ(ColorToHex(0), "000000");
    EXPECT_EQ(ColorToHex(0xFF0000), "0000FF");  // pure blue from the colour dialog
    EXPECT_EQ(ColorToHex(0x0A0B0C), "0C0B0A");
    for (uint32_t color : {0x000001u, 0x010000u, 0xABCDEFu, 0xFFFFFFu})
        EXPECT_EQ(HexToColor(ColorToHex(color)), color);
    try {
        HexToColor("#ff000");
        FAIL() << "not a colour";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kTypeMismatch);
    }
}

TEST(HexColorText, IsHexColorWantsExactlySixHexDigits) {
    EXPECT_TRUE(IsHexColor("00ff00"));
    EXPECT_TRUE(IsHexColor("ABCDEF"));
    EXPECT_TRUE(IsHexColor("123456"));
    EXPECT_FALSE(IsHexColor("#ff0000"));
    EXPECT_FALSE(IsHexColor("abc"));
    EXPECT_FALSE(IsHexColor(""));
    EXPECT_FALSE(IsHexColor("12G456"));
    EXPECT_FALSE(IsHexColor("12345 "));
    EXPECT_FALSE(IsHexColor("1234567"));
}

TEST(HexColorInput, ValidTextBecomesUpperCaseAndPaintsTheButton) {
    Played p = play(
        "set BackC.txtColor ff0000\nleave BackC.txtColor\n"
        "expect value BackC.txtColor FF0000\nclick cmdClose\n");
    EXPECT_EQ(p.color, "FF0000");
    EXPECT_EQ(p.buttonColor, 0x0000FFu);
    EXPECT_EQ(p.transcript.find("msgbox"), std::string::npos) << p.transcript;
}

TEST(HexColorInput, ShortAndNonHexTextAreToldAndTheFocusReturns) {
    Played shortText = play(
        "set BackC.txtColor 12345\nset txtOther x\n"
        "expect message \"Use six digits to represent a Hex Color\"\n"
        "click cmdClose\n");
    EXPECT_NE(shortText.transcript.find(
                  "msgbox info \"Hex Check\" \"Use six digits to represent a Hex Color\""),
              std::string::npos)
        << shortText.transcript;
    EXPECT_EQ(shortText.color, "12345");  // left as typed
    EXPECT_EQ(shortText.buttonColor, kButtonFaceColor);

    Played notHex = play("set BackC.txtColor 12G456\nleave BackC.txtColor\nclick cmdClose\n");
    EXPECT_NE(notHex.transcript.find("msgbox warning \"Hex Check\" \"Only Hex numbers (0-9 and "
                                     "A-F) are allowed to represent a color value\""),
              std::string::npos)
        << notHex.transcript;
    EXPECT_EQ(notHex.color, "12G456");
    EXPECT_EQ(notHex.buttonColor, kButtonFaceColor);
}

TEST(HexColorInput, FocusGoesBackToTheTextAfterAMessage) {
    host::SessionCursor cursor(host::parseSessionScript(""));
    std::ostringstream out;
    host::ScriptedUi ui(cursor, out);
    frmInputs form(ui);
    form.Load();
    form.BackC.txtColor.userSetText("abc");
    form.txtOther.userSetText("x");
    EXPECT_EQ(form.activeControl(), &form.BackC.txtColor);
}

TEST(HexColorInput, EmptyTextSaysNothingAndShowsTheButtonFace) {
    Played p = play("leave BackC.txtColor\nclick cmdClose\n",
                    [](frmInputs& f) { f.BackC.setColor("00ff00"); });
    EXPECT_EQ(p.color, "00FF00");  // leaving valid text upper-cases it
    Played emptied = play("set BackC.txtColor \"\"\nleave BackC.txtColor\nclick cmdClose\n",
                          [](frmInputs& f) { f.BackC.setColor("00ff00"); });
    EXPECT_EQ(emptied.transcript.find("msgbox"), std::string::npos) << emptied.transcript;
    EXPECT_EQ(emptied.color, "");
    EXPECT_EQ(emptied.buttonColor, kButtonFaceColor);
}

TEST(HexColorInput, SetterTakesOnlySixHexDigitsAndKeepsTheirCase) {
    host::SessionCursor cursor(host::parseSessionScript(""));
    std::ostringstream out;
    host::ScriptedUi ui(cursor, out);
    frmInputs form(ui);
    form.BackC.setColor("00ff00");
    EXPECT_EQ(form.BackC.Color(), "00ff00");
    EXPECT_EQ(form.BackC.cmdColor.backColor(), 0x00FF00u);
    form.BackC.setColor("#ff0000");
    form.BackC.setColor("abc");
    form.BackC.setColor("");
    EXPECT_EQ(form.BackC.Color(), "00ff00");
    EXPECT_EQ(form.BackC.cmdColor.backColor(), 0x00FF00u);
    EXPECT_EQ(out.str(), "");
}

TEST(HexColorInput, TheColourDialogSetsTextAndButtonAndCancelChangesNothing) {
    Played blue = play("color 0000FF\nclick BackC.cmdColor\nclick cmdClose\n");
    EXPECT_EQ(blue.color, "0000FF");
    EXPECT_EQ(blue.buttonColor, 0xFF0000u);
    EXPECT_NE(blue.transcript.find("colordialog -> 0000FF"), std::string::npos);

    Played cancelled = play("color cancel\nclick BackC.cmdColor\nclick cmdClose\n",
                            [](frmInputs& f) { f.BackC.setColor("123456"); });
    EXPECT_EQ(cancelled.color, "123456");
    EXPECT_EQ(cancelled.buttonColor, HexToColor("123456"));
}

TEST(IncrementerInput, SpinnerCountsUpFromItsOwnPosition) {
    Played p = play(
        "scroll Border.VScroll1 -1\nexpect value Border.txtValue 1\n"
        "scroll Border.VScroll1 -2\nscroll Border.VScroll1 -1\nclick cmdClose\n",
        [](frmInputs& f) { f.Border.setValue("3"); });
    EXPECT_EQ(p.number, "1");
    EXPECT_EQ(p.scroll, -1);
    EXPECT_EQ(p.transcript.find("msgbox"), std::string::npos);
}

TEST(IncrementerInput, NonNumericOrEmptiedTextBringsTheMessageAndZero) {
    Played typed = play("set Border.txtValue 7\nset Border.txtValue x\nclick cmdClose\n");
    EXPECT_EQ(typed.number, "0");
    EXPECT_NE(
        typed.transcript.find("msgbox info \"check\" \"only numeric values is accepted\" -> ok"),
        std::string::npos)
        << typed.transcript;

    Played emptied = play("set Border.txtValue 5\nset Border.txtValue \"\"\nclick cmdClose\n");
    EXPECT_EQ(emptied.number, "0");
    EXPECT_NE(emptied.transcript.find("only numeric values is accepted"), std::string::npos);
}

TEST(IncrementerInput, SetterKeepsNumbersAndDoesNotMoveTheSpinner) {
    host::SessionCursor cursor(host::parseSessionScript(""));
    std::ostringstream out;
    host::ScriptedUi ui(cursor, out);
    frmInputs form(ui);
    EXPECT_EQ(form.Border.value(), "0");
    EXPECT_EQ(form.Border.txtValue.maxLength(), 1);
    form.Border.setValue("4");
    EXPECT_EQ(form.Border.value(), "4");
    EXPECT_EQ(form.Border.VScroll1.value(), 0);
    form.Border.setValue("abc");
    EXPECT_EQ(form.Border.value(), "0");
    EXPECT_NE(out.str().find("only numeric values is accepted"), std::string::npos);
}

}  // namespace
}  // namespace norvel::testing
