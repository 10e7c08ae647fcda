#include "scriptcollection/cls_js.h"

#include "common/ascii_text.h"
#include "common/atomic_file.h"
#include "common/editor/application.h"
#include "common/editor/document.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/functions.h"
#include "common/string_dictionary.h"
#include "common/template_substitution.h"
#include "common/ui.h"
#include "scriptcollection/script_library.h"
#include "scriptcollection/script_option.h"

namespace norvel::script {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kScriptFolder = "scripts_nv";
constexpr const char* kBotName = "norvelfpbot";

common::editor::Application& editorOf(const common::Runtime& runtime) {
    if (!runtime.application)
        throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                            "Object variable not set: no editor");
    return *runtime.application;
}

std::shared_ptr<common::editor::Document> activeDocument(const common::Runtime& runtime) {
    auto document = editorOf(runtime).ActiveDocument();
    if (!document)
        throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                            "Object variable not set: no page is open");
    return document;
}

// The text of a local file, or empty when it cannot be read.
std::string readOrEmpty(const std::filesystem::path& path) {
    try {
        return common::readFileBytes(path);
    } catch (const common::Error&) {
        return {};
    }
}

}  // namespace

clsJS::clsJS(const common::Runtime& runtime, std::filesystem::path templateFolder)
    : runtime_(runtime), templateFolder_(std::move(templateFolder)) {}

std::filesystem::path clsJS::functionsFile(const std::string& name) const {
    return templateFolder_ / name / (name + ".js");
}

std::filesystem::path clsJS::bodyFile(const std::string& name) const {
    return templateFolder_ / name / "body.js";
}

std::string clsJS::Value(const std::string& strID) const {
    return AddinDic ? AddinDic->value(strID) : std::string();
}

void clsJS::Run(const std::string& ScriptName) {
    try {
        common::Ui& ui = *runtime_.ui;
        if (std::filesystem::is_regular_file(functionsFile(ScriptName)))
            scriptHead(ScriptName);

        std::string fragment;
        try {
            fragment = common::readFileBytes(bodyFile(ScriptName));
        } catch (const common::Error&) {
            ui.msgBox("Some Error happened in NorvelJS, couldn't Read Body Source",
                      common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Critical, "Body Error");
        }
        if (!FormDic)
            FormDic = std::make_shared<common::StringDictionary>();
        if (!common::SubstituteFromDictionary(*FormDic, fragment, ui))
            ui.message("Not all argumnets were replaced");

        if (!AddinDic)
            AddinDic = std::make_shared<common::StringDictionary>();
        AddinDic->set("clientside", "");
        if (ScriptStr)
            AddinDic->set("S-HTML", std::string("<script type=\"text/javascript\">") + kCrLf +
                                        "<!-- Begin" + kCrLf + fragment + kCrLf + "// End -->" +
                                        kCrLf + "</script>");
        else
            AddinDic->set("S-HTML", fragment);
        if (!AddinDic->exists("PREVIEW"))
            AddinDic->set("PREVIEW", "click to edit");
        if (!AddinDic->exists("TAG"))
            AddinDic->set("TAG", "p");

        if (realcom) {
            AddinDic->set("_EDIT_OK", "");
            return;
        }
        std::string middle =
            BotStr ? common::BuildWebbotBlock(*AddinDic, kBotName) : AddinDic->value("S-HTML");
        common::AddCodeInPlace(runtime_, UpperCode + middle + LowerCode);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "Run");
    }
}

std::string clsJS::headScriptTag(const std::string& name) {
    if (scriptFileMode(*runtime_.settings)) {
        std::string path = PathToWebRoot();
        std::string lowerName = common::toLowerAscii(name);
        if (!CopyScriptFile(lowerName))
            throw common::Error(common::errnum::kPathFileAccess, kLibraryName,
                                "The functions file " + lowerName +
                                    ".js could not be copied into " + kScriptFolder);
        return "<script name =\"" + name + "\" src=\"" + path + kScriptFolder + "/" + lowerName +
               ".js\" type=\"text/javascript\"></script>";
    }
    return "<script name =\"" + name + "\" type=\"text/javascript\">" + kCrLf +
           readOrEmpty(functionsFile(name)) + kCrLf + "</script>";
}

void clsJS::scriptHead(const std::string& name) {
    try {
        std::string tag = headScriptTag(name);
        auto document = activeDocument(runtime_);
        if (!scriptFound(name))
            document->setHeadInnerHTML(document->headInnerHTML() + tag);
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "scriptHead");
    }
}

bool clsJS::scriptFound(const std::string& name) {
    try {
        auto window = editorOf(runtime_).ActivePageWindow();
        if (!window)
            throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                                "Object variable not set: no page is open");
        std::string head = common::toLowerAscii(window->GetDocument()->headInnerHTML());
        return head.find("\"" + common::toLowerAscii(name) + "\"") != std::string::npos;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "scriptFound");
    }
}

std::string clsJS::PathToWebRoot() {
    std::string path;
    try {
        auto folder = common::pageFolder(runtime_);
        while (!folder->IsRoot()) {
            path += "../";
            auto parent = folder->Parent();
            if (!parent)
                break;
            folder = parent;
        }
        return path;
    } catch (const std::exception&) {
        runtime_.ui->msgBox("Couldn't Find Source file", common::MsgBoxButtons::OkOnly,
                            common::MsgBoxIcon::Critical, "Source Search");
        return {};
    }
}

bool clsJS::CopyScriptFile(const std::string& name) {
    try {
        auto web = editorOf(runtime_).ActiveWeb();
        if (!web)
            return false;
        auto root = web->RootFolder();
        if (!common::FolderExist(kScriptFolder, *root))
            root->Folders().Add(kScriptFolder);
        auto folder = root->Folders().Item(std::string(kScriptFolder));
        auto& files = folder->Files();
        int count = files.Count();
        for (int i = 0; i < count; ++i)
            if (files.Item(i)->Name() == name + ".js")
                return true;
        files.Add(functionsFile(name), true);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string clsJS::UniqueName(const std::string& prefix, int& number) {
    std::string candidate = prefix + std::to_string(number);
    try {
        std::string body = activeDocument(runtime_)->bodyInnerHTML();
        while (body.find(candidate) != std::string::npos) {
            ++number;
            candidate = prefix + std::to_string(number);
        }
    } catch (const std::exception&) {
        // The page cannot be read: the candidate so far is as good as any.
    }
    return candidate;
}

}  // namespace norvel::script
