// Small forms for the Qt renderer's tests: one with every kind of control, one whose
// Form_Unload can refuse, one whose handlers throw.
#pragma once

#include <stdexcept>
#include <string>

#include "common/error.h"
#include "common/forms/form.h"
#include "common/forms/list_controls.h"
#include "common/forms/scroll_bar.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/forms/tree_view.h"
#include "common/forms/web_browser.h"
#include "common/ui.h"

namespace norvel::tests {

using namespace norvel::common;
using namespace norvel::common::forms;

// Every kind of control. Pictures and the page are files the test writes into `folder`:
// dot.png (image list and image) and page.html.
class frmGallery : public Form {
  public:
    frmGallery(Ui& ui, const std::string& folder) : Form(ui, "frmGallery", "Gallery", 9000, 6000) {
        addControl(lblTitle, "lblTitle", {120, 120, 3000, 255});
        addControl(txtNotes, "txtNotes", {120, 480, 3000, 900});
        addControl(txtSecret, "txtSecret", {120, 1500, 1500, 285});
        addControl(txtLocked, "txtLocked", {1740, 1500, 1380, 285});
        addControl(cboFree, "cboFree", {120, 1920, 1500, 315});
        addControl(cboList, "cboList", {1740, 1920, 1380, 315});
        addControl(ilsIcons, "ilsIcons", {0, 0, 480, 480});
        addControl(tvwTree, "tvwTree", {3360, 120, 2400, 2100});
        addControl(vsbSpin, "vsbSpin", {5880, 120, 255, 900});
        addControl(picError, "picError", {6360, 120, 480, 480});
        addControl(imgLogo, "imgLogo", {6960, 120, 480, 480});
        addControl(chkGrey, "chkGrey", {120, 2400, 1500, 255});
        addControl(cmdColored, "cmdColored", {1740, 2400, 1380, 375});
        addControl(wbrPreview, "wbrPreview", {120, 3000, 5640, 2400});

        lblTitle.setCaption("&Name && more");
        txtNotes.setMultiLine(true);
        txtNotes.setText("one\r\ntwo");
        txtSecret.setPasswordChar(true);
        txtSecret.setMaxLength(4);
        txtLocked.setLocked(true);
        txtLocked.setText("fixed");
        txtLocked.setToolTipText("Cannot be changed");
        for (const char* item : {"apple", "banana", "cherry"})
            cboFree.addItem(item);
        cboList.setStyle(ComboBox::Style::DropDownList);
        for (const char* item : {"x", "y", "z"})
            cboList.addItem(item);
        cboList.setListIndex(1);
        ilsIcons.addImage(folder + "/dot.png");
        ilsIcons.addImage("no-such-picture");
        tvwTree.imageList = &ilsIcons;
        tvwTree.addNode("", "root", "Root", 1);
        tvwTree.addNode("root", "leaf", "Leaf", 2);
        tvwTree.addNode("", "other", "Other");
        tvwTree.setExpanded("root", true);
        vsbSpin.setRange(0, -9);  // 0 at the top, -9 at the bottom
        vsbSpin.setValue(-3);
        picError.setPicture("error-icon");
        imgLogo.setPicture(folder + "/dot.png");
        chkGrey.setCaption("Grey");
        chkGrey.setValue(2);
        cmdColored.setCaption("Colored");
        cmdColored.setBackColor(0x00FF8040);  // red 40, green 80, blue FF
        wbrPreview.navigate(folder + "/page.html");

        // A tab order other than the order of adding.
        int order = 0;
        for (Control* control :
             std::initializer_list<Control*>{&cmdColored, &txtSecret, &txtNotes, &cboList, &cboFree,
                                             &tvwTree, &vsbSpin, &chkGrey, &txtLocked, &wbrPreview})
            control->setTabIndex(order++);
    }

    Label lblTitle;
    TextBox txtNotes;
    TextBox txtSecret;
    TextBox txtLocked;
    ComboBox cboFree;
    ComboBox cboList;
    ImageList ilsIcons;
    TreeView tvwTree;
    ScrollBar vsbSpin;
    PictureBox picError;
    Image imgLogo;
    CheckBox chkGrey;
    CommandButton cmdColored;
    WebBrowser wbrPreview;
};

// Form_Unload refuses until `mayClose` is set.
class frmGuarded : public Form {
  public:
    explicit frmGuarded(Ui& ui) : Form(ui, "frmGuarded", "Guarded", 3000, 1500) {
        addControl(cmdHide, "cmdHide", {120, 120, 900, 375});
        cmdHide.setCaption("Hide");
        cmdHide.Click = [this] { Hide(); };
    }
    CommandButton cmdHide;
    bool mayClose = false;
    int unloadRequests = 0;

  protected:
    void Form_Unload(bool& cancel) override {
        ++unloadRequests;
        cancel = !mayClose;
    }
};

// Buttons whose handlers throw: an Error, a standard exception, or an Error from a form shown
// inside the handler.
class frmThrowing : public Form {
  public:
    explicit frmThrowing(Ui& ui) : Form(ui, "frmThrowing", "Throwing", 3000, 1500) {
        addControl(cmdError, "cmdError", {120, 120, 900, 375});
        addControl(cmdStd, "cmdStd", {1080, 120, 900, 375});
        addControl(cmdNested, "cmdNested", {2040, 120, 900, 375});
        cmdError.Click = [] { throw Error(errnum::kFileNotFound, "norvel", "No such page"); };
        cmdStd.Click = [] { throw std::out_of_range("out of range"); };
        cmdNested.Click = [this] {
            frmThrowing inner(this->ui());
            inner.setCaption("Inner");
            inner.Show(true);
            ++nestedReturns;  // never reached: the inner form's error passes through
        };
    }
    CommandButton cmdError;
    CommandButton cmdStd;
    CommandButton cmdNested;
    int nestedReturns = 0;
};

}  // namespace norvel::tests
