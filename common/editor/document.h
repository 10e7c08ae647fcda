// A page as the editor's document object model shows it: head and body markup, text, the
// selection, the whole markup, and the style sheets.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace norvel::common::editor {

// A rule's declarations.
class CssStyle {
  public:
    virtual ~CssStyle() = default;
    // The value of the property, or nothing when the rule does not declare it.
    virtual std::optional<std::string> getAttribute(const std::string& name) = 0;
    virtual void setAttribute(const std::string& name, const std::string& value) = 0;
    virtual void removeAttribute(const std::string& name) = 0;
};

class CssRule {
  public:
    virtual ~CssRule() = default;
    virtual std::string selectorText() = 0;  // as written
    virtual std::shared_ptr<CssStyle> style() = 0;
};

class StyleSheet {
  public:
    virtual ~StyleSheet() = default;
    // The address as written in the page's link; empty for a STYLE element.
    virtual std::string href() = 0;
    virtual int rulesLength() = 0;
    virtual std::shared_ptr<CssRule> rule(int index) = 0;  // 0-based; Error 9 out of range
    // Adds `selector {declarations}`; index -1 appends at the end.
    virtual void addRule(const std::string& selector, const std::string& declarations,
                         int index) = 0;
};

class Document {
  public:
    virtual ~Document() = default;

    // The creation date of the page's file; empty for a page never saved.
    virtual std::string fileCreatedDate() = 0;

    // all.tags("HEAD").Item(0).innerHTML, read and replaced.
    virtual std::string headInnerHTML() = 0;
    virtual void setHeadInnerHTML(const std::string& html) = 0;
    // all.tags("HEAD").Item(0).all.tags(name).length: how many elements of that name (ASCII
    // case ignored) the head holds.
    virtual int headTagsLength(const std::string& name) = 0;
    // body.innerHTML and body.innerText.
    virtual std::string bodyInnerHTML() = 0;
    virtual void setBodyInnerHTML(const std::string& html) = 0;
    virtual std::string bodyInnerText() = 0;
    // The whole markup (DocumentHTML), read and replaced.
    virtual std::string DocumentHTML() = 0;
    virtual void setDocumentHTML(const std::string& html) = 0;

    // selection.createRange().pasteHTML(html): replaces the selection; the caret follows.
    virtual void pasteHTML(const std::string& html) = 0;

    // The style sheets of the page in document order.
    virtual int styleSheetsLength() = 0;
    virtual std::shared_ptr<StyleSheet> styleSheet(int index) = 0;
    // Links a style sheet; index -1 appends the link after the others.
    virtual std::shared_ptr<StyleSheet> createStyleSheet(const std::string& address, int index) = 0;
};

}  // namespace norvel::common::editor
