// The poll editor window, in its two variants: `frmMainp` makes a PHP poll, `frmMain` an ASP
// poll. A tree on the left chooses the pane shown on the right: the settings panes (text,
// options, general look, three text styles) and the three previews. OK checks every pane,
// has them fill the generator's dictionaries, picks a free poll folder for a new poll and
// runs the generator.
#pragma once

#include <memory>
#include <string>

#include "common/forms/form.h"
#include "common/forms/simple_controls.h"
#include "common/forms/tree_view.h"
#include "common/runtime.h"
#include "pollcollection/cls_p.h"
#include "pollcollection/ctl_general.h"
#include "pollcollection/ctl_op.h"
#include "pollcollection/ctl_text.h"
#include "pollcollection/ctl_text_style.h"
#include "pollcollection/poll_kind.h"
#include "pollcollection/preview_panes.h"

namespace norvel::common::editor {
class WebFolder;
}

namespace norvel::poll {

// What differs between the PHP and the ASP poll editor.
struct PollEditorVariant {
    const char* windowName;      // "frmMainp"
    const char* caption;         // "Norvel Poll Collection - PHP"
    const char* folderBaseName;  // "phppollx"
    const char* tValue;          // "P2"
};
const PollEditorVariant& pollEditorVariant(PollKind kind);

// The name for a new poll folder in `pageFolder`: `baseName`, else baseName1, baseName2, ...;
// after 21 names taken, baseName21 without a further test.
std::string PollFolderName(common::editor::WebFolder& pageFolder, const std::string& baseName);
// The same in the folder of the page of the active page window.
std::string PollFolderName(const common::Runtime& runtime, const std::string& baseName);

class frmMain : public common::forms::Form {
  public:
    frmMain(const common::Runtime& runtime, PollKind kind);

    PollKind kind() const { return kind_; }

    std::shared_ptr<clsP> PAddin;
    // The pane now shown.
    PollPane* ActiveCtl = nullptr;

    common::forms::TreeView TreeView1;
    common::forms::ImageList ImageList1;
    common::forms::PictureBox Picture1;
    common::forms::PictureBox Picture2;
    ctlText ctlText1;
    ctlOp ctlOp1;
    ctlGeneral ctlGeneral1;
    poll::ctlQ ctlQ;
    poll::ctlQ ctlA;
    poll::ctlQ ctlB;
    ctlVoting ctlVoting1;
    ctlResults ctlResults1;
    ctlHistory ctlHistory1;
    common::forms::CommandButton cmdOK;
    common::forms::CommandButton cmdCancel;

    bool CheckAll();
    void FillDics();
    void FillAllFromPrevious();
    // The pane of a tree node key; the current pane for a group node or any other key.
    PollPane* GetPane(const std::string& key);
    void ShowPane(const std::string& key);
    void PlacePane(PollPane& pane);

  protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

  private:
    void BuildTree();
    void InitPanes();
    void TreeView1_NodeClick(const std::string& key);
    void cmdOK_Click();
    void cmdCancel_Click();
    void runGenerator();

    common::Runtime runtime_;
    PollKind kind_;
};

}  // namespace norvel::poll
