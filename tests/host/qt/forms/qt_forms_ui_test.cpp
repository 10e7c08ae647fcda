// The platform dialogs of QtUi (colour, open file) answered and cancelled, the filter they are
// given, and the hourglass pointer.
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "host/qt/forms/open_file_filter.h"
#include "host/qt/forms/qt_ui.h"
#include "tests/common/test_forms.h"
#include "tests/host/qt/support/modal_driver.h"
#include "tests/host/qt/support/widget_lookup.h"
#include "tests/support/temporary_folder.h"

using namespace norvel::tests;
using norvel::host::qt::QtUi;
using norvel::tests::clickWidget;
using norvel::tests::findWidget;
using norvel::tests::ModalDriver;
using norvel::tests::TemporaryFolder;

class QtFormsUiTest : public QObject {
    Q_OBJECT

  private slots:
    void colourDialogTakesAndGivesPlatformColours() {
        QtUi ui;
        ModalDriver driver;
        driver.whenModalShown([](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QVERIFY(dialog->testOption(QColorDialog::DontUseNativeDialog));
            QCOMPARE(dialog->currentColor(), QColor(0x12, 0x34, 0x56));
            dialog->setCurrentColor(QColor(0xAB, 0xCD, 0xEF));
            dialog->accept();
        });
        // Blue 56, green 34, red 12 in the platform's number.
        QCOMPARE(ui.chooseColor(0x563412), std::optional<uint32_t>(0xEFCDAB));

        driver.whenModalShown([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(ui.chooseColor(0), std::nullopt);
        QVERIFY(driver.allRan());
    }

    void colourFromAButtonOfAUserControl() {
        QtUi ui;
        frmPeople form(ui);
        ModalDriver driver;
        driver.whenModalShown([](QWidget* people) {
            clickWidget(findWidget<QPushButton>(people, "ctlColor1.cmdColor"));  // answered
            QCOMPARE(findWidget<QLineEdit>(people, "ctlColor1.txtColor")->text(),
                     QString("FF8000"));
            clickWidget(findWidget<QPushButton>(people, "ctlColor1.cmdColor"));  // cancelled
            QCOMPARE(findWidget<QLineEdit>(people, "ctlColor1.txtColor")->text(),
                     QString("FF8000"));
            clickWidget(findWidget<QPushButton>(people, "cmdClose"));
        });
        driver.whenModalShown([](QWidget* modal) {
            auto* dialog = qobject_cast<QColorDialog*>(modal);
            QVERIFY(dialog != nullptr);
            dialog->setCurrentColor(QColor(0xFF, 0x80, 0x00));
            dialog->accept();
        });
        driver.whenModalShown([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        form.Show(true);
        QVERIFY(driver.allRan());
    }

    void openFileDialogAnsweredAndCancelled() {
        TemporaryFolder folder;
        QString picture = QString::fromStdString((folder.path() / "photo.jpg").string());
        QFile file(picture);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        QtUi ui;
        norvel::common::OpenFileRequest request{"GIF pictures |*.gif|JPEG pictures |*.jpg",
                                                "Choose a picture"};
        ModalDriver driver;
        driver.whenModalShown([&picture](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            QVERIFY(dialog != nullptr);
            QVERIFY(dialog->testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog->windowTitle(), QString("Choose a picture"));
            QCOMPARE(dialog->nameFilters(),
                     QStringList({"GIF pictures (*.gif)", "JPEG pictures (*.jpg)"}));
            // The dialog lists a folder in a thread of its own: type the name, as a person
            // would, once the list is there.
            const QString folderPath = QFileInfo(picture).absolutePath();
            dialog->selectNameFilter("JPEG pictures (*.jpg)");
            dialog->setDirectory(folderPath);
            auto* listing = dialog->findChild<QFileSystemModel*>();
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(listing != nullptr && name != nullptr);
            QTRY_VERIFY(listing->rowCount(listing->index(folderPath)) > 0);
            QTest::keyClicks(name, QFileInfo(picture).fileName());
            QAbstractButton* open = norvel::tests::findButtonByText(dialog, "Open");
            QVERIFY(open != nullptr);
            QTRY_VERIFY(open->isEnabled());
            clickWidget(open);
        });
        QCOMPARE(ui.chooseOpenFile(request), std::optional<std::string>(picture.toStdString()));

        driver.whenModalShown([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QCOMPARE(ui.chooseOpenFile(request), std::nullopt);
        QVERIFY(driver.allRan());
    }

    void filtersBecomeQtNameFilters_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two pairs") << "GIF pictures |*.gif|JPEG pictures |*.jpg"
                                   << QStringList{"GIF pictures (*.gif)", "JPEG pictures (*.jpg)"};
        QTest::newRow("several patterns")
            << "Pictures|*.gif;*.jpg; *.png" << QStringList{"Pictures (*.gif *.jpg *.png)"};
        QTest::newRow("no description") << "|*.css" << QStringList{"*.css (*.css)"};
        QTest::newRow("pattern missing") << "Pages|*.htm|Other" << QStringList{"Pages (*.htm)"};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void filtersBecomeQtNameFilters() {
        QFETCH(QString, filter);
        QFETCH(QStringList, expected);
        QCOMPARE(norvel::host::qt::qtNameFilters(filter.toStdString()), expected);
    }

    void hourglassIsOneOverrideCursor() {
        {
            QtUi ui;
            QVERIFY(QApplication::overrideCursor() == nullptr);
            ui.setMousePointer(norvel::common::MousePointer::Hourglass);
            ui.setMousePointer(norvel::common::MousePointer::Hourglass);
            QVERIFY(QApplication::overrideCursor() != nullptr);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            ui.setMousePointer(norvel::common::MousePointer::Default);
            QVERIFY(QApplication::overrideCursor() == nullptr);  // one restore was enough
            ui.setMousePointer(norvel::common::MousePointer::Default);
            ui.setMousePointer(norvel::common::MousePointer::Hourglass);
        }
        // A Ui going away takes its hourglass with it.
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(QtFormsUiTest)
#include "qt_forms_ui_test.moc"
