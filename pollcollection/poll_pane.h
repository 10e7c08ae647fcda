// The panes of the poll editor window: reusable controls that share the poll generator. A
// settings pane checks its inputs, writes them into the generator's dictionaries and restores
// them when a poll is edited again; it writes its template values whenever it is hidden, so
// the dictionaries always follow the last pane left. A preview pane builds its page whenever
// it is shown.
#pragma once

#include <memory>
#include <string>

#include "common/forms/user_control.h"
#include "pollcollection/cls_p.h"

namespace norvel::common {
class Ui;
}

namespace norvel::poll {

class PollPane : public common::forms::UserControl {
  public:
    std::shared_ptr<clsP> PollObj;

    // The window shows and hides its panes only through these.
    void showPane();
    void hidePane();

  protected:
    virtual void paneShown() {}
    virtual void paneHidden() {}

    // The generator; Error 91 when the window gave none.
    clsP& poll() const;
    common::Ui& ui() const;
};

class SettingsPane : public PollPane {
  public:
    // Tests the inputs; on failure one message box tells the last failing test.
    virtual bool Check() = 0;
    virtual void FillFormDic() = 0;
    // What the poll block stores for later editing; the text style panes store nothing.
    virtual void FillAddinDic() {}
    virtual void FillFromPrevious() = 0;

  protected:
    void paneHidden() override { FillFormDic(); }
    // Check's end: shows a non-empty message (caption "Check", information icon); true when
    // there was none.
    bool reportCheck(const std::string& message) const;
};

}  // namespace norvel::poll
