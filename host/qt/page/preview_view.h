// The Preview view: the whole page rendered read-only, as it is (webbot blocks show their
// real content), with its folder as the search path so that its images and linked style
// sheets load. Links are not followed: the view always shows its page.
#pragma once

#include <QTextBrowser>

#include <filesystem>

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

class PreviewView : public QTextBrowser {
    Q_OBJECT

  public:
    explicit PreviewView(QWidget* parent = nullptr);

    void showPage(HostDocument& document, const std::filesystem::path& pageFolder);

  signals:
    // A local file (an image or a style sheet) was read to draw the page.
    void fileRead(const QString& localPath);

  protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace norvel::host::qt
