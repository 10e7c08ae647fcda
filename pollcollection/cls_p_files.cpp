// The file side of the poll generator: the poll folder and its files, the vote data and
// history that must survive a regeneration, and the admin pages.
#include <memory>

#include "common/editor/application.h"
#include "common/editor/document.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/functions.h"
#include "common/password_hash.h"
#include "common/script_literal.h"
#include "pollcollection/cls_p.h"
#include "pollcollection/poll_data.h"

namespace norvel::poll {

using common::StringDictionary;
using common::editor::WebFolder;

namespace {

constexpr const char* kVoteData = "votes.htm";
constexpr const char* kHistory = "history.htm";
constexpr const char* kAdminFolder = "admin";

}  // namespace

void clsP::SubFilesP(const std::filesystem::path& templateFolder) {
    try {
        writePollFiles(PollKind::php, templateFolder);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "SubFilesP");
    }
}

void clsP::SubFiles(const std::filesystem::path& templateFolder) {
    try {
        writePollFiles(PollKind::asp, templateFolder);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "SubFiles");
    }
}

void clsP::writePollFiles(PollKind kind, const std::filesystem::path& templateFolder) {
    const PollKindFiles& files = pollKindFiles(kind);
    const std::string pollFolderName = AddinDic->value("dir");
    // The admin start page keeps only a hash of the password.
    common::setPasswordHashes(*FormDic);

    // The editor gives back the existing folder when the poll is edited.
    std::shared_ptr<WebFolder> pollFolder =
        common::pageFolder(runtime_)->Folders().Add(pollFolderName);
    std::shared_ptr<WebFolder> adminFolder;
    if (FormDic->value("admin") == "1")
        adminFolder = pollFolder->Folders().Add(kAdminFolder);

    for (const std::string& script : files.scripts)
        fill(*pollFolder, templateFolder, script, true, true);
    writeVoteData(*pollFolder, templateFolder);
    writeHistory(*pollFolder, templateFolder);
    fill(*pollFolder, templateFolder, "pollstyle.css", true, true);
    fill(*pollFolder, templateFolder, "bar.gif", false, false);
    if (adminFolder)
        writeAdminPages(kind, *adminFolder, templateFolder / kAdminFolder);

    if (FormDic->value("admin") == "0")
        common::RemoveFolder(runtime_, pollFolderName, kAdminFolder);
    if (FormDic->value("history") == "0")
        common::RemoveFile(runtime_, pollFolderName, kHistory);
}

void clsP::writeVoteData(WebFolder& pollFolder, const std::filesystem::path& templateFolder) {
    // Unchanged question and answers leave votes.htm, and so its counts, as they are.
    if (!SubTextVote() || !FormDic->exists("dir"))
        return;
    const std::string dir = FormDic->value("dir");
    if (common::FileExistInPoll(runtime_, kVoteData, dir))
        WriteFile(dir, kVoteData, pollDataFileText(FormDic->value("qa")));
    else
        fill(pollFolder, templateFolder, kVoteData, false, true);
}

void clsP::writeHistory(WebFolder& pollFolder, const std::filesystem::path& templateFolder) {
    if (FormDic->value("history") != "1")
        return;
    EditHistoryText();
    if (!FormDic->exists("dir"))
        return;
    const std::string dir = FormDic->value("dir");
    if (!common::FileExistInPoll(runtime_, kHistory, dir))
        fill(pollFolder, templateFolder, kHistory, false, true);
    else if (SubTextVote())
        WriteFile(dir, kHistory, pollDataFileText(FormDic->value("txthistory")));
}

void clsP::writeAdminPages(PollKind kind, WebFolder& adminFolder,
                           const std::filesystem::path& templateFolder) {
    const PollKindFiles& files = pollKindFiles(kind);
    // A new password rewrites the start page; without one the page and its hash stay.
    bool newPassword = !FormDic->value("password").empty();
    fill(adminFolder, templateFolder, files.adminStartPage, newPassword, true);
    for (const std::string& page : files.adminPages)
        fill(adminFolder, templateFolder, page, false, false);
}

bool clsP::fill(WebFolder& folder, const std::filesystem::path& templateFolder,
                const std::string& fileName, bool overwrite, bool substitute) {
    // Templates see every form value but the password itself, so no template can write it
    // into the web, not even by mistake.
    StringDictionary values = *FormDic;
    if (values.exists(common::kPasswordKey))
        values.remove(common::kPasswordKey);
    // The data files hold their poll data strings as the page text they are read back as.
    for (const char* data : {"qa", "txthistory"}) {
        if (values.exists(data))
            values.set(data, pollDataFileText(values.value(data)));
    }
    // In a server script every value is a string literal of the script's language, so no
    // text (however it was typed or hand-edited in the block) can end its string.
    common::quoteValuesForScript(values, common::scriptLanguageOf(fileName));
    return common::SubFile(runtime_, folder, templateFolder, fileName, overwrite, substitute,
                           values);
}

bool clsP::SubTextVote() {
    try {
        const StringDictionary& values = *FormDic;
        if (values.exists("pvotes") && values.exists("qa"))
            return !common::SameQuestionAndAnswers(values.value("pvotes"), values.value("qa"));
        return true;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "SubTextVote");
    }
}

void clsP::EditHistoryText() {
    try {
        StringDictionary& values = *FormDic;
        // A poll without a history file yet starts with an empty history.
        if (!values.exists("txthistory")) {
            values.set("txthistory", "");
            return;
        }
        if (!SubTextVote())
            return;
        // The poll being replaced goes on top with its final counts. Without earlier votes
        // data there is no poll to keep, and an empty history gets no empty entry after it.
        const std::string previous = values.value("pvotes");
        if (previous.empty())
            return;
        const std::string history = values.value("txthistory");
        values.set("txthistory", history.empty() ? previous : previous + "\r\n" + history);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "EditHistoryText");
    }
}

bool clsP::WriteFile(const std::string& pollFolder, const std::string& fileName,
                     const std::string& text) {
    try {
        auto pageFolder = common::pageFolder(runtime_);
        if (!common::FolderExist(pollFolder, *pageFolder))
            return false;
        auto folder = pageFolder->Folders().Item(pollFolder);
        if (!common::FileExist(fileName, *folder))
            return false;
        // Opening the data file brings it to the front; the author's page must be the active
        // one again afterwards, since the style sheet link and the paste go there.
        auto authorsWindow = runtime_.application->ActivePageWindow();
        auto window = folder->Files().Item(fileName)->Open(common::editor::kViewNormal);
        window->GetDocument()->setDocumentHTML(text);
        window->Close(true);
        if (authorsWindow && authorsWindow != window)
            authorsWindow->Activate();
        return true;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "WriteFile");
    }
}

}  // namespace norvel::poll
