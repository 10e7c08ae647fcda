#include "stylecollection/frm_scroll_style.h"

#include "common/editor/application.h"
#include "common/editor/document.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/error_mod.h"
#include "common/install_layout.h"
#include "common/ui.h"
#include "common/undo_on_unwind.h"
#include "stylecollection/linked_sheet_file.h"
#include "stylecollection/style_library.h"

namespace norvel::style {

namespace editor = common::editor;
using common::Error;
namespace errnum = common::errnum;

namespace {

constexpr std::array<const char*, kRowCount> kRowCaptions = {
    "Base Color", "Arrow Color", "Highlight Color", "3dlight Color",
    "Face Color", "Track Color", "Shadow Color",    "Darkshadow Color",
};
constexpr int kRowSpacing = 480;

const common::ErrorReportOptions& reportOptions() {
    static const common::ErrorReportOptions options{
        std::string(common::kStyleCollectionSupportAddress)};
    return options;
}

}  // namespace

frmScrollStyle::frmScrollStyle(const common::Runtime& runtime)
    : Form(*runtime.ui, "frmScrollStyle", "Norvel - Scrollbar color", 7365, 7020),
      runtime_(runtime) {
    // The tab order starts with FrameC, which takes no focus, so OpLocSingle is the first
    // control to take it when the dialog opens.
    addControl(FrameC, "FrameC", {120, 1560, 7125, 4560});
    addControl(FrameApply, "FrameApply", {120, 120, 7125, 1335});
    addControl(OpLocSingle, "OpLocSingle", {240, 300, 2775, 255}, &FrameApply);
    addControl(OpLocAll, "OpLocAll", {240, 600, 2775, 255}, &FrameApply);
    addControl(OpLocStyle, "OpLocStyle", {240, 900, 2055, 255}, &FrameApply);
    addControl(cmbStyle, "cmbStyle", {2400, 870, 4545, 315}, &FrameApply);
    for (int row = 0; row < kRowCount; ++row) {
        int top = 360 + row * kRowSpacing;
        auto index = static_cast<size_t>(row);
        std::string number = std::to_string(row + 1);
        addControl(lblColor[index], "Label" + number, {240, top + 30, 1695, 255}, &FrameC);
        lblColor[index].setCaption(kRowCaptions[index]);
        addControl(colorInput(row), "HexColor" + number, {2040, top, 1230, 285}, &FrameC);
    }
    addControl(frameRef, "frameRef", {3480, 240, 3495, 4155}, &FrameC);
    addControl(Image1, "Image1", {120, 300, 3255, 3735}, &frameRef);
    addControl(cmdOK, "cmdOK", {120, 6360, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {1440, 6360, 1215, 375});

    FrameApply.setCaption("Apply Scrollbar Color To");
    OpLocSingle.setCaption("Current Page");
    OpLocAll.setCaption("All Pages (.htm  .html)");
    OpLocStyle.setCaption("Linked Style Sheet");
    cmbStyle.setStyle(common::forms::ComboBox::Style::DropDownList);
    FrameC.setCaption("Choose Scrollbar Colors");
    frameRef.setCaption("Reference Image");
    Image1.setPicture((common::templateFolder() / "stylec" / "scrollbar_reference.xpm").string());
    cmdOK.setCaption("OK");
    cmdCancel.setCaption("Cancel");

    OpLocSingle.Click = [this] { OpLocSingle_Click(); };
    OpLocSingle.GotFocus = [this] { OpLocSingle_GotFocus(); };
    OpLocAll.Click = [this] { OpLocAll_Click(); };
    cmbStyle.Click = [this] { cmbStyle_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

common::inputs::HexColor& frmScrollStyle::colorInput(int row) {
    std::array<common::inputs::HexColor*, kRowCount> inputs = {&HexColor1, &HexColor2, &HexColor3,
                                                               &HexColor4, &HexColor5, &HexColor6,
                                                               &HexColor7, &HexColor8};
    return *inputs.at(static_cast<size_t>(row));
}

RowColors frmScrollStyle::currentColors() {
    RowColors colors;
    for (int row = 0; row < kRowCount; ++row)
        colors[static_cast<size_t>(row)] = colorInput(row).Color();
    return colors;
}

// --- opening the dialog

void frmScrollStyle::Form_Load() {
    try {
        LoadCombo();
        if (!runtime_.application->ActiveWeb())
            OpLocAll.setEnabled(false);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionSC, reportOptions());
        Unload();
        return;
    }
    OpLocSingle.setFocus();
}

void frmScrollStyle::LoadCombo() {
    try {
        auto document = runtime_.application->ActiveDocument();
        if (!document)
            throw Error(errnum::kObjectNotSet, kLibraryName,
                        "Object variable or With block variable not set: no page is open");
        int count = document->styleSheetsLength();
        for (int i = 0; i < count; ++i) {
            std::string href = document->styleSheet(i)->href();
            if (!href.empty())
                cmbStyle.addItem(href);
        }
        if (cmbStyle.listCount() == 0) {
            cmbStyle.setEnabled(false);
            OpLocStyle.setEnabled(false);
        }
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "LoadCombo");
    }
}

// Taking the focus selects an option button of a group where none is selected yet: so the
// dialog opens on "Current Page" with that page's colours.
void frmScrollStyle::OpLocSingle_GotFocus() {
    if (!OpLocSingle.value() && !OpLocAll.value() && !OpLocStyle.value())
        OpLocSingle.setValue(true);
}

void frmScrollStyle::OpLocSingle_Click() {
    try {
        auto document = runtime_.application->ActiveDocument();
        if (document && StyleFound(*document))
            if (auto sheet = StyleObFinder(*document))
                LoadStyleColors(*sheet);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionSC, reportOptions());
    }
}

void frmScrollStyle::OpLocAll_Click() {
    OpLocSingle_Click();
}

void frmScrollStyle::cmbStyle_Click() {
    try {
        if (cmbStyle.text().empty())
            return;
        bool found = false;
        auto sheet = StyleObFinder2(cmbStyle.text(), found);
        if (found)
            LoadStyleColors(*sheet);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionSC, reportOptions());
    }
}

