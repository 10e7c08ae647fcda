// Finding files of a web by their path relative to the web's root ("shop/index.htm").
#pragma once

#include <memory>
#include <string>

#include "common/editor/web.h"

namespace norvel::host {

// The file at `pagePath`; Error 53 when there is none, Error 5 for a path that would leave
// the web.
std::shared_ptr<common::editor::WebFile> resolveWebFile(common::editor::Web& web,
                                                        const std::string& pagePath);

// The folder at `folderPath` ("" for the root), created (with its parents) when `create`.
std::shared_ptr<common::editor::WebFolder> resolveWebFolder(common::editor::Web& web,
                                                            const std::string& folderPath,
                                                            bool create);

}  // namespace norvel::host
