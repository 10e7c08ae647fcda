#include "host/editor/help_window.h"

#include <filesystem>
#include <system_error>

namespace norvel::host {

intptr_t HelpWindows::htmlHelp(intptr_t, const std::string& file, int command, intptr_t) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec))
        return 0;  // the engine shows nothing
    if (show_)
        show_(file);
    intptr_t handle = next_++;
    open_.insert(handle);
    if (opened_)
        opened_(handle, file);
    (void)command;
    return handle;
}

void HelpWindows::postClose(intptr_t handle) {
    if (open_.erase(handle) != 0 && closing_)
        closing_(handle);
}

}  // namespace norvel::host
