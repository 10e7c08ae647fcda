// The help window of the studio: a help file of the suite (HTML, whatever its extension)
// in a window of its own beside the editor.
#pragma once

#include <QWidget>
#include <string>

class QTextBrowser;

namespace norvel::host::qt {

class HelpViewer : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);
    // Shows the file; its pictures and links resolve beside it.
    void showFile(const std::string& file);
    QTextBrowser& browser() const { return *browser_; }

  private:
    QTextBrowser* browser_;
};

}  // namespace norvel::host::qt
