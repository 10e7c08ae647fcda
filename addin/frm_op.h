// The add-in's options: which collection sub-menus the menu holds from the next start on.
#pragma once

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"

namespace norvel::common {
class SettingsStore;
}

namespace norvel::addin {

class frmOP : public common::forms::Form {
  public:
    frmOP(common::Ui& ui, common::SettingsStore& settings);

    // The boxes from the stored setting ("111" when none). A character that is no digit makes
    // the load fail with Error 13; a missing one leaves its box unchecked.
    void LoadOptions();
    // The setting from the boxes: their values as digits, script, polls, style.
    void SaveOptions();

    common::forms::Label Label1;
    common::forms::CheckBox chkJS;
    common::forms::CheckBox chkPoll;
    common::forms::CheckBox chkStyle;
    common::forms::CommandButton Command1;
    common::forms::CommandButton Command2;

  protected:
    void Form_Load() override { LoadOptions(); }

  private:
    void Command1_Click();
    void Command2_Click();

    common::SettingsStore& settings_;
};

}  // namespace norvel::addin
