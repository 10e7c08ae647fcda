// The options pane: where the results appear after a vote, the web admin area and the
// history file, the admin password, and how long the anti-repeat-vote cookie lives.
#pragma once

#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "pollcollection/poll_pane.h"

namespace norvel::poll {

class ctlOp : public SettingsPane {
  public:
    ctlOp();

    bool Check() override;
    void FillFormDic() override;
    void FillAddinDic() override;
    void FillFromPrevious() override;

    common::forms::Frame Frame1;
    common::forms::OptionButton Option1;
    common::forms::OptionButton Option2;
    common::forms::OptionButton Option3;
    common::forms::Frame Frame2;
    common::forms::CheckBox chkAdmin;
    common::forms::CheckBox chkHistory;
    common::forms::Label Label3;
    common::forms::TextBox txtPassword;
    common::forms::Frame Frame3;
    common::forms::Label Label1;
    common::forms::Label Label2;
    common::forms::TextBox txtCookies;
};

}  // namespace norvel::poll
