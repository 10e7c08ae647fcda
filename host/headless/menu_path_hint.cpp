#include "host/headless/menu_path_hint.h"

#include "common/ascii_text.h"
#include "host/editor/command_bars.h"

namespace norvel::host {

namespace {

// What is left of a caption when blanks and case no longer count.
std::string looseCaption(const std::string& caption) {
    std::string loose;
    for (char c : caption)
        if (c != ' ' && c != '\t')
            loose += common::asciiLower(c);
    return loose;
}

}  // namespace

std::optional<std::string> menuPathHint(HostCommandBars& bars,
                                        const std::vector<std::string>& captions) {
    HostCommandBarControls* level = &bars.menuBar().hostControls();
    for (size_t depth = 0; depth < captions.size() && level != nullptr; ++depth) {
        const std::string& caption = captions[depth];
        std::shared_ptr<HostCommandBarControl> exact;
        std::shared_ptr<HostCommandBarControl> near;
        for (const auto& control : level->all()) {
            if (control->Caption() == caption) {
                exact = control;
                break;
            }
            if (!near && looseCaption(control->Caption()) == looseCaption(caption))
                near = control;
        }
        if (near && !exact)
            return "did you mean '" + near->Caption() + "'?";
        if (!exact) {
            // A top-level menu that is no menu of the editor's own belongs to an add-in.
            if (depth == 0)
                return "no add-in made a menu '" + caption +
                       "': are the suite's libraries registered? (norvel register)";
            return std::nullopt;
        }
        level = exact->popupControls();
    }
    return std::nullopt;
}

}  // namespace norvel::host
