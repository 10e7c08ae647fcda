// The fading-messages dialog: a list of messages with optional links and the box's size, delay
// and border. The messages are kept only in the block's script text and read back from it.
#pragma once

#include <memory>
#include <vector>

#include "common/forms/form.h"
#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "common/runtime.h"
#include "scriptcollection/cls_js.h"
#include "scriptcollection/cls_news.h"

namespace norvel::script {

class frmNewsTicker : public common::forms::Form {
  public:
    frmNewsTicker(const common::Runtime& runtime, std::shared_ptr<clsJS> engine);

    std::shared_ptr<clsJS> JsAddin;

    common::forms::Frame FrameMessages;
    common::forms::ListBox lstMessages;
    common::forms::CommandButton cmdAdd;
    common::forms::CommandButton cmdRemove;
    common::forms::CommandButton cmdSave;
    common::forms::Frame FrameProp;
    common::forms::Label lblMsgText;
    common::forms::TextBox MsgText;
    common::forms::CheckBox chkAddLink;
    common::forms::Label lblLink;
    common::forms::TextBox txtLink;
    common::forms::Label lblURL;
    common::forms::TextBox txtURL;
    common::forms::OptionButton opSame;
    common::forms::OptionButton opNew;
    common::forms::Frame FrameTickerProp;
    common::forms::Label lblWidth;
    common::forms::TextBox txtWidth;
    common::forms::Label lblHeight;
    common::forms::TextBox txtHeight;
    common::forms::Label lblDelay;
    common::forms::TextBox txtDelay;
    common::forms::CheckBox chkRemoveB;
    common::forms::CommandButton cmdOK;
    common::forms::CommandButton cmdCancel;

    // In the order of the list: entry "Message n" shows Messages[n - 1].
    std::vector<clsNews> Messages;

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void layOut();
    void bindHandlers();
    bool chkMessageProp();
    clsNews NewMessageItem() const;
    int selectedMessage() const;  // 0-based, or -1
    void clearFields();
    void renumberEntries();
    void lstMessages_Click();
    void chkAddLink_Click();
    void cmdAdd_Click();
    void cmdSave_Click();
    void cmdRemove_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    common::Runtime runtime_;
};

}  // namespace norvel::script
