// What the add-in's objects share while it is connected: the services the editor lent it and
// the one help window wrapper of the three menus.
#pragma once

#include <memory>

#include "addin/chtml_help.h"
#include "common/error.h"
#include "common/runtime.h"

namespace norvel::addin {

// The source of errors raised by our own code, and the caption of the error dialogs that the
// add-in's handlers show.
inline constexpr const char* kLibraryName = "norvelfp";
inline constexpr const char* kErrorCaption = "NorvelFP";

// The services every object of the add-in needs; Error 91 when the creator lent none.
inline void requireServices(const common::Runtime& runtime) {
    if (runtime.ui == nullptr || runtime.settings == nullptr || runtime.components == nullptr)
        throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                            "Object variable not set: the add-in was created without the "
                            "editor's services");
}

struct AddinContext {
    explicit AddinContext(const common::Runtime& services) : runtime(services) {}

    // Made on the first help click and shared by the menus, so that one help window is
    // remembered and can be closed again.
    CHTMLHelp& sharedHelp() {
        if (!help) {
            if (runtime.help == nullptr || runtime.ui == nullptr)
                throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                                    "Object variable not set: no help engine");
            help = std::make_unique<CHTMLHelp>(*runtime.help, *runtime.ui);
        }
        return *help;
    }
    // Destroying the wrapper closes the help window it opened.
    void releaseHelp() { help.reset(); }

    common::Runtime runtime;
    std::unique_ptr<CHTMLHelp> help;
};

}  // namespace norvel::addin
