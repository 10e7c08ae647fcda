// The two kinds of poll the collection writes, PHP and ASP: which template folder and files
// each uses, and the markup the page gets for it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::poll {

enum class PollKind { php, asp };

struct PollKindFiles {
    std::string templateFolder;           // subfolder of the collection folder: "PHP" or "asp"
    std::string previewLabel;             // "PHP Poll"
    std::vector<std::string> scripts;     // written into the poll folder on every run
    std::string adminStartPage;           // the page that holds the password hash
    std::vector<std::string> adminPages;  // written once, never replaced
};

const PollKindFiles& pollKindFiles(PollKind kind);

// The placeholder the page editor shows for the poll: a box `formWidth` wide naming the poll
// folder.
std::string previewHtml(PollKind kind, const std::string& formWidth, const std::string& pollFolder);

// How a page with that extension (any letter case) includes the poll: a script element for a
// static page, a server-side include for a page of the poll's own server language; nothing
// for any other page. The folder name stays inside its attribute or PHP string whatever it
// holds; an ASP include of a name that no include can carry throws Error 5.
std::optional<std::string> includeCode(PollKind kind, std::string_view pageExtension,
                                       const std::string& pollFolder);

}  // namespace norvel::poll
