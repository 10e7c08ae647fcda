#include "scriptcollection/frm_show_hide.h"

#include "common/error_mod.h"
#include "common/string_dictionary.h"
#include "scriptcollection/script_library.h"

namespace norvel::script {

frmShowHide::frmShowHide(const common::Runtime& runtime, std::shared_ptr<clsJS> engine)
    : Form(*runtime.ui, "frmShowHide", "Norvel - Show And Hide", 4560, 1680),
      JsAddin(std::move(engine)) {
    addControl(lblTitle, "lblTitle", {240, 240, 1095, 255});
    addControl(txtTitle, "txtTitle", {1440, 200, 2895, 315});
    addControl(cmdOK, "cmdOK", {1080, 840, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {2400, 840, 1215, 375});
    lblTitle.setCaption("Title Text");
    cmdOK.setCaption("OK");
    cmdCancel.setCaption("Cancel");
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmShowHide::cmdOK_Click() {
    try {
        int number = 1;
        std::string identifier = JsAddin->UniqueName("ShowHide", number);
        if (!JsAddin->FormDic)
            JsAddin->FormDic = std::make_shared<common::StringDictionary>();
        // The title is markup inside the section's button, as typed.
        JsAddin->FormDic->set("link", txtTitle.text());
        JsAddin->FormDic->set("id string", identifier);
        JsAddin->FormDic->set("id number", std::to_string(number));
        JsAddin->BotStr = false;
        JsAddin->ScriptStr = false;
        JsAddin->Run("showhide_nv");
        Unload();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJC);
    }
}

void frmShowHide::cmdCancel_Click() {
    Unload();
}

void frmShowHide::Form_Unload(bool&) {
    JsAddin.reset();
}

}  // namespace norvel::script
