// The scroll-bar style editor: eight colour rows read from and written to the current page,
// every page of the web's root folder, or a linked style sheet, through the editor's page and
// style sheet objects.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "common/forms/form.h"
#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/inputs/hex_color.h"
#include "common/runtime.h"
#include "stylecollection/scroll_colors.h"

namespace norvel::common::editor {
class CssStyle;
class Document;
class StyleSheet;
}  // namespace norvel::common::editor

namespace norvel::style {

class frmScrollStyle : public common::forms::Form {
  public:
    explicit frmScrollStyle(const common::Runtime& runtime);

    common::forms::Frame FrameC;
    common::forms::Frame FrameApply;
    common::forms::OptionButton OpLocSingle;
    common::forms::OptionButton OpLocAll;
    common::forms::OptionButton OpLocStyle;
    common::forms::ComboBox cmbStyle;
    std::array<common::forms::Label, kRowCount> lblColor;
    common::inputs::HexColor HexColor1, HexColor2, HexColor3, HexColor4;
    common::inputs::HexColor HexColor5, HexColor6, HexColor7, HexColor8;
    common::forms::Frame frameRef;
    common::forms::Image Image1;
    common::forms::CommandButton cmdOK;
    common::forms::CommandButton cmdCancel;

    // --- the routines, under the names their errors carry
    void DostyleSingle();
    void DoStylePages();
    void DoStyleSheet();
    bool StyleFound(common::editor::Document& document);
    std::shared_ptr<common::editor::StyleSheet> StyleObFinder(common::editor::Document& document);
    std::shared_ptr<common::editor::StyleSheet> StyleObFinder2(const std::string& name,
                                                               bool& found);
    void styleEncoder(common::editor::StyleSheet& sheet);
    void LoadStyleColors(common::editor::StyleSheet& sheet);
    void LoadCombo();
    std::string BuildStyleText(int level);

  protected:
    void Form_Load() override;

  private:
    common::inputs::HexColor& colorInput(int row);
    RowColors currentColors();
    // Steps 1 and 2 of applying to one page: into its first STYLE block, or a new block at
    // the end of its head.
    void applyToPage(common::editor::Document& document);
    // The standard scroll-bar colours on the root element of the sheet.
    void encodeRootColors(common::editor::StyleSheet& sheet);
    // A colour row holding text that is not a colour: told as the input tells it, and false.
    bool colorsAreValid();
    void finishApplied();

    void OpLocSingle_Click();
    void OpLocAll_Click();
    void OpLocSingle_GotFocus();
    void cmbStyle_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    common::Runtime runtime_;
};

// The rules of a style sheet by selector, compared exactly ("BODY" is not "body").
bool RuleExists(const std::string& selector, common::editor::StyleSheet& sheet);
std::shared_ptr<common::editor::CssStyle> RuleStyle(const std::string& selector,
                                                    common::editor::StyleSheet& sheet);
// The colour text of one row from a rule: "#" and six digits lose their "#"; any other text
// is returned as it is; empty when the rule does not declare the property.
std::string ReadStyleValue(const std::string& propertyName, common::editor::CssStyle& ruleStyle);

}  // namespace norvel::style
