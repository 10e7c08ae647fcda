#include "scriptcollection/frm_slide.h"

#include <filesystem>

#include "common/conversions.h"
#include "common/editor/web.h"
#include "common/error_mod.h"
#include "common/functions.h"
#include "common/string_dictionary.h"
#include "common/ui.h"
#include "scriptcollection/center_on_editor.h"
#include "scriptcollection/script_library.h"
#include "scriptcollection/script_string.h"

namespace norvel::script {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kPictureFolder = "slide_img";
constexpr const char* kPictureFilter = "GIF pictures |*.gif|JPEG pictures |*.jpg";
constexpr int kTransitionCount = 23;

std::vector<std::string> splitAtComma(const std::string& text) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        pieces.push_back(text.substr(start, comma - start));
        if (comma == std::string::npos)
            return pieces;
        start = comma + 1;
    }
}

std::string linkCell(const char* align, const char* call, const char* caption, int number,
                     const std::string& identifier) {
    std::string n = std::to_string(number);
    return std::string("<td width=\"50%\" height=\"21\"><p align=\"") + align +
           "\"><a href=\"#\" onClick=\"Type_NV = TypeA_NV[" + n +
           "];CurrentSlide_NV = " + identifier + ";" + call + "('" + identifier + "'," + n +
           ");return false\">" + caption + "</a></td>";
}

}  // namespace

