// The text pane: the words of the poll. The question and the answers go to the template
// values only (the poll's votes.htm holds them); the three short texts go to the block's
// attributes too, so they come back when the poll is edited again.
#pragma once

#include <string>

#include "common/forms/list_controls.h"
#include "common/forms/simple_controls.h"
#include "common/forms/text_box.h"
#include "pollcollection/poll_pane.h"

namespace norvel::poll {

class ctlText : public SettingsPane {
  public:
    ctlText();

    bool Check() override;
    void FillFormDic() override;
    void FillAddinDic() override;
    void FillFromPrevious() override;

    // True when strChar occurs in strText, after telling the author it cannot be used.
    bool CharFound(const std::string& strText, const std::string& strChar);

    common::forms::Frame fraQA;
    common::forms::Label lblQuestion;
    common::forms::TextBox txtQuestion;
    common::forms::Label lblAnswers;
    common::forms::ComboBox cmbAnswers;
    common::forms::CommandButton cmdPlus;
    common::forms::CommandButton cmdMinus;
    common::forms::Frame frmOthers;
    common::forms::Label lblVote;
    common::forms::TextBox txtVote;
    common::forms::Label lblResults;
    common::forms::TextBox txtResults;
    common::forms::Label lblThanks;
    common::forms::TextBox txtThanks;

  private:
    void cmdPlus_Click();
    void cmdMinus_Click();
    // The answers list: each answer followed by "||0".
    std::string answersList() const;
    // A question or answer that would not read back as the same field: the poll data
    // separates its fields with "||" and its history lines with line breaks. The message
    // for it, or null.
    static const char* pollDataProblem(const std::string& text);
    // Tells, while typing, of a separator or line break in the text.
    bool separatorFound(const std::string& text);
};

}  // namespace norvel::poll
