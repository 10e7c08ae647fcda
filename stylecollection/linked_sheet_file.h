// Where a linked style sheet lies in the open web, found through the editor's web folders:
// the address is read relative to the page's folder (or to the web's root when it starts
// with "/"), as a browser reads it.
#pragma once

#include <memory>
#include <string>

namespace norvel::common::editor {
class Application;
class WebFile;
}  // namespace norvel::common::editor

namespace norvel::style {

// The web file the link `href` of the active page names; none when no web is open, when the
// address leads outside the web (another server, a scheme, above the root) or when no such
// file is there.
std::shared_ptr<common::editor::WebFile> findLinkedSheetFile(common::editor::Application& app,
                                                             const std::string& href);

}  // namespace norvel::style
