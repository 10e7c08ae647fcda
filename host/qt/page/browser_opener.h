// "Preview in Browser": the page shown in the desktop's browser. A page saved as it stands is
// opened from its file; one with unsaved changes from a copy outside the web (its addresses
// still starting from the page's folder), so that nothing new is written to the web.
#pragma once

#include <QTemporaryDir>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <memory>

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

// Hands an address to the desktop (QDesktopServices::openUrl unless replaced); false when the
// desktop could not open it.
using UrlOpener = std::function<bool(const QUrl&)>;

class BrowserOpener {
  public:
    BrowserOpener();
    ~BrowserOpener();

    // Opens the page; `pageFile` is empty for a page never saved. The address handed over, or
    // an empty one when nothing could be opened (the reason in `problem`).
    QUrl open(HostDocument& document, const std::filesystem::path& pageFile,
              const std::filesystem::path& pageFolder, QString& problem);

    // Replaces how addresses reach the desktop, for every opener (null: the desktop's own).
    static void setUrlOpener(UrlOpener opener);

  private:
    std::unique_ptr<QTemporaryDir> copies_;
    int copiesWritten_ = 0;
};

}  // namespace norvel::host::qt
