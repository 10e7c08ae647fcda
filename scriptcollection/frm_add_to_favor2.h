// The add-to-favourites dialog: a link or picture that adds the current (or a typed) page to
// the visitor's favourites, with a message for browsers that cannot.
#pragma once

#include <memory>

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/runtime.h"
#include "scriptcollection/cls_js.h"

namespace norvel::script {

class frmAddToFavor2 : public common::forms::Form {
  public:
    frmAddToFavor2(const common::Runtime& runtime, std::shared_ptr<clsJS> engine);

    std::shared_ptr<clsJS> JsAddin;

    common::forms::Frame Frame1;
    common::forms::OptionButton opType1;
    common::forms::OptionButton opType2;
    common::forms::Label lblType;
    common::forms::TextBox txtType;
    common::forms::CommandButton cmdBrowse;
    common::forms::Frame Frame2;
    common::forms::OptionButton opURL1;
    common::forms::OptionButton opURL2;
    common::forms::TextBox txtHTTP;
    common::forms::Frame Frame3;
    common::forms::OptionButton opTitle1;
    common::forms::OptionButton opTitle2;
    common::forms::TextBox txtTitle;
    common::forms::Frame Frame4;
    common::forms::OptionButton opBrowsers1;
    common::forms::OptionButton opBrowsers2;
    common::forms::TextBox txtMessage;
    common::forms::CommandButton cmdDoIt;
    common::forms::CommandButton cmdCancel;

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void layOut();
    void bindHandlers();
    void restoreFromBlock();
    void cmdBrowse_Click();
    void cmdDoIt_Click();
    void cmdCancel_Click();

    common::Runtime runtime_;
};

}  // namespace norvel::script
