// The poll collection's note after a generation, which no menu reaches until the poll editor
// exists: rendered from its model like every other dialog, and closed by its own button.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/qt_ui.h"
#include "pollcollection/frm_perm.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/support/widget_lookup.h"
#include "tests/host/qt/studio/form_geometry_check.h"

using namespace norvel;

class PollFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void permissionNoteRendersAndClosesWithItsButton() {
        host::qt::QtUi ui;
        poll::frmPerm note(ui);
        tests::ModalDriver driver;
        int checked = 0;
        QString shownText;
        driver.whenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<host::qt::FormDialog*>(modal);
            QVERIFY(dialog);
            checked = tests::checkControls(*dialog, dialog->form());
            if (auto* plain = modal->findChild<QPlainTextEdit*>("txtPer"))
                shownText = plain->toPlainText();
            else if (auto* line = modal->findChild<QLineEdit*>("txtPer"))
                shownText = line->text();
            tests::clickWidget(tests::findWidget<QPushButton>(modal, "Command1"));
        });
        note.Show();
        QVERIFY(driver.allRan());
        QCOMPARE(checked, 2);
        QVERIFY(!shownText.isEmpty());
        // CR LF in the model is one line break on the screen.
        QCOMPARE(shownText, QString::fromStdString(note.txtPer.text()).replace("\r\n", "\n"));
        QVERIFY(!note.visible());
    }
};

QTEST_MAIN(PollFormsTest)
#include "poll_forms_test.moc"
