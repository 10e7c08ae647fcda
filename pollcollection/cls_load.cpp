#include "pollcollection/cls_load.h"

#include "common/editor/application.h"
#include "common/editor/page_window.h"
#include "common/error.h"
#include "common/functions.h"
#include "common/ui.h"

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
    std::shared_ptr<clsP> generator = PAddin();
    generator->AddinDic = dictAttrs();
    generator->realcom = realcom_;
    Editor_ = createEditor(kind);
    Editor_->Show(true);
}

std::unique_ptr<common::forms::Form> clsLoad::createEditor(PollKind kind) {
    // The poll editor windows are not part of this build yet. Say so plainly rather than
    // pretend: the add-in shows this in its error box.
    throw common::Error(common::errnum::kCannotCreateObject, common::thisLibraryName(),
                        std::string("The poll editor is not available in this build (") +
                            (kind == PollKind::php ? "PHP" : "ASP") + " poll)");
}

}  // namespace norvel::poll
