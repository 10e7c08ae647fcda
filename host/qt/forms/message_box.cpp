#include "host/qt/forms/message_box.h"

#include <QMessageBox>
#include <vector>

#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

using common::MsgBoxButtons;
using common::MsgBoxIcon;
using common::MsgBoxResult;

namespace {

struct Answer {
    QMessageBox::StandardButton button;
    MsgBoxResult result;
};

// The buttons in the platform's order; the first is the default unless defaultIndex says.
std::vector<Answer> answersFor(MsgBoxButtons buttons) {
    const Answer ok{QMessageBox::Ok, MsgBoxResult::Ok};
    const Answer cancel{QMessageBox::Cancel, MsgBoxResult::Cancel};
    const Answer yes{QMessageBox::Yes, MsgBoxResult::Yes};
    const Answer no{QMessageBox::No, MsgBoxResult::No};
    const Answer retry{QMessageBox::Retry, MsgBoxResult::Retry};
    switch (buttons) {
        case MsgBoxButtons::OkOnly:
            return {ok};
        case MsgBoxButtons::OkCancel:
            return {ok, cancel};
        case MsgBoxButtons::YesNoCancel:
            return {yes, no, cancel};
        case MsgBoxButtons::YesNo:
        case MsgBoxButtons::YesNoDefaultNo:
            return {yes, no};
        case MsgBoxButtons::RetryCancel:
            return {retry, cancel};
    }
    return {ok};
}

// What Escape or the close box answers.
const Answer& escapeAnswer(const std::vector<Answer>& answers) {
    for (MsgBoxResult wanted : {MsgBoxResult::Cancel, MsgBoxResult::No}) {
        for (const Answer& answer : answers)
            if (answer.result == wanted)
                return answer;
    }
    return answers.front();
}

QMessageBox::Icon qtIcon(MsgBoxIcon icon) {
    switch (icon) {
        case MsgBoxIcon::None:
            return QMessageBox::NoIcon;
        case MsgBoxIcon::Critical:
            return QMessageBox::Critical;
        case MsgBoxIcon::Question:
            return QMessageBox::Question;
        case MsgBoxIcon::Warning:
            return QMessageBox::Warning;
        case MsgBoxIcon::Information:
            return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MsgBoxResult runMessageBox(QWidget* parent, std::string_view text, MsgBoxButtons buttons,
                           MsgBoxIcon icon, std::string_view caption) {
    std::vector<Answer> answers = answersFor(buttons);
    QString title = caption.empty() ? QStringLiteral("Norvel") : toQString(caption);
    QMessageBox box(qtIcon(icon), title, toDisplayLines(text), QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("norvelMessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    for (const Answer& answer : answers)
        box.addButton(answer.button);
    box.setDefaultButton(buttons == MsgBoxButtons::YesNoDefaultNo ? answers.back().button
                                                                  : answers.front().button);
    const Answer& onEscape = escapeAnswer(answers);
    box.setEscapeButton(box.button(onEscape.button));
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    for (const Answer& answer : answers)
        if (clicked != nullptr && clicked == box.button(answer.button))
            return answer.result;
    return onEscape.result;
}

}  // namespace norvel::host::qt
