#include "addin/mod_functions.h"

#include <memory>

#include "addin/addin_context.h"
#include "common/ascii_text.h"
#include "common/conversions.h"
#include "common/editor/application.h"
#include "common/editor/document.h"
#include "common/editor/page_window.h"
#include "common/editor/web.h"
#include "common/error.h"
#include "common/settings_store.h"
#include "common/ui.h"

namespace norvel::addin {

namespace {

constexpr const char* kConditionsCaption = "Checking Conditions";

// A reference the old object model would have dereferenced: none is Error 91.
template <typename T>
T& required(const std::shared_ptr<T>& object, const char* what) {
    if (!object)
        throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                            std::string("Object variable not set: there is no ") + what);
    return *object;
}

common::editor::Application& editorOf(const common::Runtime& runtime) {
    if (runtime.application == nullptr)
        throw common::Error(common::errnum::kObjectNotSet, kLibraryName,
                            "Object variable not set: the add-in runs outside the editor");
    return *runtime.application;
}

void tell(const common::Runtime& runtime, const std::string& text, const char* caption) {
    runtime.ui->msgBox(text, common::MsgBoxButtons::OkOnly, common::MsgBoxIcon::Information,
                       caption);
}

}  // namespace

bool CheckConditions(const common::Runtime& runtime, bool web, bool page, bool saved,
                     bool normalView) {
    common::editor::Application& editor = editorOf(runtime);
    if (page && !editor.ActiveDocument()) {
        tell(runtime, "You must have an open page to use this add-in", kConditionsCaption);
        return false;
    }
    if (web && !editor.ActiveWeb()) {
        tell(runtime, "You must have an open web and an open page to use this add-in",
             kConditionsCaption);
        return false;
    }
    if (saved && required(editor.ActiveDocument(), "open page").fileCreatedDate().empty()) {
        tell(runtime,
             "Some Features of the Addin requires the page to be saved at least once. Please "
             "Save Current page and try again",
             kConditionsCaption);
        return false;
    }
    if (!normalView)
        return true;
    if (required(editor.ActivePageWindow(), "page window").ViewMode() ==
        common::editor::kViewNormal)
        return true;
    tell(runtime,
         "The Addins only works in Normal view, Please convert to Normal view and try again",
         kConditionsCaption);
    return false;
}

bool ScriptFileOption(common::SettingsStore& settings) {
    std::string stored = settings.getSetting("NorvelJS", "Options", "ScriptFile", "0");
    try {
        return common::toBoolean(stored);
    } catch (const common::Error& e) {
        // A run-time error of the add-in: its source is the add-in's name.
        throw common::Error(e.number(), kLibraryName, e.description());
    }
}

bool WrongExtension(const common::Runtime& runtime, const std::string& extensions) {
    try {
        std::shared_ptr<common::editor::PageWindow> window = editorOf(runtime).ActivePageWindow();
        std::string extension =
            required(required(window, "page window").File(), "file for the page").Extension();
        size_t start = 0;
        while (true) {
            size_t comma = extensions.find(',', start);
            std::string_view item =
                std::string_view(extensions)
                    .substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            if (common::equalsIgnoreCase(item, extension))
                return false;
            if (comma == std::string::npos)
                break;
            start = comma + 1;
        }
        tell(runtime,
             "You can use this addin with pages that have " + extensions + " extensions only",
             "Extension Check");
        return true;
    } catch (const std::exception&) {
        common::raiseCurrentWithContext(kLibraryName, "WrongExtension");
    }
}

}  // namespace norvel::addin
