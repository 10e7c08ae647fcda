#include "host/editor/host_style_sheet.h"

#include <system_error>

#include "common/atomic_file.h"
#include "common/error.h"
#include "host/editor/host_document.h"

namespace norvel::host {

using common::Error;
namespace errnum = common::errnum;

namespace {

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
    auto sources = document_->page().styleSources();
    const auto& source = sources.at(static_cast<size_t>(index_));
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
    current().addRule(selector, declarations, index);
}

}  // namespace norvel::host
