#pragma once

#include <string_view>

#include "common/ui.h"

class QWidget;

namespace norvel::host::qt {

// Shows a modal QMessageBox with the platform's buttons and icon and returns the answer.
// An empty caption shows "Norvel". The first button is the default; Escape and closing the box
// answer Cancel where there is one, else No, else OK.
common::MsgBoxResult runMessageBox(QWidget* parent, std::string_view text,
                                   common::MsgBoxButtons buttons, common::MsgBoxIcon icon,
                                   std::string_view caption);

}  // namespace norvel::host::qt
