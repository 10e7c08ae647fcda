#include "common/string_dictionary.h"

#include <gtest/gtest.h>

#include "common/error.h"

namespace norvel::common {
namespace {

using Keys = std::vector<std::string>;

TEST(StringDictionary, KeysKeepInsertionOrderAndSetKeepsPosition) {
    StringDictionary d;
    d.add("dir", "phppollx");
    d.add("T", "P2");
    d.set("clientside", "");
    d.set("dir", "phppollx1");  // existing key: value changes, position stays
    EXPECT_EQ(d.keys(), (Keys{"dir", "T", "clientside"}));
    EXPECT_EQ(d.value("dir"), "phppollx1");
    EXPECT_EQ(d.count(), 3u);
}

TEST(StringDictionary, KeysAreCaseSensitive) {
    StringDictionary d;
    d.add("t", "J3");
    d.add("T", "J2");  // a different key, not a duplicate
    d.add("S-HTML", "new");
    d.add("s-html", "old");
    EXPECT_EQ(d.value("t"), "J3");
    EXPECT_EQ(d.value("T"), "J2");
    EXPECT_FALSE(d.exists("s-HTML"));
    EXPECT_EQ(d.keys(), (Keys{"t", "T", "S-HTML", "s-html"}));
}

TEST(StringDictionary, ItemAccessorAddsMissingKeyEmptyButValueDoesNot) {
    StringDictionary d;
    d.add("a", "1");
    EXPECT_EQ(d.value("missing"), "");
    EXPECT_FALSE(d.exists("missing"));
    EXPECT_EQ(d.item("S-HTML"), "");
    EXPECT_TRUE(d.exists("S-HTML"));
    EXPECT_EQ(d.keys(), (Keys{"a", "S-HTML"}));
    d.item("a") += "2";
    EXPECT_EQ(d.value("a"), "12");
}

TEST(StringDictionary, AddingAnExistingKeyFailsAndChangesNothing) {
    StringDictionary d;
    d.add("_EDIT_OK", "");
    try {
        d.add("_EDIT_OK", "again");
        FAIL() << "add of an existing key must fail";
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), errnum::kKeyAlreadyExists);
    }
    EXPECT_EQ(d.count(), 1u);
    EXPECT_EQ(d.value("_EDIT_OK"), "");
}

TEST(StringDictionary, RemoveKeepsTheOrderOfTheRestAndLookupsStayRight) {
    StringDictionary d;
    for (const char* k : {"a", "b", "c", "d"})
        d.add(k, std::string(k) + "!");
    d.remove("b");
    EXPECT_EQ(d.keys(), (Keys{"a", "c", "d"}));
    // Lookups after a removal must find the shifted entries.
    EXPECT_EQ(d.value("c"), "c!");
    EXPECT_EQ(d.value("d"), "d!");
    d.set("d", "changed");
    EXPECT_EQ(d.entries()[2].value, "changed");
    d.add("b", "back");  // a removed key can come back, at the end
    EXPECT_EQ(d.keys(), (Keys{"a", "c", "d", "b"}));
    EXPECT_THROW(d.remove("zzz"), Error);
    d.removeAll();
    EXPECT_EQ(d.count(), 0u);
    EXPECT_FALSE(d.exists("a"));
}

}  // namespace
}  // namespace norvel::common
