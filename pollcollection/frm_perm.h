// The note shown after a new poll has been generated: the poll works only when the server
// lets the poll scripts write their data files.
#pragma once

#include <string>

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"

namespace norvel::poll {

class frmPerm : public common::forms::Form {
  public:
    explicit frmPerm(common::Ui& ui);

    // The note, lines separated by CR LF.
    static std::string noteText();

    common::forms::TextBox txtPer;
    common::forms::CommandButton Command1;

  protected:
    void Form_Load() override;

  private:
    void Command1_Click();
};

}  // namespace norvel::poll
