// The style a page gives itself, as one style sheet for Qt's rich text: the colours of its BODY
// tag (text, link), then the text of its STYLE elements and of the style sheets it links from
// the web, in page order (later rules win, as in a browser). Qt reads a subset of CSS and
// skips the rest.
#pragma once

#include <QString>

namespace norvel::host {
class HostDocument;
}

namespace norvel::host::qt {

// Linked sheets outside the web, missing or unreadable ones are left out.
QString pageStyleSheet(HostDocument& document);

}  // namespace norvel::host::qt
