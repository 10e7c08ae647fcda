#include "host/css/css_sheet_state.h"

#include <optional>

#include "common/error.h"

namespace norvel::host {

namespace {

using common::Error;
namespace errnum = common::errnum;

// Where a position of the edited text was before the edit; nullopt inside written text.
std::optional<size_t> positionBeforeEdit(size_t position, const std::vector<CssSplice>& splices) {
    size_t inserted = 0;
    size_t removed = 0;
    for (const CssSplice& splice : splices) {
        size_t newBegin = splice.begin + inserted - removed;
        if (position < newBegin)
            break;
        if (position < newBegin + splice.text.size())
            return std::nullopt;
        inserted += splice.text.size();
        removed += splice.length;
    }
    return position + removed - inserted;
}

std::string_view selectorOf(const std::string& text, const CssRuleSpan& rule) {
    return std::string_view(text).substr(rule.begin, rule.selectorEnd - rule.begin);
}

}  // namespace

CssSheetState::CssSheetState(std::string text) {
    replaceText(std::move(text));
}

void CssSheetState::replaceText(std::string text) {
    text_ = std::move(text);
    outline_ = outlineCssSheet(text_);
    ruleIds_.clear();
    for (size_t i = 0; i < outline_.rules.size(); ++i)
        ruleIds_.push_back(nextId_++);
    indexIds();
}

void CssSheetState::indexIds() {
    indexOfId_.clear();
    for (size_t i = 0; i < ruleIds_.size(); ++i)
        indexOfId_[ruleIds_[i]] = i;
}

uint64_t CssSheetState::ruleIdAt(size_t index) const {
    if (index >= ruleIds_.size()) {
        throw Error(errnum::kSubscriptOutOfRange, "norvel",
                    "Subscript out of range: the style sheet has " +
                        std::to_string(ruleIds_.size()) + " rules, there is no rule " +
                        std::to_string(index));
    }
    return ruleIds_[index];
}

size_t CssSheetState::ruleIndex(uint64_t ruleId) const {
    if (closed_) {
        throw Error(errnum::kElementNotFound, "norvel", "The style sheet of this rule is closed");
    }
    auto found = indexOfId_.find(ruleId);
    if (found == indexOfId_.end()) {
        throw Error(errnum::kElementNotFound, "norvel",
                    "The style rule is no longer part of its style sheet");
    }
    return found->second;
}

void CssSheetState::close() {
    closed_ = true;
    listener_ = nullptr;
}

void CssSheetState::edit(const std::vector<CssSplice>& splices, uint64_t editedRuleId,
                         const std::function<bool()>& accept) {
    CssSheetState before(*this);
    text_ = applySplices(text_, splices);
    outline_ = outlineCssSheet(text_);

    bool accepted = keepsEarlierRules(before, splices, editedRuleId);
    if (accepted) {
        try {
            accepted = accept();
        } catch (const std::exception&) {
            accepted = false;
        }
    }
    if (!accepted) {
        *this = std::move(before);
        throw Error(errnum::kInvalidCall, "norvel",
                    "Invalid procedure call or argument: the change would alter other parts of "
                    "the style sheet");
    }
    if (listener_)
        listener_();
}

bool CssSheetState::keepsEarlierRules(const CssSheetState& before,
                                      const std::vector<CssSplice>& splices,
                                      uint64_t editedRuleId) {
    std::unordered_map<size_t, size_t> oldIndexAt;  // begin offset -> index before the edit
    for (size_t i = 0; i < before.outline_.rules.size(); ++i) {
        oldIndexAt[before.outline_.rules[i].begin] = i;
    }
    ruleIds_.clear();
    size_t carried = 0;
    bool unchanged = true;
    for (const CssRuleSpan& rule : outline_.rules) {
        std::optional<size_t> oldBegin = positionBeforeEdit(rule.begin, splices);
        auto found = oldBegin ? oldIndexAt.find(*oldBegin) : oldIndexAt.end();
        if (found == oldIndexAt.end()) {
            ruleIds_.push_back(nextId_++);
            continue;
        }
        const CssRuleSpan& old = before.outline_.rules[found->second];
        uint64_t id = before.ruleIds_[found->second];
        oldIndexAt.erase(found);  // one new rule per old one
        ruleIds_.push_back(id);
        ++carried;
        if (selectorOf(text_, rule) != selectorOf(before.text_, old))
            unchanged = false;
        if (id != editedRuleId && rule.declarations.size() != old.declarations.size()) {
            unchanged = false;
        }
    }
    indexIds();
    return unchanged && carried == before.outline_.rules.size();
}

}  // namespace norvel::host
