// The slide-show dialog: an ordered list of pictures imported into "slide_img" beside the page
// and a transition, inserted as a table with "Previous Slide" and "Next Slide" links.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "common/forms/form.h"
#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/runtime.h"
#include "scriptcollection/cls_js.h"

namespace norvel::script {

class frmSlide : public common::forms::Form {
  public:
    frmSlide(const common::Runtime& runtime, std::shared_ptr<clsJS> engine);

    std::shared_ptr<clsJS> JsAddin;

    common::forms::Label lblName;
    common::forms::ListBox lstPic;
    common::forms::CommandButton cmdBrowse;
    common::forms::CommandButton cmdUp;
    common::forms::CommandButton cmdDown;
    common::forms::CommandButton cmdRemove;
    common::forms::Label Label1;
    common::forms::ComboBox cmbTrans;
    common::forms::CommandButton cmdDoit;
    common::forms::CommandButton cmdCancel;

    // Parallel to the list: the local path of a picture added in this dialog, empty for one
    // restored from the block (already in the web).
    std::vector<std::string> PicturePaths;
    // -1 for a new slide show; the stored number when one is edited.
    int SlideNumber = -1;

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void cmbTrans_Click();
    void cmdBrowse_Click();
    void cmdUp_Click();
    void cmdDown_Click();
    void cmdRemove_Click();
    void cmdDoit_Click();
    void cmdCancel_Click();
    void restoreFromBlock();
    void importPictures();
    void MakeCodeB();
    void moveEntry(int from, int to);

    common::Runtime runtime_;
};

}  // namespace norvel::script
