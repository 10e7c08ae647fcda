#include "common/frm_error.h"

namespace norvel::common {

frmError::frmError(Ui& ui) : Form(ui, "frmError", "Application Error", 6120, kCollapsedHeight) {
    addControl(Image1, "Image1", {120, 120, 480, 480});
    addControl(Text2, "Text2", {720, 120, 5160, 495});
    addControl(cmdDetail, "cmdDetail", {3480, 600, 1095, 375});
    addControl(cmdOK, "cmdOK", {4785, 600, 1095, 375});
    addControl(txtError, "txtError", {120, 1080, 5760, 2520});

    Image1.setPicture("error-icon");
    Text2.setLocked(true);
    Text2.setMultiLine(true);
    Text2.setText(
        "An Application Error has occured! \r\nPlease review the Error Log for more info.\r\n");
    cmdDetail.setCaption("Details");
    cmdOK.setCaption("OK");
    txtError.setMultiLine(true);
    txtError.setLocked(true);

    cmdDetail.Click = [this] { cmdDetail_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
}

void frmError::setError(const Error& error, std::string text) {
    error_ = error;
    txtError.setText(std::move(text));
}

void frmError::Form_Load() {
    setHeight(kCollapsedHeight);
    txtError.setVisible(false);
    cmdDetail.setEnabled(true);
}

void frmError::cmdDetail_Click() {
    setHeight(kExpandedHeight);
    txtError.setVisible(true);
    txtError.setFocus();
    cmdDetail.setEnabled(false);
}

void frmError::cmdOK_Click() {
    Unload();
}

}  // namespace norvel::common
