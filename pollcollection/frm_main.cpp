#include "pollcollection/frm_main.h"

#include "common/editor/application.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/error_mod.h"
#include "common/functions.h"
#include "common/string_dictionary.h"
#include "common/ui.h"
#include "pollcollection/frm_perm.h"

namespace norvel::poll {

namespace {

constexpr const char* kErrorCaption = "NorvelFP";
constexpr int kFolderNameTries = 21;

// Node pictures of ImageList1: a group, a leaf, the selected leaf.
constexpr int kGroupImage = 1;
constexpr int kLeafImage = 2;
constexpr int kSelectedLeafImage = 3;

struct TreeEntry {
    const char* key;
    const char* caption;
    const char* parent;
};

constexpr TreeEntry kTree[] = {
    {"Main", "Main", ""},
    {"Style", "Style", ""},
    {"View", "View", ""},
    {"text", "Text", "Main"},
    {"options", "Options", "Main"},
    {"general", "General", "Style"},
    {"question", "Question", "Style"},
    {"answers", "Answers", "Style"},
    {"other", "Other", "Style"},
    {"poll", "Poll", "View"},
    {"results", "Results", "View"},
    {"history", "History", "View"},
};

bool isPreviewKey(const std::string& key) {
    return key == "poll" || key == "results" || key == "history";
}

}  // namespace

const PollEditorVariant& pollEditorVariant(PollKind kind) {
    static const PollEditorVariant php{"frmMainp", "Norvel Poll Collection - PHP", "phppollx",
                                       "P2"};
    static const PollEditorVariant asp{"frmMain", "Norvel Poll Collection - ASP", "asppollx", "P1"};
    return kind == PollKind::php ? php : asp;
}

std::string PollFolderName(common::editor::WebFolder& pageFolder, const std::string& baseName) {
    try {
        std::string name = baseName;
        for (int counter = 1; counter <= kFolderNameTries; ++counter) {
            if (!common::FolderExist(name, pageFolder))
                break;
            name = baseName + std::to_string(counter);
        }
        return name;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "PollFolderName");
    }
}

std::string PollFolderName(const common::Runtime& runtime, const std::string& baseName) {
    std::shared_ptr<common::editor::WebFolder> pageFolder;
    try {
        pageFolder = common::pageFolder(runtime);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "PollFolderName");
    }
    return PollFolderName(*pageFolder, baseName);
}

