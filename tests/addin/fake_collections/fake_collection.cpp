// A stand-in for a collection library, built three times under the real library names
// (norvelpc, norveljsc, norvelsc) so that the add-in's calls can be watched. Its clsLoad shows
// what it received in a message box, which lands in a session's transcript:
//   LoadFrm(3) bot=main realcom=True dictAttrs={t: J3; s-html: ...}
// Keys in the block's attributes steer it: "fake-confirm" confirms the edit (it sets
// "fake-edited" and adds "_EDIT_OK"), "fake-fail" then raises Error 53.
#include <string>

#include "common/component_entry.h"
#include "common/error.h"
#include "common/ui.h"

#ifndef FAKE_COLLECTION_LIBRARY
#error "FAKE_COLLECTION_LIBRARY must name the library (norvelpc, norveljsc or norvelsc)"
#endif

namespace {

using namespace norvel::common;

constexpr const char* kLibraryName = FAKE_COLLECTION_LIBRARY;

std::string describe(const DictionaryPtr& dictionary) {
    if (!dictionary)
        return "none";
    std::string text = "{";
    for (const auto& entry : dictionary->entries()) {
        if (text.size() > 1)
            text += "; ";
        text += entry.key + ": " + entry.value;
    }
    return text + "}";
}

class clsLoad : public Dispatch {
  public:
    explicit clsLoad(const Runtime& runtime) : ui_(*runtime.ui) {
        defineProperty(
            "bot", [this] { return Variant(bot_); },
            [this](const Variant& v) { bot_ = v.toObject(); });
        defineProperty(
            "dictAttrs", [this] { return Variant(dictAttrs_); },
            [this](const Variant& v) { dictAttrs_ = v.toDictionary(); });
        defineProperty(
            "realcom", [this] { return Variant(realcom_); },
            [this](const Variant& v) { realcom_ = v.toBool(); });
        defineProperty(
            "Editor", [] { return Variant(); }, [](const Variant&) {});
        defineMethod("LoadFrm", 1, 1, [this](Arguments& args) {
            LoadFrm(args[0].toString());
            return Variant();
        });
    }
    std::string className() const override { return "clsLoad"; }

  private:
    void LoadFrm(const std::string& item) {
        std::string bot = bot_ ? bot_->className() : "none";
        ui_.msgBox("LoadFrm(" + item + ") bot=" + bot + " realcom=" +
                       (realcom_ ? "True" : "False") + " dictAttrs=" + describe(dictAttrs_),
                   MsgBoxButtons::OkOnly, MsgBoxIcon::Information, kLibraryName);
        if (!dictAttrs_)
            return;
        if (dictAttrs_->exists("fake-confirm")) {
            dictAttrs_->set("fake-edited", "yes");
            dictAttrs_->set("_EDIT_OK", "");
        }
        if (dictAttrs_->exists("fake-fail"))
            throw Error(errnum::kFileNotFound, kLibraryName, "File not found");
    }

    Ui& ui_;
    DispatchPtr bot_;
    DictionaryPtr dictAttrs_;
    bool realcom_ = false;
};

}  // namespace

namespace norvel::common {

const ComponentLibrary& componentLibrary() {
    static const ComponentLibrary library = [] {
        ClassTable t(kLibraryName);
        t.add("clsLoad", [](const Runtime& rt) { return std::make_shared<clsLoad>(rt); });
        return ComponentLibrary{std::move(t), {}};
    }();
    return library;
}

}  // namespace norvel::common
