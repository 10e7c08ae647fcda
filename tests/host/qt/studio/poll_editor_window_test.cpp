// The poll editor in the studio window, reached through the menu as a person reaches it: the
// tree with its pictures, every pane switching in place and drawn from its model, typing into
// a pane, the colour dialog of a colour input, and the previews in the browser control.
#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

#include "common/forms/form.h"
#include "common/forms/text_box.h"
#include "common/forms/tree_view.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/simple_combo_box.h"
#include "host/qt/page/page_view.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/support/widget_lookup.h"
#include "tests/host/qt/studio/form_geometry_check.h"
#include "tests/host/qt/studio/studio_fixture.h"

using namespace norvel;
using norvel::tests::ModalDriver;
using norvel::tests::StudioFixture;

namespace {

QString modelText(common::forms::Form& form, const char* path) {
    auto* box = static_cast<common::forms::TextBox*>(form.findPath(path));
    return box != nullptr ? QString::fromStdString(box->text()) : QString("(no control)");
}

void typeInto(QWidget* modal, const QString& path, const QString& text) {
    auto* edit = tests::findWidget<QLineEdit>(modal, path);
    QVERIFY(edit);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QTreeWidgetItem* itemWithKey(QTreeWidget& tree, const QString& key) {
    for (QTreeWidgetItemIterator it(&tree); *it != nullptr; ++it)
        if ((*it)->data(0, Qt::UserRole).toString() == key)
            return *it;
    return nullptr;
}

}  // namespace

class PollEditorWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { fixture_ = std::make_unique<StudioFixture>(); }
    void cleanupTestCase() {
        ModalDriver::closeAllModalWindows();
        fixture_.reset();
    }

