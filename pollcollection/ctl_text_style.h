// The text style pane: font and alignment of one kind of text of the poll (the question, the
// answers or the vote button), as one rule of the poll's style sheet "pollstyle.css". On
// re-editing the rule is read back from that style sheet as the editor loaded it with the
// page.
#pragma once

#include <memory>
#include <string>

#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/inputs/hex_color.h"
#include "pollcollection/poll_pane.h"

namespace norvel::common::editor {
class CssStyle;
class StyleSheet;
}  // namespace norvel::common::editor

namespace norvel::poll {

class ctlQ : public SettingsPane {
  public:
    ctlQ();

    // The class name of the pane's rule, without the point: "questionx", "responsex",
    // "votebuttonx".
    std::string StyleClass;

    std::string FontWeight() const { return cmbFW.text(); }
    void setFontWeight(const std::string& value) { selectIgnoringCase(cmbFW, value); }
    std::string FontStyle() const { return cmbFStyle.text(); }
    void setFontStyle(const std::string& value) { selectIgnoringCase(cmbFStyle, value); }
    std::string TA() const { return cmbTA.text(); }
    void setTA(const std::string& value) { selectIgnoringCase(cmbTA, value); }
    std::string Color() const { return HexColor1.Color(); }
    void setColor(const std::string& value) { HexColor1.setColor(value); }
    std::string FFamily() const { return txtFF.text(); }
    void setFFamily(const std::string& value) { txtFF.setText(value); }
    std::string FSize() const { return txtFS.text(); }
    void setFSize(const std::string& value) { txtFS.setText(value); }

    // The rule as "pollstyle.css" holds it, lines ended by CR LF.
    std::string ruleText() const;

    bool Check() override;
    void FillFormDic() override;
    void FillFromPrevious() override;

    // Family, size, weight, style, colour and alignment of the first rule `selector` of the
    // page's style sheet at `path`, joined by "||"; empty fields when there is none.
    std::string GetStyleClass(const std::string& selector, const std::string& path);
    static bool RuleExists(const std::string& selector, common::editor::StyleSheet& sheet);
    static std::shared_ptr<common::editor::CssStyle> GetRuleStyle(
        const std::string& selector, common::editor::StyleSheet& sheet);

    common::forms::Label lblFF;
    common::forms::TextBox txtFF;
    common::forms::Label lblFS;
    common::forms::TextBox txtFS;
    common::forms::Label lblFW;
    common::forms::ComboBox cmbFW;
    common::forms::Label lblFStyle;
    common::forms::ComboBox cmbFStyle;
    common::forms::Label lblFC;
    common::inputs::HexColor HexColor1;
    common::forms::Label lblTA;
    common::forms::ComboBox cmbTA;

  private:
    static void selectIgnoringCase(common::forms::ComboBox& list, const std::string& value);
};

}  // namespace norvel::poll
