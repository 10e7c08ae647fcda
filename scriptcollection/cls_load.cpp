#include "scriptcollection/cls_load.h"

#include "common/string_dictionary.h"
#include "common/ui.h"
#include "scriptcollection/frm_add_to_favor2.h"
#include "scriptcollection/frm_date.h"
#include "scriptcollection/frm_news_ticker.h"
#include "scriptcollection/frm_options.h"
#include "scriptcollection/frm_show_hide.h"
#include "scriptcollection/frm_slide.h"

namespace norvel::script {

clsLoad::clsLoad(const common::Runtime& runtime, std::filesystem::path templateFolder)
    : runtime_(runtime), templateFolder_(std::move(templateFolder)) {
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

void clsLoad::LoadFrm(const std::string& i) {
    if (i == "options") {
        Editor = std::make_unique<frmOptions>(runtime_);
        Editor->Show(true);
        return;
    }
    if (!JsAddin)
        JsAddin = std::make_shared<clsJS>(runtime_, templateFolder_);
    if (!dictAttrs)
        dictAttrs = std::make_shared<common::StringDictionary>();
    JsAddin->AddinDic = dictAttrs;
    JsAddin->realcom = realcom;

    if (i == "1")
        Editor = std::make_unique<frmAddToFavor2>(runtime_, JsAddin);
    else if (i == "2")
        Editor = std::make_unique<frmSlide>(runtime_, JsAddin);
    else if (i == "3")
        Editor = std::make_unique<frmNewsTicker>(runtime_, JsAddin);
    else if (i == "4")
        Editor = std::make_unique<frmDate>(runtime_, JsAddin);
    else if (i == "5")
        Editor = std::make_unique<frmShowHide>(runtime_, JsAddin);
    else {
        runtime_.ui->message("Can't Locate Form");
        return;
    }
    Editor->Show(true);
}

}  // namespace norvel::script
