// The show-and-hide dialog: a titled section the visitor opens and closes, pasted as plain
// markup with the next free "ShowHide" number.
#pragma once

#include <memory>

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/runtime.h"
#include "scriptcollection/cls_js.h"

namespace norvel::script {

class frmShowHide : public common::forms::Form {
  public:
    frmShowHide(const common::Runtime& runtime, std::shared_ptr<clsJS> engine);

    std::shared_ptr<clsJS> JsAddin;

    common::forms::Label lblTitle;
    common::forms::TextBox txtTitle;
    common::forms::CommandButton cmdOK;
    common::forms::CommandButton cmdCancel;

  protected:
    void Form_Unload(bool& cancel) override;

  private:
    void cmdOK_Click();
    void cmdCancel_Click();
};

}  // namespace norvel::script
