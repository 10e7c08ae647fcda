#include "scriptcollection/frm_add_to_favor2.h"

#include <filesystem>

#include "common/editor/application.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/error_mod.h"
#include "common/functions.h"
#include "common/string_dictionary.h"
#include "common/ui.h"
#include "scriptcollection/center_on_editor.h"
#include "scriptcollection/script_library.h"
#include "scriptcollection/script_string.h"

namespace norvel::script {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kPictureFilter = "GIF pictures |*.gif|JPEG pictures |*.jpg";
constexpr const char* kCheckCaption = "Add to favorite";

// Compares where two files really lie, so that "a/../b" or a link names the same file.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code error;
    auto realA = std::filesystem::weakly_canonical(a, error);
    if (error)
        return false;
    auto realB = std::filesystem::weakly_canonical(b, error);
    return !error && realA == realB;
}

// Text for a quoted attribute value, single or double quoted.
std::string attributeValue(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else if (c == '\'')
            out += "&#39;";
        else
            out += c;
    }
    return out;
}

// Whether the web's "images" folder holds the file. The folder is looked up as part of the
// test, so a web without one fails here and the error names "FileExist" as its source.
bool fileInImages(common::editor::Web& web, const std::string& fileName) {
    std::shared_ptr<common::editor::WebFolder> images;
    try {
        images = web.RootFolder()->Folders().Item(std::string("images"));
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "FileExist");
    }
    return common::FileExist(fileName, *images);
}

}  // namespace

frmAddToFavor2::frmAddToFavor2(const common::Runtime& runtime, std::shared_ptr<clsJS> engine)
    : Form(*runtime.ui, "frmAddToFavor2", "Norvel - Add To Favorite", 6240, 5760),
      JsAddin(std::move(engine)),
      runtime_(runtime) {
    layOut();
    bindHandlers();
    opType2.setValue(true);
    opURL1.setValue(true);
    opTitle1.setValue(true);
    opBrowsers1.setValue(true);
}

void frmAddToFavor2::layOut() {
    addControl(Frame1, "Frame1", {120, 120, 5955, 1215});
    addControl(opType1, "opType1", {240, 360, 1215, 255}, &Frame1);
    addControl(opType2, "opType2", {1560, 360, 1215, 255}, &Frame1);
    addControl(lblType, "lblType", {240, 780, 1215, 255}, &Frame1);
    addControl(txtType, "txtType", {1560, 740, 2775, 315}, &Frame1);
    addControl(cmdBrowse, "cmdBrowse", {4440, 720, 1215, 375}, &Frame1);
    addControl(Frame2, "Frame2", {120, 1440, 5955, 975});
    addControl(opURL1, "opURL1", {240, 360, 1815, 255}, &Frame2);
    addControl(opURL2, "opURL2", {2160, 360, 1575, 255}, &Frame2);
    addControl(txtHTTP, "txtHTTP", {3840, 320, 1935, 315}, &Frame2);
    addControl(Frame3, "Frame3", {120, 2520, 5955, 975});
    addControl(opTitle1, "opTitle1", {240, 360, 1815, 255}, &Frame3);
    addControl(opTitle2, "opTitle2", {2160, 360, 1575, 255}, &Frame3);
    addControl(txtTitle, "txtTitle", {3840, 320, 1935, 315}, &Frame3);
    addControl(Frame4, "Frame4", {120, 3600, 5955, 1215});
    addControl(opBrowsers1, "opBrowsers1", {240, 360, 1815, 255}, &Frame4);
    addControl(opBrowsers2, "opBrowsers2", {2160, 360, 1575, 255}, &Frame4);
    addControl(txtMessage, "txtMessage", {240, 720, 5535, 315}, &Frame4);
    addControl(cmdDoIt, "cmdDoIt", {3480, 4980, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {4800, 4980, 1215, 375});

    Frame1.setCaption("Type");
    opType1.setCaption("Image");
    opType2.setCaption("Link");
    lblType.setCaption("Link Text");
    cmdBrowse.setCaption("Browse...");
    cmdBrowse.setToolTipText("Adds a picture from your hardisk to the website folder.");
    cmdBrowse.setVisible(false);
    Frame2.setCaption("URL To Add");
    opURL1.setCaption("Current Page");
    opURL2.setCaption("Other HTTP//:");
    Frame3.setCaption("Title To Add");
    opTitle1.setCaption("Page Title");
    opTitle2.setCaption("Other");
    Frame4.setCaption("Other Browsers See");
    opBrowsers1.setCaption("Nothing");
    opBrowsers2.setCaption("Message");
    txtMessage.setText("Don't forget to bookmark us!");
    txtMessage.setEnabled(false);
    cmdDoIt.setCaption("OK");
    cmdCancel.setCaption("Cancel");
}

void frmAddToFavor2::bindHandlers() {
    opType1.Click = [this] {
        lblType.setCaption("Image Source");
        cmdBrowse.setVisible(true);
    };
    opType2.Click = [this] {
        lblType.setCaption("Link Text");
        cmdBrowse.setVisible(false);
    };
    opURL1.Click = [this] { txtHTTP.setEnabled(false); };
    opURL2.Click = [this] { txtHTTP.setEnabled(true); };
    opTitle1.Click = [this] { txtTitle.setEnabled(false); };
    opTitle2.Click = [this] { txtTitle.setEnabled(true); };
    opBrowsers1.Click = [this] { txtMessage.setEnabled(false); };
    opBrowsers2.Click = [this] { txtMessage.setEnabled(true); };
    cmdBrowse.Click = [this] { cmdBrowse_Click(); };
    cmdDoIt.Click = [this] { cmdDoIt_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmAddToFavor2::Form_Load() {
    try {
        txtHTTP.setEnabled(false);
        txtTitle.setEnabled(false);
        CenterOnEditor(runtime_, *this);
        if (JsAddin->realcom)
            restoreFromBlock();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJC);
    }
}

void frmAddToFavor2::restoreFromBlock() {
    const common::StringDictionary& attributes = *JsAddin->AddinDic;
    if (attributes.exists("type")) {
        if (attributes.value("type") == "True")
            opType1.setValue(true);
        else
            opType2.setValue(true);
    }
    if (attributes.exists("link"))
        txtType.setText(attributes.value("link"));
    if (!attributes.value("url").empty()) {
        txtHTTP.setEnabled(true);
        txtHTTP.setText(attributes.value("url"));
        opURL2.setValue(true);
    }
    if (!attributes.value("title").empty()) {
        txtTitle.setEnabled(true);
        txtTitle.setText(attributes.value("title"));
        opTitle2.setValue(true);
    }
    if (attributes.exists("other") && attributes.value("other") != "True") {
        opBrowsers2.setValue(true);
        txtMessage.setEnabled(true);
    }
    if (attributes.exists("message"))
        txtMessage.setText(attributes.value("message"));
}

void frmAddToFavor2::cmdBrowse_Click() {
    try {
        auto chosen = ui().chooseOpenFile({kPictureFilter, {}});
        if (!chosen || chosen->empty())
            return;
        std::string fileName = std::filesystem::path(*chosen).filename().string();
        auto web = runtime_.application->ActiveWeb();
        if (!web)
            throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                                "Object variable not set: no web is open");
        if (fileInImages(*web, fileName)) {
            auto images = web->RootFolder()->Folders().Item(std::string("images"));
            auto existing = images->Files().Item(fileName);
            if (!sameFile(existing->LocalPath(), *chosen)) {
                auto answer = ui().msgBox("The image " + fileName +
                                              " already exist in the image folder, click YES to "
                                              "use it, click NO to Cancel",
                                          common::MsgBoxButtons::YesNo, common::MsgBoxIcon::None,
                                          "Add to Favorite");
                if (answer != common::MsgBoxResult::Yes)
                    return;
            }
        } else {
            web->RootFolder()->Folders().Item(std::string("images"))->Files().Add(*chosen, false);
        }
        txtType.setText("images/" + fileName);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJS);
    }
}

