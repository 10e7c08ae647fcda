// The three previews of the poll editor: the voting form, the results and the history. Each
// builds its rows from the generator's current template values when it is shown, renders its
// preview template (with the poll style sheet beside it) into the scratch folder and shows
// the page in its browser.
#pragma once

#include <filesystem>
#include <string>

#include "common/forms/web_browser.h"
#include "pollcollection/poll_pane.h"

namespace norvel::poll {

class PreviewPane : public PollPane {
  public:
    PreviewPane();

    common::forms::WebBrowser WebBrowser1;

  protected:
    // Renders the page, the poll style sheet (and the bar picture) from the preview templates
    // into the scratch folder and shows the page.
    void renderAndShow(const std::string& page, bool withBar);
    // The template values as the preview pages use them: the poll's own texts as HTML text.
    common::StringDictionary pageValues() const;
};

class ctlVoting : public PreviewPane {
  protected:
    void paneShown() override;
};

class ctlResults : public PreviewPane {
  protected:
    void paneShown() override;
};

class ctlHistory : public PreviewPane {
  public:
    // The poll folder of an existing poll; empty for a new one.
    std::string DirPath;

  protected:
    void paneShown() override;
};

}  // namespace norvel::poll
