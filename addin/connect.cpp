#include "addin/connect.h"

#include "addin/collection_switch.h"
#include "addin/frm_op.h"
#include "addin/menu_command.h"
#include "common/editor/application.h"
#include "common/error.h"

namespace norvel::addin {

Connect::Connect(const common::Runtime& runtime) : context_(runtime) {
    requireServices(runtime);
    setLibraryName(kLibraryName);
    auto nothing = [](Arguments&) { return common::Variant(); };
    // The editor passes its application object first; we reach it through the runtime.
    defineMethod("OnConnection", 4, 4, [this](Arguments&) {
        IDTExtensibility2_OnConnection();
        return common::Variant();
    });
    defineMethod("OnDisconnection", 2, 2, [this](Arguments&) {
        IDTExtensibility2_OnDisconnection();
        return common::Variant();
    });
    defineMethod("OnAddInsUpdate", 1, 1, nothing);
    defineMethod("OnStartupComplete", 1, 1, nothing);
    defineMethod("OnBeginShutdown", 1, 1, nothing);
}

Connect::~Connect() {
    releaseMenus();
    if (ButOP)
        ButOP->SetClickHandler({});
    context_.releaseHelp();
}

void Connect::IDTExtensibility2_OnConnection() {
    if (context_.runtime.application == nullptr)
        throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                            "Object variable not set: the add-in was connected without an editor");
    common::editor::CommandBars& bars = context_.runtime.application->GetCommandBars();
    ControlPtr top = FindOrAddTopMenu(bars, kMenuBar, kTopMenuCaption);
    top->SetEnabled(false);

    std::string collections = readCollectionSwitch(*context_.runtime.settings);
    if (collectionEnabled(collections, kScriptCollection)) {
        if (!JSM)
            JSM = std::make_unique<JsMenu>(context_);
        JSM->Build();
    }
    if (collectionEnabled(collections, kPollCollection)) {
        if (!PM)
            PM = std::make_unique<PMenu>(context_);
        PM->Build();
    }
    if (collectionEnabled(collections, kStyleCollection)) {
        if (!SM)
            SM = std::make_unique<SMenu>(context_);
        SM->Build();
    }

    ButOP = AddMenuButton(*top, "options");
    ButOP->SetClickHandler([this](auto&, bool&) { ButOP_Click(); });
    ButOP->SetBeginGroup(true);
    top->SetEnabled(true);
}

void Connect::IDTExtensibility2_OnDisconnection() {
    releaseMenus();
    context_.releaseHelp();
}

void Connect::releaseMenus() {
    JSM.reset();
    PM.reset();
    SM.reset();
}

void Connect::ButOP_Click() {
    runTrapped(context_.runtime, [&] {
        frmOP dialog(*context_.runtime.ui, *context_.runtime.settings);
        dialog.Show(true);
    });
}

}  // namespace norvel::addin
