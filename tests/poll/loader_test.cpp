// The poll collection's entry as the add-in reaches it: created by identifier from the real
// library and driven by member name.
#include "common/dispatch.h"
#include "common/error.h"
#include "host/components/registration.h"
#include "tests/poll/poll_web_fixture.h"

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

TEST_F(PollLoader, ThePollItemsSayPlainlyThatTheEditorIsMissing) {
    for (const char* item : {"1", "2"}) {
        auto loader = newLoader(nullptr, false);
        common::Dispatch::Arguments args{Variant(item)};
        common::Error error = errorOf([&] { loader->call("LoadFrm", args); });
        EXPECT_EQ(error.number(), common::errnum::kCannotCreateObject);
        EXPECT_NE(error.description().find("poll editor is not available"), std::string::npos);
        EXPECT_EQ(error.source(), "norvelpc");
    }
}

TEST_F(PollLoader, TheGeneratorWorksOnTheCallersDictionary) {
    auto attributes = std::make_shared<common::StringDictionary>();
    auto loader = newLoader(attributes, true);
    common::Dispatch::Arguments args{Variant("2")};
    errorOf([&] { loader->call("LoadFrm", args); });
    auto generator = loader->get("PAddin").toObject();
    ASSERT_NE(generator, nullptr);
    EXPECT_EQ(generator->className(), "clsP");
    EXPECT_EQ(generator->get("AddinDic").toDictionary(), attributes);
    EXPECT_TRUE(generator->get("realcom").toBool());
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