// --- reading a sheet

bool frmScrollStyle::StyleFound(editor::Document& document) {
    try {
        return document.headTagsLength("STYLE") > 0;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "StyleFound");
    }
}

std::shared_ptr<editor::StyleSheet> frmScrollStyle::StyleObFinder(editor::Document& document) {
    try {
        int count = document.styleSheetsLength();
        for (int i = 0; i < count; ++i) {
            auto sheet = document.styleSheet(i);
            if (sheet->href().empty())
                return sheet;
        }
        return nullptr;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "StyleObFinder");
    }
}

std::shared_ptr<editor::StyleSheet> frmScrollStyle::StyleObFinder2(const std::string& name,
                                                                   bool& found) {
    try {
        found = false;
        auto document = runtime_.application->ActiveDocument();
        if (!document)
            return nullptr;
        int count = document->styleSheetsLength();
        for (int i = 0; i < count; ++i) {
            auto sheet = document->styleSheet(i);
            if (sheet->href() == name) {
                found = true;
                return sheet;
            }
        }
        return nullptr;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "StyleObFinder2");
    }
}

void frmScrollStyle::LoadStyleColors(editor::StyleSheet& sheet) {
    try {
        if (!RuleExists("body", sheet))
            return;
        auto style = RuleStyle("body", sheet);
        for (int row = 0; row < kRowCount; ++row)
            colorInput(row).setColor(
                ReadStyleValue(kScrollbarProperties[static_cast<size_t>(row)], *style));
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "LoadStyleColors");
    }
}

bool RuleExists(const std::string& selector, editor::StyleSheet& sheet) {
    int count = sheet.rulesLength();
    for (int i = 0; i < count; ++i)
        if (sheet.rule(i)->selectorText() == selector)
            return true;
    return false;
}

std::shared_ptr<editor::CssStyle> RuleStyle(const std::string& selector,
                                            editor::StyleSheet& sheet) {
    int count = sheet.rulesLength();
    for (int i = 0; i < count; ++i) {
        auto rule = sheet.rule(i);
        if (rule->selectorText() == selector)
            return rule->style();
    }
    throw Error(errnum::kObjectNotSet, kLibraryName,
                "Object variable or With block variable not set: no rule '" + selector + "'");
}

std::string ReadStyleValue(const std::string& propertyName, editor::CssStyle& ruleStyle) {
    std::optional<std::string> value = ruleStyle.getAttribute(propertyName);
    if (!value)
        return std::string();
    if (value->size() == 7)
        return value->substr(1);
    return *value;
}

// --- writing

std::string frmScrollStyle::BuildStyleText(int level) {
    return styleText(currentColors(), level);
}

void frmScrollStyle::styleEncoder(editor::StyleSheet& sheet) {
    try {
        if (!RuleExists("body", sheet)) {
            sheet.addRule("body", BuildStyleText(1), -1);
        } else {
            auto style = RuleStyle("body", sheet);
            for (int row = 0; row < kRowCount; ++row) {
                std::string color = colorInput(row).Color();
                const char* property = kScrollbarProperties[static_cast<size_t>(row)];
                if (!color.empty()) {
                    style->setAttribute(property, "#" + color);
                    continue;
                }
                // Clearing removes a colour the input could show. One it cannot ("#abc", a
                // colour name) never stood in the input, so an empty input says nothing
                // about it: it stays.
                std::string stored = ReadStyleValue(property, *style);
                if (stored.empty() || common::inputs::IsHexColor(stored))
                    style->removeAttribute(property);
            }
        }
        encodeRootColors(sheet);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "styleEncoder");
    }
}

