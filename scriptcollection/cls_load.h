// The entry object the add-in creates as "norveljsc.clsLoad": it opens the dialog of one
// script feature (or the options) for a menu command or a block being edited.
#pragma once

#include <filesystem>
#include <memory>

#include "common/dispatch.h"
#include "common/forms/form.h"
#include "common/runtime.h"
#include "scriptcollection/cls_js.h"

namespace norvel::script {

class clsLoad : public common::Dispatch {
  public:
    // `templateFolder` holds the features' template folders ("slide_nv", ...).
    clsLoad(const common::Runtime& runtime, std::filesystem::path templateFolder);
    std::string className() const override { return "clsLoad"; }

    common::DispatchPtr bot;
    common::DictionaryPtr dictAttrs;
    bool realcom = false;
    std::unique_ptr<common::forms::Form> Editor;
    std::shared_ptr<clsJS> JsAddin;

    // Shows the dialog of item `i` ("1" to "5", "options") modally; "Can't Locate Form" for
    // any other item.
    void LoadFrm(const std::string& i);

  private:
    common::Runtime runtime_;
    std::filesystem::path templateFolder_;
};

}  // namespace norvel::script
