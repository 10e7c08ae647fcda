#include "stylecollection/cls_load.h"

#include "common/string_dictionary.h"
#include "common/ui.h"

namespace norvel::style {

clsLoad::clsLoad(const common::Runtime& runtime) : runtime_(runtime) {
    defineProperty(
        "bot", [this] { return common::Variant(bot); },
        [this](const common::Variant& v) { bot = v.toObject(); });
    defineProperty(
        "dictAttrs", [this] { return common::Variant(dictAttrs); },
        [this](const common::Variant& v) { dictAttrs = v.toDictionary(); });
    defineProperty(
        "realcom", [this] { return common::Variant(realcom); },
        [this](const common::Variant& v) { realcom = v.toBool(); });
    defineMethod("LoadFrm", 1, 1, [this](Arguments& args) {
        LoadFrm(args[0].toString());
        return common::Variant();
    });
}

clsLoad::~clsLoad() {
    dictAttrs.reset();
    bot.reset();
    Editor.reset();
}

void clsLoad::LoadFrm(const std::string& i) {
    if (i != "1") {
        runtime_.ui->message("Can't Locate Form");
        return;
    }
    // A fresh dialog for every opening: its load reads the page that is current now.
    Editor = std::make_unique<frmScrollStyle>(runtime_);
    Editor->Show(true);
}

}  // namespace norvel::style
