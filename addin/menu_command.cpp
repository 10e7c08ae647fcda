#include "addin/menu_command.h"

#include <memory>

#include "addin/addin_context.h"
#include "addin/webbot_main.h"
#include "common/error_mod.h"

namespace norvel::addin {

void runTrapped(const common::Runtime& runtime, const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception&) {
        common::showCurrentError(*runtime.ui, kLibraryName, kErrorCaption);
    }
}

void openCollection(const common::Runtime& runtime, std::string strID, std::string strNum) {
    auto bot = std::make_shared<main>(runtime);
    bot->LoadForm(strID, strNum);
}

}  // namespace norvel::addin