frmMain::frmMain(const common::Runtime& runtime, PollKind kind)
    : Form(*runtime.ui, pollEditorVariant(kind).windowName, pollEditorVariant(kind).caption, 7965,
           6495),
      runtime_(runtime),
      kind_(kind) {
    addControl(Picture1, "Picture1", {2040, 60, 4500, 750});
    addControl(Picture2, "Picture2", {6600, 60, 1245, 750});
    addControl(TreeView1, "TreeView1", {0, 240, 1935, 3615});
    addControl(ImageList1, "ImageList1", {0, 0, 0, 0});
    const common::forms::Geometry hiddenPane{2040, 840, 5805, 4800};
    addControl(ctlText1, "ctlText1", hiddenPane);
    addControl(ctlOp1, "ctlOp1", hiddenPane);
    addControl(ctlGeneral1, "ctlGeneral1", hiddenPane);
    addControl(ctlQ, "ctlQ", hiddenPane);
    addControl(ctlA, "ctlA", hiddenPane);
    addControl(ctlB, "ctlB", hiddenPane);
    addControl(ctlVoting1, "ctlVoting1", hiddenPane);
    addControl(ctlResults1, "ctlResults1", hiddenPane);
    addControl(ctlHistory1, "ctlHistory1", hiddenPane);
    addControl(cmdOK, "cmdOK", {360, 5880, 855, 375});
    addControl(cmdCancel, "cmdCancel", {1320, 5880, 855, 375});
    ImageList1.setVisible(false);
    for (PollPane* pane :
         std::initializer_list<PollPane*>{&ctlText1, &ctlOp1, &ctlGeneral1, &ctlQ, &ctlA, &ctlB,
                                          &ctlVoting1, &ctlResults1, &ctlHistory1})
        pane->setVisible(false);
    cmdOK.setCaption("OK");
    cmdCancel.setCaption("Cancel");
    TreeView1.imageList = &ImageList1;

    TreeView1.NodeClick = [this](const std::string& key) { TreeView1_NodeClick(key); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
}

void frmMain::Form_Load() {
    try {
        if (!PAddin)
            throw common::Error(common::errnum::kObjectNotSet, common::thisLibraryName(),
                                "Object variable not set: the poll editor has no poll");
        BuildTree();
        ActiveCtl = &ctlText1;
        PlacePane(ctlText1);
        ctlText1.setVisible(true);
        InitPanes();
        if (PAddin->realcom)
            FillAllFromPrevious();
    } catch (const std::exception&) {
        common::showCurrentError(ui(), common::thisLibraryName(), kErrorCaption);
        Unload();
    }
}

void frmMain::Form_Unload(bool&) {
    ActiveCtl = nullptr;
    PAddin.reset();
}

void frmMain::BuildTree() {
    // The pictures lie beside the templates, in the collection folder.
    const std::filesystem::path icons = PAddin->collectionFolder() / "icons";
    if (ImageList1.images().empty()) {
        for (const char* icon : {"poll-group.png", "poll-leaf.png", "poll-leaf-selected.png"})
            ImageList1.addImage((icons / icon).string());
    }
    Picture1.setPicture((icons / "poll-banner.png").string());
    TreeView1.manualLabelEdit = true;
    TreeView1.clear();
    for (const TreeEntry& entry : kTree) {
        bool root = entry.parent[0] == '\0';
        TreeView1.addNode(entry.parent, entry.key, entry.caption, root ? kGroupImage : kLeafImage,
                          root ? kGroupImage : kSelectedLeafImage);
    }
    for (const char* root : {"Main", "Style", "View"})
        TreeView1.setExpanded(root, true);
    TreeView1.selectNode("text");
}

void frmMain::InitPanes() {
    if (!PAddin)
        throw common::Error(common::errnum::kObjectNotSet, common::thisLibraryName(),
                            "Object variable not set: the poll editor has no poll");
    for (PollPane* pane : std::initializer_list<PollPane*>{
             &ctlText1, &ctlOp1, &ctlGeneral1, &ctlVoting1, &ctlResults1, &ctlHistory1, &ctlQ})
        pane->PollObj = PAddin;
    ctlQ.StyleClass = "questionx";
    if (!PAddin->realcom)
        ctlQ.setTA("center");
    ctlA.PollObj = PAddin;
    ctlA.StyleClass = "responsex";
    ctlB.PollObj = PAddin;
    ctlB.StyleClass = "votebuttonx";
    if (!PAddin->realcom)
        ctlB.setTA("center");
}

void frmMain::FillAllFromPrevious() {
    for (SettingsPane* pane : std::initializer_list<SettingsPane*>{&ctlText1, &ctlOp1, &ctlGeneral1,
                                                                   &ctlQ, &ctlA, &ctlB})
        pane->FillFromPrevious();
}

bool frmMain::CheckAll() {
    struct Checked {
        SettingsPane* pane;
        const char* key;
    };
    const Checked order[] = {{&ctlText1, "text"}, {&ctlOp1, "options"}, {&ctlGeneral1, "general"},
                             {&ctlQ, "question"}, {&ctlA, "answers"},   {&ctlB, "other"}};
    for (const Checked& checked : order) {
        if (!checked.pane->Check()) {
            ShowPane(checked.key);
            return false;
        }
    }
    return true;
}

void frmMain::FillDics() {
    ctlText1.FillFormDic();
    ctlText1.FillAddinDic();
    ctlOp1.FillFormDic();
    ctlOp1.FillAddinDic();
    ctlGeneral1.FillFormDic();
    ctlGeneral1.FillAddinDic();
    ctlQ.FillFormDic();
    ctlA.FillFormDic();
    ctlB.FillFormDic();
}

PollPane* frmMain::GetPane(const std::string& key) {
    if (key == "text")
        return &ctlText1;
    if (key == "options")
        return &ctlOp1;
    if (key == "general")
        return &ctlGeneral1;
    if (key == "question")
        return &ctlQ;
    if (key == "answers")
        return &ctlA;
    if (key == "other")
        return &ctlB;
    if (key == "poll")
        return &ctlVoting1;
    if (key == "results")
        return &ctlResults1;
    if (key == "history")
        return &ctlHistory1;
    return ActiveCtl;
}

void frmMain::ShowPane(const std::string& key) {
    if (ActiveCtl != nullptr)
        ActiveCtl->hidePane();
    ActiveCtl = GetPane(key);
    PlacePane(*ActiveCtl);
    ActiveCtl->showPane();
    TreeView1.selectNode(key);
}

void frmMain::PlacePane(PollPane& pane) {
    pane.setHeight(4800);
    pane.setWidth(5805);
    pane.setLeft(2040);
    pane.setTop(840);
}

void frmMain::TreeView1_NodeClick(const std::string& key) {
    try {
        if (isPreviewKey(key)) {
            if (!CheckAll())
                return;
            FillDics();
            if (PAddin->AddinDic->exists("dir"))
                ctlHistory1.DirPath = PAddin->AddinDic->value("dir");
        }
        ActiveCtl->hidePane();
        ActiveCtl = GetPane(key);
        PlacePane(*ActiveCtl);
        ActiveCtl->showPane();
    } catch (const std::exception&) {
        if (ActiveCtl != nullptr)
            ActiveCtl->setVisible(true);
        common::raiseCurrentWithContext(common::thisLibraryName(), "TreeView Click");
    }
}

void frmMain::cmdOK_Click() {
    if (!CheckAll())
        return;
    ui().setMousePointer(common::MousePointer::Hourglass);
    try {
        runGenerator();
    } catch (const std::exception&) {
        ui().setMousePointer(common::MousePointer::Default);
        common::showCurrentError(ui(), common::thisLibraryName(), kErrorCaption);
        Unload();
    }
}

void frmMain::runGenerator() {
    const PollEditorVariant& variant = pollEditorVariant(kind_);
    ShowPane("text");
    FillDics();
    common::StringDictionary& attributes = *PAddin->AddinDic;
    // An edited poll keeps its folder.
    if (!attributes.exists("dir"))
        attributes.set("dir", PollFolderName(runtime_, variant.folderBaseName));
    PAddin->FormDic->set("dir", attributes.value("dir"));
    auto window = runtime_.application->ActivePageWindow();
    if (!window || !window->File())
        throw common::Error(common::errnum::kObjectNotSet, common::thisLibraryName(),
                            "Object variable not set: no saved page is open");
    const std::string extension = window->File()->Extension();
    window->Activate();
    attributes.set("T", variant.tValue);
    if (kind_ == PollKind::php)
        PAddin->RunPHP(extension);
    else
        PAddin->RunASP(extension);
    ui().setMousePointer(common::MousePointer::Default);
    Hide();
    if (!PAddin->realcom) {
        frmPerm notice(ui());
        notice.Show(true);
    }
    Unload();
}

void frmMain::cmdCancel_Click() {
    Unload();
}

}  // namespace norvel::poll
