// The menu the add-in builds in the editor's menu bar: its exact tree for each value of the
// collection switch, tags, reuse of existing menus, and handlers that never outlive the menus.
#include <gtest/gtest.h>

#include <set>

#include "addin/connect.h"
#include "addin/modmenu2.h"
#include "tests/addin/addin_world.h"

namespace norvel::tests {
namespace {

using addin::Connect;
using common::editor::CommandBarControl;

// One line per control, indented by depth: caption in brackets (blanks show), the tag, and
// "rule" when a separator stands above it.
void describe(CommandBarControl& control, int depth, std::vector<std::string>& lines) {
    std::string line(static_cast<size_t>(depth) * 2, ' ');
    line += "[" + control.Caption() + "] " + control.Tag();
    if (control.BeginGroup())
        line += " rule";
    lines.push_back(line);
    if (control.Type() != common::editor::kControlPopup)
        return;
    for (int i = 1; i <= control.Controls().Count(); ++i)
        describe(*control.Controls().Item(i), depth + 1, lines);
}

std::vector<std::string> norvelTree(AddinWorld& world) {
    std::vector<std::string> lines;
    describe(*world.app.commandBars().menuBar().Controls().Item("Norvel"), 0, lines);
    return lines;
}

std::vector<std::string> subMenus(AddinWorld& world) {
    auto top = world.app.commandBars().menuBar().Controls().Item("Norvel");
    std::vector<std::string> captions;
    for (int i = 1; i <= top->Controls().Count(); ++i)
        captions.push_back(top->Controls().Item(i)->Caption());
    return captions;
}

TEST(AddinMenuTree, DefaultSettingBuildsTheWholeTreeAtPositionTen) {
    AddinWorld world;
    auto connect = std::make_shared<Connect>(world.runtime());
    connect->IDTExtensibility2_OnConnection();

    auto& bar = world.app.commandBars().menuBar().Controls();
    auto top = bar.Item(10);
    EXPECT_EQ(top->Caption(), "Norvel");
    EXPECT_TRUE(top->Enabled());
    EXPECT_TRUE(top->Temporary());
    EXPECT_EQ(bar.Item(11)->Caption(), "Help");  // the editor's last menu moved behind it
    const std::vector<std::string> expected = {
        "[Norvel] Norvel",
        "  [JavaScript] JavaScript NVX",
        "    [Add to Favorites] Add to Favorites NVX",
        "    [Slide Show] Slide Show NVX",
        "    [Fading Messages] Fading Messages NVX",
        "    [Current Date] Current Date NVX",
        "    [Show and Hide] Show and Hide NVX",
        "    [Help  ] Help   NVX rule",
        "    [options ] options  NVX",
        "  [Polls] Polls NVX",
        "    [ASP Polls] ASP Polls NVX",
        "    [PHP Polls] PHP Polls NVX",
        "    [Help] Help NVX rule",
        "  [Style] Style NVX",
        "    [Scrollbar color] Scrollbar color NVX",
        "    [Help ] Help  NVX rule",
        "  [options] options NVX rule",
    };
    EXPECT_EQ(norvelTree(world), expected);
    for (int i = 1; i <= top->Controls().Count(); ++i) {
        auto control = top->Controls().Item(i);
        EXPECT_EQ(control->Temporary(), control->Type() == common::editor::kControlPopup)
            << control->Caption();
    }
}

TEST(AddinMenuTree, NoTwoControlsOfTheMenuBarShareATag) {
    AddinWorld world;
    auto connect = std::make_shared<Connect>(world.runtime());
    connect->IDTExtensibility2_OnConnection();
    std::vector<std::string> tags;
    std::function<void(common::editor::CommandBarControls&)> collect = [&](auto& controls) {
        for (int i = 1; i <= controls.Count(); ++i) {
            auto control = controls.Item(i);
            if (!control->Tag().empty())
                tags.push_back(control->Tag());
            if (control->Type() == common::editor::kControlPopup)
                collect(control->Controls());
        }
    };
    collect(world.app.commandBars().menuBar().Controls());
    EXPECT_EQ(tags.size(), 17u);
    EXPECT_EQ(std::set<std::string>(tags.begin(), tags.end()).size(), tags.size());
}

TEST(AddinMenuTree, TheCollectionSwitchChoosesTheSubMenus) {
    struct Case {
        const char* value;
        std::vector<std::string> captions;
    };
    const Case cases[] = {
        {"111", {"JavaScript", "Polls", "Style", "options"}},
        {"000", {"options"}},
        {"101", {"JavaScript", "Style", "options"}},
        {"011", {"Polls", "Style", "options"}},
        {"1", {"JavaScript", "Style", "options"}},  // the last character is the first
        {"11", {"JavaScript", "Polls", "Style", "options"}},
        {"", {"options"}},
        {"212", {"Polls", "options"}},  // a greyed box is not enabled
        {"1111", {"JavaScript", "Polls", "Style", "options"}},
    };
    for (const Case& c : cases) {
        AddinWorld world;
        world.settings.saveSetting("NorvelFP", "options", "collections", c.value);
        auto connect = std::make_shared<Connect>(world.runtime());
        connect->IDTExtensibility2_OnConnection();
        EXPECT_EQ(subMenus(world), c.captions) << "collections = \"" << c.value << "\"";
    }
}

TEST(AddinMenuTree, MenusThatAreThereAlreadyAreReused) {
    AddinWorld world;
    auto& bars = world.app.commandBars();
    int editorMenus = bars.menuBar().Controls().Count();
    auto top = addin::FindOrAddTopMenu(bars, "Menu Bar", "Norvel");
    EXPECT_EQ(addin::FindOrAddTopMenu(bars, "Menu Bar", "Norvel"), top);
    EXPECT_EQ(bars.menuBar().Controls().Count(), editorMenus + 1);

    auto polls = addin::FindOrAddSubMenu(bars, "Norvel", "Polls");
    EXPECT_EQ(addin::FindOrAddSubMenu(bars, "Norvel", "Polls"), polls);
    EXPECT_EQ(top->Controls().Count(), 1);
    // Found by its tag: a control that only has the caption is not the add-in's sub-menu.
    top->Controls().Item(1)->SetTag("Polls");
    EXPECT_NE(addin::FindOrAddSubMenu(bars, "Norvel", "Polls"), polls);
    EXPECT_EQ(top->Controls().Count(), 2);
}

// Controls that note which positions are looked at.
class WatchedControls : public host::HostCommandBarControls {
  public:
    using HostCommandBarControls::Item;
    std::shared_ptr<CommandBarControl> Item(int index) override {
        visited.push_back(index);
        return HostCommandBarControls::Item(index);
    }
    std::vector<int> visited;
};

class WatchedPopup : public host::HostCommandBarControl {
  public:
    WatchedPopup() : HostCommandBarControl(common::editor::kControlPopup, true) {}
    common::editor::CommandBarControls& Controls() override { return controls; }
    WatchedControls controls;
};

TEST(AddinMenuTree, MenuTagExistsComparesExactlyAndLooksAtEveryControl) {
    WatchedPopup popup;
    for (const char* caption : {"Slide Show", "Help", "Help "})
        addin::AddMenuButton(popup, caption);

    EXPECT_TRUE(addin::MenuTagExists(popup, "Slide Show NVX"));
    EXPECT_EQ(popup.controls.visited, (std::vector<int>{1, 2, 3}));  // on after the match
    EXPECT_TRUE(addin::MenuTagExists(popup, "Help  NVX"));
    EXPECT_FALSE(addin::MenuTagExists(popup, "help NVX"));
    EXPECT_FALSE(addin::MenuTagExists(popup, "Help"));
}

TEST(AddinMenuTree, HandlersDoNotOutliveTheMenusOrTheConnection) {
    AddinWorld world;
    auto connect = std::make_shared<Connect>(world.runtime());
    connect->IDTExtensibility2_OnConnection();
    world.click({"Norvel", "Style", "Help "});
    ASSERT_EQ(world.help.openCount(), 1u) << world.transcript();

    connect->IDTExtensibility2_OnDisconnection();
    EXPECT_EQ(world.help.openCount(), 0u);  // the help window closes with the add-in
    std::string before = world.transcript();
    for (auto path : std::vector<std::vector<std::string>>{{"Norvel", "JavaScript", "Slide Show"},
                                                           {"Norvel", "JavaScript", "options "},
                                                           {"Norvel", "Polls", "PHP Polls"},
                                                           {"Norvel", "Style", "Help "}})
        world.click(path);
    EXPECT_EQ(world.transcript(), before);

    connect.reset();
    world.click({"Norvel", "options"});
    EXPECT_EQ(world.transcript(), before);
}

}  // namespace
}  // namespace norvel::tests
