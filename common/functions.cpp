#include "common/functions.h"

#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

#include "common/atomic_file.h"
#include "common/editor/application.h"
#include "common/editor/document.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/library_folder.h"
#include "common/template_substitution.h"
#include "common/ui.h"
#include "common/webbot_attribute.h"

namespace norvel::common {
namespace {

editor::Application& application(const Runtime& runtime) {
    if (runtime.application == nullptr)
        throw Error(errnum::kObjectNotSet, thisLibraryName(), "Object variable not set: no editor");
    return *runtime.application;
}

// The named subfolder of the page folder, or none.
std::shared_ptr<editor::WebFolder> pollFolderOf(const Runtime& runtime, const std::string& name) {
    auto folder = pageFolder(runtime);
    if (!FolderExist(name, *folder))
        return nullptr;
    return folder->Folders().Item(name);
}

// Copies and fills the template in the scratch folder: the copy's path, or none when a
// placeholder had no value (after the messages).
std::optional<std::filesystem::path> prepareScratchCopy(const Runtime& runtime,
                                                        const std::filesystem::path& sourceFolder,
                                                        const std::string& fileName,
                                                        bool substitute,
                                                        const StringDictionary& dictionary) {
    std::filesystem::path scratch = scratchFolder() / fileName;
    std::filesystem::copy_file(sourceFolder / fileName, scratch,
                               std::filesystem::copy_options::overwrite_existing);
    if (substitute) {
        std::string text = readFileBytes(scratch);
        if (!SubstituteFromDictionary(dictionary, text, *runtime.ui)) {
            runtime.ui->message("couldn't replace from dictionary");
            return std::nullopt;
        }
        writeFileAtomically(scratch, text);
    }
    return scratch;
}

}  // namespace

std::string thisLibraryName() {
    return libraryName();
}

std::filesystem::path scratchFolder() {
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    std::filesystem::path base = runtimeDir != nullptr && runtimeDir[0] == '/'
                                     ? std::filesystem::path(runtimeDir)
                                     : std::filesystem::temp_directory_path();
    std::filesystem::path folder =
        base / ("norvel-" + std::to_string(::getuid())) / ("scratch-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    std::filesystem::permissions(folder.parent_path(), std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::replace);
    return folder;
}

std::shared_ptr<editor::WebFolder> pageFolder(const Runtime& runtime) {
    auto window = application(runtime).ActivePageWindow();
    if (!window)
        throw Error(errnum::kObjectNotSet, thisLibraryName(),
                    "Object variable not set: no page is open");
    auto file = window->File();
    if (!file)
        throw Error(errnum::kObjectNotSet, thisLibraryName(),
                    "Object variable not set: the page has no file in the web");
    return file->Parent();
}

bool SubFile(const Runtime& runtime, editor::WebFolder& folder,
             const std::filesystem::path& sourceFolder, const std::string& fileName, bool overwrite,
             bool substitute, const StringDictionary& dictionary) {
    std::filesystem::path scratchCopy;
    try {
        scratchCopy = scratchFolder() / fileName;
        auto scratch = prepareScratchCopy(runtime, sourceFolder, fileName, substitute, dictionary);
        if (!scratch)
            return false;
        bool exists = false;
        if (!overwrite)
            exists = FileExist(fileName, folder);
        if (overwrite || !exists)
            folder.Files().Add(*scratch, overwrite);
        std::error_code ec;
        std::filesystem::remove(*scratch, ec);
        return true;
    } catch (const std::exception&) {
        // A filled copy may hold values meant only for the web (password hashes): a failed
        // import leaves none of it behind.
        std::error_code ignored;
        if (!scratchCopy.empty())
            std::filesystem::remove(scratchCopy, ignored);
        raiseCurrentWithContext(thisLibraryName(), "SubFile");
    }
}

bool SubFileHtml(const Runtime& runtime, const std::filesystem::path& sourceFolder,
                 const std::string& fileName, bool substitute, const StringDictionary& dictionary) {
    try {
        return prepareScratchCopy(runtime, sourceFolder, fileName, substitute, dictionary)
            .has_value();
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "SubFileHtml");
    }
}

std::string BuildWebbotBlock(StringDictionary& attributes, const std::string& botName) {
    std::string block = "<p><!--webbot bot=\"" + encodeWebbotAttributeValue(botName) +
                        "\" s-class=\"norvelfp.main\" clientside ";
    for (const auto& entry : attributes.entries()) {
        if (entry.key == "S-HTML" || entry.key == "clientside")
            continue;
        block += entry.key + "=\"" + encodeWebbotAttributeValue(entry.value) + "\" ";
    }
    block += "startspan -->\r\n" + attributes.item("S-HTML") + "\r\n<!--webbot bot=\"" +
             encodeWebbotAttributeValue(botName) + "\" endspan --></p>";
    return block;
}

void AddCodeInPlace(const Runtime& runtime, const std::string& html) {
    try {
        auto window = application(runtime).ActivePageWindow();
        if (!window)
            throw Error(errnum::kObjectNotSet, thisLibraryName(),
                        "Object variable not set: no page is open");
        window->GetDocument()->pasteHTML(html);
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "AddCodeInPlace");
    }
}

