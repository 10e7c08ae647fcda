#pragma once

#include <string>

#include "common/forms/control.h"

namespace norvel::common::forms {

// An embedded browser: the model keeps the address it was sent to; renderers show it.
class WebBrowser : public Control {
  public:
    WebBrowser() : Control(ControlKind::WebBrowser) {}
    const std::string& locationUrl() const { return location_; }
    void navigate(std::string url) {
        location_ = std::move(url);
        ++navigations_;
        notify(ControlProperty::Location);
    }
    // How often it navigated, so a renderer (and a test) can tell a reload of the same page.
    int navigationCount() const { return navigations_; }

  private:
    std::string location_;
    int navigations_ = 0;
};

}  // namespace norvel::common::forms
