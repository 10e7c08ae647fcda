// CssStyleRule and CssStyleDeclaration: handles that find their rule by id on every call.
#include <algorithm>

#include "common/ascii_text.h"
#include "host/css/css_input_check.h"
#include "host/css/css_sheet_state.h"
#include "host/css/css_style_sheet.h"

namespace norvel::host {

namespace {

// `key` is already lower case (see cssPropertyKey); the name is compared ignoring ASCII case.
bool declares(const CssDeclarationSpan& declaration, const std::string& key) {
    return common::equalsIgnoreCase(declaration.name, key);
}

std::optional<std::string> lastValueOf(const CssSheetState& sheet, const CssRuleSpan& rule,
                                       const std::string& key) {
    auto& declarations = rule.declarations;
    auto last = std::find_if(declarations.rbegin(), declarations.rend(),
                             [&](const CssDeclarationSpan& d) { return declares(d, key); });
    if (last == declarations.rend())
        return std::nullopt;
    return sheet.text().substr(last->valueBegin, last->valueEnd - last->valueBegin);
}

}  // namespace

CssStyleRule::CssStyleRule(std::shared_ptr<CssSheetState> sheet, uint64_t ruleId)
    : sheet_(std::move(sheet)), ruleId_(ruleId) {}

std::string CssStyleRule::selectorText() const {
    const CssRuleSpan& rule = sheet_->rule(ruleId_);
    return sheet_->text().substr(rule.begin, rule.selectorEnd - rule.begin);
}

CssStyleDeclaration CssStyleRule::style() const {
    sheet_->ruleIndex(ruleId_);  // a handle to a rule that is gone fails here already
    return CssStyleDeclaration(sheet_, ruleId_);
}

CssStyleDeclaration::CssStyleDeclaration(std::shared_ptr<CssSheetState> sheet, uint64_t ruleId)
    : sheet_(std::move(sheet)), ruleId_(ruleId) {}

std::optional<std::string> CssStyleDeclaration::getAttribute(std::string_view name) const {
    return lastValueOf(*sheet_, sheet_->rule(ruleId_), cssPropertyKey(name));
}

void CssStyleDeclaration::setAttribute(std::string_view name, std::string_view value) {
    std::string writtenName = checkedCssPropertyName(name);
    CheckedCssValue checked = checkedCssValue(value);
    if (checked.text.empty()) {
        removeAttribute(writtenName);
        return;
    }
    std::string key = cssPropertyKey(writtenName);
    const CssRuleSpan& rule = sheet_->rule(ruleId_);
    auto& declarations = rule.declarations;
    auto last = std::find_if(declarations.rbegin(), declarations.rend(),
                             [&](const CssDeclarationSpan& d) { return declares(d, key); });

    CssSplice splice;
    size_t expectedCount = declarations.size();
    if (last != declarations.rend()) {
        splice = planValueReplacement(*last, checked.text, checked.hasPriority);
    } else {
        splice = planDeclarationAppend(sheet_->text(), sheet_->outline(), rule, writtenName,
                                       checked.text);
        ++expectedCount;
    }
    sheet_->edit({splice}, ruleId_, [&] {
        const CssRuleSpan& edited = sheet_->rule(ruleId_);
        return edited.declarations.size() == expectedCount &&
               lastValueOf(*sheet_, edited, key) == checked.withoutPriority;
    });
}

void CssStyleDeclaration::removeAttribute(std::string_view name) {
    std::string key = cssPropertyKey(name);
    const CssRuleSpan& rule = sheet_->rule(ruleId_);
    std::vector<size_t> doomed;
    for (size_t i = 0; i < rule.declarations.size(); ++i) {
        if (declares(rule.declarations[i], key))
            doomed.push_back(i);
    }
    if (doomed.empty())
        return;
    size_t expectedCount = rule.declarations.size() - doomed.size();
    sheet_->edit(planDeclarationRemoval(sheet_->text(), rule, doomed), ruleId_, [&] {
        const CssRuleSpan& edited = sheet_->rule(ruleId_);
        return edited.declarations.size() == expectedCount &&
               !lastValueOf(*sheet_, edited, key).has_value();
    });
}

}  // namespace norvel::host
