#include "common/ini_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/atomic_file.h"
#include "common/error.h"
#include "tests/support/temporary_folder.h"

namespace norvel::common {
namespace {

namespace fs = std::filesystem;

class SettingsStore : public ::testing::Test {
  protected:
    IniSettingsStore makeStore() {
        return IniSettingsStore(
            file_, [this](const std::string& problem) { reports_.push_back(problem); });
    }
    std::vector<fs::path> damagedCopies() const {
        std::vector<fs::path> copies;
        for (const auto& entry : fs::directory_iterator(folder_.path()))
            if (entry.path().filename().string().starts_with("settings.ini.damaged-"))
                copies.push_back(entry.path());
        std::sort(copies.begin(), copies.end());
        return copies;
    }

    tests::TemporaryFolder folder_;
    fs::path file_ = folder_.path() / "settings.ini";
    std::vector<std::string> reports_;
};

TEST_F(SettingsStore, DefaultWhenNothingIsStored) {
    IniSettingsStore store = makeStore();
    EXPECT_EQ(store.getSetting("NorvelFP", "options", "Colour", "FF0000"), "FF0000");
    store.saveSetting("NorvelFP", "options", "Size", "3");
    EXPECT_EQ(store.getSetting("NorvelFP", "options", "Colour", "FF0000"), "FF0000");
    EXPECT_EQ(store.getSetting("NorvelPC", "options", "Size", "none"), "none");
    EXPECT_TRUE(reports_.empty());
}

TEST_F(SettingsStore, SavedValuesReadBackFromAFileInTheExpectedShape) {
    file_ = folder_.path() / "new" / "folder" / "settings.ini";
    IniSettingsStore store = makeStore();
    store.saveSetting("NorvelFP", "options", "Colour", "00FF00");
    store.saveSetting("NorvelFP", "options", "Note", " spaced = \"odd\" ;\n");
    store.saveSetting("NorvelFP", "options", "Colour", "0000FF");
    EXPECT_EQ(store.getSetting("NorvelFP", "options", "Colour", ""), "0000FF");
    EXPECT_EQ(store.getSetting("NorvelFP", "options", "Note", ""), " spaced = \"odd\" ;\n");
    EXPECT_EQ(readFileBytes(file_),
              "[NorvelFP\\options]\nColour=0000FF\nNote=\" spaced = \\\"odd\\\" ;\\n\"\n");
    EXPECT_EQ(fs::status(file_).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(SettingsStore, NamesIgnoreCase) {
    IniSettingsStore store = makeStore();
    store.saveSetting("NorvelFP", "Options", "Colour", "1");
    store.saveSetting("norvelfp", "options", "COLOUR", "2");
    EXPECT_EQ(store.getSetting("NORVELFP", "OPTIONS", "colour", ""), "2");
    EXPECT_EQ(readFileBytes(file_), "[NorvelFP\\Options]\nColour=2\n");
}

TEST_F(SettingsStore, TwoStoresOnOneFileSeeEachOthersSaves) {
    IniSettingsStore first = makeStore();
    IniSettingsStore second = makeStore();
    EXPECT_EQ(second.getSetting("App", "S", "k", "default"), "default");
    first.saveSetting("App", "S", "k", "from first");
    EXPECT_EQ(second.getSetting("App", "S", "k", "default"), "from first");
    second.saveSetting("App", "S", "other", "from second");
    EXPECT_EQ(first.getSetting("App", "S", "other", ""), "from second");
    EXPECT_EQ(first.getSetting("App", "S", "k", ""), "from first");
}

TEST_F(SettingsStore, DamagedFileIsSetAsideIntactAndReportedOnce) {
    const std::string damaged = "[App\\S]\nk=v\nthis line is rubbish\n";
    writeFileAtomically(file_, damaged);
    IniSettingsStore store = makeStore();
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
    EXPECT_FALSE(fs::exists(file_));
    std::vector<fs::path> copies = damagedCopies();
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(readFileBytes(copies[0]), damaged);

    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(file_.string()), std::string::npos) << reports_[0];
    EXPECT_NE(reports_[0].find("line 3"), std::string::npos) << reports_[0];
    EXPECT_NE(reports_[0].find("not a section"), std::string::npos) << reports_[0];
    EXPECT_NE(reports_[0].find(copies[0].string()), std::string::npos) << reports_[0];

    store.saveSetting("App", "S", "k", "fresh");
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "fresh");

    // Damaged again within the same second: the earlier copy is kept, not overwritten.
    writeFileAtomically(file_, "[x]\nbad\\escape\n");
    IniSettingsStore another = makeStore();
    another.saveSetting("App", "S", "k", "after second damage");
    EXPECT_EQ(another.getSetting("App", "S", "k", ""), "after second damage");
    copies = damagedCopies();
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(readFileBytes(copies[0]), damaged);
    EXPECT_EQ(readFileBytes(copies[1]), "[x]\nbad\\escape\n");
    EXPECT_EQ(reports_.size(), 2u);  // once for each store object
}

TEST_F(SettingsStore, UnreadableFileIsReportedOnceAndLeftInPlace) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads files whatever their permissions";
    writeFileAtomically(file_, "[App\\S]\nk=stored\n");
    fs::permissions(file_, fs::perms::none);
    IniSettingsStore store = makeStore();
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(file_.string()), std::string::npos) << reports_[0];
    try {
        store.saveSetting("App", "S", "k", "new");
        ADD_FAILURE() << "a save over an unreadable file succeeded";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), errnum::kPathFileAccess);
    }
    fs::permissions(file_, fs::perms::owner_read);
    EXPECT_EQ(readFileBytes(file_), "[App\\S]\nk=stored\n");
    EXPECT_TRUE(damagedCopies().empty());
}

