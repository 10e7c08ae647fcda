// Plans the byte changes behind each edit of a style sheet: which range of the text to replace
// and with what. Planning only reads; CssSheetState applies the splices and checks the result.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/css/css_sheet_outline.h"

namespace norvel::host {

struct CssSplice {
    size_t begin = 0;  // replace text[begin, begin + length) with `text`
    size_t length = 0;
    std::string text;
};

// Replaces the value of a declaration in place; with `alsoPriority` its "!important" goes
// too (the new value then brings its own).
CssSplice planValueReplacement(const CssDeclarationSpan& declaration, std::string_view value,
                               bool alsoPriority);

// Writes "name: value;" after the last item of the rule's block, on a line of its own when the
// block puts its declarations on lines of their own, else after a space. Adds the ';' that
// the last item lacks, and closes what an unclosed block left open inside it first.
CssSplice planDeclarationAppend(std::string_view text, const CssSheetOutline& outline,
                                const CssRuleSpan& rule, std::string_view name,
                                std::string_view value);

// Removes the given declarations of the rule with their ';' and the white space that belongs
// to them: a declaration alone on its line takes the line with it. Splices come sorted.
std::vector<CssSplice> planDeclarationRemoval(std::string_view text, const CssRuleSpan& rule,
                                              const std::vector<size_t>& declarationIndexes);

struct CssRuleInsertion {
    CssSplice splice;
    size_t ruleBegin = 0;  // where the new rule starts in the edited text
};

// Writes `ruleText` on a new line at the end of the sheet (see CssSheetOutline::appendAt).
CssRuleInsertion planRuleAppend(std::string_view text, const CssSheetOutline& outline,
                                std::string_view ruleText);

// Writes `ruleText` just before `before`: on a line of its own, indented like it, when the
// rule starts its line; else on the same line.
CssRuleInsertion planRuleInsertion(std::string_view text, const CssRuleSpan& before,
                                   std::string_view ruleText);

// `splices` sorted by begin and not overlapping.
std::string applySplices(std::string_view text, const std::vector<CssSplice>& splices);

}  // namespace norvel::host
