// The road every collection command of the menus ends in, and the trap around a click.
#pragma once

#include <functional>
#include <string>

namespace norvel::common {
struct Runtime;
}

namespace norvel::addin {

// Runs a click handler's work. Any error it raises is shown in the error dialog with the
// caption "NorvelFP", so that the editor keeps running and the menu stays usable. (Only
// std::exception is trapped: a fault of a scripted session must end the session.)
void runTrapped(const common::Runtime& runtime, const std::function<void()>& work);

// A fresh, never loaded `main` asks the collection `strID` to open item `strNum` for a new
// insertion; returns when the collection's dialog has closed.
void openCollection(const common::Runtime& runtime, std::string strID, std::string strNum);

}  // namespace norvel::addin
