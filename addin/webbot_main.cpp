#include "addin/webbot_main.h"

#include "addin/addin_context.h"
#include "common/error.h"
#include "common/ui.h"

namespace norvel::addin {

namespace {

constexpr const char* kEditConfirmedKey = "_EDIT_OK";

// The identifier of the collection entry object for a collection letter (exact case), or
// none.
const char* collectionIdentifier(const std::string& strID) {
    if (strID == "P")
        return "norvelpc.clsLoad";
    if (strID == "J")
        return "norveljsc.clsLoad";
    if (strID == "S")
        return "norvelsc.clsLoad";
    return nullptr;
}

}  // namespace

main::main(const common::Runtime& runtime) : runtime_(runtime) {
    requireServices(runtime_);
    setLibraryName(kLibraryName);
    auto noText = [](Arguments&) { return common::Variant(std::string()); };
    defineMethod("Name", 0, 0, noText);
    defineMethod("Kind", 0, 0, [](Arguments&) { return common::Variant("insert"); });
    defineMethod("Tag", 0, 0, noText);
    defineMethod("Description", 0, 0, noText);
    defineMethod("Preview", 0, 0, noText);
    defineMethod("Load", 3, 3, [this](Arguments& args) {
        Load(args[0].toDictionary(), args[1].toDictionary(), args[2].toDictionary());
        return common::Variant();
    });
    defineMethod("Expand", 0, 0, noText);
    defineMethod("Edit", 0, 0, [this](Arguments&) { return common::Variant(Edit()); });
    defineMethod("LoadForm", 2, 2, [this](Arguments& args) {
        std::string strID = args[0].toString();
        std::string strNum = args[1].toString();
        LoadForm(strID, strNum);
        args[0] = common::Variant(strID);
        args[1] = common::Variant(strNum);
        return common::Variant();
    });
}

void main::Load(common::DictionaryPtr dictBot, common::DictionaryPtr dictCgi,
                common::DictionaryPtr dictForm) {
    loaded_ = true;
    dictBot_ = std::move(dictBot);
    dictCgi_ = std::move(dictCgi);
    dictForm_ = std::move(dictForm);
}

bool main::Edit() {
    Arguments args{common::Variant(std::string()), common::Variant(std::string())};
    if (dictBot_ && dictBot_->exists("t")) {
        std::string value = dictBot_->value("t");
        args[0] = common::Variant(value.substr(0, 1));
        args[1] = common::Variant(value.empty() ? std::string() : value.substr(1));
    }
    // Through the public interface, as the editor would reach it.
    call("LoadForm", args);
    if (dictBot_ && dictBot_->exists(kEditConfirmedKey)) {
        dictBot_->remove(kEditConfirmedKey);
        return true;
    }
    return false;
}

void main::LoadForm(std::string& strID, std::string& strNum) {
    const char* identifier = collectionIdentifier(strID);
    if (identifier == nullptr) {
        runtime_.ui->message("Undefined Collection ID");
        return;
    }
    try {
        common::DispatchPtr collection = runtime_.components->createObject(identifier);
        collection->put("bot", common::Variant(shared_from_this()));
        collection->put("dictAttrs", common::Variant(dictBot_));
        collection->put("realcom", common::Variant(loaded_));
        Arguments args{common::Variant(strNum)};
        collection->call("LoadFrm", args);
        strNum = args[0].toString();
    } catch (const std::exception&) {
        showLoadFormError(common::currentError(kLibraryName));
    }
}

void main::showLoadFormError(const common::Error& error) {
    runtime_.ui->msgBox("An error occured in NorvelFP addin:\r\nSource: " + error.source() +
                            "\r\ndescription: " + error.description(),
                        common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Critical,
                        "NorvelFP Error");
}

}  // namespace norvel::addin