frmSlide::frmSlide(const common::Runtime& runtime, std::shared_ptr<clsJS> engine)
    : Form(*runtime.ui, "frmSlide", "Norvel - Slide Show", 5880, 4440),
      JsAddin(std::move(engine)),
      runtime_(runtime) {
    addControl(lblName, "lblName", {120, 120, 2535, 255});
    addControl(lstPic, "lstPic", {120, 420, 3495, 2205});
    addControl(cmdBrowse, "cmdBrowse", {3840, 420, 1815, 375});
    addControl(cmdUp, "cmdUp", {3840, 900, 1815, 375});
    addControl(cmdDown, "cmdDown", {3840, 1380, 1815, 375});
    addControl(cmdRemove, "cmdRemove", {3840, 1860, 1815, 375});
    addControl(Label1, "Label1", {120, 2820, 2535, 495});
    addControl(cmbTrans, "cmbTrans", {2760, 2880, 1575, 315});
    addControl(cmdDoit, "cmdDoit", {3120, 3720, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {4440, 3720, 1215, 375});

    lblName.setCaption("Pictures to add");
    cmdBrowse.setCaption("Add Picture...");
    cmdUp.setCaption("Up");
    cmdUp.setToolTipText("Moves picture up in order");
    cmdDown.setCaption("Down");
    cmdDown.setToolTipText("Moves picture Down in order");
    cmdRemove.setCaption("Remove Picture");
    Label1.setCaption("Transtion Effect when\r\n Picture change");
    cmdDoit.setCaption("OK");
    cmdCancel.setCaption("Cancel");
    cmbTrans.setStyle(common::forms::ComboBox::Style::DropDownList);
    cmbTrans.addItem("Random");
    for (int i = 1; i <= kTransitionCount; ++i)
        cmbTrans.addItem(std::to_string(i));

    cmbTrans.Click = [this] { cmbTrans_Click(); };
    cmdBrowse.Click = [this] { cmdBrowse_Click(); };
    cmdUp.Click = [this] { cmdUp_Click(); };
    cmdDown.Click = [this] { cmdDown_Click(); };
    cmdRemove.Click = [this] { cmdRemove_Click(); };
    cmdDoit.Click = [this] { cmdDoit_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmSlide::Form_Load() {
    try {
        if (!JsAddin->FormDic)
            JsAddin->FormDic = std::make_shared<common::StringDictionary>();
        // "Random" until a transition is chosen, also for a block stored without one.
        JsAddin->FormDic->set("Trans", "-1");
        if (JsAddin->realcom) {
            SlideNumber = 0;
            restoreFromBlock();
        }
        // The box shows the transition in force: "Random" unless the block chose another.
        if (cmbTrans.listIndex() < 0)
            cmbTrans.setListIndex(0);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJS);
    }
}

void frmSlide::restoreFromBlock() {
    const common::StringDictionary& attributes = *JsAddin->AddinDic;
    // An empty piece (an empty "s-pic", a doubled comma) names no picture: it would only show
    // a broken one.
    if (attributes.exists("s-pic"))
        for (const std::string& picture : splitAtComma(attributes.value("s-pic"))) {
            if (picture.empty())
                continue;
            lstPic.addItem(picture);
            PicturePaths.emplace_back();
        }
    if (attributes.exists("s-transtype")) {
        try {
            int position = common::toInt32(attributes.value("s-transtype"));
            if (position >= -1 && position <= kTransitionCount)
                cmbTrans.setListIndex(position <= 0 ? 0 : position);
        } catch (const common::Error&) {
            // Not a number: the transition stays "Random".
        }
    }
    try {
        int number = common::toInt32(JsAddin->Value("i-num"));
        if (number != 0)
            SlideNumber = number;
    } catch (const common::Error&) {
        // No number stored: the show keeps number 0.
    }
}

void frmSlide::cmbTrans_Click() {
    if (!JsAddin->FormDic)
        JsAddin->FormDic = std::make_shared<common::StringDictionary>();
    JsAddin->FormDic->set("Trans", cmbTrans.text() == "Random" ? "-1" : cmbTrans.text());
}

void frmSlide::cmdBrowse_Click() {
    try {
        auto chosen = ui().chooseOpenFile({kPictureFilter, {}});
        if (!chosen || chosen->empty())
            return;
        lstPic.addItem(std::filesystem::path(*chosen).filename().string());
        PicturePaths.push_back(*chosen);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJS);
    }
}

void frmSlide::moveEntry(int from, int to) {
    std::string text = lstPic.list(from);
    lstPic.removeItem(from);
    lstPic.addItem(text, to);
    std::swap(PicturePaths[from], PicturePaths[to]);
    lstPic.setListIndex(-1);
}

void frmSlide::cmdUp_Click() {
    int selected = lstPic.listIndex();
    if (selected > 0 && !lstPic.text().empty())
        moveEntry(selected, selected - 1);
}

void frmSlide::cmdDown_Click() {
    int selected = lstPic.listIndex();
    if (selected >= 0 && selected < lstPic.listCount() - 1 && !lstPic.text().empty())
        moveEntry(selected, selected + 1);
}

void frmSlide::cmdRemove_Click() {
    int selected = lstPic.listIndex();
    if (selected < 0)
        return;
    lstPic.removeItem(selected);
    PicturePaths.erase(PicturePaths.begin() + selected);
}

void frmSlide::importPictures() {
    auto folder = common::pageFolder(runtime_);
    if (!common::FolderExist(kPictureFolder, *folder))
        folder->Folders().Add(kPictureFolder);
    auto pictures = folder->Folders().Item(std::string(kPictureFolder));
    for (const std::string& path : PicturePaths)
        if (!path.empty())
            pictures->Files().Add(path, true);
}

void frmSlide::MakeCodeB() {
    try {
        int number = SlideNumber;
        std::string identifier;
        if (SlideNumber != -1) {
            identifier = "photoslider_NV" + std::to_string(number);
        } else {
            number = 0;
            identifier = JsAddin->UniqueName("photoslider_NV", number);
        }
        std::string strpic;
        for (int p = 0; p < lstPic.listCount(); ++p)
            strpic += "photos_NV[" + std::to_string(number) + "][" + std::to_string(p) +
                      "] = \"slide_img/" + escapeScriptString(lstPic.list(p)) + "\"" + kCrLf;

        JsAddin->UpperCode =
            std::string("<table border=\"0\" cellspacing=\"0\" cellpadding=\"0\">") + kCrLf +
            "<tr>" + kCrLf + "<td width=\"100%\" colspan=\"2\" height=\"22\"><center>" + kCrLf;
        JsAddin->LowerCode =
            std::string("</center></td>") + kCrLf + "</tr>" + kCrLf + "<tr>" + kCrLf +
            linkCell("left", "backward_NV", "Previous Slide", number, identifier) + kCrLf +
            linkCell("right", "forward_NV", "Next Slide", number, identifier) + kCrLf + "</tr>" +
            kCrLf + "</table>" + kCrLf;
        JsAddin->FormDic->set("name", identifier);
        JsAddin->FormDic->set("i", std::to_string(number));
        JsAddin->FormDic->set("strpic", strpic);
        SlideNumber = number;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "MakeCodeB");
    }
}

void frmSlide::cmdDoit_Click() {
    try {
        if (lstPic.listCount() < 2) {
            ui().message("You must have at least two pictures, add more");
            return;
        }
        importPictures();
        MakeCodeB();
        std::string pictures;
        for (int p = 0; p < lstPic.listCount(); ++p)
            pictures += (p ? "," : "") + lstPic.list(p);
        common::StringDictionary& attributes = *JsAddin->AddinDic;
        attributes.set("s-pic", pictures);
        attributes.set("s-transtype", std::to_string(cmbTrans.listIndex()));
        attributes.set("i-num", std::to_string(SlideNumber));
        attributes.set("T", "J2");
        JsAddin->Run("slide_nv");
        Unload();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJS);
    }
}

void frmSlide::cmdCancel_Click() {
    Unload();
}

void frmSlide::Form_Unload(bool&) {
    bringEditorToFront(runtime_);
    JsAddin.reset();
}

}  // namespace norvel::script
