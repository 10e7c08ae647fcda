// The two settings the add-in reads: the script collection's "ScriptFile" option, read as a
// boolean at every click, and the collection switch behind the options dialog.
#include <gtest/gtest.h>

#include <optional>

#include "addin/connect.h"
#include "addin/frm_op.h"
#include "addin/mod_functions.h"
#include "common/error.h"
#include "tests/addin/addin_world.h"

namespace norvel::tests {
namespace {

TEST(AddinScriptFileOption, ReadsNumbersAndWordsAndRefusesAnythingElse) {
    AddinWorld world;
    EXPECT_FALSE(addin::ScriptFileOption(world.settings));  // nothing stored: "0"
    struct Case {
        const char* stored;
        std::optional<bool> expected;  // none: Error 13
    };
    const Case cases[] = {{"0", false},
                          {"1", true},
                          {"-1", true},
                          {" 2.5 ", true},
                          {"True", true},
                          {"FALSE", false},
                          {"maybe", std::nullopt},
                          {"", std::nullopt},
                          {"1 0", std::nullopt}};
    for (const Case& c : cases) {
        world.settings.saveSetting("NorvelJS", "Options", "ScriptFile", c.stored);
        if (c.expected) {
            EXPECT_EQ(addin::ScriptFileOption(world.settings), *c.expected) << c.stored;
            continue;
        }
        try {
            addin::ScriptFileOption(world.settings);
            ADD_FAILURE() << "no error for \"" << c.stored << "\"";
        } catch (const common::Error& e) {
            EXPECT_EQ(e.number(), common::errnum::kTypeMismatch) << c.stored;
        }
    }
}

TEST(AddinScriptFileOption, AConversionErrorIsReportedByTheMenuHandler) {
    AddinWorld world;
    world.app.newPage();
    auto connect = std::make_shared<addin::Connect>(world.runtime());
    connect->IDTExtensibility2_OnConnection();
    world.settings.saveSetting("NorvelJS", "Options", "ScriptFile", "maybe");
    world.click({"Norvel", "JavaScript", "Show and Hide"});
    world.click({"Norvel", "JavaScript", "Current Date"});  // the menu stays usable
    std::string transcript = world.transcript();
    EXPECT_EQ(transcript.rfind("error \"NorvelFP\" \"norvelfp\" 13 ", 0), 0u) << transcript;
    EXPECT_NE(transcript.find("\nmsgbox info \"norveljsc\" \"LoadFrm(4) bot=main"),
              std::string::npos)
        << transcript;
}

// The boxes after loading the dialog with `stored` (none: nothing stored), as "JS Poll Style".
std::string boxesFor(const std::optional<std::string>& stored) {
    AddinWorld world;
    if (stored)
        world.settings.saveSetting("NorvelFP", "options", "collections", *stored);
    addin::frmOP dialog(world.ui, world.settings);
    dialog.Load();
    return std::to_string(dialog.chkJS.value()) + " " + std::to_string(dialog.chkPoll.value()) +
           " " + std::to_string(dialog.chkStyle.value());
}

TEST(AddinOptionsDialog, FillsTheBoxesAsTheMenuReadsTheSwitch) {
    EXPECT_EQ(boxesFor(std::nullopt), "1 1 1");
    EXPECT_EQ(boxesFor("101"), "1 0 1");
    EXPECT_EQ(boxesFor("212"), "2 1 2");  // greyed boxes
    // Short values open the dialog too; the missing character leaves its box unchecked.
    EXPECT_EQ(boxesFor("1"), "1 0 1");
    EXPECT_EQ(boxesFor("10"), "1 0 0");
    EXPECT_EQ(boxesFor(""), "0 0 0");
}

TEST(AddinOptionsDialog, OkStoresTheBoxesAndABadValueEndsTheClickInTheErrorDialog) {
    AddinWorld world("check chkStyle 0\nclick Command1\n");
    world.settings.saveSetting("NorvelFP", "options", "collections", "2x1");
    auto connect = std::make_shared<addin::Connect>(world.runtime());
    connect->IDTExtensibility2_OnConnection();
    world.click({"Norvel", "options"});
    EXPECT_EQ(world.transcript().rfind("error \"NorvelFP\" \"norvelfp\" 13 ", 0), 0u)
        << world.transcript();

    world.settings.saveSetting("NorvelFP", "options", "collections", "2");
    world.click({"Norvel", "options"});
    EXPECT_EQ(world.settings.getSetting("NorvelFP", "options", "collections", ""), "200");
}

}  // namespace
}  // namespace norvel::tests
