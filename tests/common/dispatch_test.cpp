#include "common/dispatch.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace norvel::common {
namespace {

// A class with the shape of a collection entry: properties set by name, a method with a
// by-reference argument.
class Loader : public Dispatch {
  public:
    Loader() {
        defineProperty(
            "bot", [this] { return Variant(bot); },
            [this](const Variant& v) { bot = v.toObject(); });
        defineProperty(
            "dictAttrs", [this] { return Variant(attrs); },
            [this](const Variant& v) { attrs = v.toDictionary(); });
        defineProperty(
            "realcom", [this] { return Variant(realcom); },
            [this](const Variant& v) { realcom = v.toBool(); });
        defineMethod("LoadFrm", 1, 1, [this](Arguments& args) {
            received = args[0].toString();
            if (attrs)
                attrs->set("_EDIT_OK", "");
            args[0] = Variant(std::string("changed by callee"));
            return Variant();
        });
        defineProperty("Kind", [] { return Variant("insert"); });
    }
    std::string className() const override { return "clsLoad"; }

    DispatchPtr bot;
    DictionaryPtr attrs;
    bool realcom = false;
    std::string received;
};

TEST(Dispatch, MembersAreReachedByNameWhateverTheCase) {
    auto loader = std::make_shared<Loader>();
    auto dictionary = std::make_shared<StringDictionary>();
    loader->put("BOT", Variant(DispatchPtr(loader)));
    loader->put("dictattrs", Variant(dictionary));
    loader->put("RealCom", Variant(true));
    Dispatch::Arguments args{Variant("3")};
    loader->call("loadfrm", args);

    EXPECT_EQ(loader->received, "3");
    EXPECT_TRUE(loader->realcom);
    // The dictionary went by reference: the caller sees what the callee added.
    EXPECT_TRUE(dictionary->exists("_EDIT_OK"));
    // So did the argument.
    EXPECT_EQ(args[0].toString(), "changed by callee");
    EXPECT_EQ(loader->get("kind").toString(), "insert");
    EXPECT_EQ(loader->memberNames(),
              (std::vector<std::string>{"bot", "dictAttrs", "realcom", "LoadFrm", "Kind"}));
}

TEST(Dispatch, UnknownMembersAndWrongCallsAreErrorsNotCrashes) {
    Loader loader;
    try {
        loader.get("NoSuchMember");
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kMemberNotSupported);
        EXPECT_EQ(e.source(), "clsLoad");
        EXPECT_NE(e.description().find("NoSuchMember"), std::string::npos);
    }
    Dispatch::Arguments none;
    try {
        loader.call("LoadFrm", none);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kWrongArgumentCount);
    }
    EXPECT_THROW(loader.put("Kind", Variant("x")), Error);  // read-only
    // A value of the wrong type for an object property is a type mismatch.
    try {
        loader.put("dictAttrs", Variant("not a dictionary"));
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kTypeMismatch);
    }
}

TEST(Variant, ConvertsAsTheOldPlatformDid) {
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant(int32_t{-1}).toBool(), true);
    EXPECT_EQ(Variant("0").toBool(), false);
    EXPECT_EQ(Variant("False").toBool(), false);
    EXPECT_EQ(Variant(2.5).toInt32(), 2);
    EXPECT_EQ(Variant(" 42 ").toInt32(), 42);
    EXPECT_EQ(Variant().toString(), "");
    EXPECT_TRUE(Variant(DictionaryPtr()).isNothing());
    EXPECT_FALSE(Variant().isNothing());
    EXPECT_THROW(Variant("maybe").toBool(), Error);
    EXPECT_THROW(Variant(std::make_shared<StringDictionary>()).toString(), Error);
}

}  // namespace
}  // namespace norvel::common
