#include "common/config_folder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "common/error.h"
#include "common/ini_settings_store.h"

namespace norvel::common {
namespace {

// Sets or clears an environment variable for one test and restores it afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = ::getenv(name))
            old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~ScopedVariable() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsConfigFolder, ChoosesTheFirstUsableVariable) {
    ScopedVariable own("NORVEL_CONFIG_HOME", "/own/place");
    ScopedVariable xdg("XDG_CONFIG_HOME", "/xdg");
    ScopedVariable home("HOME", "/home/someone");
    EXPECT_EQ(configFolder(), "/own/place");
    EXPECT_EQ(IniSettingsStore::defaultFile(), "/own/place/settings.ini");

    ::setenv("NORVEL_CONFIG_HOME", "", 1);
    EXPECT_EQ(configFolder(), "/xdg/norvel");

    ::setenv("XDG_CONFIG_HOME", "relative/xdg", 1);  // not absolute: ignored
    EXPECT_EQ(configFolder(), "/home/someone/.config/norvel");
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(configFolder(), "/home/someone/.config/norvel");
}

TEST(SettingsConfigFolder, NoVariableIsAnError) {
    ScopedVariable own("NORVEL_CONFIG_HOME", nullptr);
    ScopedVariable xdg("XDG_CONFIG_HOME", nullptr);
    ScopedVariable home("HOME", "");
    try {
        configFolder();
        ADD_FAILURE() << "a folder was found without any variable";
    } catch (const Error& error) {
        EXPECT_EQ(error.number(), errnum::kPathNotFound);
    }
}

}  // namespace
}  // namespace norvel::common
