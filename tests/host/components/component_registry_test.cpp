// Creating objects by identifier through real shared libraries, and registering them.
#include <gtest/gtest.h>

#include "common/atomic_file.h"
#include "common/error.h"
#include "common/ini_file.h"
#include "host/components/component_registry.h"
#include "host/components/registration.h"
#include "tests/support/temporary_folder.h"

namespace norvel::host {
namespace {

using common::Error;
namespace errnum = common::errnum;

class ComponentTest : public ::testing::Test {
  protected:
    std::filesystem::path registry() const { return folder.path() / "components.ini"; }
    std::filesystem::path addins() const { return folder.path() / "addins.ini"; }
    RegistrationReport registerTestLibrary() {
        return registerLibraries({NORVEL_TEST_LIBRARY}, registry(), addins());
    }
    // The error number and description of creating `identifier`, which must fail.
    Error creationError(std::string_view identifier) {
        ComponentRegistry components(registry());
        try {
            components.createObject(identifier);
        } catch (const Error& e) {
            return e;
        }
        ADD_FAILURE() << "creating " << identifier << " should fail";
        return Error(0, "", "");
    }

    tests::TemporaryFolder folder;
};

TEST_F(ComponentTest, RegisteredClassIsCreatedByIdentifierAndCalledByName) {
    RegistrationReport report = registerTestLibrary();
    EXPECT_EQ(report.identifiers,
              (std::vector<std::string>{"norveltest.clsEcho", "norveltest.clsBroken",
                                        "norveltest.clsBlockEditor"}));

    ComponentRegistry components(registry());
    auto echo = components.createObject("norveltest.clsEcho");
    ASSERT_NE(echo, nullptr);
    echo->put("text", common::Variant("hello"));
    EXPECT_EQ(echo->get("TEXT").toString(), "hello");
    common::Dispatch::Arguments args{common::Variant("ab")};
    EXPECT_EQ(echo->call("Twice", args).toString(), "ab");
    EXPECT_EQ(args[0].toString(), "abab");  // by reference
    // Identifiers compare as the registry did, without regard to case.
    EXPECT_NE(components.createObject("NorvelTest.CLSECHO"), nullptr);
}

TEST_F(ComponentTest, TheRuntimeReachesCreatedObjects) {
    registerTestLibrary();
    ComponentRegistry components(registry());
    EXPECT_FALSE(components.createObject("norveltest.clsEcho")->get("HasUi").toBool());
    common::Runtime runtime;
    runtime.ui = reinterpret_cast<common::Ui*>(0x1);  // only its presence is looked at
    components.setRuntime(runtime);
    EXPECT_TRUE(components.createObject("norveltest.clsEcho")->get("HasUi").toBool());
    EXPECT_EQ(components.runtime().components, &components);
}

TEST_F(ComponentTest, AnIdentifierThatIsNotRegisteredIsAnError) {
    registerTestLibrary();
    Error e = creationError("norvelpc.clsLoad");
    EXPECT_EQ(e.number(), errnum::kCannotCreateObject);
    EXPECT_NE(e.description().find("'norvelpc.clsLoad' is not registered"), std::string::npos);
    // With no registry file at all, and with a malformed identifier.
    std::filesystem::remove(registry());
    EXPECT_EQ(creationError("norveltest.clsEcho").number(), errnum::kCannotCreateObject);
    EXPECT_EQ(creationError("noDot").number(), errnum::kCannotCreateObject);
}

TEST_F(ComponentTest, ALibraryThatWillNotLoadIsAnError) {
    // A registry entry pointing at a missing file, at a file that is no library, and at a
    // library without the entry points.
    std::filesystem::path junk = folder.path() / "libjunk.so";
    common::writeFileAtomically(junk, "this is not an ELF file");
    common::IniFile ini;
    ini.setValue("components", "gone.clsLoad", (folder.path() / "libgone.so").string());
    ini.setValue("components", "junk.clsLoad", junk.string());
    ini.setValue("components", "plain.clsLoad", NORVEL_NOT_A_COMPONENT);
    common::writeFileAtomically(registry(), ini.serialize());

    for (const char* id : {"gone.clsLoad", "junk.clsLoad", "plain.clsLoad"}) {
        Error e = creationError(id);
        EXPECT_EQ(e.number(), errnum::kLoadingLibrary) << id;
        EXPECT_NE(e.description().find("Error in loading DLL"), std::string::npos) << id;
    }
    EXPECT_NE(creationError("plain.clsLoad").description().find("not a Norvel component library"),
              std::string::npos);
    // Registering such a library fails and writes nothing.
    EXPECT_THROW(registerLibraries({NORVEL_NOT_A_COMPONENT}, folder.path() / "r.ini",
                                   folder.path() / "a.ini"),
                 Error);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "r.ini"));
}

TEST_F(ComponentTest, AClassTheLibraryDoesNotMakeIsAnError) {
    registerTestLibrary();
    common::IniFile ini = common::IniFile::parse(common::readFileBytes(registry()));
    ini.setValue("components", "norveltest.clsMissing", NORVEL_TEST_LIBRARY);
    common::writeFileAtomically(registry(), ini.serialize());
    Error e = creationError("norveltest.clsMissing");
    EXPECT_EQ(e.number(), errnum::kCannotCreateObject);
    EXPECT_NE(e.description().find("has no class 'clsMissing'"), std::string::npos);
}

TEST_F(ComponentTest, ExceptionsInsideALibraryComeOutAsErrorsOfThatLibrary) {
    registerTestLibrary();
    Error e = creationError("norveltest.clsBroken");
    EXPECT_EQ(e.source(), "norveltest");
    EXPECT_EQ(e.description(), "cannot construct clsBroken");

    ComponentRegistry components(registry());
    auto echo = components.createObject("norveltest.clsEcho");
    try {
        echo->call("Fail");
        FAIL();
    } catch (const Error& error) {
        EXPECT_EQ(error.source(), "norveltest");
        EXPECT_EQ(error.number(), errnum::kInternal);
        EXPECT_EQ(error.description(), "index 7 out of range");
    }
}

TEST_F(ComponentTest, RegistrationEntersAddinsAndKeepsOtherEntries) {
    common::IniFile existing;
    existing.setValue("other.Connect", "FriendlyName", "Someone else");
    existing.setValue("other.Connect", "LoadBehavior", "2");
    common::writeFileAtomically(addins(), existing.serialize());

    RegistrationReport report = registerTestLibrary();
    EXPECT_EQ(report.addins, std::vector<std::string>{"norveltest.clsEcho"});
    std::vector<AddinListEntry> list = readAddinList(addins());
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].identifier, "other.Connect");
    EXPECT_EQ(list[0].loadBehavior, 2);
    EXPECT_EQ(list[1].identifier, "norveltest.clsEcho");
    EXPECT_EQ(list[1].friendlyName, "Test Addin");
    EXPECT_EQ(list[1].description, "An add-in for tests");
    EXPECT_EQ(list[1].loadBehavior, 3);
    // Registering again changes nothing.
    registerTestLibrary();
    EXPECT_EQ(readAddinList(addins()).size(), 2u);
}

}  // namespace
}  // namespace norvel::host
