// Small dialogs built only for tests: a list of people with a nested confirmation form, a
// message box with Yes and No, an option group in a frame, and a nested user control.
#pragma once

#include <string>

#include "common/forms/form.h"
#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/user_control.h"
#include "common/ui.h"

namespace norvel::tests {

using namespace norvel::common;
using namespace norvel::common::forms;

class frmConfirm : public Form {
  public:
    explicit frmConfirm(Ui& ui, std::string name) : Form(ui, "frmConfirm", "Confirm", 3000, 1500) {
        addControl(lblQuestion, "lblQuestion", {120, 120, 2700, 300});
        addControl(cmdYes, "cmdYes", {120, 600, 900, 375});
        addControl(cmdNo, "cmdNo", {1200, 600, 900, 375});
        lblQuestion.setCaption("Add " + name + "?");
        cmdYes.Click = [this] {
            confirmed = true;
            Unload();
        };
        cmdNo.Click = [this] { Hide(); };
    }
    Label lblQuestion;
    CommandButton cmdYes;
    CommandButton cmdNo;
    bool confirmed = false;
};

// A colour field as a nested user control: a text box and a button that opens the colour
// dialog.
class ctlColor : public UserControl {
  public:
    ctlColor() {
        addControl(txtColor, "txtColor", {0, 0, 900, 285});
        addControl(cmdColor, "cmdColor", {960, 0, 300, 285});
        cmdColor.Click = [this] {
            if (auto color = form()->ui().chooseColor(0)) {
                char text[8];
                std::snprintf(text, sizeof text, "%02X%02X%02X", *color & 0xFF,
                              (*color >> 8) & 0xFF, (*color >> 16) & 0xFF);
                txtColor.setText(text);
            }
        };
        txtColor.LostFocus = [this] { ++leaves; };
    }
    TextBox txtColor;
    CommandButton cmdColor;
    int leaves = 0;
};

class frmPeople : public Form {
  public:
    explicit frmPeople(Ui& ui) : Form(ui, "frmPeople", "People", 4800, 3600) {
        addControl(txtName, "txtName", {120, 120, 2400, 285});
        addControl(cmdAdd, "cmdAdd", {2640, 120, 900, 375});
        addControl(lstPeople, "lstPeople", {120, 600, 2400, 1200});
        addControl(cmdRemove, "cmdRemove", {2640, 600, 900, 375});
        addControl(fraOrder, "fraOrder", {120, 1920, 2400, 900});
        addControl(opFirst, "opFirst", {120, 240, 1000, 255}, &fraOrder);
        addControl(opLast, "opLast", {1200, 240, 1000, 255}, &fraOrder);
        addControl(opAlone, "opAlone", {2640, 1920, 1000, 255});
        addControl(ctlColor1, "ctlColor1", {120, 2900, 1300, 300});
        addControl(cmdClose, "cmdClose", {3720, 3000, 900, 375});
        cmdAdd.setCaption("Add");
        cmdRemove.setCaption("Remove");
        cmdRemove.setEnabled(false);
        fraOrder.setCaption("Order");
        opFirst.setCaption("First");
        opLast.setCaption("Last");
        cmdClose.setCaption("Close");

        cmdAdd.Click = [this] { cmdAdd_Click(); };
        cmdRemove.Click = [this] { cmdRemove_Click(); };
        lstPeople.Click = [this] { cmdRemove.setEnabled(lstPeople.listIndex() >= 0); };
        txtName.Change = [this] { ++nameChanges; };
        opFirst.Click = [this] { ++orderClicks; };
        cmdClose.Click = [this] { Unload(); };
    }

    TextBox txtName;
    CommandButton cmdAdd;
    ListBox lstPeople;
    CommandButton cmdRemove;
    Frame fraOrder;
    OptionButton opFirst;
    OptionButton opLast;
    OptionButton opAlone;  // directly on the form: a group of its own
    ctlColor ctlColor1;
    CommandButton cmdClose;
    int nameChanges = 0;
    int orderClicks = 0;
    bool loadedOnce = false;

  protected:
    void Form_Load() override {
        loadedOnce = true;
        opFirst.setValue(true);
    }

  private:
    void cmdAdd_Click() {
        if (txtName.text().empty()) {
            ui().msgBox("Name is empty", MsgBoxButtons::OkOnly, MsgBoxIcon::Information, "Check");
            return;
        }
        frmConfirm confirm(ui(), txtName.text());
        confirm.Show(true);
        if (confirm.confirmed)
            lstPeople.addItem(txtName.text());
        txtName.setText("");
    }
    void cmdRemove_Click() {
        std::string name = lstPeople.text();
        if (ui().msgBox("Remove " + name + "?", MsgBoxButtons::YesNo, MsgBoxIcon::Question,
                        "People") == MsgBoxResult::Yes) {
            lstPeople.removeItem(lstPeople.listIndex());
            cmdRemove.setEnabled(false);
        }
    }
};

}  // namespace norvel::tests
