// The entry of the poll collection, created by the add-in as "norvelpc.clsLoad": it takes the
// caller's webbot attributes, hands them to a poll generator and opens the poll editor for
// item "1" (ASP poll) or "2" (PHP poll).
#pragma once

#include <memory>
#include <string>

#include "common/dispatch.h"
#include "common/forms/form.h"
#include "common/runtime.h"
#include "pollcollection/cls_p.h"

namespace norvel::poll {

class clsLoad : public common::Dispatch {
  public:
    explicit clsLoad(const common::Runtime& runtime);
    ~clsLoad() override;

    std::string className() const override { return "clsLoad"; }

    // The attributes of the edited block; an empty dictionary is made when none was given.
    common::DictionaryPtr dictAttrs();
    bool realcom() const { return realcom_; }
    // The poll generator, made on first use.
    std::shared_ptr<clsP> PAddin();
    // The editor dialog LoadFrm chose; none before.
    common::forms::Form* Editor() const { return Editor_.get(); }

    // Opens the editor of item "1" (ASP poll) or "2" (PHP poll) modally; any other item gets
    // the message "Can't Locate Form" and nothing else happens.
    void LoadFrm(const std::string& item);

  private:
    common::Runtime runtime_;
    common::DispatchPtr bot_;
    common::DictionaryPtr dictAttrs_;
    bool realcom_ = false;
    std::shared_ptr<clsP> PAddin_;
    std::unique_ptr<common::forms::Form> Editor_;
};

}  // namespace norvel::poll
