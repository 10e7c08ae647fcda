// The error dialog every library shows at the edge of a user action: a fixed notice, and the
// error's source, number and description behind a "Details" button.
#pragma once

#include <string>

#include "common/error.h"
#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"

namespace norvel::common {

class frmError : public forms::Form {
  public:
    static constexpr int kCollapsedHeight = 1400;
    static constexpr int kExpandedHeight = 4140;

    explicit frmError(Ui& ui);

    // Fills the dialog for one error; `text` is the text ShowError built.
    void setError(const Error& error, std::string text);
    const Error* reportedError() const override { return &error_; }

    forms::PictureBox Image1;
    forms::TextBox Text2;
    forms::CommandButton cmdDetail;
    forms::CommandButton cmdOK;
    forms::TextBox txtError;

  protected:
    void Form_Load() override;

  private:
    void cmdDetail_Click();
    void cmdOK_Click();

    Error error_{0, std::string(), std::string()};
};

}  // namespace norvel::common