    void bothEditorsOpenFromTheMenuAndEveryPaneWorks_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("PHP") << "PHP Polls"
                             << "Norvel Poll Collection - PHP";
        QTest::newRow("ASP") << "ASP Polls"
                             << "Norvel Poll Collection - ASP";
    }

    void bothEditorsOpenFromTheMenuAndEveryPaneWorks() {
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        fixture_->window().openPage("index.htm");
        QAction* action = fixture_->window().menuAction({"Norvel", "Polls", entry});
        QVERIFY(action);
        QVERIFY(action->isEnabled());

        ModalDriver driver(std::chrono::seconds(60));
        QStringList walked;
        int checkedWidgets = 0;
        QString chosenColor;
        QString previewSource;
        bool iconsShown = false;
        driver.whenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<host::qt::FormDialog*>(modal);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), caption);
            common::forms::Form& editor = dialog->form();
            auto* model = static_cast<common::forms::TreeView*>(editor.findPath("TreeView1"));
            auto* tree = tests::findWidget<QTreeWidget>(modal, "TreeView1");
            QVERIFY(tree && model);
            QTreeWidgetItem* text = itemWithKey(*tree, "text");
            QVERIFY(text);
            QVERIFY(text->isSelected());
            iconsShown = !text->icon(0).isNull() && !itemWithKey(*tree, "Main")->icon(0).isNull();

            // Typing into the text pane reaches the model.
            typeInto(modal, "ctlText1.txtQuestion", "Coffee & <tea>?");
            QCOMPARE(modelText(editor, "ctlText1.txtQuestion"), QString("Coffee & <tea>?"));
            auto* answers = tests::findWidget<QComboBox>(modal, "ctlText1.cmbAnswers");
            QVERIFY(answers && answers->lineEdit());
            answers->lineEdit()->setFocus();
            QTest::keyClicks(answers->lineEdit(), "Coffee");
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "ctlText1.cmdPlus"));
            QCOMPARE(answers->count(), 1);
            // The simple combo box shows its list open below the edit field.
            auto* simple = dynamic_cast<host::qt::SimpleComboBox*>(answers);
            QVERIFY(simple);
            QVERIFY(simple->listView()->isVisible());
            QCOMPARE(simple->listView()->model()->rowCount(), 1);
            QCOMPARE(simple->listView()->model()->index(0, 0).data().toString(), QString("Coffee"));
            QVERIFY(simple->listView()->y() >= simple->lineEdit()->geometry().bottom());

            for (const auto& node : model->nodes()) {
                QTreeWidgetItem* item = itemWithKey(*tree, QString::fromStdString(node.key));
                QVERIFY(item);
                tree->setCurrentItem(item);
                walked << QString::fromStdString(model->selectedKey());
                if (node.key == "options")
                    typeInto(modal, "ctlOp1.txtPassword", "secret");
                if (node.key == "general") {
                    typeInto(modal, "ctlGeneral1.ABackC.txtColor", "FFFFEE");
                    // The colour dialog of a colour input: the next modal window.
                    bool colourShown = false;
                    driver.whenModalShown([&](QWidget* shown) {
                        auto* colourDialog = qobject_cast<QColorDialog*>(shown);
                        QVERIFY(colourDialog);
                        colourShown = true;
                        colourDialog->setCurrentColor(QColor(0x33, 0x66, 0x99));
                        colourDialog->accept();
                    });
                    tests::clickWidget(
                        tests::findWidget<QPushButton>(modal, "ctlGeneral1.QBackC.cmdColor"));
                    QVERIFY(colourShown);
                    chosenColor = modelText(editor, "ctlGeneral1.QBackC.txtColor");
                }
                if (node.key == "question" || node.key == "answers" || node.key == "other") {
                    QString pane = node.key == "question"  ? "ctlQ"
                                   : node.key == "answers" ? "ctlA"
                                                           : "ctlB";
                    typeInto(modal, pane + ".HexColor1.txtColor", "222222");
                }
                checkedWidgets += tests::checkControls(*dialog, editor);
                if (node.key == "results") {
                    auto* browser =
                        tests::findWidget<QTextBrowser>(modal, "ctlResults1.WebBrowser1");
                    QVERIFY(browser);
                    QVERIFY(browser->isVisible());
                    previewSource = browser->source().toLocalFile();
                }
            }
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "cmdCancel"));
        });
        action->trigger();
        QVERIFY(driver.allRan());
        QVERIFY(iconsShown);
        QCOMPARE(walked,
                 (QStringList{"Main", "Style", "View", "text", "options", "general", "question",
                              "answers", "other", "poll", "results", "history"}));
        QVERIFY2(checkedWidgets > 12 * 20, qPrintable(QString::number(checkedWidgets)));
        QCOMPARE(chosenColor, QString("336699"));
        QVERIFY(previewSource.endsWith("results.htm"));
    }

    void aPollMadeInTheWindowOpensAgainFromItsBlock() {
        fixture_->window().openPage("index.htm");
        ModalDriver driver(std::chrono::seconds(60));
        driver.whenModalShown([&](QWidget* modal) {
            auto* tree = tests::findWidget<QTreeWidget>(modal, "TreeView1");
            QVERIFY(tree);
            typeInto(modal, "ctlText1.txtQuestion", "Tea & <cake>?");
            auto* answers = tests::findWidget<QComboBox>(modal, "ctlText1.cmbAnswers");
            QVERIFY(answers);
            answers->lineEdit()->setFocus();
            // Letters beyond ASCII come as key events with their text.
            for (QChar c : QString("Çà et là"))
                QTest::sendKeyEvent(QTest::Click, answers->lineEdit(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "ctlText1.cmdPlus"));
            tree->setCurrentItem(itemWithKey(*tree, "options"));
            typeInto(modal, "ctlOp1.txtPassword", "secret");
            tree->setCurrentItem(itemWithKey(*tree, "general"));
            typeInto(modal, "ctlGeneral1.QBackC.txtColor", "336699");
            typeInto(modal, "ctlGeneral1.ABackC.txtColor", "FFFFEE");
            const char* panes[] = {"question", "answers", "other"};
            const char* inputs[] = {"ctlQ.HexColor1.txtColor", "ctlA.HexColor1.txtColor",
                                    "ctlB.HexColor1.txtColor"};
            for (int i = 0; i < 3; ++i) {
                tree->setCurrentItem(itemWithKey(*tree, panes[i]));
                typeInto(modal, inputs[i], "222222");
            }
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "cmdOK"));
        });
        // The note after a new poll.
        driver.whenModalShown([](QWidget* modal) {
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "Command1"));
        });
        fixture_->window().menuAction({"Norvel", "Polls", "PHP Polls"})->trigger();
        QVERIFY(driver.allRan());
        QVERIFY(std::filesystem::exists(fixture_->web() / "phppollx" / "votes.htm"));

        // A double-click on the block opens the editor with the poll as it was made.
        QString question;
        QStringList items;
        ModalDriver again(std::chrono::seconds(60));
        again.whenModalShown([&](QWidget* modal) {
            question = tests::findWidget<QLineEdit>(modal, "ctlText1.txtQuestion")->text();
            auto* answers = tests::findWidget<QComboBox>(modal, "ctlText1.cmbAnswers");
            for (int i = 0; i < answers->count(); ++i)
                items << answers->itemText(i);
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "cmdCancel"));
        });
        emit fixture_->window().activePageView()->blockDoubleClicked(1);
        QVERIFY(again.allRan());
        QCOMPARE(question, QString("Tea & <cake>?"));
        QCOMPARE(items, QStringList{QString("Çà et là")});
    }

  private:
    std::unique_ptr<StudioFixture> fixture_;
};

QTEST_MAIN(PollEditorWindowTest)
#include "poll_editor_window_test.moc"
