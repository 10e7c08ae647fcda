// The help window stand-in: shows a help file (headless: one transcript line) and keeps the
// handles of the windows it opened until they are closed.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "common/editor/help_engine.h"

namespace norvel::host {

class HelpWindows : public common::HelpEngine {
  public:
    // `show` displays the file; the headless editor writes `help "PATH"`.
    explicit HelpWindows(std::function<void(const std::string& file)> show)
        : show_(std::move(show)) {}

    intptr_t htmlHelp(intptr_t parentWindow, const std::string& file, int command,
                      intptr_t data) override;
    bool isWindow(intptr_t handle) override { return open_.count(handle) != 0; }
    void postClose(intptr_t handle) override;

    // For a frontend with real windows: `opened` learns each new window's handle and file,
    // `closing` is told when the caller closes one.
    void setWindowHooks(std::function<void(intptr_t handle, const std::string& file)> opened,
                        std::function<void(intptr_t handle)> closing) {
        opened_ = std::move(opened);
        closing_ = std::move(closing);
    }

    // The user closes a help window.
    void closeByUser(intptr_t handle) { open_.erase(handle); }
    size_t openCount() const { return open_.size(); }

  private:
    std::function<void(const std::string&)> show_;
    std::function<void(intptr_t, const std::string&)> opened_;
    std::function<void(intptr_t)> closing_;
    std::set<intptr_t> open_;
    intptr_t next_ = 0x1000;
};

}  // namespace norvel::host
