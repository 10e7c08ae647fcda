// The entry object the add-in creates as "norvelsc.clsLoad": it opens the scroll-bar style
// editor for the menu command "Scrollbar color".
#pragma once

#include <memory>
#include <string>

#include "common/dispatch.h"
#include "common/runtime.h"
#include "stylecollection/frm_scroll_style.h"

namespace norvel::style {

class clsLoad : public common::Dispatch {
  public:
    explicit clsLoad(const common::Runtime& runtime);
    ~clsLoad() override;
    std::string className() const override { return "clsLoad"; }

    // Kept only to be released: this collection writes no webbot block.
    common::DispatchPtr bot;
    common::DictionaryPtr dictAttrs;
    bool realcom = false;
    std::unique_ptr<frmScrollStyle> Editor;

    // Item "1" shows the scroll-bar style editor modally; "Can't Locate Form" for any other.
    void LoadFrm(const std::string& i);

  private:
    common::Runtime runtime_;
};

}  // namespace norvel::style
