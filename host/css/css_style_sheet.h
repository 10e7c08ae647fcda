// The style sheet object model that the suite's scripts use: a sheet's rules, a rule's
// selectorText and style, a style's getAttribute / setAttribute / removeAttribute, and the
// sheet's addRule. Every change rewrites only its own bytes of the sheet's text; comments,
// at-rules, odd spacing, CRLF and rules that do not parse stay exactly as written.
//
// CssStyleRule and CssStyleDeclaration are small handles: they share the sheet's state and look
// their rule up on every call, so they stay valid across edits (a rule added before them does
// not make them name another rule). Once the text is replaced by setText, or the sheet is
// destroyed, their calls throw Error 32811 instead of touching anything.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace norvel::host {

class CssSheetState;

class CssStyleDeclaration {
  public:
    // The value of the last declaration of the property (names compare ignoring ASCII case), as
    // written, without surrounding white space and comments and without "!important", as
    // CSSOM's getPropertyValue reads it. nullopt when the rule declares no such property.
    std::optional<std::string> getAttribute(std::string_view name) const;

    // Replaces the value of the property's last declaration in place, or appends
    // "name: value;" to the block in the block's own layout. A declaration marked !important
    // keeps the mark unless `value` brings its own. An empty value removes the property, as
    // CSSOM's setProperty does. A value that could reach past its declaration (';', '{', '}',
    // a comment or line break outside a string, unbalanced brackets...) or a name that is not
    // a CSS name throws Error 5 and changes nothing.
    void setAttribute(std::string_view name, std::string_view value);

    // Removes every declaration of the property with its ';' and the white space that
    // belonged to it. Nothing happens when there is none.
    void removeAttribute(std::string_view name);

  private:
    friend class CssStyleRule;
    CssStyleDeclaration(std::shared_ptr<CssSheetState> sheet, uint64_t ruleId);

    std::shared_ptr<CssSheetState> sheet_;
    uint64_t ruleId_;
};

class CssStyleRule {
  public:
    // The selector exactly as written, without the white space and comments around it.
    std::string selectorText() const;
    CssStyleDeclaration style() const;

  private:
    friend class CssStyleSheet;
    CssStyleRule(std::shared_ptr<CssSheetState> sheet, uint64_t ruleId);

    std::shared_ptr<CssSheetState> sheet_;
    uint64_t ruleId_;
};

class CssStyleSheet {
  public:
    // `text` is the content of a STYLE element or of a whole .css file, bytes as they are.
    explicit CssStyleSheet(std::string text = {});
    ~CssStyleSheet();
    CssStyleSheet(CssStyleSheet&& other) noexcept;
    CssStyleSheet& operator=(CssStyleSheet&& other) noexcept;
    CssStyleSheet(const CssStyleSheet&) = delete;
    CssStyleSheet& operator=(const CssStyleSheet&) = delete;

    const std::string& text() const;
    // For text changed outside the model (the STYLE element was rewritten): handles taken
    // before fail from now on.
    void setText(std::string text);

    // The top-level style rules in order; rules inside @media and other at-rule blocks are not
    // listed, as the object model of the suite's scripts listed only top-level rules.
    size_t ruleCount() const;
    CssStyleRule rule(size_t index) const;  // Error 9 when out of range
    std::vector<CssStyleRule> rules() const;

    // Adds "selector {declarations}": with index -1 (or the rule count) on a new line at the end
    // of the sheet, using the sheet's line breaks; else just before rule `index`. Error 9 for
    // another index, Error 5 when the selector or declarations could reach past the new rule.
    CssStyleRule addRule(std::string_view selector, std::string_view declarations, int index = -1);

    // Called after every change made through the model, so that the owner can write the text
    // back into its STYLE element or file.
    void setChangeListener(std::function<void()> listener);

  private:
    CssSheetState& state() const;

    std::shared_ptr<CssSheetState> state_;
};

}  // namespace norvel::host
