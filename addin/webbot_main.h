// The component the editor creates for a webbot block of ours (`norvelfp.main`), and the one
// place that turns a collection letter and an item into a call of a collection.
#pragma once

#include <string>

#include "common/dispatch.h"
#include "common/error.h"
#include "common/runtime.h"

namespace norvel::addin {

// Lower case, as the blocks name it in their s-class attribute.
class main : public common::Dispatch {
  public:
    explicit main(const common::Runtime& runtime);
    std::string className() const override { return "main"; }

    // The editor hands over the block's attributes (names in lower case) and two dictionaries
    // that are kept but never read.
    void Load(common::DictionaryPtr dictBot, common::DictionaryPtr dictCgi,
              common::DictionaryPtr dictForm);
    // Opens the collection dialog for the loaded block; true when the collection changed the
    // attributes (it added "_EDIT_OK", which is removed again).
    bool Edit();
    // Creates the collection for `strID` ("P", "J" or "S") and calls its LoadFrm with
    // `strNum`. Errors are shown here and do not reach the caller.
    void LoadForm(std::string& strID, std::string& strNum);

    bool loaded() const { return loaded_; }
    const common::DictionaryPtr& dictBot() const { return dictBot_; }

  private:
    void showLoadFormError(const common::Error& error);

    common::Runtime runtime_;
    bool loaded_ = false;
    common::DictionaryPtr dictBot_;
    common::DictionaryPtr dictCgi_;
    common::DictionaryPtr dictForm_;
};

}  // namespace norvel::addin
