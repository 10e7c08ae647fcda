// What a person sees: each control drawn at its place inside its frame or user control, as the
// widget its kind calls for, with its captions, pictures and page; the window sized from the
// form; model changes shown at once.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QtTest>

#include "common/forms/container.h"
#include "common/frm_error.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/form_dialog.h"
#include "host/qt/forms/qt_ui.h"
#include "host/qt/forms/wrapped_caption.h"
#include "tests/common/test_forms.h"
#include "tests/host/qt/forms/form_test_support.h"
#include "tests/host/qt/forms/gallery_forms.h"
#include "tests/host/qt/support/widget_lookup.h"
#include "tests/support/temporary_folder.h"

using namespace norvel::tests;
using norvel::host::qt::FormDialog;
using norvel::host::qt::QtUi;
using norvel::tests::findWidget;
using norvel::tests::TemporaryFolder;

namespace {

// Writes the gallery's picture and page.
void writeGalleryFiles(const TemporaryFolder& folder) {
    QVERIFY(norvel::tests::writePicture(folder.path() / "dot.png", Qt::red, 16));
    QVERIFY(norvel::tests::writeTextFile(
        folder.path() / "page.html",
        "<html><body><p>First page</p><img src=\"dot.png\"></body></html>"));
}

// Every control of a container, user controls' own controls included.
void allControls(Container& container, std::vector<Control*>& out) {
    for (Control* control : container.controls()) {
        out.push_back(control);
        if (Container* inner = control->asContainer())
            allControls(*inner, out);
    }
}

QRect twipRect(int left, int top, int width, int height) {
    return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0),
                 qRound(height / 15.0));
}

}  // namespace

class QtFormsRenderTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsSitAtTheirPlaceInsideTheirFrameOrUserControl() {
        QtUi ui;
        frmPeople form(ui);
        FormDialog dialog(form);

        auto* frame = findWidget<QGroupBox>(&dialog, "fraOrder");
        auto* first = findWidget<QRadioButton>(&dialog, "opFirst");
        auto* userControl = findWidget<QWidget>(&dialog, "ctlColor1");
        auto* color = findWidget<QLineEdit>(&dialog, "ctlColor1.txtColor");
        QVERIFY(frame && first && userControl && color);
        QCOMPARE(frame->geometry(), QRect(8, 128, 160, 60));
        QCOMPARE(first->parentWidget(), frame);
        QCOMPARE(first->geometry(), QRect(8, 16, 67, 17));  // relative to the frame
        QCOMPARE(userControl->geometry(), QRect(8, 193, 87, 20));
        QCOMPARE(color->parentWidget(), userControl);
        QCOMPARE(color->geometry(), QRect(0, 0, 60, 19));