bool FolderExist(const std::string& name, editor::WebFolder& folder) {
    try {
        auto& folders = folder.Folders();
        int count = folders.Count();
        for (int i = 0; i < count; ++i)
            if (folders.Item(i)->Name() == name)
                return true;
        return false;
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "FolderExist");
    }
}

bool FileExist(const std::string& name, editor::WebFolder& folder) {
    try {
        auto& files = folder.Files();
        int count = files.Count();
        for (int i = 0; i < count; ++i)
            if (files.Item(i)->Name() == name)
                return true;
        return false;
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "FileExist");
    }
}

std::string ReadWebFile(const Runtime& runtime, const std::string& pollFolder,
                        const std::string& fileName) {
    try {
        auto poll = pollFolderOf(runtime, pollFolder);
        if (!poll || !FileExist(fileName, *poll))
            return std::string();
        auto file = poll->Files().Item(fileName);
        // A file the author has open stays open; one opened only to be read is closed again.
        // Either way the page that was active before is the active one afterwards.
        bool wasOpen = file->IsOpen();
        auto activeWindow = application(runtime).ActivePageWindow();
        auto window = file->Open(editor::kViewDataFile);
        std::string text = window->GetDocument()->bodyInnerText();
        if (!wasOpen)
            window->Close(false);
        if (activeWindow && activeWindow != window)
            activeWindow->Activate();
        return text;
    } catch (const std::exception&) {
        runtime.ui->msgBox("Unable to read" + fileName, MsgBoxButtons::OkOnly,
                           MsgBoxIcon::Information, "Read file");
        return std::string();
    }
}

bool FolderExistInPoll(const Runtime& runtime, const std::string& name,
                       const std::string& pollFolder) {
    try {
        auto poll = pollFolderOf(runtime, pollFolder);
        return poll && FolderExist(name, *poll);
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "FolderExistInPoll");
    }
}

bool FileExistInPoll(const Runtime& runtime, const std::string& name,
                     const std::string& pollFolder) {
    try {
        auto poll = pollFolderOf(runtime, pollFolder);
        return poll && FileExist(name, *poll);
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "FileExistInPoll");
    }
}

void RemoveFile(const Runtime& runtime, const std::string& pollFolder,
                const std::string& fileName) {
    try {
        auto poll = pollFolderOf(runtime, pollFolder);
        if (poll && FileExist(fileName, *poll))
            poll->Files().Item(fileName)->Delete();
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "RemoveFile");
    }
}

void RemoveFolder(const Runtime& runtime, const std::string& pollFolder,
                  const std::string& folderName) {
    try {
        auto poll = pollFolderOf(runtime, pollFolder);
        if (poll && FolderExist(folderName, *poll))
            poll->Folders().Item(folderName)->Delete();
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "RemoveFolder");
    }
}

bool SameQuestionAndAnswers(const std::string& a, const std::string& b) {
    auto reduce = [](const std::string& data) {
        std::vector<std::string> fields;
        size_t start = 0;
        while (true) {
            size_t found = data.find("||", start);
            fields.push_back(data.substr(start, found - start));
            if (found == std::string::npos)
                break;
            start = found + 2;
        }
        std::string reduced = fields[0];
        for (size_t i = 1; i < fields.size(); i += 2)
            reduced += fields[i];
        return reduced;
    };
    if (a.empty() || b.empty())
        return false;
    return reduce(a) == reduce(b);
}

bool StyleObFinder(const Runtime& runtime, std::shared_ptr<editor::StyleSheet>& sheet,
                   const std::string& address) {
    try {
        sheet = nullptr;
        auto document = application(runtime).ActiveDocument();
        if (!document)
            throw Error(errnum::kObjectNotSet, thisLibraryName(),
                        "Object variable not set: no page is open");
        int count = document->styleSheetsLength();
        for (int i = 0; i < count; ++i) {
            auto candidate = document->styleSheet(i);
            if (candidate->href() == address) {
                sheet = candidate;
                return true;
            }
        }
        return false;
    } catch (const std::exception&) {
        raiseCurrentWithContext(thisLibraryName(), "StyleObFinder");
    }
}

}  // namespace norvel::common
