#include "scriptcollection/frm_options.h"

#include "common/error_mod.h"
#include "scriptcollection/script_library.h"
#include "scriptcollection/script_option.h"

namespace norvel::script {

frmOptions::frmOptions(const common::Runtime& runtime)
    : Form(*runtime.ui, "frmOptions", "JS-Options", 6600, 2760), runtime_(runtime) {
    addControl(Frame1, "Frame1", {120, 120, 6255, 1695});
    addControl(opOut, "opOut", {240, 360, 5895, 495}, &Frame1);
    addControl(opIn, "opIn", {240, 960, 5895, 495}, &Frame1);
    addControl(cmdApply, "cmdApply", {3840, 1980, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {5160, 1980, 1215, 375});
    Frame1.setCaption("Script Functions Location");
    opOut.setCaption(
        "The Addins Should Add the Required Functions in a separate text file with a .js "
        "extension");
    opIn.setCaption("The Addins Should Add the Required Functions in the Head Section of the Page");
    cmdApply.setCaption("Apply");
    cmdCancel.setCaption("Cancel");
    cmdApply.Click = [this] { cmdApply_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmOptions::Form_Load() {
    if (scriptFileMode(*runtime_.settings))
        opOut.setValue(true);
    else
        opIn.setValue(true);
}

void frmOptions::cmdApply_Click() {
    try {
        setScriptFileMode(*runtime_.settings, opOut.value());
        Unload();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJC);
    }
}

void frmOptions::cmdCancel_Click() {
    Unload();
}

}  // namespace norvel::script
