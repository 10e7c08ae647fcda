// A thin wrapper over the help engine: opens a help file's table of contents (or its index,
// search or a topic) and remembers the window so that it can be closed again.
#pragma once

#include <cstdint>
#include <string>

namespace norvel::common {
class HelpEngine;
class Ui;
}  // namespace norvel::common

namespace norvel::addin {

class CHTMLHelp {
  public:
    CHTMLHelp(common::HelpEngine& engine, common::Ui& ui);
    // Closes the help window this object opened, if the user has not closed it already.
    ~CHTMLHelp();
    CHTMLHelp(const CHTMLHelp&) = delete;
    CHTMLHelp& operator=(const CHTMLHelp&) = delete;

    // The file ShowIndex, ShowSearch and ShowTopic open; empty until a caller sets it.
    std::string HelpFile;
    // The window of the last successful help call; 0 when none.
    intptr_t WindowHandle() const { return windowHandle_; }

    void ShowContents(const std::string& FileName, intptr_t hWndParent);
    void ShowIndex(intptr_t hWndParent);
    void ShowSearch(intptr_t hWndParent);
    void ShowTopic(int16_t TopicID, intptr_t hWndParent);
    void CloseHelpWindow();

    // True when the name, blanks trimmed, is not empty and names a file that can be read.
    static bool FileExist(const std::string& sFileName);

  private:
    // A missing file is told in a message box; otherwise the engine's answer replaces the
    // remembered window (0 when it showed nothing).
    void show(const std::string& file, int command, intptr_t hWndParent, intptr_t data);

    common::HelpEngine& engine_;
    common::Ui& ui_;
    intptr_t windowHandle_ = 0;
};

}  // namespace norvel::addin
