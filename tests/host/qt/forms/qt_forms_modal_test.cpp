// Modal behaviour through QtUi: message boxes and nested forms raised by handlers, the close
// box against a cancelling Form_Unload, and exceptions from handlers leaving Form::Show.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <stdexcept>

#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/qt_ui.h"
#include "tests/common/test_forms.h"
#include "tests/host/qt/forms/gallery_forms.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/support/widget_lookup.h"

using namespace norvel::tests;
using norvel::host::qt::FormDialog;
using norvel::host::qt::QtUi;
using norvel::tests::clickWidget;
using norvel::tests::findButtonByText;
using norvel::tests::findWidget;
using norvel::tests::ModalDriver;

Q_DECLARE_METATYPE(norvel::common::MsgBoxButtons)
Q_DECLARE_METATYPE(norvel::common::MsgBoxResult)

namespace {

void clickButton(QWidget* root, const char* name) {
    auto* button = findWidget<QPushButton>(root, name);
    QVERIFY2(button != nullptr, name);
    clickWidget(button);
}

void clickListRow(QWidget* root, const char* name, int row) {
    auto* list = findWidget<QListWidget>(root, name);
    QVERIFY(list != nullptr && row < list->count());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

// The message box on screen says this and is answered with that button.
void answerMessageBox(QWidget* modal, const QString& text, const char* button) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box != nullptr);
    QCOMPARE(box->text(), text);
    QAbstractButton* answer = findButtonByText(box, button);
    QVERIFY2(answer != nullptr, button);
    clickWidget(answer);
}

}  // namespace

class QtFormsModalTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxesFromHandlersAreModalAndAnswered() {
        QtUi ui;
        frmPeople form(ui);
        form.lstPeople.addItem("Ann");
        ModalDriver driver;
        driver.whenModalShown([&](QWidget* people) {
            QCOMPARE(people->windowTitle(), QString("People"));
            clickButton(people, "cmdAdd");  // no name: a message box
            clickListRow(people, "lstPeople", 0);
            clickButton(people, "cmdRemove");  // answered No
            QCOMPARE(form.lstPeople.listCount(), 1);
            clickButton(people, "cmdRemove");  // answered Yes
            QCOMPARE(form.lstPeople.listCount(), 0);
            clickButton(people, "cmdClose");
        });
        driver.whenModalShown([](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            QCOMPARE(box->windowTitle(), QString("Check"));
            QCOMPARE(box->icon(), QMessageBox::Information);
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(box->buttons().size(), 1);
            answerMessageBox(modal, "Name is empty", "OK");
        });
        driver.whenModalShown([](QWidget* modal) {
            QCOMPARE(qobject_cast<QMessageBox*>(modal)->icon(), QMessageBox::Question);
            answerMessageBox(modal, "Remove Ann?", "No");
        });
        driver.whenModalShown(
            [](QWidget* modal) { answerMessageBox(modal, "Remove Ann?", "Yes"); });
        form.Show(true);
        QVERIFY(driver.allRan());
        QVERIFY(!form.loaded());
    }

    void handlersShowNestedForms() {
        QtUi ui;
        frmPeople form(ui);
        ModalDriver driver;
        QPointer<QWidget> peopleDialog;
        driver.whenModalShown([&](QWidget* people) {
            peopleDialog = people;
            QTest::keyClicks(findWidget<QLineEdit>(people, "txtName"), "Ann");
            clickButton(people, "cmdAdd");  // confirmed with Yes
            QTest::keyClicks(findWidget<QLineEdit>(people, "txtName"), "Bob");
            clickButton(people, "cmdAdd");  // turned down with No
            QCOMPARE(findWidget<QListWidget>(people, "lstPeople")->count(), 1);
            QCOMPARE(findWidget<QLineEdit>(people, "txtName")->text(), QString());
            clickButton(people, "cmdClose");
        });
        driver.whenModalShown([&](QWidget* confirm) {
            QCOMPARE(confirm->windowTitle(), QString("Confirm"));
            QCOMPARE(confirm->parentWidget(), peopleDialog.data());
            QCOMPARE(findWidget<QLabel>(confirm, "lblQuestion")->text(), QString("Add Ann?"));
            clickButton(confirm, "cmdYes");
        });
        driver.whenModalShown([](QWidget* confirm) {
            QCOMPARE(findWidget<QLabel>(confirm, "lblQuestion")->text(), QString("Add Bob?"));
            clickButton(confirm, "cmdNo");
        });
        form.Show(true);
        QVERIFY(driver.allRan());
        QCOMPARE(form.lstPeople.items(), std::vector<std::string>{"Ann"});
    }

    void closeBoxAsksFormUnloadWhichMayRefuse() {
        QtUi ui;
        frmGuarded form(ui);
        ModalDriver driver;
        driver.whenModalShown([&form](QWidget* dialog) {
            dialog->close();
            QVERIFY(dialog->isVisible());
            QCOMPARE(form.unloadRequests, 1);
            QVERIFY(form.loaded());
            // No Cancel button to press: Escape asks as the close box does, and is refused.
            QTest::keyClick(dialog, Qt::Key_Escape);
            QVERIFY(dialog->isVisible());
            QCOMPARE(form.unloadRequests, 2);
            form.mayClose = true;
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        form.Show(true);
        QVERIFY(driver.allRan());
        QVERIFY(!form.loaded());
        QCOMPARE(form.unloadRequests, 3);

        // Hiding ends the modal loop too, and leaves the form loaded.
        driver.whenModalShown([](QWidget* dialog) { clickButton(dialog, "cmdHide"); });
        form.Show(true);
        QVERIFY(driver.allRan());
        QVERIFY(form.loaded() && !form.visible());
    }

    void exceptionsFromHandlersComeOutOfShow() {
        QtUi ui;
        frmThrowing form(ui);
        ModalDriver driver;
        driver.whenModalShown([](QWidget* dialog) { clickButton(dialog, "cmdError"); });
        try {
            form.Show(true);
            QFAIL("the handler's error did not come out of Show");
        } catch (const norvel::common::Error& error) {
            QCOMPARE(error.number(), 53);
            QCOMPARE(error.description(), std::string("No such page"));
        }
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        driver.whenModalShown([](QWidget* dialog) { clickButton(dialog, "cmdStd"); });
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, form.Show(true));

        // From a form shown inside a handler, through the outer form, to the caller.
        driver.whenModalShown([](QWidget* outer) { clickButton(outer, "cmdNested"); });
        driver.whenModalShown([](QWidget* inner) {
            QCOMPARE(inner->windowTitle(), QString("Inner"));
            clickButton(inner, "cmdError");
        });
        QVERIFY_THROWS_EXCEPTION(norvel::common::Error, form.Show(true));
        QCOMPARE(form.nestedReturns, 0);
        QVERIFY(driver.allRan());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(form.observer(), nullptr);  // the dialogs are gone and let go of the form
    }

    void messageBoxButtonsAndEscape_data() {
        using norvel::common::MsgBoxButtons;
        using norvel::common::MsgBoxResult;
        QTest::addColumn<MsgBoxButtons>("buttons");
        QTest::addColumn<QString>("press");
        QTest::addColumn<MsgBoxResult>("answer");
        QTest::newRow("ok") << MsgBoxButtons::OkOnly << "OK" << MsgBoxResult::Ok;
        QTest::newRow("ok, escape") << MsgBoxButtons::OkOnly << "Escape" << MsgBoxResult::Ok;
        QTest::newRow("ok cancel, escape")
            << MsgBoxButtons::OkCancel << "Escape" << MsgBoxResult::Cancel;
        QTest::newRow("yes no cancel, no")
            << MsgBoxButtons::YesNoCancel << "No" << MsgBoxResult::No;
        QTest::newRow("yes no cancel, escape")
            << MsgBoxButtons::YesNoCancel << "Escape" << MsgBoxResult::Cancel;
        QTest::newRow("yes no, yes") << MsgBoxButtons::YesNo << "Yes" << MsgBoxResult::Yes;
        QTest::newRow("yes no, escape") << MsgBoxButtons::YesNo << "Escape" << MsgBoxResult::No;
        QTest::newRow("retry cancel, retry")
            << MsgBoxButtons::RetryCancel << "Retry" << MsgBoxResult::Retry;
        QTest::newRow("retry cancel, escape")
            << MsgBoxButtons::RetryCancel << "Escape" << MsgBoxResult::Cancel;
    }

    void messageBoxButtonsAndEscape() {
        QFETCH(norvel::common::MsgBoxButtons, buttons);
        QFETCH(QString, press);
        QFETCH(norvel::common::MsgBoxResult, answer);
        QtUi ui;
        ModalDriver driver;
        driver.whenModalShown([&press](QWidget* modal) {
            QCOMPARE(modal->windowTitle(), QString("Norvel"));  // no caption given
            QCOMPARE(qobject_cast<QMessageBox*>(modal)->icon(), QMessageBox::Warning);
            if (press == "Escape") {
                QTest::keyClick(modal, Qt::Key_Escape);
            } else {
                QAbstractButton* button = findButtonByText(modal, press);
                QVERIFY(button != nullptr);
                clickWidget(button);
            }
        });
        QCOMPARE(
            ui.msgBox("Line one\r\nline two", buttons, norvel::common::MsgBoxIcon::Warning, ""),
            answer);
        QVERIFY(driver.allRan());
    }
};

QTEST_MAIN(QtFormsModalTest)
#include "qt_forms_modal_test.moc"
