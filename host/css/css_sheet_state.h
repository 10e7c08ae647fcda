// The text of one style sheet and its outline, shared by the sheet and every rule handle taken
// from it. Each listed rule carries an id that follows it through edits, so a handle goes on
// naming its own rule when rules are added before it; handles look their rule up by id on
// every call and never keep a pointer into the outline.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "host/css/css_sheet_outline.h"
#include "host/css/css_text_edit.h"

namespace norvel::host {

class CssSheetState {
  public:
    explicit CssSheetState(std::string text);

    const std::string& text() const { return text_; }
    const CssSheetOutline& outline() const { return outline_; }

    // Throws Error 9 when `index` is not that of a listed rule.
    uint64_t ruleIdAt(size_t index) const;
    // Where the rule is now; throws Error 32811 when it is gone (the text was replaced) or the
    // sheet was closed.
    size_t ruleIndex(uint64_t ruleId) const;
    const CssRuleSpan& rule(uint64_t ruleId) const { return outline_.rules[ruleIndex(ruleId)]; }

    // Text that changed outside the model: every rule gets a new id, so old handles fail.
    void replaceText(std::string text);

    // Applies `splices` (sorted, not overlapping), reads the text again and carries rule ids
    // over by where the rules moved. The edit stands only when every earlier rule is still
    // there with its selector, every rule but `editedRuleId` keeps its declarations, and
    // `accept` agrees; otherwise the old text comes back and Error 5 is thrown.
    void edit(const std::vector<CssSplice>& splices, uint64_t editedRuleId,
              const std::function<bool()>& accept);

    // The sheet's owner is gone: later calls through handles fail instead of editing a text
    // that nobody will read.
    void close();
    void setChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

  private:
    void indexIds();
    bool keepsEarlierRules(const CssSheetState& before, const std::vector<CssSplice>& splices,
                           uint64_t editedRuleId);

    std::string text_;
    CssSheetOutline outline_;
    std::vector<uint64_t> ruleIds_;  // parallel to outline_.rules
    std::unordered_map<uint64_t, size_t> indexOfId_;
    uint64_t nextId_ = 1;
    bool closed_ = false;
    std::function<void()> listener_;
};

}  // namespace norvel::host