// Unlike permissions, a folder in the file's place stops root too, so this runs everywhere.
TEST_F(SettingsStore, FolderInPlaceOfTheFileGivesDefaultsAndSaveErrors) {
    fs::create_directory(file_);
    IniSettingsStore store = makeStore();
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find(file_.string()), std::string::npos) << reports_[0];
    try {
        store.saveSetting("App", "S", "k", "new");
        ADD_FAILURE() << "a save over a folder succeeded";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), errnum::kPathFileAccess);
        EXPECT_EQ(error.source(), "settings_tests");  // the module whose shared code raised it
        EXPECT_NE(error.description().find("App\\S\\k"), std::string::npos) << error.description();
    }
    EXPECT_TRUE(fs::is_directory(file_));
    EXPECT_TRUE(damagedCopies().empty());
}

TEST_F(SettingsStore, SaveThatCannotCreateTheFolderThrows75) {
    writeFileAtomically(folder_.path() / "plain", "a file, not a folder");
    file_ = folder_.path() / "plain" / "settings.ini";
    IniSettingsStore store = makeStore();
    try {
        store.saveSetting("App", "S", "k", "v");
        ADD_FAILURE() << "the save succeeded";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), errnum::kPathFileAccess);
        EXPECT_EQ(error.source(), "settings_tests");  // the module whose shared code raised it
        EXPECT_NE(error.description().find("cannot be saved"), std::string::npos);
    }
    EXPECT_EQ(store.getSetting("App", "S", "k", "default"), "default");
}

TEST_F(SettingsStore, ConcurrentSavesFromTwoProcessesLoseNothing) {
    constexpr int kKeysPerProcess = 150;
    auto saveMany = [this](const std::string& prefix) {
        try {
            IniSettingsStore store(file_, nullptr);
            for (int i = 0; i < kKeysPerProcess; ++i)
                store.saveSetting("App", "S", prefix + std::to_string(i), std::to_string(i));
            ::_exit(0);
        } catch (...) {
            ::_exit(1);
        }
    };
    pid_t children[2];
    for (int i = 0; i < 2; ++i) {
        children[i] = ::fork();
        ASSERT_GE(children[i], 0);
        if (children[i] == 0)
            saveMany(i == 0 ? "first" : "second");
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    IniSettingsStore store = makeStore();
    int missing = 0;
    for (const std::string prefix : {"first", "second"})
        for (int i = 0; i < kKeysPerProcess; ++i)
            missing += store.getSetting("App", "S", prefix + std::to_string(i), "lost") == "lost";
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(reports_.empty());
}

}  // namespace
}  // namespace norvel::common
