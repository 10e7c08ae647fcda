// A web folder with a generated PHP poll, as the generator leaves it: the poll folder
// "phppollx" beside a static page index.htm (which includes vote_js.php) and a PHP page
// page.php (which includes vote.php), every template filled from realistic form values.
#pragma once

#include <filesystem>
#include <string>

#include "common/string_dictionary.h"

namespace norvel::tests {

inline constexpr const char* kPollFolder = "phppollx";
inline constexpr const char* kAdminPassword = "Correct horse 42!";

struct PollSetup {
    std::string qa = "Which colour do you like?||Red||0||Green & blue||0||<None>||0";
    std::string returnFlag = "0";              // "1": results replace the voting form
    std::string target = "target=\"_blank\"";  // or empty: results in the same window
    std::string cookieDays = "30";
    std::string txthistory = "Best pet?||Cat||3||Dog||1\r\nBest day?||Monday||0||Friday||9";
    std::string password = kAdminPassword;
};

// The form values the editor panes would write for such a poll, with the password hashes.
common::StringDictionary pollFormValues(const PollSetup& setup);

// Fills every template of templates/poll/PHP into webRoot/phppollx and writes the two pages.
// Throws when a template names a key that `values` lacks.
void writePhpPollWeb(const std::filesystem::path& webRoot, const common::StringDictionary& values);

}  // namespace norvel::tests
