// Building the add-in's menus in the editor's menu bar. Every control the add-in makes carries
// a tag, so that a menu that is already there is found and reused rather than added twice.
#pragma once

#include <memory>
#include <string>

#include "common/editor/command_bars.h"

namespace norvel::addin {

using ControlPtr = std::shared_ptr<common::editor::CommandBarControl>;

inline constexpr const char* kMenuBar = "Menu Bar";
inline constexpr const char* kTopMenuCaption = "Norvel";
// What follows the caption in the tag of every sub-menu and button.
inline constexpr const char* kTagSuffix = " NVX";
// Where the top menu goes in the menu bar.
inline constexpr int kTopMenuPosition = 10;

// The top-level popup tagged with `caption` in bar `barName`, added (temporary, at position
// 10) when it is not there yet.
ControlPtr FindOrAddTopMenu(common::editor::CommandBars& bars, const std::string& barName,
                            const std::string& caption);

// The sub-menu `subCaption` of the top menu `topCaption` of the menu bar, appended
// (temporary) when the top menu holds no control tagged `subCaption` + " NVX".
ControlPtr FindOrAddSubMenu(common::editor::CommandBars& bars, const std::string& topCaption,
                            const std::string& subCaption);

// A new enabled button at the end of `popup`, tagged with its caption + " NVX".
ControlPtr AddMenuButton(common::editor::CommandBarControl& popup, const std::string& caption);

// True when any control of `popup` has exactly this tag. Looks at every control, also after a
// match.
bool MenuTagExists(common::editor::CommandBarControl& popup, const std::string& tag);

}  // namespace norvel::addin
