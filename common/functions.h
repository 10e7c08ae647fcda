// The page and file routines the poll and script collections share: template files copied
// and filled, the webbot block and its paste at the selection, and queries and edits of the
// web's folders and files through the editor.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "common/runtime.h"
#include "common/string_dictionary.h"

namespace norvel::common {

namespace editor {
class StyleSheet;
class WebFolder;
}  // namespace editor

// The scratch folder where templates are filled: one per user and per process, so two
// editors never trample each other's copies. Created on first use.
std::filesystem::path scratchFolder();

// The web folder holding the page of the active page window. Error 91 when no page is open
// or the page has no file in the web.
std::shared_ptr<editor::WebFolder> pageFolder(const Runtime& runtime);

// Copies `sourceFolder`/`fileName` into the scratch folder, fills it from `dictionary` when
// `substitute`, and imports it into `folder` (an existing web file is replaced only when
// `overwrite`). False (after the messages) when a placeholder had no value; nothing is
// imported then.
bool SubFile(const Runtime& runtime, editor::WebFolder& folder,
             const std::filesystem::path& sourceFolder, const std::string& fileName, bool overwrite,
             bool substitute, const StringDictionary& dictionary);

// The same, leaving the filled file in the scratch folder (for previews).
bool SubFileHtml(const Runtime& runtime, const std::filesystem::path& sourceFolder,
                 const std::string& fileName, bool substitute, const StringDictionary& dictionary);

// The markup block of a component in the page: a comment pair carrying every attribute but
// "S-HTML" and "clientside", with the value of "S-HTML" between them. Values are written with
// encodeWebbotAttributeValue, so that none can end the comment and each reads back exactly.
std::string BuildWebbotBlock(StringDictionary& attributes, const std::string& botName);

// Pastes `html` over the selection of the active page.
void AddCodeInPlace(const Runtime& runtime, const std::string& html);

// Whether `folder` has a subfolder (a file) of exactly that name.
bool FolderExist(const std::string& name, editor::WebFolder& folder);
bool FileExist(const std::string& name, editor::WebFolder& folder);

// The text of a file in a poll folder beside the page; empty when either is missing, and
// (after the message "Unable to read" + name) when it cannot be read.
std::string ReadWebFile(const Runtime& runtime, const std::string& pollFolder,
                        const std::string& fileName);
bool FolderExistInPoll(const Runtime& runtime, const std::string& name,
                       const std::string& pollFolder);
bool FileExistInPoll(const Runtime& runtime, const std::string& name,
                     const std::string& pollFolder);
void RemoveFile(const Runtime& runtime, const std::string& pollFolder, const std::string& fileName);
void RemoveFolder(const Runtime& runtime, const std::string& pollFolder,
                  const std::string& folderName);

// Whether two poll data strings hold the same question and answers (counts aside).
bool SameQuestionAndAnswers(const std::string& a, const std::string& b);

// The active page's style sheet whose href is exactly `address`.
bool StyleObFinder(const Runtime& runtime, std::shared_ptr<editor::StyleSheet>& sheet,
                   const std::string& address);

// The name of the library this copy of common/ is linked into ("norvelpc"): the source of
// errors that are not the suite's own.
std::string thisLibraryName();

}  // namespace norvel::common
