#include "pollcollection/preview_panes.h"

#include "common/error_mod.h"
#include "common/functions.h"
#include "common/string_dictionary.h"
#include "pollcollection/poll_data.h"
#include "pollcollection/preview_rows.h"

namespace norvel::poll {

namespace {

constexpr const char* kPreviewFolder = "html";
// A failure of the voting or results preview is shown like the window's own errors; the
// window stays open.
constexpr const char* kPreviewErrorCaption = "NorvelFP";

}  // namespace

PreviewPane::PreviewPane() {
    addControl(WebBrowser1, "WebBrowser1", {0, 0, 5805, 4800});
}

common::StringDictionary PreviewPane::pageValues() const {
    common::StringDictionary values = *poll().FormDic;
    for (const char* key : {"question", "buttonlabel", "link", "thankyou"}) {
        if (values.exists(key))
            values.set(key, htmlText(values.value(key)));
    }
    return values;
}

void PreviewPane::renderAndShow(const std::string& page, bool withBar) {
    const auto& runtime = poll().runtime();
    const std::filesystem::path templates = poll().collectionFolder() / kPreviewFolder;
    common::StringDictionary values = pageValues();
    common::SubFileHtml(runtime, templates, page, true, values);
    common::SubFileHtml(runtime, templates, "pollstyle.css", true, values);
    if (withBar)
        common::SubFileHtml(runtime, templates, "bar.gif", false, values);
    WebBrowser1.navigate((common::scratchFolder() / page).string());
}

void ctlVoting::paneShown() {
    try {
        common::StringDictionary& values = *poll().FormDic;
        values.set("vcells", BuildVoteCells(values.value("qa")));
        renderAndShow("vote.htm", false);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), common::thisLibraryName(), kPreviewErrorCaption);
    }
}

void ctlResults::paneShown() {
    try {
        common::StringDictionary& values = *poll().FormDic;
        // An edited poll whose texts stay as they are keeps its votes: show those.
        std::string data = values.value("qa");
        if (values.exists("pvotes") && common::SameQuestionAndAnswers(values.value("pvotes"), data))
            data = values.value("pvotes");
        values.set("rcells", BuildResultRows(data, values));
        renderAndShow("results.htm", true);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), common::thisLibraryName(), kPreviewErrorCaption);
    }
}

void ctlHistory::paneShown() {
    try {
        common::StringDictionary& values = *poll().FormDic;
        if (DirPath.empty()) {
            values.set("hcells", "Unavailable");
        } else {
            std::string text = common::ReadWebFile(poll().runtime(), DirPath, "history.htm");
            values.set("hcells", text.empty() ? "History is empty" : strHistoryForm(text));
        }
        renderAndShow("history.htm", false);
    } catch (const std::exception&) {
        common::showCurrentError(ui(), common::thisLibraryName(), "History show");
    }
}

}  // namespace norvel::poll
