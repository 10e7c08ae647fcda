#include "host/headless/menu_path_hint.h"

#include <gtest/gtest.h>

#include "host/editor/command_bars.h"

namespace norvel::host {
namespace {

using common::editor::kControlButton;
using common::editor::kControlPopup;

// The menu bar with "Norvel" > "JavaScript" > "Current Date" and "options " (one trailing
// blank), as the add-in builds them.
class MenuPathHintTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto& menuBar = bars_.Item("Menu Bar");
        auto norvel = menuBar.Controls().Add(kControlPopup, std::nullopt, std::nullopt, 10, true);
        norvel->SetCaption("Norvel");
        auto script =
            norvel->Controls().Add(kControlPopup, std::nullopt, std::nullopt, std::nullopt, true);
        script->SetCaption("JavaScript");
        script->Controls()
            .Add(kControlButton, std::nullopt, std::nullopt, std::nullopt, true)
            ->SetCaption("Current Date");
        script->Controls()
            .Add(kControlButton, std::nullopt, std::nullopt, std::nullopt, true)
            ->SetCaption("options ");
    }

    std::optional<std::string> hint(const std::vector<std::string>& path) {
        return menuPathHint(bars_, path);
    }

    HostCommandBars bars_;
};

TEST_F(MenuPathHintTest, NamesTheEntryThatDiffersOnlyByBlanksOrCase) {
    EXPECT_EQ(hint({"Norvel", "JavaScript", "options"}), "did you mean 'options '?");
    EXPECT_EQ(hint({"Norvel", "JavaScript", "OPTIONS  "}), "did you mean 'options '?");
    EXPECT_EQ(hint({"Norvel", "Java Script", "Current Date"}), "did you mean 'JavaScript'?");
    EXPECT_EQ(hint({"norvel", "javascript", "currentdate"}), "did you mean 'Norvel'?");
    EXPECT_EQ(hint({"Norvel", "JavaScript", "currentdate"}), "did you mean 'Current Date'?");
}

TEST_F(MenuPathHintTest, NoHintForAPathThatExistsOrMissesByMoreThanBlanksAndCase) {
    EXPECT_EQ(hint({"Norvel", "JavaScript", "options "}), std::nullopt);
    EXPECT_EQ(hint({"Norvel", "JavaScript", "Slide Show"}), std::nullopt);
    EXPECT_EQ(hint({"Norvel", "JavaScript", "Current Date", "More"}), std::nullopt);
    EXPECT_EQ(hint({"File", "Nothing"}), std::nullopt);
}

TEST_F(MenuPathHintTest, AMissingTopLevelMenuPointsAtRegistration) {
    auto missing = hint({"Polls", "PHP Polls"});
    ASSERT_TRUE(missing);
    EXPECT_NE(missing->find("no add-in made a menu 'Polls'"), std::string::npos);
    EXPECT_NE(missing->find("norvel register"), std::string::npos);
}

}  // namespace
}  // namespace norvel::host
