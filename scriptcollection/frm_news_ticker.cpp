#include "scriptcollection/frm_news_ticker.h"

#include "common/conversions.h"
#include "common/error_mod.h"
#include "common/string_dictionary.h"
#include "common/ui.h"
#include "scriptcollection/center_on_editor.h"
#include "scriptcollection/message_arrays.h"
#include "scriptcollection/script_library.h"
#include "scriptcollection/script_string.h"

namespace norvel::script {

namespace {

constexpr std::string_view kEntryPrefix = "Message ";

std::string entryName(size_t number) {
    return std::string(kEntryPrefix) + std::to_string(number);
}

}  // namespace

frmNewsTicker::frmNewsTicker(const common::Runtime& runtime, std::shared_ptr<clsJS> engine)
    : Form(*runtime.ui, "frmNewsTicker", "Norvel - Fading Messages", 8280, 5400),
      JsAddin(std::move(engine)),
      runtime_(runtime) {
    layOut();
    bindHandlers();
    chkAddLink_Click();
}

void frmNewsTicker::layOut() {
    addControl(FrameMessages, "FrameMessages", {120, 120, 2535, 4455});
    addControl(lstMessages, "lstMessages", {120, 300, 2295, 2985}, &FrameMessages);
    addControl(cmdAdd, "cmdAdd", {120, 3420, 735, 375}, &FrameMessages);
    addControl(cmdRemove, "cmdRemove", {900, 3420, 735, 375}, &FrameMessages);
    addControl(cmdSave, "cmdSave", {1680, 3420, 735, 375}, &FrameMessages);
    addControl(FrameProp, "FrameProp", {2760, 120, 5415, 3015});
    addControl(lblMsgText, "lblMsgText", {120, 300, 1335, 255}, &FrameProp);
    addControl(MsgText, "MsgText", {120, 560, 5175, 855}, &FrameProp);
    addControl(chkAddLink, "chkAddLink", {120, 1500, 3015, 255}, &FrameProp);
    addControl(lblLink, "lblLink", {120, 1860, 1335, 255}, &FrameProp);
    addControl(txtLink, "txtLink", {1560, 1820, 3735, 315}, &FrameProp);
    addControl(lblURL, "lblURL", {120, 2220, 1455, 255}, &FrameProp);
    addControl(txtURL, "txtURL", {1560, 2180, 3735, 315}, &FrameProp);
    addControl(opSame, "opSame", {120, 2620, 2535, 255}, &FrameProp);
    addControl(opNew, "opNew", {2760, 2620, 2535, 255}, &FrameProp);
    addControl(FrameTickerProp, "FrameTickerProp", {2760, 3240, 5415, 1335});
    addControl(lblWidth, "lblWidth", {120, 300, 1215, 255}, &FrameTickerProp);
    addControl(txtWidth, "txtWidth", {1440, 260, 735, 315}, &FrameTickerProp);
    addControl(lblHeight, "lblHeight", {2400, 300, 1215, 255}, &FrameTickerProp);
    addControl(txtHeight, "txtHeight", {3720, 260, 735, 315}, &FrameTickerProp);
    addControl(lblDelay, "lblDelay", {120, 700, 1935, 255}, &FrameTickerProp);
    addControl(txtDelay, "txtDelay", {2160, 660, 735, 315}, &FrameTickerProp);
    addControl(chkRemoveB, "chkRemoveB", {3120, 700, 1815, 255}, &FrameTickerProp);
    addControl(cmdOK, "cmdOK", {5640, 4740, 1215, 375});
    addControl(cmdCancel, "cmdCancel", {6960, 4740, 1215, 375});

    FrameMessages.setCaption("Messages To Dispaly");
    cmdAdd.setCaption("Add");
    cmdRemove.setCaption("Remove");
    cmdSave.setCaption("Save");
    FrameProp.setCaption("Message Properties");
    lblMsgText.setCaption("Message Text");
    MsgText.setMultiLine(true);
    chkAddLink.setCaption("Add Link End Of Message");
    lblLink.setCaption("Link Text");
    lblURL.setCaption("Link URL  HTTP://");
    opSame.setCaption("Open Link in Same Window");
    opNew.setCaption("Open Link in New Window");
    FrameTickerProp.setCaption("Fading Messages Properties");
    lblWidth.setCaption("Scroll Width");
    txtWidth.setText("120");
    lblHeight.setCaption("Scroll Height");
    txtHeight.setText("140");
    lblDelay.setCaption("Delay Time milliseconds");
    txtDelay.setText("3500");
    chkRemoveB.setCaption("Remove Border");
    cmdOK.setCaption("OK");
    cmdCancel.setCaption("Cancel");
}

void frmNewsTicker::bindHandlers() {
    lstMessages.Click = [this] { lstMessages_Click(); };
    chkAddLink.Click = [this] { chkAddLink_Click(); };
    cmdAdd.Click = [this] { cmdAdd_Click(); };
    cmdSave.Click = [this] { cmdSave_Click(); };
    cmdRemove.Click = [this] { cmdRemove_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmNewsTicker::Form_Load() {
    try {
        CenterOnEditor(runtime_, *this);
        if (!JsAddin->realcom)
            return;
        const common::StringDictionary& attributes = *JsAddin->AddinDic;
        if (attributes.exists("s-html") && attributes.exists("lst-count")) {
            int count = 0;
            try {
                count = common::toInt32(attributes.value("lst-count"));
            } catch (const common::Error&) {
                // An unreadable count restores no messages.
            }
            Messages = RestoreMessages(attributes.value("s-html"), count);
            for (size_t i = 1; i <= Messages.size(); ++i)
                lstMessages.addItem(entryName(i));
        }
        if (attributes.exists("width"))
            txtWidth.setText(attributes.value("width"));
        if (attributes.exists("height"))
            txtHeight.setText(attributes.value("height"));
        if (attributes.exists("delay"))
            txtDelay.setText(attributes.value("delay"));
        if (attributes.exists("border"))
            chkRemoveB.setValue(attributes.value("border") == "1" ? 1 : 0);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJC);
    }
}

bool frmNewsTicker::chkMessageProp() {
    bool passed = true;
    if (chkAddLink.value() == 1 && (txtURL.text().empty() || txtLink.text().empty())) {
        ui().msgBox("Please Fill URL or Link Text in Messge Properties",
                    common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information,
                    "Check Message");
        passed = false;
    }
    if (MsgText.text().empty()) {
        ui().msgBox("Please Fill Message Text Before Adding a new Message",
                    common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information,
                    "Check Message");
        passed = false;
    }
    return passed;
}

clsNews frmNewsTicker::NewMessageItem() const {
    clsNews item;
    item.NewsText = MsgText.text();
    item.AddLink = chkAddLink.value() == 1;
    item.URL = txtURL.text();
    item.Link = txtLink.text();
    item.Target = opSame.value() ? "_self" : "_blank";
    return item;
}

int frmNewsTicker::selectedMessage() const {
    std::string entry = lstMessages.text();
    if (lstMessages.listIndex() < 0 || entry.rfind(kEntryPrefix, 0) != 0)
        return -1;
    try {
        int number = common::toInt32(entry.substr(kEntryPrefix.size()));
        return number >= 1 && number <= static_cast<int>(Messages.size()) ? number - 1 : -1;
    } catch (const common::Error&) {
        return -1;
    }
}

void frmNewsTicker::clearFields() {
    MsgText.setText("");
    txtURL.setText("");
    txtLink.setText("");
}

void frmNewsTicker::renumberEntries() {
    lstMessages.clear();
    for (size_t i = 1; i <= Messages.size(); ++i)
        lstMessages.addItem(entryName(i));
}

void frmNewsTicker::lstMessages_Click() {
    int index = selectedMessage();
    if (index < 0)
        return;
    const clsNews& item = Messages[index];
    MsgText.setText(item.NewsText);
    if (item.AddLink) {
        chkAddLink.setValue(1);
        txtURL.setText(item.URL);
        txtLink.setText(item.Link);
    } else {
        chkAddLink.setValue(0);
    }
    if (item.Target == "_blank")
        opNew.setValue(true);
    else
        opSame.setValue(true);
}

void frmNewsTicker::chkAddLink_Click() {
    bool linked = chkAddLink.value() == 1;
    for (common::forms::Control* control : std::initializer_list<common::forms::Control*>{
             &txtURL, &txtLink, &lblURL, &lblLink, &opSame, &opNew})
        control->setEnabled(linked);
}

void frmNewsTicker::cmdAdd_Click() {
    if (!chkMessageProp())
        return;
    Messages.push_back(NewMessageItem());
    clearFields();
    lstMessages.addItem(entryName(lstMessages.listCount() + 1));
}

void frmNewsTicker::cmdSave_Click() {
    int index = selectedMessage();
    if (index < 0 || !chkMessageProp())
        return;
    Messages[index] = NewMessageItem();
    clearFields();
}

void frmNewsTicker::cmdRemove_Click() {
    int index = selectedMessage();
    if (index < 0)
        return;
    Messages.erase(Messages.begin() + index);
    renumberEntries();
    clearFields();
}

void frmNewsTicker::cmdOK_Click() {
    try {
        std::string problem;
        if (Messages.size() < 2)
            problem = "Please Add More Messages";
        else if (txtDelay.text().empty())
            problem = "Please Fill Delay Time";
        else if (txtWidth.text().empty())
            problem = "Please Fill width value";
        else if (txtHeight.text().empty())
            problem = "Please Fill height value";
        if (!problem.empty()) {
            ui().msgBox(problem, common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information,
                        "Check");
            return;
        }
        bool borderRemoved = chkRemoveB.value() == 1;
        std::string borderWidth = borderRemoved ? "0" : "1";
        std::string preview = "<span style='text-align:center;border:" + borderWidth +
                              "px solid black;width:" + txtWidth.text() +
                              ";height:" + txtHeight.text() +
                              ";padding:2px'>Fading Messages<br>click to edit</span>";
        if (!JsAddin->FormDic)
            JsAddin->FormDic = std::make_shared<common::StringDictionary>();
        common::StringDictionary& values = *JsAddin->FormDic;
        // The sizes and delay stand inside script strings of the template.
        values.set("width", escapeScriptString(txtWidth.text()));
        values.set("height", escapeScriptString(txtHeight.text()));
        values.set("messages", MakeMessageArrays(Messages));
        values.set("border", borderWidth);
        values.set("delay", escapeScriptString(txtDelay.text()));

        common::StringDictionary& attributes = *JsAddin->AddinDic;
        attributes.set("PREVIEW", preview);
        attributes.set("delay", txtDelay.text());
        attributes.set("width", txtWidth.text());
        attributes.set("height", txtHeight.text());
        attributes.set("border", borderRemoved ? "1" : "0");
        attributes.set("lst-count", std::to_string(Messages.size()));
        attributes.set("T", "J3");
        JsAddin->ScriptStr = false;
        JsAddin->Run("fadingmessages_nv");
        Unload();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), kLibraryName, kCaptionJC);
    }
}

void frmNewsTicker::cmdCancel_Click() {
    Unload();
}

void frmNewsTicker::Form_Unload(bool&) {
    bringEditorToFront(runtime_);
    JsAddin.reset();
}

}  // namespace norvel::script
