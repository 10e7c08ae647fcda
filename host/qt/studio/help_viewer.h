// The help window of the studio: a help file of the suite (HTML, whatever its extension)
// in a window of its own beside the editor.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>

class QTextBrowser;

namespace norvel::host::qt {

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    // `handle` is the help engine's handle of this window.
    explicit HelpViewer(intptr_t handle, QWidget* parent = nullptr);
    intptr_t handle() const { return handle_; }
    // Shows the file; its pictures and links resolve beside it.
    void showFile(const std::string& file);
    QTextBrowser& browser() const { return *browser_; }

  signals:
    // The person closed the window.
    void closedByUser(intptr_t handle);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    intptr_t handle_;
    QTextBrowser* browser_;
};

}  // namespace norvel::host::qt