void frmAddToFavor2::cmdDoIt_Click() {
    try {
        std::string other = std::string("else {") + kCrLf + "var msg_NV = \"" +
                            escapeScriptString(txtMessage.text()) + "\";" + kCrLf +
                            "document.write(msg_NV);" + kCrLf + "}";
        if (txtType.text().empty()) {
            ui().msgBox("Please fill link text or image source first",
                        common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::None, kCheckCaption);
            return;
        }
        if (opBrowsers1.value())
            other.clear();
        std::string url = "location.href";
        if (opURL2.value()) {
            if (txtHTTP.text().empty()) {
                ui().msgBox("Please fill URL first", common::MsgBoxButtons::OkOnly,
                            common::MsgBoxIcon::None, kCheckCaption);
                return;
            }
            url = "\"http://" + escapeScriptString(txtHTTP.text()) + "\"";
        }
        std::string title = "document.title";
        if (opTitle2.value()) {
            if (txtTitle.text().empty()) {
                ui().msgBox("Please fill Title first", common::MsgBoxButtons::OkOnly,
                            common::MsgBoxIcon::None, kCheckCaption);
                return;
            }
            title = "\"" + escapeScriptString(txtTitle.text()) + "\"";
        }
        bool image = opType1.value();
        // A picture's source is an attribute value: written so that no quote can end it.
        std::string source = attributeValue(txtType.text());
        std::string link = image ? "<img border=\"0\" src=\"" + source + "\" >" : txtType.text();
        std::string preview = image ? "<img border ='0' src='" + source + "' >"
                                    : "<a href=''>" + txtType.text() + "</a>";

        if (!JsAddin->FormDic)
            JsAddin->FormDic = std::make_shared<common::StringDictionary>();
        common::StringDictionary& values = *JsAddin->FormDic;
        values.set("url", url);
        values.set("title", title);
        values.set("other", other);
        values.set("link", escapeScriptString(link));

        common::StringDictionary& attributes = *JsAddin->AddinDic;
        attributes.set("PREVIEW", preview);
        attributes.set("type", image ? "True" : "False");
        attributes.set("link", txtType.text());
        attributes.set("url", txtHTTP.text());
        attributes.set("title", txtTitle.text());
        attributes.set("other", opBrowsers1.value() ? "True" : "False");
        attributes.set("T", "J1");
        if (opBrowsers2.value())
            attributes.set("message", txtMessage.text());
        JsAddin->Run("addtofavor_nv");
        Unload();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJS);
    }
}

void frmAddToFavor2::cmdCancel_Click() {
    Unload();
}

void frmAddToFavor2::Form_Unload(bool&) {
    bringEditorToFront(runtime_);
    JsAddin.reset();
}

}  // namespace norvel::script
