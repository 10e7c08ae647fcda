#include "scriptcollection/center_on_editor.h"

#include "common/editor/application.h"
#include "common/editor/page_window.h"
#include "common/forms/form.h"
#include "common/runtime.h"

namespace norvel::script {

void CenterOnEditor(const common::Runtime& runtime, common::forms::Form& dialog) {
    if (!runtime.application)
        return;
    bringEditorToFront(runtime);
    auto editorWindow = runtime.application->MainWindowRectangle();
    dialog.left = editorWindow.left + (editorWindow.width - dialog.width()) / 2;
    dialog.top = editorWindow.top + (editorWindow.height - dialog.height()) / 2;
}

void bringEditorToFront(const common::Runtime& runtime) {
    if (!runtime.application)
        return;
    auto& window = runtime.application->ActiveWebWindow();
    window.SetVisible(true);
    window.Activate();
}

}  // namespace norvel::script
