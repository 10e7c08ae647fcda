#include "host/css/css_text_edit.h"

#include <algorithm>

#include "host/css/css_text_layout.h"

namespace norvel::host {

namespace {

constexpr std::string_view kDefaultIndent = "    ";

bool containsLineBreak(std::string_view text) {
    return std::any_of(text.begin(), text.end(), isLineBreakChar);
}

// Indentation for a declaration in a block that has none yet: that of the first declaration in
// the sheet that sits on a line of its own, else the rule's own plus four spaces.
std::string indentForFirstDeclaration(std::string_view text, const CssSheetOutline& outline,
                                      const CssRuleSpan& rule) {
    for (const CssRuleSpan& other : outline.rules) {
        for (const CssDeclarationSpan& declaration : other.declarations) {
            if (auto indent = indentationBefore(text, declaration.begin)) {
                return std::string(*indent);
            }
        }
    }
    std::string indent(indentationBefore(text, rule.begin).value_or(""));
    return indent + std::string(kDefaultIndent);
}

}  // namespace

CssSplice planValueReplacement(const CssDeclarationSpan& declaration, std::string_view value,
                               bool alsoPriority) {
    size_t end =
        alsoPriority && declaration.important ? declaration.importantEnd : declaration.valueEnd;
    return {declaration.valueBegin, end - declaration.valueBegin, std::string(value)};
}

CssSplice planDeclarationAppend(std::string_view text, const CssSheetOutline& outline,
                                const CssRuleSpan& rule, std::string_view name,
                                std::string_view value) {
    std::string_view lineBreak = lineBreakStyle(text);
    std::string declaration = std::string(name) + ": " + std::string(value) + ";";
    std::string written;
    if (!rule.blockClosed)
        written += rule.closersInside;
    if (rule.lastItemOpen)
        written += ';';

    if (!rule.declarations.empty()) {
        if (auto indent = indentationBefore(text, rule.declarations.back().begin)) {
            written += std::string(lineBreak) + std::string(*indent) + declaration;
        } else {
            written += " " + declaration;
        }
        return {rule.contentEnd, 0, std::move(written)};
    }

    size_t innerEnd = rule.blockClosed ? rule.blockEnd - 1 : text.size();
    std::string_view inner = text.substr(rule.blockOpen + 1, innerEnd - rule.blockOpen - 1);
    if (containsLineBreak(inner)) {
        written +=
            std::string(lineBreak) + indentForFirstDeclaration(text, outline, rule) + declaration;
    } else {
        written += " " + declaration;
        if (rule.blockClosed && rule.contentEnd == innerEnd)
            written += ' ';  // "a {}"
    }
    return {rule.contentEnd, 0, std::move(written)};
}

std::vector<CssSplice> planDeclarationRemoval(std::string_view text, const CssRuleSpan& rule,
                                              const std::vector<size_t>& declarationIndexes) {
    std::vector<CssSplice> ranges;
    for (size_t index : declarationIndexes) {
        const CssDeclarationSpan& declaration = rule.declarations[index];
        size_t left = backOverSpacesAndTabs(text, declaration.begin);
        size_t right = skipSpacesAndTabs(text, declaration.end);
        bool startsLine = left == 0 || isLineBreakChar(text[left - 1]);
        bool endsLine = right == text.size() || isLineBreakChar(text[right]);
        size_t begin = declaration.begin;
        size_t end = right;
        if (startsLine && endsLine) {
            begin = left;  // the whole line, its line break included
            end = right + lineBreakLengthAt(text, right);
        } else if (endsLine || right == declaration.end) {
            // Keep the line break or what follows; the blanks before go with the declaration.
            begin = left;
        }
        ranges.push_back({begin, end - begin, {}});
    }
    std::sort(ranges.begin(), ranges.end(),
              [](const CssSplice& a, const CssSplice& b) { return a.begin < b.begin; });
    std::vector<CssSplice> merged;
    for (const CssSplice& range : ranges) {
        if (!merged.empty() && range.begin <= merged.back().begin + merged.back().length) {
            size_t end =
                std::max(merged.back().begin + merged.back().length, range.begin + range.length);
            merged.back().length = end - merged.back().begin;
        } else {
            merged.push_back(range);
        }
    }
    return merged;
}

CssRuleInsertion planRuleAppend(std::string_view text, const CssSheetOutline& outline,
                                std::string_view ruleText) {
    std::string_view lineBreak = lineBreakStyle(text);
    std::string written;
    if (outline.contentBeforeAppend) {
        std::string_view indent;
        if (!outline.rules.empty()) {
            indent = indentationBefore(text, outline.rules.back().begin).value_or("");
        }
        written = outline.closersAtAppend + std::string(lineBreak) + std::string(indent);
    } else if (outline.appendAt > 0 && !isLineBreakChar(text[outline.appendAt - 1])) {
        written = std::string(lineBreak);
    }
    size_t ruleBegin = outline.appendAt + written.size();
    written += ruleText;
    if (!outline.contentBeforeAppend && outline.contentAfterAppend)
        written += lineBreak;
    return {{outline.appendAt, 0, std::move(written)}, ruleBegin};
}

CssRuleInsertion planRuleInsertion(std::string_view text, const CssRuleSpan& before,
                                   std::string_view ruleText) {
    if (auto indent = indentationBefore(text, before.begin)) {
        size_t lineStart = before.begin - indent->size();
        std::string written =
            std::string(*indent) + std::string(ruleText) + std::string(lineBreakStyle(text));
        return {{lineStart, 0, std::move(written)}, lineStart + indent->size()};
    }
    return {{before.begin, 0, std::string(ruleText) + " "}, before.begin};
}

std::string applySplices(std::string_view text, const std::vector<CssSplice>& splices) {
    std::string result;
    result.reserve(text.size());
    size_t copied = 0;
    for (const CssSplice& splice : splices) {
        result.append(text.substr(copied, splice.begin - copied));
        result.append(splice.text);
        copied = splice.begin + splice.length;
    }
    result.append(text.substr(copied));
    return result;
}

}  // namespace norvel::host
