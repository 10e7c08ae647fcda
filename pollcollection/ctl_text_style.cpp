#include "pollcollection/ctl_text_style.h"

#include "common/ascii_text.h"
#include "common/editor/document.h"
#include "common/error.h"
#include "common/functions.h"
#include "common/string_dictionary.h"
#include "common/ui.h"
#include "pollcollection/poll_data.h"

namespace norvel::poll {

using common::forms::ComboBox;

ctlQ::ctlQ() {
    addControl(lblFF, "lblFF", {240, 300, 1455, 255});
    addControl(txtFF, "txtFF", {1800, 255, 3615, 315});
    addControl(lblFS, "lblFS", {240, 780, 1455, 255});
    addControl(txtFS, "txtFS", {1800, 735, 1335, 315});
    addControl(lblFW, "lblFW", {240, 1260, 1455, 255});
    addControl(cmbFW, "cmbFW", {1800, 1215, 1335, 315});
    addControl(lblFStyle, "lblFStyle", {240, 1740, 1455, 255});
    addControl(cmbFStyle, "cmbFStyle", {1800, 1695, 1335, 315});
    addControl(lblFC, "lblFC", {240, 2220, 1455, 255});
    addControl(HexColor1, "HexColor1", {1800, 2175, 1335, 315});
    addControl(lblTA, "lblTA", {240, 2700, 1455, 255});
    addControl(cmbTA, "cmbTA", {1800, 2655, 1335, 315});

    lblFF.setCaption("Font Family");
    lblFS.setCaption("Font Size");
    lblFW.setCaption("Font Weight");
    lblFStyle.setCaption("Font Style");
    lblFC.setCaption("Font Color");
    lblTA.setCaption("Text Align");
    txtFF.setText("arial, helvetica, monaco, sans-serif");
    txtFS.setText("13 px");
    for (ComboBox* list : {&cmbFW, &cmbFStyle, &cmbTA})
        list->setStyle(ComboBox::Style::DropDownList);
    cmbFW.addItem("Normal");
    cmbFW.addItem("Bold");
    cmbFStyle.addItem("Normal");
    cmbFStyle.addItem("Italic");
    for (const char* align : {"Left", "Right", "Center", "Justify"})
        cmbTA.addItem(align);
    cmbFW.setListIndex(0);
    cmbFStyle.setListIndex(0);
    cmbTA.setListIndex(0);
}

void ctlQ::selectIgnoringCase(ComboBox& list, const std::string& value) {
    for (int i = 0; i < list.listCount(); ++i) {
        if (common::equalsIgnoreCase(list.list(i), value)) {
            list.setListIndex(i);
            return;
        }
    }
}

std::string ctlQ::ruleText() const {
    const std::string crlf = "\r\n";
    // A colour is written with its "#": without it a browser drops the declaration in any
    // page with a document type.
    const std::string color = common::inputs::IsHexColor(Color()) ? "#" + Color() : Color();
    return "." + StyleClass + "{" + crlf + "font-family :" + FFamily() + ";" + crlf +
           "font-size :" + FSize() + ";" + crlf + "font-weight :" + FontWeight() + ";" + crlf +
           "font-style :" + FontStyle() + ";" + crlf + "color :" + color + ";" + crlf +
           "text-align :" + TA() + ";" + crlf + "}";
}

bool ctlQ::Check() {
    std::string message;
    if (txtFF.text().empty())
        message = "Font Family is empty";
    if (txtFS.text().empty())
        message = "Font Size is empty";
    if (HexColor1.Color().empty())
        message = "Color is empty";
    return reportCheck(message);
}

void ctlQ::FillFormDic() {
    try {
        std::string rule = ruleText();
        poll().FormDic->set(StyleClass, rule);
    } catch (const std::exception&) {
        ui().msgBox("Error is style setting", common::MsgBoxButtons::OkOnly,
                    common::MsgBoxIcon::Critical, "");
    }
}

void ctlQ::FillFromPrevious() {
    const common::StringDictionary& attributes = *poll().AddinDic;
    if (!attributes.exists("dir"))
        return;
    const std::string path = attributes.value("dir") + "/pollstyle.css";
    std::vector<std::string> fields = splitPollData(GetStyleClass("." + StyleClass, path));
    fields.resize(6);
    auto field = [&](size_t i) { return std::string(common::trimBlanks(fields[i])); };
    setFFamily(field(0));
    setFSize(field(1));
    setFontWeight(field(2));
    setFontStyle(field(3));
    // The rules this pane writes carry the colour's "#"; the input holds the digits.
    std::string color = field(4);
    if (color.size() == 7 && color.front() == '#')
        color.erase(0, 1);
    setColor(color);
    setTA(field(5));
}

std::string ctlQ::GetStyleClass(const std::string& selector, const std::string& path) {
    try {
        std::string family, size, weight, style, color, align;
        std::shared_ptr<common::editor::StyleSheet> sheet;
        if (common::StyleObFinder(poll().runtime(), sheet, path) && sheet &&
            RuleExists(selector, *sheet)) {
            auto declarations = GetRuleStyle(selector, *sheet);
            auto read = [&](const char* name) {
                return declarations->getAttribute(name).value_or(std::string());
            };
            family = read("font-family");
            size = read("font-size");
            weight = read("font-weight");
            style = read("font-style");
            color = read("color");
            align = read("text-align");
        }
        return family + "||" + size + "||" + weight + "||" + style + "||" + color + "||" + align;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "GetStyleClass");
    }
}

bool ctlQ::RuleExists(const std::string& selector, common::editor::StyleSheet& sheet) {
    bool found = false;
    for (int i = 0; i < sheet.rulesLength(); ++i) {
        if (sheet.rule(i)->selectorText() == selector)
            found = true;
    }
    return found;
}

std::shared_ptr<common::editor::CssStyle> ctlQ::GetRuleStyle(const std::string& selector,
                                                             common::editor::StyleSheet& sheet) {
    for (int i = 0; i < sheet.rulesLength(); ++i) {
        auto rule = sheet.rule(i);
        if (rule->selectorText() == selector)
            return rule->style();
    }
    return nullptr;
}

}  // namespace norvel::poll
