// The pages named on norvel-studio's command line: opened one after another in the view
// asked for, each reported once it is drawn there and on the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace norvel::host::qt {
class StudioWindow;
}

namespace norvel::studio {

// Opens `pages` (relative to the web) in turn, each in view mode `viewMode`. After a page is
// drawn and painted, `drawn` gets it, the milliseconds from the start of its opening, and
// whether it opened at all; after the last one, `done` runs. Returns at once: the opening
// runs in the event loop.
void openPagesInTurn(host::qt::StudioWindow& window, std::vector<std::string> pages, int viewMode,
                     std::function<void(const std::string& page, int64_t ms, bool opened)> drawn,
                     std::function<void()> done);

}  // namespace norvel::studio