        // And every other control the same way: its widget, named by its path, at its place.
        std::vector<Control*> controls;
        allControls(form, controls);
        for (Control* control : controls) {
            QWidget* widget = dialog.widgetFor(*control);
            QVERIFY2(widget != nullptr, control->name().c_str());
            const Geometry& g = control->geometry();
            QCOMPARE(widget->geometry(), twipRect(g.left, g.top, g.width, g.height));
            QWidget* expectedParent = &dialog;
            if (control->visualParent() != nullptr)
                expectedParent = dialog.widgetFor(*control->visualParent());
            else if (Control* owner = control->owner()->asControl())
                expectedParent = dialog.widgetFor(*owner);
            QCOMPARE(widget->parentWidget(), expectedParent);
        }
    }

    // Dialogs were laid out for captions that wrap inside two-line check boxes and option
    // buttons; one clipped line would hide the end of the caption.
    void longCaptionsWrapWhereTheControlHasRoomForTheLines() {
        using norvel::host::qt::wrappedCaption;
        const QFont font = QApplication::font();
        const QFontMetrics metrics(font);
        const QString caption =
            "The Addins Should Add the Required Functions in the Head Section of the Page";
        const int width = metrics.horizontalAdvance(caption) / 2;
        const int twoLines = 2 * metrics.lineSpacing() + 1;

        const QString wrapped = wrappedCaption(caption, font, width, 3 * metrics.lineSpacing());
        const QStringList lines = wrapped.split('\n');
        QVERIFY2(lines.size() >= 2 && lines.size() <= 3, qPrintable(wrapped));
        for (const QString& line : lines)
            QVERIFY2(metrics.horizontalAdvance(line) <= width, qPrintable(line));
        QCOMPARE(lines.join(' '), caption);  // broken at word breaks, nothing lost

        QCOMPARE(wrappedCaption(caption, font, width, metrics.lineSpacing()), caption);
        QCOMPARE(wrappedCaption("Link", font, width, twoLines), QString("Link"));
        QCOMPARE(wrappedCaption(caption, font, 0, twoLines), caption);

        // Drawn so: a lone line would sit in the middle, two lines reach the top quarter.
        norvel::host::qt::WholeAreaRadioButton option(caption);
        option.setGeometry(0, 0, width + 40, 2 * metrics.lineSpacing() + 8);
        QImage drawn = option.grab().toImage();
        bool inkAtTop = false;
        for (int y = 0; y < drawn.height() / 4; ++y)
            for (int x = drawn.width() / 3; x < drawn.width(); ++x)
                inkAtTop = inkAtTop || qGray(drawn.pixel(x, y)) < 128;
        QVERIFY(inkAtTop);
    }

    void titleCaptionsAndStatesAreTheModels() {
        QtUi ui;
        frmPeople form(ui);
        form.Load();
        FormDialog dialog(form);
        QCOMPARE(dialog.windowTitle(), QString("People"));
        QCOMPARE(dialog.objectName(), QString("frmPeople"));
        QCOMPARE(findWidget<QPushButton>(&dialog, "cmdAdd")->text(), QString("Add"));
        QCOMPARE(findWidget<QGroupBox>(&dialog, "fraOrder")->title(), QString("Order"));
        QVERIFY(!findWidget<QPushButton>(&dialog, "cmdRemove")->isEnabled());
        auto* first = findWidget<QRadioButton>(&dialog, "opFirst");
        QVERIFY(first->isChecked());  // Form_Load turned it on
        QVERIFY(!first->autoExclusive());
        QVERIFY(findWidget<QListWidget>(&dialog, "lstPeople") != nullptr);
    }

    void windowSizeComesFromTheFormButNeverCutsAControl() {
        QtUi ui;
        TemporaryFolder folder;
        writeGalleryFiles(folder);
        frmGallery gallery(ui, folder.path().string());
        FormDialog galleryDialog(gallery);
        // 9000 x 6000 twips less the old title bar and borders.
        QCOMPARE(galleryDialog.size(), QSize(600 - 8, 400 - 30));

        // frmPeople's Close button would be cut at 4800 x 3600: the window grows to hold it.
        frmPeople people(ui);
        FormDialog peopleDialog(people);
        QCOMPARE(peopleDialog.size(), QSize(308 + 8, 225 + 8));

        // The error dialog grows when its details show, as the model sets its height.
        frmError error(ui);
        error.setError(Error(53, "norvel", "File not found"), "File not found");
        error.Load();
        FormDialog errorDialog(error);
        auto* details = findWidget<QPlainTextEdit>(&errorDialog, "txtError");
        QVERIFY(details->isHidden());
        int collapsed = errorDialog.height();
        QVERIFY(collapsed < 120);
        error.cmdDetail.userClick();
        QVERIFY(!details->isHidden());
        // 4140 twips less the title bar would cut the details box: it ends at 240 pixels.
        QCOMPARE(errorDialog.height(), 240 + 8);
        QVERIFY(!findWidget<QPushButton>(&errorDialog, "cmdDetail")->isEnabled());
    }

    void eachKindBecomesItsWidget() {
        QtUi ui;
        TemporaryFolder folder;
        writeGalleryFiles(folder);
        frmGallery form(ui, folder.path().string());
        FormDialog dialog(form);

        QCOMPARE(findWidget<QLabel>(&dialog, "lblTitle")->text(), QString("Name & more"));
        QVERIFY(findWidget<QLabel>(&dialog, "lblTitle")->wordWrap());
        QCOMPARE(findWidget<QPlainTextEdit>(&dialog, "txtNotes")->toPlainText(),
                 QString("one\ntwo"));
        auto* secret = findWidget<QLineEdit>(&dialog, "txtSecret");
        QCOMPARE(secret->echoMode(), QLineEdit::Password);
        QCOMPARE(secret->maxLength(), 4);
        auto* locked = findWidget<QLineEdit>(&dialog, "txtLocked");
        QVERIFY(locked->isReadOnly());
        QCOMPARE(locked->toolTip(), QString("Cannot be changed"));

        auto* free = findWidget<QComboBox>(&dialog, "cboFree");
        QVERIFY(free->isEditable());
        QCOMPARE(free->count(), 3);
        QCOMPARE(free->currentIndex(), -1);
        auto* list = findWidget<QComboBox>(&dialog, "cboList");
        QVERIFY(!list->isEditable());
        QCOMPARE(list->currentText(), QString("y"));

        QVERIFY(dialog.widgetFor(form.ilsIcons) == nullptr);
        auto* tree = findWidget<QTreeWidget>(&dialog, "tvwTree");
        QCOMPARE(tree->topLevelItemCount(), 2);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QString("Root"));
        QVERIFY(root->isExpanded());
        QVERIFY(!root->icon(0).isNull());           // a picture file
        QVERIFY(root->child(0)->icon(0).isNull());  // a name that is no file: text only
        QCOMPARE(root->child(0)->text(0), QString("Leaf"));

        // 0 at the top down to -9 at the bottom, at -3: a third of the way down.
        auto* spin = findWidget<QScrollBar>(&dialog, "vsbSpin");
        QCOMPARE(spin->orientation(), Qt::Vertical);
        QCOMPARE(spin->value() - spin->minimum(), 3);
        QCOMPARE(spin->maximum() - spin->minimum(), 9);

        QVERIFY(!findWidget<QLabel>(&dialog, "picError")->pixmap().isNull());
        QCOMPARE(findWidget<QLabel>(&dialog, "imgLogo")->pixmap().size(), QSize(16, 16));
        QCOMPARE(findWidget<QCheckBox>(&dialog, "chkGrey")->checkState(), Qt::PartiallyChecked);
        QCOMPARE(findWidget<QPushButton>(&dialog, "cmdColored")->palette().color(QPalette::Button),
                 QColor(0x40, 0x80, 0xFF));

        auto* browser = findWidget<QTextBrowser>(&dialog, "wbrPreview");
        QVERIFY(browser->toPlainText().contains("First page"));
        // The page's picture is found beside the page.
        QVERIFY(!browser->loadResource(QTextDocument::ImageResource, QUrl("dot.png")).isNull());
    }

    void webBrowserReloadsOnEveryNavigation() {
        QtUi ui;
        TemporaryFolder folder;
        writeGalleryFiles(folder);
        frmGallery form(ui, folder.path().string());
        FormDialog dialog(form);
        auto* browser = findWidget<QTextBrowser>(&dialog, "wbrPreview");

        QVERIFY(norvel::tests::writeTextFile(folder.path() / "page.html", "<p>Written again</p>"));
        QVERIFY(browser->toPlainText().contains("First page"));  // not navigated yet
        form.wbrPreview.navigate("file://" + (folder.path() / "page.html").string());
        QVERIFY(browser->toPlainText().contains("Written again"));

        QVERIFY(norvel::tests::writeTextFile(folder.path() / "other.html", "<p>Other</p>"));
        form.wbrPreview.navigate((folder.path() / "other.html").string());
        QCOMPARE(browser->toPlainText(), QString("Other"));
        form.wbrPreview.navigate("about:blank");
        QVERIFY(browser->toPlainText().isEmpty());
    }

    void modelChangesShowInTheWidgets() {
        QtUi ui;
        frmPeople form(ui);
        form.Load();
        FormDialog dialog(form);

        form.setCaption("Everyone");
        QCOMPARE(dialog.windowTitle(), QString("Everyone"));
        form.cmdAdd.setCaption("Add person");
        QCOMPARE(findWidget<QPushButton>(&dialog, "cmdAdd")->text(), QString("Add person"));
        form.cmdRemove.setEnabled(true);
        QVERIFY(findWidget<QPushButton>(&dialog, "cmdRemove")->isEnabled());
        form.fraOrder.setVisible(false);
        QVERIFY(findWidget<QGroupBox>(&dialog, "fraOrder")->isHidden());
        form.fraOrder.setEnabled(false);
        form.fraOrder.setVisible(true);
        QVERIFY(
            !findWidget<QRadioButton>(&dialog, "opLast")->isEnabled());  // inside a disabled frame

        form.txtName.setText("Ann");
        QCOMPARE(findWidget<QLineEdit>(&dialog, "txtName")->text(), QString("Ann"));
        form.ctlColor1.txtColor.setText("FF0000");
        QCOMPARE(findWidget<QLineEdit>(&dialog, "ctlColor1.txtColor")->text(), QString("FF0000"));

        auto* list = findWidget<QListWidget>(&dialog, "lstPeople");
        form.lstPeople.addItem("Bob");
        form.lstPeople.addItem("Ann", 0);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QString("Ann"));
        form.lstPeople.setListIndex(1);
        QCOMPARE(list->selectedItems().value(0), list->item(1));
        form.lstPeople.removeItem(0);
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->selectedItems().value(0), list->item(0));  // the selection moved with Bob

        form.opLast.setValue(true);
        QVERIFY(findWidget<QRadioButton>(&dialog, "opLast")->isChecked());
        QVERIFY(!findWidget<QRadioButton>(&dialog, "opFirst")->isChecked());

        form.cmdClose.setGeometry({1200, 3000, 1200, 375});
        QCOMPARE(findWidget<QPushButton>(&dialog, "cmdClose")->geometry(), QRect(80, 200, 80, 25));
        form.cmdClose.setBackColor(0x000000FF);
        QCOMPARE(findWidget<QPushButton>(&dialog, "cmdClose")->palette().color(QPalette::Button),
                 QColor(Qt::red));
    }

    void galleryChangesShowInTheWidgets() {
        QtUi ui;
        TemporaryFolder folder;
        writeGalleryFiles(folder);
        frmGallery form(ui, folder.path().string());
        FormDialog dialog(form);

        form.chkGrey.setValue(1);
        QCOMPARE(findWidget<QCheckBox>(&dialog, "chkGrey")->checkState(), Qt::Checked);
        form.vsbSpin.setValue(-9);
        auto* spin = findWidget<QScrollBar>(&dialog, "vsbSpin");
        QCOMPARE(spin->value(), spin->maximum());  // the bottom
        form.cboList.setListIndex(2);
        QCOMPARE(findWidget<QComboBox>(&dialog, "cboList")->currentText(), QString("z"));
        form.cboFree.setText("durian");
        QCOMPARE(findWidget<QComboBox>(&dialog, "cboFree")->currentText(), QString("durian"));
        form.picError.setPicture("");
        QVERIFY(findWidget<QLabel>(&dialog, "picError")->pixmap().isNull());

        auto* tree = findWidget<QTreeWidget>(&dialog, "tvwTree");
        tree->topLevelItem(1)->setText(0, "Other");  // nothing to see: same text
        form.tvwTree.addNode("other", "late", "Late");
        QCOMPARE(tree->topLevelItem(1)->childCount(), 1);
        QVERIFY(tree->topLevelItem(0)->isExpanded());  // still open after the rebuild
        form.tvwTree.setExpanded("root", false);
        QVERIFY(!tree->topLevelItem(0)->isExpanded());
        form.tvwTree.selectNode("late");
        QCOMPARE(tree->currentItem()->text(0), QString("Late"));
        form.tvwTree.clear();
        QCOMPARE(tree->topLevelItemCount(), 0);
    }
};

QTEST_MAIN(QtFormsRenderTest)
#include "qt_forms_render_test.moc"
