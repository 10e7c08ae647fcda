// A component library built only for tests: one class that echoes, one whose construction
// fails, and an add-in declaration.
#include <stdexcept>

#include "common/component_entry.h"
#include "common/error.h"

namespace {

using namespace norvel::common;

class clsEcho : public Dispatch {
  public:
    explicit clsEcho(const Runtime& runtime) {
        hasUi_ = runtime.ui != nullptr;
        defineProperty(
            "Text", [this] { return Variant(text_); },
            [this](const Variant& v) { text_ = v.toString(); });
        defineProperty("HasUi", [this] { return Variant(hasUi_); });
        // Doubles its by-reference argument and returns the old value.
        defineMethod("Twice", 1, 1, [](Arguments& args) {
            Variant old = args[0];
            args[0] = Variant(old.toString() + old.toString());
            return old;
        });
        defineMethod("Fail", 0, 0, [](Arguments&) -> Variant {
            throw std::out_of_range("index 7 out of range");
        });
    }
    std::string className() const override { return "clsEcho"; }

  private:
    std::string text_;
    bool hasUi_ = false;
};

class clsBroken : public Dispatch {
  public:
    clsBroken() { throw std::runtime_error("cannot construct clsBroken"); }
    std::string className() const override { return "clsBroken"; }
};

// A webbot component as the editor sees one: Load hands it the block's attributes, Edit
// changes them the way a collection does (new keys beside the old lower-case ones) and says
// whether the block changed.
class clsBlockEditor : public Dispatch {
  public:
    clsBlockEditor() {
        defineMethod("Load", 3, 3, [this](Arguments& args) {
            attributes_ = args[0].toDictionary();
            return Variant();
        });
        defineMethod("Edit", 0, 0, [this](Arguments&) {
            if (!attributes_ || attributes_->value("mode") == "cancel")
                return Variant(false);
            if (attributes_->value("mode") == "fail")
                throw Error(errnum::kFileNotFound, "norveltest", "File not found");
            attributes_->set("T", "J9");
            attributes_->set("S-HTML", "<b>rebuilt</b> " + attributes_->value("s-html"));
            attributes_->set("quote", "say \"hi\"");
            attributes_->set("count", std::to_string(attributes_->count()));
            return Variant(true);
        });
    }
    std::string className() const override { return "clsBlockEditor"; }

  private:
    DictionaryPtr attributes_;
};

}  // namespace

namespace norvel::common {

const ComponentLibrary& componentLibrary() {
    static const ComponentLibrary library = [] {
        ClassTable t("norveltest");
        t.add("clsEcho", [](const Runtime& rt) { return std::make_shared<clsEcho>(rt); });
        t.add("clsBroken", [](const Runtime&) { return std::make_shared<clsBroken>(); });
        t.add("clsBlockEditor", [](const Runtime&) { return std::make_shared<clsBlockEditor>(); });
        return ComponentLibrary{std::move(t),
                                {{"clsEcho", "Test Addin", "An add-in for tests", 3}}};
    }();
    return library;
}

}  // namespace norvel::common
