// Places a dialog over the editor's main window, after bringing that window to the front.
#pragma once

namespace norvel::common {
struct Runtime;
namespace forms {
class Form;
}
}  // namespace norvel::common

namespace norvel::script {

// Does nothing outside an editor.
void CenterOnEditor(const common::Runtime& runtime, common::forms::Form& dialog);

// Shows and activates the editor's web window, as the larger dialogs do when they close.
void bringEditorToFront(const common::Runtime& runtime);

}  // namespace norvel::script
