// The help engine of the platform: opens a help file in its own window and lets its caller
// close that window again.
#pragma once

#include <cstdint>
#include <string>

namespace norvel::common {

class HelpEngine {
  public:
    static constexpr int kDisplayToc = 1;
    static constexpr int kDisplayIndex = 2;
    static constexpr int kDisplaySearch = 3;
    static constexpr int kHelpContext = 15;

    virtual ~HelpEngine() = default;
    // Shows `file` (command as above, `data` its argument); the help window's handle, or 0
    // when it could not be shown.
    virtual intptr_t htmlHelp(intptr_t parentWindow, const std::string& file, int command,
                              intptr_t data) = 0;
    virtual bool isWindow(intptr_t handle) = 0;
    // Asks the window to close (the close message).
    virtual void postClose(intptr_t handle) = 0;
};

}  // namespace norvel::common
