// The current-date dialog: a block that writes the visitor's date into the page.
#pragma once

#include <memory>

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/runtime.h"
#include "scriptcollection/cls_js.h"

namespace norvel::script {

class frmDate : public common::forms::Form {
  public:
    frmDate(const common::Runtime& runtime, std::shared_ptr<clsJS> engine);

    std::shared_ptr<clsJS> JsAddin;

    common::forms::Label Label1;
    common::forms::CommandButton cmdDo;
    common::forms::CommandButton cmdCancel;

  protected:
    void Form_Unload(bool& cancel) override;

  private:
    void cmdDo_Click();
    void cmdCancel_Click();
};

}  // namespace norvel::script
