#include "pollcollection/ctl_text.h"

#include "common/functions.h"
#include "common/string_dictionary.h"
#include "common/ui.h"
#include "pollcollection/poll_data.h"

namespace norvel::poll {

using common::MsgBoxButtons;
using common::MsgBoxIcon;

namespace {

constexpr const char* kApostrophe = "'";
constexpr const char* kSeparatorMessage =
    "You can not use \"||\" in the question or in an answer, please change it: the poll keeps "
    "its texts separated by \"||\"";
constexpr const char* kEdgeBarMessage =
    "The question and the answers can not begin or end with \"|\", please change it: the poll "
    "keeps its texts separated by \"||\"";
constexpr const char* kCommentEndMessage =
    "The vote button label, the results link and the thank you message can not contain \"-->\", "
    "please change it: the poll keeps them in a comment of the page";
constexpr const char* kLineBreakMessage =
    "The question and the answers must be one line each, please remove the line break";

bool hasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

ctlText::ctlText() {
    addControl(fraQA, "fraQA", {120, 60, 5565, 2655});
    addControl(lblQuestion, "lblQuestion", {120, 300, 1215, 255}, &fraQA);
    addControl(txtQuestion, "txtQuestion", {1380, 255, 4005, 315}, &fraQA);
    addControl(lblAnswers, "lblAnswers", {120, 720, 1215, 255}, &fraQA);
    addControl(cmbAnswers, "cmbAnswers", {1380, 675, 3435, 1815}, &fraQA);
    addControl(cmdPlus, "cmdPlus", {4920, 675, 465, 375}, &fraQA);
    addControl(cmdMinus, "cmdMinus", {4920, 1140, 465, 375}, &fraQA);
    addControl(frmOthers, "frmOthers", {120, 2835, 5565, 1845});
    addControl(lblVote, "lblVote", {120, 345, 1815, 255}, &frmOthers);
    addControl(txtVote, "txtVote", {2040, 300, 3345, 315}, &frmOthers);
    addControl(lblResults, "lblResults", {120, 825, 1815, 255}, &frmOthers);
    addControl(txtResults, "txtResults", {2040, 780, 3345, 315}, &frmOthers);
    addControl(lblThanks, "lblThanks", {120, 1305, 1815, 255}, &frmOthers);
    addControl(txtThanks, "txtThanks", {2040, 1260, 3345, 315}, &frmOthers);

    fraQA.setCaption("Question : Answers");
    lblQuestion.setCaption("Question");
    lblAnswers.setCaption("Answers");
    cmbAnswers.setStyle(common::forms::ComboBox::Style::SimpleCombo);
    cmdPlus.setCaption("+");
    cmdMinus.setCaption("-");
    frmOthers.setCaption("Other");
    lblVote.setCaption("Vote button label");
    lblResults.setCaption("Results link ");
    lblThanks.setCaption("Thank you message");
    txtVote.setText("Vote");
    txtResults.setText("Results");
    txtThanks.setText("Thanks for voting");

    cmdPlus.Click = [this] { cmdPlus_Click(); };
    cmdMinus.Click = [this] { cmdMinus_Click(); };
    txtQuestion.Change = [this] {
        CharFound(txtQuestion.text(), kApostrophe);
        separatorFound(txtQuestion.text());
    };
    txtResults.Change = [this] { CharFound(txtResults.text(), kApostrophe); };
    txtThanks.Change = [this] { CharFound(txtThanks.text(), kApostrophe); };
    txtVote.Change = [this] { CharFound(txtVote.text(), kApostrophe); };
}

bool ctlText::CharFound(const std::string& strText, const std::string& strChar) {
    if (strText.find(strChar) == std::string::npos)
        return false;
    ui().msgBox("You can not use the character " + strChar +
                    " in any text inside the poll, please change it",
                MsgBoxButtons::OkOnly, MsgBoxIcon::Critical, "Check Text");
    return true;
}

bool ctlText::separatorFound(const std::string& text) {
    // While typing only what cannot become right by typing on; a "|" at an end may be the
    // start of a longer text.
    const char* message = nullptr;
    if (text.find(kFieldSeparator) != std::string::npos)
        message = kSeparatorMessage;
    else if (hasLineBreak(text))
        message = kLineBreakMessage;
    if (message == nullptr)
        return false;
    ui().msgBox(message, MsgBoxButtons::OkOnly, MsgBoxIcon::Critical, "Check Text");
    return true;
}

const char* ctlText::pollDataProblem(const std::string& text) {
    if (text.find(kFieldSeparator) != std::string::npos)
        return kSeparatorMessage;
    if (!text.empty() && (text.front() == '|' || text.back() == '|'))
        return kEdgeBarMessage;
    if (hasLineBreak(text))
        return kLineBreakMessage;
    return nullptr;
}

void ctlText::cmdPlus_Click() {
    std::string answer = cmbAnswers.text();
    if (CharFound(answer, kApostrophe))
        return;
    if (answer.empty())
        return;
    if (const char* broken = pollDataProblem(answer)) {
        ui().msgBox(broken, MsgBoxButtons::OkOnly, MsgBoxIcon::Critical, "Check Text");
        return;
    }
    cmbAnswers.addItem(answer);
    cmbAnswers.setText("");
}

void ctlText::cmdMinus_Click() {
    int index = cmbAnswers.listIndex();
    if (index < 0 || cmbAnswers.list(index).empty())
        return;
    cmbAnswers.removeItem(index);
}

bool ctlText::Check() {
    std::string message;
    if (txtResults.text().empty())
        message = "Missing Results text";
    if (txtVote.text().empty())
        message = "Missing vote text";
    if (txtQuestion.text().empty())
        message = "Missing question text";
    if (txtThanks.text().empty())
        message = "Missing Thanks text";
    if (cmbAnswers.listCount() == 0)
        message = "No answers are supplied";
    // The three short texts are stored in the poll block's opening comment, which such a text
    // would end early: the page would lose the block.
    for (const std::string* text : {&txtVote.text(), &txtResults.text(), &txtThanks.text()}) {
        if (text->find("-->") != std::string::npos || text->find("--!>") != std::string::npos)
            message = kCommentEndMessage;
    }
    // A text that would split into further fields is refused here too: it would come back
    // from votes.htm as other texts, with counts in the wrong places.
    if (const char* broken = pollDataProblem(txtQuestion.text()))
        message = broken;
    for (const std::string& answer : cmbAnswers.items()) {
        if (const char* broken = pollDataProblem(answer))
            message = broken;
    }
    return reportCheck(message);
}

std::string ctlText::answersList() const {
    const auto& items = cmbAnswers.items();
    std::string answers = (items.empty() ? std::string() : items.front()) + "||0";
    for (size_t i = 1; i < items.size(); ++i)
        answers += "||" + items[i] + "||0";
    return answers;
}

void ctlText::FillFormDic() {
    common::StringDictionary& values = *poll().FormDic;
    std::string answers = answersList();
    values.set("answers", answers);
    values.set("question", txtQuestion.text());
    values.set("qa", txtQuestion.text() + "||" + answers);
    values.set("thankyou", txtThanks.text());
    values.set("buttonlabel", txtVote.text());
    values.set("link", txtResults.text());
}

void ctlText::FillAddinDic() {
    common::StringDictionary& attributes = *poll().AddinDic;
    attributes.set("thanks", txtThanks.text());
    attributes.set("but", txtVote.text());
    attributes.set("link", txtResults.text());
}

void ctlText::FillFromPrevious() {
    clsP& generator = poll();
    common::StringDictionary& attributes = *generator.AddinDic;
    if (attributes.exists("dir")) {
        const std::string dir = attributes.value("dir");
        const auto& runtime = generator.runtime();
        std::string votes = common::ReadWebFile(runtime, dir, "votes.htm");
        std::string history = common::ReadWebFile(runtime, dir, "history.htm");
        if (!votes.empty()) {
            generator.FormDic->set("pvotes", votes);
            std::vector<std::string> fields = splitPollData(votes);
            if (fields.size() > 1) {
                txtQuestion.setText(fields[0]);
                for (size_t i = 1; i < fields.size(); i += 2)
                    cmbAnswers.addItem(fields[i]);
            }
            if (!history.empty())
                generator.FormDic->set("txthistory", history);
            else if (common::FileExistInPoll(runtime, "history.htm", dir))
                generator.FormDic->set("txthistory", "");
        }
    }
    if (attributes.exists("thanks"))
        txtThanks.setText(attributes.value("thanks"));
    if (attributes.exists("but"))
        txtVote.setText(attributes.value("but"));
    if (attributes.exists("link"))
        txtResults.setText(attributes.value("link"));
}

}  // namespace norvel::poll
