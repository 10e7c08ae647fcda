#include "pollcollection/ctl_op.h"

#include "common/conversions.h"
#include "common/functions.h"
#include "common/string_dictionary.h"

namespace norvel::poll {

ctlOp::ctlOp() {
    addControl(Frame1, "Frame1", {120, 60, 5565, 1335});
    addControl(Option1, "Option1", {240, 300, 3375, 255}, &Frame1);
    addControl(Option2, "Option2", {240, 630, 3375, 255}, &Frame1);
    addControl(Option3, "Option3", {240, 960, 3375, 255}, &Frame1);
    addControl(Frame2, "Frame2", {120, 1515, 5565, 1575});
    addControl(chkAdmin, "chkAdmin", {240, 300, 3855, 255}, &Frame2);
    addControl(chkHistory, "chkHistory", {240, 630, 3855, 255}, &Frame2);
    addControl(Label3, "Label3", {240, 1065, 2295, 255}, &Frame2);
    addControl(txtPassword, "txtPassword", {2640, 1020, 2295, 315}, &Frame2);
    addControl(Frame3, "Frame3", {120, 3210, 5565, 1215});
    addControl(Label1, "Label1", {240, 300, 5175, 255}, &Frame3);
    addControl(Label2, "Label2", {240, 705, 2295, 255}, &Frame3);
    addControl(txtCookies, "txtCookies", {2640, 660, 975, 315}, &Frame3);

    Frame1.setCaption("After Voting results should");
    Option1.setCaption("Replace Voting form");
    Option2.setCaption("Open in a new window");
    Option3.setCaption("Open in Same Window");
    Option2.setValue(true);
    Frame2.setCaption("Features");
    chkAdmin.setCaption("Add web admin");
    chkAdmin.setValue(1);
    chkHistory.setCaption("Add History file to save old polls");
    chkHistory.setValue(1);
    Label3.setCaption("Reset admin password to");
    Frame3.setCaption("Cookies");
    Label1.setCaption("Cookies are used to prevent multiple voting. ");
    Label2.setCaption("cookie duration (In Days)");
    txtCookies.setText("30");
}

void ctlOp::FillFormDic() {
    common::StringDictionary& values = *poll().FormDic;
    if (Option1.value()) {
        values.set("return", "1");
        values.set("target", "");
    }
    if (Option2.value()) {
        values.set("return", "0");
        values.set("target", "target=\"_blank\"");
    }
    if (Option3.value()) {
        values.set("return", "0");
        values.set("target", "");
    }
    values.set("c", txtCookies.text());
    values.set("password", txtPassword.text());
    values.set("admin", chkAdmin.value() == 1 ? "1" : "0");
    values.set("history", chkHistory.value() == 1 ? "1" : "0");
}

void ctlOp::FillAddinDic() {
    common::StringDictionary& attributes = *poll().AddinDic;
    attributes.set("av", Option1.value() ? "1" : Option2.value() ? "2" : "3");
    attributes.set("c", txtCookies.text());
}

bool ctlOp::Check() {
    std::string message;
    if (chkAdmin.value() == 1 && txtPassword.text().empty() && !poll().realcom)
        message = "Admin Password must be set for the first time";
    if (txtCookies.text().empty())
        message = "Please fill cookie durtion time";
    else if (!common::isNumeric(txtCookies.text()))
        message = "Cookie duration must be a number";
    return reportCheck(message);
}

void ctlOp::FillFromPrevious() {
    clsP& generator = poll();
    common::StringDictionary& attributes = *generator.AddinDic;
    if (attributes.exists("dir") && !attributes.value("dir").empty()) {
        const std::string dir = attributes.value("dir");
        chkAdmin.setValue(common::FolderExistInPoll(generator.runtime(), "admin", dir) ? 1 : 0);
        chkHistory.setValue(common::FileExistInPoll(generator.runtime(), "history.htm", dir) ? 1
                                                                                             : 0);
    }
    if (attributes.exists("c"))
        txtCookies.setText(attributes.value("c"));
    if (attributes.exists("av")) {
        const std::string av = attributes.value("av");
        if (av == "1")
            Option1.setValue(true);
        else if (av == "2")
            Option2.setValue(true);
        else if (av == "3")
            Option3.setValue(true);
    }
}

}  // namespace norvel::poll