void frmScrollStyle::encodeRootColors(editor::StyleSheet& sheet) {
    std::string value = standardScrollbarColor(currentColors());
    if (RuleExists(kRootSelector, sheet)) {
        auto style = RuleStyle(kRootSelector, sheet);
        if (value.empty())
            style->removeAttribute(kStandardProperty);
        else
            style->setAttribute(kStandardProperty, value);
    } else if (!value.empty()) {
        sheet.addRule(kRootSelector, std::string(kStandardProperty) + ": " + value + ";", -1);
    }
}

void frmScrollStyle::applyToPage(editor::Document& document) {
    if (StyleFound(document)) {
        auto sheet = StyleObFinder(document);
        if (!sheet)
            throw Error(errnum::kObjectNotSet, kLibraryName,
                        "Object variable or With block variable not set: the head's STYLE "
                        "element is no style sheet of the page");
        styleEncoder(*sheet);
        return;
    }
    document.setHeadInnerHTML(document.headInnerHTML() + BuildStyleText(3));
    // The new block is the page's first STYLE element: the head comes before the body.
    if (auto sheet = StyleObFinder(document))
        encodeRootColors(*sheet);
}

void frmScrollStyle::DostyleSingle() {
    try {
        auto window = runtime_.application->ActivePageWindow();
        if (!window)
            throw Error(errnum::kObjectNotSet, kLibraryName,
                        "Object variable or With block variable not set: no page is open");
        applyToPage(*window->GetDocument());
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "DostyleSingle");
    }
    finishApplied();
}

void frmScrollStyle::DoStylePages() {
    try {
        editor::Application& app = *runtime_.application;
        auto web = app.ActiveWeb();
        auto current = app.ActivePageWindow();
        if (!web || !current)
            throw Error(errnum::kObjectNotSet, kLibraryName,
                        "Object variable or With block variable not set: no web or page is open");
        editor::WebFiles& files = web->RootFolder()->Files();
        applyToPage(*current->GetDocument());

        // The pages opened here are saved together: one flush to disk for all of them, and
        // none replaced unless all were written.
        auto batch = app.BeginSaveBatch();
        for (const auto& file : files.Enumerate()) {
            std::string extension = file->Extension();
            if (extension != "htm" && extension != "html")
                continue;
            bool wasOpen = file->IsOpen();
            auto window = file->Open(editor::kViewNormal);
            if (wasOpen) {
                // A page open in a window of its own is updated there, unsaved like the
                // current page; the current page has its colours already.
                if (window != current)
                    applyToPage(*window->GetDocument());
                continue;
            }
            {
                // A page that failed half-way is closed without saving, whatever the failure.
                common::UndoOnUnwind closeUnsaved([&] { window->Close(false); });
                applyToPage(*window->GetDocument());
                window->Close(true);
            }
        }
        current->Activate();
        batch->Commit();
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "DoStylePages");
    }
    finishApplied();
}

void frmScrollStyle::DoStyleSheet() {
    std::string name = cmbStyle.text();
    try {
        bool found = false;
        std::shared_ptr<editor::StyleSheet> sheet;
        if (!name.empty())
            sheet = StyleObFinder2(name, found);
        // The sheet must be a file of the web before anything is written to it: a link to a
        // missing file or to another server gets the same answer as a name not linked.
        std::shared_ptr<editor::WebFile> file;
        if (found)
            file = findLinkedSheetFile(*runtime_.application, name);
        if (!found || !file) {
            ui().msgBox("The Style Sheet \"" + name + "\"couldn't be found",
                        common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Warning, "Style Search");
            return;
        }
        styleEncoder(*sheet);
        // The editor writes a changed sheet to its file; opening it and closing it with
        // saving hands the file to the editor's own saving, as its other files go. A sheet
        // open in a window already is left to that window.
        if (!file->IsOpen()) {
            auto current = runtime_.application->ActivePageWindow();
            file->Open(editor::kViewNormal)->Close(true);
            if (current)
                current->Activate();
        }
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "DoStyleSheet");
    }
    finishApplied();
}

void frmScrollStyle::finishApplied() {
    Hide();
    ui().message("ScrollBar Color has been applied successfully");
    Unload();
}

// --- the buttons

bool frmScrollStyle::colorsAreValid() {
    // An input holding text that is no colour has told the person so when the focus left it;
    // nothing is written until it is mended.
    for (int row = 0; row < kRowCount; ++row) {
        std::string color = colorInput(row).Color();
        if (!color.empty() && !common::inputs::IsHexColor(color)) {
            colorInput(row).txtColor.setFocus();
            return false;
        }
    }
    return true;
}

void frmScrollStyle::cmdOK_Click() {
    try {
        if (!colorsAreValid())
            return;
        if (OpLocSingle.value())
            DostyleSingle();
        else if (OpLocAll.value())
            DoStylePages();
        else if (OpLocStyle.value())
            DoStyleSheet();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionSC, reportOptions());
        Unload();
    }
}

void frmScrollStyle::cmdCancel_Click() {
    Unload();
}

}  // namespace norvel::style
