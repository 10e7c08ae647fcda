#include "pollcollection/cls_p.h"

#include <memory>

#include "common/editor/application.h"
#include "common/editor/document.h"
#include "common/error.h"
#include "common/functions.h"
#include "common/install_layout.h"

namespace norvel::poll {

using common::DictionaryPtr;
using common::StringDictionary;
using common::Variant;

clsP::clsP(const common::Runtime& runtime) : clsP(runtime, common::templateFolder()) {}

clsP::clsP(const common::Runtime& runtime, std::filesystem::path collectionFolder)
    : AddinDic(std::make_shared<StringDictionary>()),
      FormDic(std::make_shared<StringDictionary>()),
      runtime_(runtime),
      collectionFolder_(std::move(collectionFolder)) {
    setLibraryName(common::thisLibraryName());
    defineMembers();
}

void clsP::defineMembers() {
    // Dictionaries are never none: assigning none gives a fresh empty one.
    auto dictionaryOrNew = [](const Variant& value) {
        DictionaryPtr dictionary = value.toDictionary();
        return dictionary ? dictionary : std::make_shared<StringDictionary>();
    };
    defineProperty(
        "AddinDic", [this] { return Variant(AddinDic); },
        [this, dictionaryOrNew](const Variant& v) { AddinDic = dictionaryOrNew(v); });
    defineProperty(
        "FormDic", [this] { return Variant(FormDic); },
        [this, dictionaryOrNew](const Variant& v) { FormDic = dictionaryOrNew(v); });
    defineProperty(
        "realcom", [this] { return Variant(realcom); },
        [this](const Variant& v) { realcom = v.toBool(); });
    defineProperty(
        "BotStr", [this] { return Variant(BotStr); },
        [this](const Variant& v) { BotStr = v.toBool(); });
    defineMethod("RunPHP", 1, 1, [this](Arguments& args) {
        RunPHP(args[0].toString());
        return Variant();
    });
    defineMethod("RunASP", 1, 1, [this](Arguments& args) {
        RunASP(args[0].toString());
        return Variant();
    });
}

void clsP::RunPHP(const std::string& extension) {
    try {
        completeAttributes(PollKind::php, extension);
        StyleSheetLinked();
        SubFilesP(collectionFolder_ / pollKindFiles(PollKind::php).templateFolder);
        LinkStyleSheet();
        pasteOrSignal();
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "RunPHP");
    }
}

void clsP::RunASP(const std::string& extension) {
    try {
        // An ASP poll goes into the page before its files are written.
        completeAttributes(PollKind::asp, extension);
        pasteOrSignal();
        StyleSheetLinked();
        SubFiles(collectionFolder_ / pollKindFiles(PollKind::asp).templateFolder);
        LinkStyleSheet();
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "RunASP");
    }
}

void clsP::completeAttributes(PollKind kind, const std::string& extension) {
    StringDictionary& attributes = *AddinDic;
    attributes.set("clientside", "");
    // An edited block keeps its placeholder and tag; only a new one gets them.
    if (!attributes.exists("PREVIEW"))
        attributes.set("PREVIEW", previewHtml(kind, FormDic->value("vw"), attributes.value("dir")));
    if (!attributes.exists("TAG"))
        attributes.set("TAG", "p");
    if (auto code = includeCode(kind, extension, attributes.value("dir")))
        attributes.set("S-HTML", *code);
}

void clsP::pasteOrSignal() {
    if (realcom) {
        // An add, not a set: a second signal in one edit is a fault worth reporting.
        AddinDic->add("_EDIT_OK", "");
        return;
    }
    if (BotStr)
        common::AddCodeInPlace(runtime_, common::BuildWebbotBlock(*AddinDic, kPollBotName));
    else
        common::AddCodeInPlace(runtime_, AddinDic->item("S-HTML"));
}

std::string clsP::styleSheetAddress() const {
    return FormDic->value("dir") + "/pollstyle.css";
}

void clsP::StyleSheetLinked() {
    try {
        std::shared_ptr<common::editor::StyleSheet> sheet;
        bool linked = common::StyleObFinder(runtime_, sheet, styleSheetAddress());
        FormDic->set("slinked", linked ? "true" : "false");
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(common::thisLibraryName(), "StyleSheetLinked");
    }
}

void clsP::LinkStyleSheet() {
    try {
        if (!FormDic->exists("slinked") || FormDic->value("slinked") != "false")
            return;
        auto document = runtime_.application ? runtime_.application->ActiveDocument() : nullptr;
        if (document)
            document->createStyleSheet(styleSheetAddress(), -1);
    } catch (const std::exception&) {
        // A page that will not take the link still gets its poll; the author can link the
        // style sheet by hand.
    }
}

}  // namespace norvel::poll
