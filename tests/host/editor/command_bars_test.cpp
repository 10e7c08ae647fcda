#include "host/editor/command_bars.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace norvel::host {
namespace {

using common::editor::kControlButton;
using common::editor::kControlPopup;

std::vector<std::string> captions(common::editor::CommandBarControls& controls) {
    std::vector<std::string> result;
    for (int i = 1; i <= controls.Count(); ++i)
        result.push_back(controls.Item(i)->Caption());
    return result;
}

TEST(HostCommandBars, MenuBarHasTheTenMenusAndTakesAPopupAtPositionTen) {
    HostCommandBars bars;
    auto& menuBar = bars.Item("Menu Bar");
    EXPECT_EQ(captions(menuBar.Controls()),
              (std::vector<std::string>{"File", "Edit", "View", "Insert", "Format", "Tools",
                                        "Table", "Frames", "Window", "Help"}));
    auto norvel = menuBar.Controls().Add(kControlPopup, std::nullopt, "Norvel", 10, true);
    norvel->SetCaption("Norvel");
    EXPECT_EQ(menuBar.Controls().Item(10)->Caption(), "Norvel");
    EXPECT_EQ(menuBar.Controls().Item(11)->Caption(), "Help");
    EXPECT_EQ(menuBar.Controls().Item("Norvel"), norvel);
    EXPECT_THROW(bars.Item("Standard"), common::Error);
    EXPECT_THROW(menuBar.Controls().Item(12), common::Error);
    EXPECT_THROW(menuBar.Controls().Item("Nothing"), common::Error);
}

TEST(HostCommandBars, FindControlSearchesNestedPopupsAndTemporaryControlsVanish) {
    HostCommandBars bars;
    auto& menuBar = bars.Item("Menu Bar");
    auto top = menuBar.Controls().Add(kControlPopup, std::nullopt, std::nullopt, 10, true);
    top->SetTag("Norvel");
    auto sub = top->Controls().Add(kControlPopup, std::nullopt, std::nullopt, std::nullopt, true);
    sub->SetTag("Polls NVX");
    auto button = sub->Controls().Add(kControlButton);
    button->SetTag("PHP Polls NVX");
    EXPECT_EQ(menuBar.FindControl("PHP Polls NVX"), button);
    EXPECT_EQ(menuBar.FindControl("Norvel"), top);
    EXPECT_EQ(menuBar.FindControl("nothing"), nullptr);
    EXPECT_THROW(button->Controls(), common::Error);  // a button holds no controls

    bars.menuBar().hostControls().removeTemporary();
    EXPECT_EQ(menuBar.Controls().Count(), 10);
    EXPECT_EQ(menuBar.FindControl("PHP Polls NVX"), nullptr);
}

TEST(HostCommandBars, ClicksReachTheHandlerOnlyWhenEnabled) {
    HostCommandBars bars;
    auto top =
        bars.Item("Menu Bar").Controls().Add(kControlPopup, std::nullopt, std::nullopt, 10, true);
    top->SetCaption("Norvel");
    auto button = top->Controls().Add(kControlButton);
    button->SetCaption("options");
    int clicks = 0;
    button->SetClickHandler([&](common::editor::CommandBarControl& control, bool&) {
        EXPECT_EQ(control.Caption(), "options");
        ++clicks;
    });
    auto found = bars.findByCaptions({"Norvel", "options"});
    ASSERT_EQ(found, button);
    EXPECT_TRUE(found->click());
    button->SetEnabled(false);
    EXPECT_FALSE(found->click());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(bars.findByCaptions({"Norvel", "Options"}), nullptr);  // captions are exact
    EXPECT_THROW(top->Controls().Add(7), common::Error);
}

}  // namespace
}  // namespace norvel::host
