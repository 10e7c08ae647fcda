#include "pollcollection/cls_load.h"

#include "common/editor/application.h"
#include "common/editor/page_window.h"
#include "common/error.h"
#include "common/error_mod.h"
#include "common/functions.h"
#include "common/ui.h"
#include "pollcollection/frm_main.h"

namespace norvel::poll {

using common::Variant;

clsLoad::clsLoad(const common::Runtime& runtime) : runtime_(runtime) {
    setLibraryName(common::thisLibraryName());
    defineProperty(
        "bot", [this] { return Variant(bot_); }, [this](const Variant& v) { bot_ = v.toObject(); });
    defineProperty(
        "dictAttrs", [this] { return Variant(dictAttrs()); },
        [this](const Variant& v) { dictAttrs_ = v.toDictionary(); });
    defineProperty(
        "realcom", [this] { return Variant(realcom_); },
        [this](const Variant& v) { realcom_ = v.toBool(); });
    defineProperty("PAddin", [this] { return Variant(common::DispatchPtr(PAddin())); });
    // Dialogs are not late-bound objects; the add-in never reads this one anyway.
    defineProperty("Editor", [] { return Variant(); });
    defineMethod("LoadFrm", 1, 1, [this](Arguments& args) {
        LoadFrm(args[0].toString());
        return Variant();
    });
}

clsLoad::~clsLoad() {
    // The page window is brought back to the front once the poll editor has gone.
    try {
        if (runtime_.application != nullptr)
            if (auto window = runtime_.application->ActivePageWindow())
                window->Activate();
    } catch (const std::exception&) {
        // Releasing the loader must never fail.
    }
    dictAttrs_.reset();
    bot_.reset();
    Editor_.reset();
    PAddin_.reset();
}

common::DictionaryPtr clsLoad::dictAttrs() {
    if (!dictAttrs_)
        dictAttrs_ = std::make_shared<common::StringDictionary>();
    return dictAttrs_;
}

std::shared_ptr<clsP> clsLoad::PAddin() {
    if (!PAddin_)
        PAddin_ = std::make_shared<clsP>(runtime_);
    return PAddin_;
}

void clsLoad::LoadFrm(const std::string& item) {
    PollKind kind;
    if (item == "1") {
        kind = PollKind::asp;
    } else if (item == "2") {
        kind = PollKind::php;
    } else {
        runtime_.ui->message("Can't Locate Form");
        return;
    }
    try {
        std::shared_ptr<clsP> generator = PAddin();
        generator->AddinDic = dictAttrs();
        generator->realcom = realcom_;
        auto editor = std::make_unique<frmMain>(runtime_, kind);
        editor->PAddin = generator;
        Editor_ = std::move(editor);
        Editor_->Show(true);
    } catch (const std::exception&) {
        common::showCurrentError(*runtime_.ui, common::thisLibraryName(), "NorvelFP");
    }
}

}  // namespace norvel::poll
