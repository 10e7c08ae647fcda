// The poll collection's entry as the add-in reaches it: created by identifier from the real
// library and driven by member name.
#include "common/dispatch.h"
#include "common/error.h"
#include "host/components/registration.h"
#include "host/session/script_parser.h"
#include "tests/pollcollection/poll_web_fixture.h"

namespace norvel::poll {
namespace {

using common::Variant;

class PollLoader : public PollWebFixture {
  protected:
    std::shared_ptr<common::Dispatch> newLoader(common::DictionaryPtr attributes, bool edit) {
        auto loader = components.createObject("norvelpc.clsLoad");
        loader->put("bot", Variant(loader));  // stands for the add-in's main object
        loader->put("dictAttrs", Variant(attributes));
        loader->put("realcom", Variant(edit));
        return loader;
    }
};

TEST_F(PollLoader, TheLibraryMakesOnlyTheLoader) {
    auto report = host::registerLibraries({NORVEL_POLL_LIBRARY}, config.path() / "again.ini",
                                          config.path() / "addins-again.ini");
    EXPECT_EQ(report.identifiers, std::vector<std::string>{"norvelpc.clsLoad"});
    EXPECT_TRUE(report.addins.empty());
    auto loader = components.createObject("norvelpc.clsLoad");
    std::vector<std::string> members = loader->memberNames();
    EXPECT_EQ(members, (std::vector<std::string>{"bot", "dictAttrs", "realcom", "PAddin", "Editor",
                                                 "LoadFrm"}));
}

TEST_F(PollLoader, AnUnknownItemIsToldAndOpensNothing) {
    auto attributes = std::make_shared<common::StringDictionary>();
    attributes->set("t", "P9");
    for (const char* item : {"3", "", " 1", "2 ", "P2"}) {
        auto loader = newLoader(attributes, true);
        common::Dispatch::Arguments args{Variant(item)};
        EXPECT_TRUE(loader->call("LoadFrm", args).isEmpty());
        EXPECT_EQ(ui.lastMessage(), "Can't Locate Form") << item;
        EXPECT_EQ(args[0].toString(), item);
    }
    EXPECT_EQ(attributes->count(), 1u);
    EXPECT_EQ(ui.openForms().size(), 0u);
}

TEST_F(PollLoader, EachItemOpensItsEditorAndCancelWritesNothing) {
    const char* captions[] = {"Norvel Poll Collection - ASP", "Norvel Poll Collection - PHP"};
    for (int item = 1; item <= 2; ++item) {
        cursor = host::SessionCursor(host::parseSessionScript(
            std::string("expect form \"") + captions[item - 1] + "\"\nclick cmdCancel\n"));
        auto attributes = std::make_shared<common::StringDictionary>();
        auto loader = newLoader(attributes, false);
        common::Dispatch::Arguments args{Variant(std::to_string(item))};
        EXPECT_TRUE(loader->call("LoadFrm", args).isEmpty());
        EXPECT_TRUE(cursor.atEnd());
        EXPECT_EQ(attributes->count(), 0u);
        EXPECT_EQ(ui.openForms().size(), 0u);
    }
    EXPECT_EQ(messages(),
              "form \"Norvel Poll Collection - ASP\" shown\n"
              "form \"Norvel Poll Collection - ASP\" closed\n"
              "form \"Norvel Poll Collection - PHP\" shown\n"
              "form \"Norvel Poll Collection - PHP\" closed\n");
}

TEST_F(PollLoader, AFailureWhileTheEditorOpensIsShownAndLoadFrmReturns) {
    // Editing a poll with no page open: its folder cannot be looked up.
    auto attributes = std::make_shared<common::StringDictionary>();
    attributes->set("dir", "phppollx");
    auto loader = newLoader(attributes, true);
    common::Dispatch::Arguments args{Variant("2")};
    EXPECT_TRUE(loader->call("LoadFrm", args).isEmpty());
    EXPECT_NE(messages().find("error \"NorvelFP\" \"Function FolderExistInPoll in norvelpc\" 91"),
              std::string::npos)
        << messages();
    EXPECT_FALSE(attributes->exists("_EDIT_OK"));
    EXPECT_EQ(ui.openForms().size(), 0u);
}

TEST_F(PollLoader, TheGeneratorWorksOnTheCallersDictionary) {
    cursor = host::SessionCursor(host::parseSessionScript("click cmdCancel\n"));
    auto attributes = std::make_shared<common::StringDictionary>();
    auto loader = newLoader(attributes, false);
    common::Dispatch::Arguments args{Variant("2")};
    loader->call("LoadFrm", args);
    auto generator = loader->get("PAddin").toObject();
    ASSERT_NE(generator, nullptr);
    EXPECT_EQ(generator->className(), "clsP");
    EXPECT_EQ(generator->get("AddinDic").toDictionary(), attributes);
    EXPECT_FALSE(generator->get("realcom").toBool());
    EXPECT_TRUE(generator->get("BotStr").toBool());
}

TEST_F(PollLoader, WithoutAttributesTheLoaderMakesAnEmptyDictionary) {
    auto loader = newLoader(nullptr, false);
    auto attributes = loader->get("dictAttrs").toDictionary();
    ASSERT_NE(attributes, nullptr);
    EXPECT_EQ(attributes->count(), 0u);
    EXPECT_EQ(loader->get("dictAttrs").toDictionary(), attributes);
}

}  // namespace
}  // namespace norvel::poll
