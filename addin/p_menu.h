// The "Polls" sub-menu: ASP and PHP polls and the polls help file.
#pragma once

#include "addin/modmenu2.h"

namespace norvel::addin {

struct AddinContext;

class PMenu {
  public:
    explicit PMenu(AddinContext& context) : context_(context) {}
    // Unbinds the handlers it set: the buttons may outlive this object.
    ~PMenu();
    PMenu(const PMenu&) = delete;
    PMenu& operator=(const PMenu&) = delete;

    void Build();

    ControlPtr popup;
    ControlPtr But1;     // "ASP Polls"
    ControlPtr But2;     // "PHP Polls"
    ControlPtr ButHelp;  // "Help"

  private:
    void But1_Click();
    void But2_Click();
    void ButHelp_Click();

    AddinContext& context_;
};

}  // namespace norvel::addin
