// The add-in as the editor loads it (`norvelfp.Connect`): on connection it builds the menu
// "Norvel" with a sub-menu for each enabled collection and an "options" entry.
#pragma once

#include <memory>
#include <string>

#include "addin/addin_context.h"
#include "addin/js_menu.h"
#include "addin/modmenu2.h"
#include "addin/p_menu.h"
#include "addin/s_menu.h"
#include "common/dispatch.h"

namespace norvel::addin {

class Connect : public common::Dispatch {
  public:
    // Reaches the editor through `runtime.application`.
    explicit Connect(const common::Runtime& runtime);
    ~Connect() override;
    std::string className() const override { return "Connect"; }

    // Builds the menus. Errors go back to the editor as the failure of the connection.
    void IDTExtensibility2_OnConnection();
    // Releases the menu objects; the controls stay until the editor drops its temporary
    // menus. An open help window is closed.
    void IDTExtensibility2_OnDisconnection();

    std::unique_ptr<JsMenu> JSM;
    std::unique_ptr<PMenu> PM;
    std::unique_ptr<SMenu> SM;
    ControlPtr ButOP;  // the top menu's "options"

  private:
    void ButOP_Click();
    void releaseMenus();

    AddinContext context_;
};

}  // namespace norvel::addin
