// The base of the Normal view: a read-only page drawn by Qt's rich text, its
// pictures found beside the page, links never followed (the view always shows its page), and
// each local file the drawing reads reported, so that the page view knows what a drawing
// depends on.
#pragma once

#include <QTextBrowser>

#include <filesystem>

namespace norvel::host::qt {

class PageBrowser : public QTextBrowser {
    Q_OBJECT

  public:
    explicit PageBrowser(QWidget* parent = nullptr);

  signals:
    // A local file (a picture, a style sheet) was read to draw the page.
    void fileRead(const QString& localPath);

  protected:
    // Relative addresses in the page start from `folder`.
    void setPageFolder(const std::filesystem::path& folder);
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace norvel::host::qt
