// The "Style" sub-menu: scroll-bar colours and the style help file.
#pragma once

#include "addin/modmenu2.h"

namespace norvel::addin {

struct AddinContext;

class SMenu {
  public:
    explicit SMenu(AddinContext& context) : context_(context) {}
    // Unbinds the handlers it set: the buttons may outlive this object.
    ~SMenu();
    SMenu(const SMenu&) = delete;
    SMenu& operator=(const SMenu&) = delete;

    void Build();

    ControlPtr popup;
    ControlPtr But1;      // "Scrollbar color"
    ControlPtr ButHelp2;  // "Help "

  private:
    void But1_Click();
    void ButHelp2_Click();

    AddinContext& context_;
};

}  // namespace norvel::addin
