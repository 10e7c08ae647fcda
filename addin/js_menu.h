// The "JavaScript" sub-menu: the five script features, the help file and the script
// collection's own options.
#pragma once

#include "addin/modmenu2.h"

namespace norvel::addin {

struct AddinContext;

class JsMenu {
  public:
    explicit JsMenu(AddinContext& context) : context_(context) {}
    // Unbinds the handlers it set: the buttons may outlive this object.
    ~JsMenu();
    JsMenu(const JsMenu&) = delete;
    JsMenu& operator=(const JsMenu&) = delete;

    void Build();

    ControlPtr popup;
    ControlPtr But1;     // "Add to Favorites"
    ControlPtr But2;     // "Slide Show"
    ControlPtr But3;     // "Fading Messages"
    ControlPtr But4;     // "Current Date"
    ControlPtr But5;     // "Show and Hide"
    ControlPtr ButHelp;  // "Help  "
    ControlPtr ButOP;    // "options "

  private:
    void But1_Click();
    void But2_Click();
    void But3_Click();
    void But4_Click();
    void But5_Click();
    void ButHelp_Click();
    void ButOP_Click();

    AddinContext& context_;
};

}  // namespace norvel::addin
