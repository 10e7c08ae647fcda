// The script options dialog: where the features' functions go, the page head or a file.
#pragma once

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/runtime.h"

namespace norvel::script {

class frmOptions : public common::forms::Form {
  public:
    explicit frmOptions(const common::Runtime& runtime);

    common::forms::Frame Frame1;
    common::forms::OptionButton opOut;
    common::forms::OptionButton opIn;
    common::forms::CommandButton cmdApply;
    common::forms::CommandButton cmdCancel;

  protected:
    void Form_Load() override;

  private:
    void cmdApply_Click();
    void cmdCancel_Click();

    common::Runtime runtime_;
};

}  // namespace norvel::script
