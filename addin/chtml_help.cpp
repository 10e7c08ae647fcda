#include "addin/chtml_help.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "common/ascii_text.h"
#include "common/editor/help_engine.h"
#include "common/ui.h"

namespace norvel::addin {

namespace {

// The full-text search request the engine expects with its search command, fields in the
// engine's order. The size is the engine's own layout (32 bytes where pointers are 32 bits).
struct HelpSearchQuery {
    int32_t cbStruct = sizeof(HelpSearchQuery);
    int32_t fUniCodeStrings = 0;
    const char* pszSearchQuery = "";
    int32_t iProximity = 0;
    int32_t fStemmedSearch = 0;
    int32_t fTitleOnly = 0;
    int32_t fExecute = 1;
    const char* pszWindow = "";
};

}  // namespace

CHTMLHelp::CHTMLHelp(common::HelpEngine& engine, common::Ui& ui) : engine_(engine), ui_(ui) {}

CHTMLHelp::~CHTMLHelp() {
    CloseHelpWindow();
}

void CHTMLHelp::ShowContents(const std::string& FileName, intptr_t hWndParent) {
    show(FileName, common::HelpEngine::kDisplayToc, hWndParent, 0);
}

void CHTMLHelp::ShowIndex(intptr_t hWndParent) {
    show(HelpFile, common::HelpEngine::kDisplayIndex, hWndParent, 0);
}

void CHTMLHelp::ShowSearch(intptr_t hWndParent) {
    HelpSearchQuery query;
    show(HelpFile, common::HelpEngine::kDisplaySearch, hWndParent,
         reinterpret_cast<intptr_t>(&query));
}

void CHTMLHelp::ShowTopic(int16_t TopicID, intptr_t hWndParent) {
    show(HelpFile, common::HelpEngine::kHelpContext, hWndParent, TopicID);
}

void CHTMLHelp::CloseHelpWindow() {
    if (windowHandle_ != 0 && engine_.isWindow(windowHandle_))
        engine_.postClose(windowHandle_);
    windowHandle_ = 0;
}

bool CHTMLHelp::FileExist(const std::string& sFileName) {
    std::string_view name = common::trimBlanks(sFileName);
    if (name.empty())
        return false;
    std::error_code ec;
    // A folder opens for reading on Linux but is no file to read.
    if (std::filesystem::is_directory(std::filesystem::path(name), ec))
        return false;
    std::ifstream file{std::string(name)};
    return file.is_open();
}

void CHTMLHelp::show(const std::string& file, int command, intptr_t hWndParent, intptr_t data) {
    if (!FileExist(file)) {
        ui_.message("Help File '" + file + "' not found.", common::MsgBoxIcon::Information);
        return;
    }
    windowHandle_ = engine_.htmlHelp(hWndParent, file, command, data);
}

}  // namespace norvel::addin
