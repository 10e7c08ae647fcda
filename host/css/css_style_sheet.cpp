#include "host/css/css_style_sheet.h"

#include "common/error.h"
#include "host/css/css_input_check.h"
#include "host/css/css_sheet_state.h"

namespace norvel::host {

CssStyleSheet::CssStyleSheet(std::string text)
    : state_(std::make_shared<CssSheetState>(std::move(text))) {}

CssStyleSheet::~CssStyleSheet() {
    if (state_)
        state_->close();
}

CssStyleSheet::CssStyleSheet(CssStyleSheet&& other) noexcept = default;

CssStyleSheet& CssStyleSheet::operator=(CssStyleSheet&& other) noexcept {
    if (this != &other) {
        if (state_)
            state_->close();
        state_ = std::move(other.state_);
    }
    return *this;
}

CssSheetState& CssStyleSheet::state() const {
    if (!state_) {
        throw common::Error(common::errnum::kObjectNotSet, "norvel",
                            "Object variable not set: the style sheet was moved away");
    }
    return *state_;
}

const std::string& CssStyleSheet::text() const {
    return state().text();
}

void CssStyleSheet::setText(std::string text) {
    state().replaceText(std::move(text));
}

size_t CssStyleSheet::ruleCount() const {
    return state().outline().rules.size();
}

CssStyleRule CssStyleSheet::rule(size_t index) const {
    return CssStyleRule(state_, state().ruleIdAt(index));
}

std::vector<CssStyleRule> CssStyleSheet::rules() const {
    std::vector<CssStyleRule> rules;
    for (size_t i = 0; i < ruleCount(); ++i)
        rules.push_back(rule(i));
    return rules;
}

CssStyleRule CssStyleSheet::addRule(std::string_view selector, std::string_view declarations,
                                    int index) {
    CssSheetState& sheet = state();
    std::string checkedSelector = checkedCssSelector(selector);
    std::string ruleText = checkedSelector + " {" + checkedCssDeclarations(declarations) + "}";

    size_t count = ruleCount();
    bool append = index == -1 || static_cast<size_t>(index) == count;
    if (!append && (index < 0 || static_cast<size_t>(index) > count)) {
        throw common::Error(common::errnum::kSubscriptOutOfRange, "norvel",
                            "Subscript out of range: a rule can be added at -1 or 0 to " +
                                std::to_string(count) + ", not at " + std::to_string(index));
    }
    CssRuleInsertion insertion =
        append ? planRuleAppend(sheet.text(), sheet.outline(), ruleText)
               : planRuleInsertion(sheet.text(), sheet.outline().rules[index], ruleText);

    // The new rule must be where it was written, whole, with the selector it was given, and at
    // the place asked for: then nothing of it leaked into the rest of the sheet.
    uint64_t newRuleId = 0;
    sheet.edit({insertion.splice}, 0, [&] {
        const std::vector<CssRuleSpan>& rules = sheet.outline().rules;
        size_t expectedIndex = append ? rules.size() - 1 : static_cast<size_t>(index);
        if (expectedIndex >= rules.size())
            return false;
        const CssRuleSpan& added = rules[expectedIndex];
        std::string_view text = sheet.text();
        bool whole = added.begin == insertion.ruleBegin && added.blockClosed &&
                     added.blockEnd == insertion.ruleBegin + ruleText.size() &&
                     text.substr(added.begin, added.selectorEnd - added.begin) == checkedSelector;
        if (whole)
            newRuleId = sheet.ruleIdAt(expectedIndex);
        return whole;
    });
    return CssStyleRule(state_, newRuleId);
}

void CssStyleSheet::setChangeListener(std::function<void()> listener) {
    state().setChangeListener(std::move(listener));
}

}  // namespace norvel::host
