#include "host/qt/page/page_style.h"

#include <exception>
#include <string>

#include "common/atomic_file.h"
#include "host/editor/host_document.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {

QString pageStyleSheet(HostDocument& document) {
    HtmlDocument& page = document.page();
    std::string css;
    for (const HtmlDocument::StyleSource& source : page.styleSources()) {
        if (!source.isLink) {
            css.append(page.html(), source.textBegin, source.textEnd - source.textBegin);
        } else {
            std::filesystem::path file = document.linkedSheetPath(source.href);
            if (file.empty())
                continue;
            try {
                css += common::readFileBytes(file);
            } catch (const std::exception&) {
                continue;  // a sheet that cannot be read styles nothing, as in a browser
            }
        }
        css += '\n';
    }
    return PageText(css).text();
}

}  // namespace norvel::host::qt
