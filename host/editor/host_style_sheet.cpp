#include "host/editor/host_style_sheet.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <system_error>

#include "common/ascii_text.h"
#include "common/atomic_file.h"
#include "common/error.h"
#include "host/editor/host_document.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

namespace {

// Text written into a STYLE element must not hold its end tag: "</style" followed by a blank,
// '/' or '>' would end the element there and turn the rest of the sheet into markup. Pieces of
// text (a value, a selector) are refused for any "</style", as anything may follow them.
bool holdsStyleEndTag(std::string_view text, bool piece) {
    for (size_t pos = text.find("</"); pos != std::string_view::npos;
         pos = text.find("</", pos + 2)) {
        std::string_view name = text.substr(pos + 2, 5);
        bool style = common::equalsIgnoreCase(name, "style");
        if (!style)
            continue;
        if (piece)
            return true;
        // At the very end the element's own "</style>" follows it: that makes no end tag.
        if (pos + 7 >= text.size())
            return false;
        char after = text[pos + 7];
        if (std::string_view(" \t\n\r\f/>").find(after) != std::string_view::npos)
            return true;
    }
    return false;
}

void refuseStyleEndTag(std::string_view text, bool piece = true) {
    if (holdsStyleEndTag(text, piece))
        throw Error(errnum::kInvalidCall, "norvel",
                    "Invalid procedure call or argument: a STYLE element's text cannot hold "
                    "\"</style\"");
}

class HostCssStyle : public common::editor::CssStyle {
  public:
    HostCssStyle(std::shared_ptr<HostStyleSheet> sheet, CssStyleDeclaration style)
        : sheet_(std::move(sheet)), style_(std::move(style)) {}
    std::optional<std::string> getAttribute(const std::string& name) override {
        sheet_->current();
        return style_.getAttribute(name);
    }
    void setAttribute(const std::string& name, const std::string& value) override {
        sheet_->current();
        if (sheet_->href().empty())
            refuseStyleEndTag(value);
        style_.setAttribute(name, value);
    }
    void removeAttribute(const std::string& name) override {
        sheet_->current();
        style_.removeAttribute(name);
    }

  private:
    std::shared_ptr<HostStyleSheet> sheet_;
    CssStyleDeclaration style_;
};

class HostCssRule : public common::editor::CssRule {
  public:
    HostCssRule(std::shared_ptr<HostStyleSheet> sheet, CssStyleRule rule)
        : sheet_(std::move(sheet)), rule_(std::move(rule)) {}
    std::string selectorText() override {
        sheet_->current();
        return rule_.selectorText();
    }
    std::shared_ptr<common::editor::CssStyle> style() override {
        sheet_->current();
        return std::make_shared<HostCssStyle>(sheet_, rule_.style());
    }

  private:
    std::shared_ptr<HostStyleSheet> sheet_;
    CssStyleRule rule_;
};

}  // namespace

HostStyleSheet::HostStyleSheet(std::shared_ptr<HostDocument> document, int index)
    : document_(std::move(document)), index_(index) {
    auto sources = document_->page().styleSources();
    const auto& source = sources.at(static_cast<size_t>(index_));
    isLink_ = source.isLink;
    href_ = source.href;
    if (isLink_)
        file_ = document_->linkedSheetPath(href_);
    sheet_ = CssStyleSheet(readText());
    sheet_.setChangeListener([this] { writeBack(); });
}

std::string HostStyleSheet::readText() {
    if (isLink_) {
        std::error_code ec;
        if (file_.empty() || !std::filesystem::is_regular_file(file_, ec))
            return std::string();
        return common::readFileBytes(file_);
    }
    auto sources = document_->page().styleSources();
    if (static_cast<size_t>(index_) >= sources.size() ||
        sources[static_cast<size_t>(index_)].isLink)
        throw Error(errnum::kObjectNotSet, "norvel", "This style sheet is no longer in the page");
    const auto& source = sources[static_cast<size_t>(index_)];
    return document_->page().html().substr(source.textBegin, source.textEnd - source.textBegin);
}

CssStyleSheet& HostStyleSheet::current() {
    std::string text = readText();
    if (text != sheet_.text())
        sheet_.setText(std::move(text));
    return sheet_;
}

void HostStyleSheet::writeBack() {
    if (isLink_) {
        if (file_.empty())
            throw Error(errnum::kPermissionDenied, "norvel",
                        "Permission denied: the style sheet '" + href_ + "' is not in the web");
        std::error_code ec;
        std::filesystem::create_directories(file_.parent_path(), ec);
        common::writeFileAtomically(file_, sheet_.text());
        return;
    }
    // The arguments were checked; this also catches an end tag made of old and new text.
    refuseStyleEndTag(sheet_.text(), false);
    auto sources = document_->page().styleSources();
    if (static_cast<size_t>(index_) >= sources.size() ||
        sources[static_cast<size_t>(index_)].isLink)
        throw Error(errnum::kObjectNotSet, "norvel", "This style sheet is no longer in the page");
    const auto& source = sources[static_cast<size_t>(index_)];
    document_->replaceRange(source.textBegin, source.textEnd, sheet_.text());
}

std::string HostStyleSheet::href() {
    return isLink_ ? href_ : std::string();
}

int HostStyleSheet::rulesLength() {
    return static_cast<int>(current().ruleCount());
}

std::shared_ptr<common::editor::CssRule> HostStyleSheet::rule(int index) {
    CssStyleSheet& sheet = current();
    if (index < 0 || static_cast<size_t>(index) >= sheet.ruleCount())
        throw Error(errnum::kSubscriptOutOfRange, "norvel",
                    "Subscript out of range: the style sheet has no rule " + std::to_string(index));
    return std::make_shared<HostCssRule>(shared_from_this(),
                                         sheet.rule(static_cast<size_t>(index)));
}

void HostStyleSheet::addRule(const std::string& selector, const std::string& declarations,
                             int index) {
    CssStyleSheet& sheet = current();
    if (!isLink_) {
        refuseStyleEndTag(selector);
        refuseStyleEndTag(declarations);
    }
    sheet.addRule(selector, declarations, index);
}

}  // namespace norvel::host
