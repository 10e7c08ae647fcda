// norvelfp.main as the editor uses it for a block: its interface, and Edit turning the
// collection's "_EDIT_OK" into its result.
#include <gtest/gtest.h>

#include "addin/webbot_main.h"
#include "common/error.h"
#include "tests/addin/addin_world.h"

namespace norvel::tests {
namespace {

using common::StringDictionary;
using common::Variant;

std::shared_ptr<StringDictionary> dictionary(
    const std::vector<std::pair<std::string, std::string>>& entries) {
    auto result = std::make_shared<StringDictionary>();
    for (const auto& [key, value] : entries)
        result->add(key, value);
    return result;
}

// What the editor does: create the component by identifier, Load, then Edit.
bool editBlock(AddinWorld& world, const std::shared_ptr<StringDictionary>& dictBot) {
    auto bot = world.components.createObject("norvelfp.main");
    common::Dispatch::Arguments load{Variant(dictBot), Variant(dictionary({})),
                                     Variant(dictionary({}))};
    bot->call("Load", load);
    return bot->call("Edit").toBool();
}

class AddinMain : public ::testing::Test {
  protected:
    AddinMain() {
        host::registerLibraries({NORVELFP_LIBRARY}, world.folder.path() / "components.ini",
                                world.folder.path() / "addins.ini");
    }
    AddinWorld world;
};

TEST_F(AddinMain, OffersItsMembersInInterfaceOrderWithFixedTexts) {
    auto bot = world.components.createObject("norvelfp.main");
    EXPECT_EQ(bot->memberNames(),
              (std::vector<std::string>{"Name", "Kind", "Tag", "Description", "Preview", "Load",
                                        "Expand", "Edit", "LoadForm"}));
    auto texts = [&] {
        std::string all;
        for (const char* member : {"Name", "Kind", "Tag", "Description", "Preview", "Expand"})
            all += std::string(member) + "=" + bot->get(member).toString() + ";";
        return all;
    };
    const std::string expected = "Name=;Kind=insert;Tag=;Description=;Preview=;Expand=;";
    EXPECT_EQ(texts(), expected);
    common::Dispatch::Arguments load{Variant(dictionary({{"t", "J3"}, {"name", "x"}})),
                                     Variant(dictionary({})), Variant(dictionary({}))};
    bot->call("Load", load);
    EXPECT_EQ(texts(), expected);
    EXPECT_EQ(bot->call("Kind").toString(), "insert");
}

TEST_F(AddinMain, EditIsTrueOnlyWhenTheCollectionConfirmedAndTheMarkerIsRemoved) {
    auto confirmed = dictionary({{"t", "J4"}, {"fake-confirm", "1"}, {"keep", "me"}});
    EXPECT_TRUE(editBlock(world, confirmed));
    EXPECT_EQ(confirmed->keys(),
              (std::vector<std::string>{"t", "fake-confirm", "keep", "fake-edited"}));
    EXPECT_EQ(confirmed->value("fake-edited"), "yes");

    auto cancelled = dictionary({{"t", "S1"}, {"keep", "me"}});
    EXPECT_FALSE(editBlock(world, cancelled));
    EXPECT_EQ(cancelled->keys(), (std::vector<std::string>{"t", "keep"}));

    // Confirmed, then failing: the error is shown here, and the change still counts.
    auto failed = dictionary({{"t", "P1"}, {"fake-confirm", "1"}, {"fake-fail", "1"}});
    EXPECT_TRUE(editBlock(world, failed));
    EXPECT_FALSE(failed->exists("_EDIT_OK"));

    EXPECT_EQ(world.transcript(),
              "msgbox info \"norveljsc\" \"LoadFrm(4) bot=main realcom=True dictAttrs={t: J4; "
              "fake-confirm: 1; keep: me}\" -> ok\n"
              "msgbox info \"norvelsc\" \"LoadFrm(1) bot=main realcom=True dictAttrs={t: S1; "
              "keep: me}\" -> ok\n"
              "msgbox info \"norvelpc\" \"LoadFrm(1) bot=main realcom=True dictAttrs={t: P1; "
              "fake-confirm: 1; fake-fail: 1}\" -> ok\n"
              "msgbox critical \"NorvelFP Error\" \"An error occured in NorvelFP addin:\\r\\n"
              "Source: norvelpc\\r\\ndescription: File not found\" -> ok\n");
}

}  // namespace
}  // namespace norvel::tests
