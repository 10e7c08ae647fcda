// The poll generator: turns what the poll editor collected into a working web poll. It
// completes the poll's webbot attributes, writes the server scripts, data files, style sheet,
// image and admin pages from the templates into a poll folder beside the page, links the
// poll style sheet into the page, and pastes the block (or, for an edited block, tells the
// editor that the edit succeeded).
#pragma once

#include <filesystem>
#include <string>

#include "common/dispatch.h"
#include "common/runtime.h"
#include "common/string_dictionary.h"
#include "pollcollection/poll_kind.h"

namespace norvel::common::editor {
class WebFolder;
}

namespace norvel::poll {

// The bot name of the blocks the poll collection pastes.
inline constexpr const char* kPollBotName = "norvelfpbot";

class clsP : public common::Dispatch {
  public:
    // Templates are read from the collection folder (the folder of this library) unless the
    // caller names another one.
    explicit clsP(const common::Runtime& runtime);
    clsP(const common::Runtime& runtime, std::filesystem::path collectionFolder);

    std::string className() const override { return "clsP"; }

    // The webbot attributes: the same dictionary as the loader's dictAttrs.
    common::DictionaryPtr AddinDic;
    // The template values the editor panes fill.
    common::DictionaryPtr FormDic;
    // True when an existing poll block is being edited.
    bool realcom = false;
    // True: paste the whole webbot block; false: only its include code.
    bool BotStr = true;

    const std::filesystem::path& collectionFolder() const { return collectionFolder_; }
    // The Ui, settings and editor this generator works with; the poll editor's panes use them.
    const common::Runtime& runtime() const { return runtime_; }

    // One run per OK of the editor, after it has filled both dictionaries and set "dir" and
    // "T". `extension` is the page's extension without the dot.
    void RunPHP(const std::string& extension);
    void RunASP(const std::string& extension);

    // The file writers of the two poll kinds; `templateFolder` holds the templates.
    void SubFilesP(const std::filesystem::path& templateFolder);
    void SubFiles(const std::filesystem::path& templateFolder);

    // True unless the edited poll keeps the question and answers of its votes.htm.
    bool SubTextVote();
    // Brings FormDic "txthistory" up to date: the replaced poll, with its counts, on top.
    void EditHistoryText();
    // Replaces the whole text of a file in a poll folder beside the page through the editor.
    // False when the folder or the file is missing.
    bool WriteFile(const std::string& pollFolder, const std::string& fileName,
                   const std::string& text);
    // Sets FormDic "slinked" to whether the page already links the poll style sheet.
    void StyleSheetLinked();
    // Links the poll style sheet when StyleSheetLinked found no link; never fails.
    void LinkStyleSheet();

  private:
    void completeAttributes(PollKind kind, const std::string& extension);
    void pasteOrSignal();
    void writePollFiles(PollKind kind, const std::filesystem::path& templateFolder);
    void writeVoteData(common::editor::WebFolder& pollFolder,
                       const std::filesystem::path& templateFolder);
    void writeHistory(common::editor::WebFolder& pollFolder,
                      const std::filesystem::path& templateFolder);
    void writeAdminPages(PollKind kind, common::editor::WebFolder& adminFolder,
                         const std::filesystem::path& templateFolder);
    bool fill(common::editor::WebFolder& folder, const std::filesystem::path& templateFolder,
              const std::string& fileName, bool overwrite, bool substitute);
    std::string styleSheetAddress() const;
    void defineMembers();

    common::Runtime runtime_;
    std::filesystem::path collectionFolder_;
};

}  // namespace norvel::poll
