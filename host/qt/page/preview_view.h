// The Preview view: the whole page rendered read-only, as it is (webbot blocks show their
// real content), with its folder as the search path so that its images and linked style
// sheets load.
#pragma once

#include <QString>

#include <filesystem>

#include "host/qt/page/page_browser.h"

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

class PreviewView : public PageBrowser {
    Q_OBJECT

  public:
    using PageBrowser::PageBrowser;

    // `styleSheet` is the page's style (pageStyleSheet).
    void showPage(HostDocument& document, const std::filesystem::path& pageFolder,
                  const QString& styleSheet);
};

}  // namespace norvel::host::qt
