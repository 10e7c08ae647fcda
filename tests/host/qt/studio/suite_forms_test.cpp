// Every dialog of the suite that the menus reach, rendered by the generic renderer from its
// real model: each control's widget stands at the control's place (twips / 15) inside the
// widget of the control it is drawn in, and the title is the form's caption.
#include <QTest>

#include "common/forms/container.h"
#include "common/forms/form.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/twips.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/studio/form_geometry_check.h"
#include "tests/host/qt/studio/studio_fixture.h"

using namespace norvel;
using norvel::tests::ModalDriver;
using norvel::tests::StudioFixture;

class SuiteFormsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { fixture_ = std::make_unique<StudioFixture>(); }
    void cleanupTestCase() {
        ModalDriver::closeAllModalWindows();
        fixture_.reset();
    }

    void everyDialogRendersItsControlsAtTheirPlace_data() {
        QTest::addColumn<QStringList>("menu");
        QTest::newRow("add-in options") << QStringList{"Norvel", "options"};
        QTest::newRow("script options") << QStringList{"Norvel", "JavaScript", "options "};
        QTest::newRow("add to favourites")
            << QStringList{"Norvel", "JavaScript", "Add to Favorites"};
        QTest::newRow("slide show") << QStringList{"Norvel", "JavaScript", "Slide Show"};
        QTest::newRow("fading messages") << QStringList{"Norvel", "JavaScript", "Fading Messages"};
        QTest::newRow("current date") << QStringList{"Norvel", "JavaScript", "Current Date"};
        QTest::newRow("show and hide") << QStringList{"Norvel", "JavaScript", "Show and Hide"};
        QTest::newRow("scrollbar color") << QStringList{"Norvel", "Style", "Scrollbar color"};
    }

    void everyDialogRendersItsControlsAtTheirPlace() {
        QFETCH(QStringList, menu);
        fixture_->window().openPage("index.htm");
        QAction* action = fixture_->window().menuAction(menu);
        QVERIFY(action);
        QVERIFY(action->isEnabled());
        ModalDriver driver;
        int checked = 0;
        QString title;
        QString caption;
        driver.whenModalShown([&](QWidget* modal) {
            auto* dialog = qobject_cast<host::qt::FormDialog*>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            caption = QString::fromStdString(dialog->form().caption());
            checked = tests::checkControls(*dialog, dialog->form());
            ModalDriver::closeAllModalWindows();
        });
        action->trigger();
        QVERIFY(driver.allRan());
        QCOMPARE(title, caption);
        QVERIFY2(checked >= 3, qPrintable(QString("only %1 controls").arg(checked)));
    }

  private:
    std::unique_ptr<StudioFixture> fixture_;
};

QTEST_MAIN(SuiteFormsTest)
#include "suite_forms_test.moc"
