// The style sheets of a page: a STYLE element's text or a linked .css file of the web,
// edited through the CSS model and written back, every other byte kept.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/editor/document.h"
#include "host/css/css_style_sheet.h"

namespace norvel::host {

class HostDocument;

class HostStyleSheet : public common::editor::StyleSheet,
                       public std::enable_shared_from_this<HostStyleSheet> {
  public:
    // The `index`th style sheet of the page (in the order of HtmlDocument::styleSources).
    HostStyleSheet(std::shared_ptr<HostDocument> document, int index);

    std::string href() override;
    int rulesLength() override;
    std::shared_ptr<common::editor::CssRule> rule(int index) override;
    void addRule(const std::string& selector, const std::string& declarations, int index) override;

    // Brings the model up to the text now in the page or file (handles taken before a
    // change made elsewhere then fail cleanly rather than write stale text).
    CssStyleSheet& current();

  private:
    void writeBack();
    std::string readText();

    std::shared_ptr<HostDocument> document_;
    int index_;
    bool isLink_ = false;
    std::string href_;
    std::filesystem::path file_;  // a linked sheet's file; empty when outside the web
    CssStyleSheet sheet_;
};

}  // namespace norvel::host
