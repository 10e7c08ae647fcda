#include "scriptcollection/frm_date.h"

#include "common/error_mod.h"
#include "common/string_dictionary.h"
#include "scriptcollection/script_library.h"

namespace norvel::script {

frmDate::frmDate(const common::Runtime& runtime, std::shared_ptr<clsJS> engine)
    : Form(*runtime.ui, "frmDate", "Norvel- Current Date", 3720, 1500), JsAddin(std::move(engine)) {
    addControl(Label1, "Label1", {240, 240, 3135, 255});
    addControl(cmdDo, "cmdDo", {600, 720, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {1920, 720, 1215, 375});
    Label1.setCaption("Enters current date");
    cmdDo.setCaption("OK");
    cmdCancel.setCaption("Cancel");
    cmdDo.Click = [this] { cmdDo_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmDate::cmdDo_Click() {
    try {
        JsAddin->AddinDic->set("PREVIEW", "---- DATE ----");
        JsAddin->AddinDic->set("T", "J4");
        JsAddin->Run("date_nv");
        Unload();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJC);
    }
}

void frmDate::cmdCancel_Click() {
    Unload();
}

void frmDate::Form_Unload(bool&) {
    JsAddin.reset();
}

}  // namespace norvel::script
