// What sessions cannot reach of the page checks: an error inside WrongExtension travels to the
// handler with its context, and conditions that are not requested are not looked at.
#include <gtest/gtest.h>

#include "addin/menu_command.h"
#include "addin/mod_functions.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "host/editor/host_page_window.h"
#include "tests/addin/addin_world.h"

namespace norvel::tests {
namespace {

TEST(AddinPageChecks, AnErrorInWrongExtensionReachesTheHandlerWithItsContext) {
    AddinWorld world;
    world.app.newPage();  // a page with no file has no extension to read
    try {
        addin::WrongExtension(world.runtime(), "htm,html,asp");
        ADD_FAILURE() << "no error";
    } catch (const common::Error& e) {
        EXPECT_EQ(e.number(), common::errnum::kObjectNotSet);
        EXPECT_EQ(e.source(), "Function WrongExtension in norvelfp");
    }
    addin::runTrapped(world.runtime(),
                      [&] { addin::WrongExtension(world.runtime(), "htm,html,asp"); });
    EXPECT_EQ(world.transcript().rfind(
                  "error \"NorvelFP\" \"Function WrongExtension in norvelfp\" 91 ", 0),
              0u)
        << world.transcript();
}

TEST(AddinPageChecks, OnlyRequestedConditionsAreChecked) {
    AddinWorld world;
    EXPECT_TRUE(addin::CheckConditions(world.runtime(), false, false, false, false));
    world.app.newPage();
    world.app.activeWindow()->SetViewMode(common::editor::kViewHtml);
    EXPECT_TRUE(addin::CheckConditions(world.runtime(), false, true, false, false));
    EXPECT_EQ(world.transcript(), "");
    // Requested together, the web is checked before the saved state and the view.
    EXPECT_FALSE(addin::CheckConditions(world.runtime(), true, true, true, true));
    EXPECT_EQ(world.transcript(),
              "msgbox info \"Checking Conditions\" \"You must have an open web and an open page "
              "to use this add-in\" -> ok\n");
}

}  // namespace
}  // namespace norvel::tests
