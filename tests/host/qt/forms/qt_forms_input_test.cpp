// What a person does to the rendered widgets reaches the model through its user operations,
// and afterwards the widgets show the model's state, whatever Qt did on its own.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QtTest>
#include <cctype>

#include "host/qt/forms/qt_ui.h"
#include "tests/common/test_forms.h"
#include "tests/host/qt/forms/form_test_support.h"
#include "tests/host/qt/forms/gallery_forms.h"
#include "tests/host/qt/support/widget_lookup.h"
#include "tests/support/temporary_folder.h"

using namespace norvel::tests;
using norvel::host::qt::QtUi;
using norvel::tests::clickWidget;
using norvel::tests::findWidget;
using norvel::tests::showWithoutModalLoop;
using norvel::tests::TemporaryFolder;

namespace {

// The path of the control whose widget has the focus (an inner widget such as a combo box's
// edit field counts as its control).
QString focusedControl() {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            return w->objectName();
    return QString();
}

void clickListRow(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(row)).center());
}

void clickTreeItem(QTreeWidget* tree, QTreeWidgetItem* item) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier,
                      tree->visualItemRect(item).center());
}

}  // namespace

class QtFormsInputTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(norvel::tests::writePicture(folder_.path() / "dot.png", Qt::blue, 16));
        QVERIFY(norvel::tests::writeTextFile(folder_.path() / "page.html", "<p>Page</p>"));
    }

    void clickingAButtonRunsItsHandler() {
        frmPeople form(ui_);
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        clickWidget(findWidget<QPushButton>(dialog.get(), "cmdRemove"));  // disabled: nothing
        QVERIFY(form.visible());
        clickWidget(findWidget<QPushButton>(dialog.get(), "cmdClose"));
        QVERIFY(!form.loaded());
        QVERIFY(dialog->isHidden());
    }

    void typingReachesTheModelAndTheModelWins() {
        frmPeople form(ui_);
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* name = findWidget<QLineEdit>(dialog.get(), "txtName");
        QTest::keyClicks(name, "Ann");
        QCOMPARE(form.txtName.text(), std::string("Ann"));
        QCOMPARE(form.nameChanges, 3);
        QCOMPARE(form.activeControl(), &form.txtName);

        // A Change handler rewriting the text: the box shows what the model holds.
        form.txtName.Change = [&form] {
            std::string text = form.txtName.text();
            for (char& c : text)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            form.txtName.setText(text);
        };
        QTest::keyClicks(name, "e");
        QCOMPARE(name->text(), QString("ANNE"));
        QCOMPARE(name->cursorPosition(), 4);
    }

    void maxLengthAndLockedHold() {
        frmGallery form(ui_, folder_.path().string());
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* secret = findWidget<QLineEdit>(dialog.get(), "txtSecret");
        QTest::keyClicks(secret, "abcdef");
        QCOMPARE(form.txtSecret.text(), std::string("abcd"));
        QCOMPARE(secret->text(), QString("abcd"));

        // Code may set longer text; the first edit a person makes is cut to the limit.
        form.txtSecret.setText("longer text");
        QCOMPARE(secret->text(), QString("longer text"));
        secret->setFocus();
        secret->end(false);
        QTest::keyClick(secret, Qt::Key_Backspace);
        QCOMPARE(form.txtSecret.text(), std::string("long"));
        QCOMPARE(secret->text(), QString("long"));

        // Locking in a handler tells no observer; the box is read-only after the action anyway.
        form.cmdColored.Click = [&form] { form.txtSecret.setLocked(true); };
        clickWidget(findWidget<QPushButton>(dialog.get(), "cmdColored"));
        QVERIFY(secret->isReadOnly());
        QTest::keyClicks(secret, "x");
        QCOMPARE(form.txtSecret.text(), std::string("long"));

        auto* notes = findWidget<QPlainTextEdit>(dialog.get(), "txtNotes");
        notes->moveCursor(QTextCursor::End);
        QTest::keyClick(notes, Qt::Key_Return);
        QTest::keyClicks(notes, "3");
        QCOMPARE(form.txtNotes.text(), std::string("one\r\ntwo\r\n3"));
    }

    void optionButtonsGroupThroughTheModel() {
        frmPeople form(ui_);
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* first = findWidget<QRadioButton>(dialog.get(), "opFirst");
        auto* last = findWidget<QRadioButton>(dialog.get(), "opLast");
        auto* alone = findWidget<QRadioButton>(dialog.get(), "opAlone");
        int clicksBefore = form.orderClicks;

        clickWidget(last);
        QVERIFY(form.opLast.value() && !form.opFirst.value());
        QVERIFY(last->isChecked() && !first->isChecked());
        // Clicking the button already on leaves it on (Qt alone would turn it off).
        clickWidget(last);
        QVERIFY(last->isChecked());
        // A button directly on the form is a group of its own.
        clickWidget(alone);
        QVERIFY(alone->isChecked() && last->isChecked());
        clickWidget(first);
        QVERIFY(first->isChecked() && !last->isChecked());
        QCOMPARE(form.orderClicks, clicksBefore + 1);
    }

    void checkBoxesToggleFromGrey() {
        frmGallery form(ui_, folder_.path().string());
        int clicks = 0;
        form.chkGrey.Click = [&clicks] { ++clicks; };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* grey = findWidget<QCheckBox>(dialog.get(), "chkGrey");
        clickWidget(grey);
        QCOMPARE(form.chkGrey.value(), 1);
        QCOMPARE(grey->checkState(), Qt::Checked);
        clickWidget(grey);
        QCOMPARE(form.chkGrey.value(), 0);
        QCOMPARE(grey->checkState(), Qt::Unchecked);
        QCOMPARE(clicks, 2);
    }

    void listItemsAreChosenAndClickedAgain() {
        frmPeople form(ui_);
        for (const char* name : {"Ann", "Bob", "Cid"})
            form.lstPeople.addItem(name);
        int clicks = 0;
        int doubleClicks = 0;
        form.lstPeople.Click = [&] {
            ++clicks;
            form.cmdRemove.setEnabled(form.lstPeople.listIndex() >= 0);
        };
        form.lstPeople.DblClick = [&doubleClicks] { ++doubleClicks; };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* list = findWidget<QListWidget>(dialog.get(), "lstPeople");

        clickListRow(list, 1);
        QCOMPARE(form.lstPeople.listIndex(), 1);
        QCOMPARE(clicks, 1);
        QVERIFY(findWidget<QPushButton>(dialog.get(), "cmdRemove")->isEnabled());
        clickListRow(list, 1);  // the selected item again: still a click
        QCOMPARE(clicks, 2);
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(form.lstPeople.text(), std::string("Cid"));
        QCOMPARE(clicks, 3);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                           list->visualItemRect(list->item(0)).center());
        QCOMPARE(doubleClicks, 1);
        QCOMPARE(form.lstPeople.listIndex(), 0);
    }

    void comboBoxesChooseAndTakeTyping() {
        frmGallery form(ui_, folder_.path().string());
        int listClicks = 0;
        int freeChanges = 0;
        form.cboList.Click = [&listClicks] { ++listClicks; };
        form.cboFree.Change = [&freeChanges] { ++freeChanges; };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);

        auto* list = findWidget<QComboBox>(dialog.get(), "cboList");
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(form.cboList.listIndex(), 2);
        QCOMPARE(form.cboList.text(), std::string("z"));
        QCOMPARE(listClicks, 1);

        auto* free = findWidget<QComboBox>(dialog.get(), "cboFree");
        form.cboFree.setListIndex(0);
        freeChanges = 0;
        free->lineEdit()->end(false);
        QTest::keyClicks(free->lineEdit(), "s");
        QCOMPARE(form.cboFree.text(), std::string("apples"));
        QCOMPARE(form.cboFree.listIndex(), -1);  // no item has that text
        QCOMPARE(freeChanges, 1);
        QCOMPARE(free->currentText(), QString("apples"));
        QCOMPARE(free->count(), 3);  // typed text is no new item
    }

    void treeNodesAreClicked() {
        frmGallery form(ui_, folder_.path().string());
        std::vector<std::string> clicked;
        form.tvwTree.NodeClick = [&clicked](const std::string& key) { clicked.push_back(key); };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* tree = findWidget<QTreeWidget>(dialog.get(), "tvwTree");

        clickTreeItem(tree, tree->topLevelItem(1));
        QCOMPARE(form.tvwTree.selectedKey(), std::string("other"));
        clickTreeItem(tree, tree->topLevelItem(1));
        clickTreeItem(tree, tree->topLevelItem(0)->child(0));
        QCOMPARE(clicked, (std::vector<std::string>{"other", "other", "leaf"}));
        QCOMPARE(tree->currentItem()->text(0), QString("Leaf"));
    }

    void scrollBarRunsTheModelsWay() {
        frmGallery form(ui_, folder_.path().string());
        int changes = 0;
        form.vsbSpin.Change = [&changes] { ++changes; };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        auto* spin = findWidget<QScrollBar>(dialog.get(), "vsbSpin");
        spin->setFocus();
        // Down goes towards the bottom, -9; up towards 0.
        QTest::keyClick(spin, Qt::Key_Down);
        QCOMPARE(form.vsbSpin.value(), -4);
        QTest::keyClick(spin, Qt::Key_Up);
        QTest::keyClick(spin, Qt::Key_Up);
        QCOMPARE(form.vsbSpin.value(), -2);
        QCOMPARE(changes, 3);
    }

    void doubleClicksReachTheControlUnderThePointer() {
        frmGallery form(ui_, folder_.path().string());
        int labelClicks = 0;
        form.lblTitle.DblClick = [&labelClicks] { ++labelClicks; };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        QTest::mouseDClick(findWidget<QLabel>(dialog.get(), "lblTitle"), Qt::LeftButton);
        QCOMPARE(labelClicks, 1);
    }

    void tabOrderFollowsTheTabIndexes() {
        frmGallery form(ui_, folder_.path().string());
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);
        findWidget<QPushButton>(dialog.get(), "cmdColored")->setFocus();
        QStringList visited;
        for (int i = 0; i < 9; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << focusedControl();
        }
        QCOMPARE(visited, QStringList({"txtSecret", "txtNotes", "cboList", "cboFree", "tvwTree",
                                       "vsbSpin", "chkGrey", "txtLocked", "wbrPreview"}));
        // The model followed the person through the dialog.
        QCOMPARE(form.activeControl(), &form.wbrPreview);
    }

    void focusMovesBothWays() {
        frmPeople form(ui_);
        std::vector<std::string> events;
        form.txtName.GotFocus = [&events] { events.push_back("got txtName"); };
        form.txtName.LostFocus = [&events] { events.push_back("lost txtName"); };
        form.cmdAdd.GotFocus = [&events] { events.push_back("got cmdAdd"); };
        auto dialog = showWithoutModalLoop(form);
        QVERIFY(dialog);

        // People: a click and a tab, in the tab order of the user control too.
        clickWidget(findWidget<QLineEdit>(dialog.get(), "txtName"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(events, (std::vector<std::string>{"got txtName", "lost txtName", "got cmdAdd"}));
        clickWidget(findWidget<QLineEdit>(dialog.get(), "ctlColor1.txtColor"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(form.ctlColor1.leaves, 1);
        QCOMPARE(form.activeControl(), &form.ctlColor1.cmdColor);

        // The model: setFocus in code moves the widget focus.
        form.txtName.setFocus();
        QTRY_COMPARE(focusedControl(), QString("txtName"));
        form.lstPeople.setFocus();
        QTRY_COMPARE(focusedControl(), QString("lstPeople"));
    }

  private:
    QtUi ui_;
    TemporaryFolder folder_;
};

QTEST_MAIN(QtFormsInputTest)
#include "qt_forms_input_test.moc"
