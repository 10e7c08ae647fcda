// Pictures and the web browser follow the model's picture names and navigations.
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "common/forms/web_browser.h"
#include "host/qt/forms/control_sync.h"
#include "host/qt/forms/control_widgets.h"
#include "host/qt/forms/picture_loading.h"
#include "host/qt/forms/qt_text.h"

namespace norvel::host::qt {

namespace {

// A local file or file:// address as a URL the text browser can load; an empty URL for any
// other address (the text browser reads no network).
QUrl localUrl(const std::string& location) {
    QString text = toQString(location);
    QUrl url(text);
    if (url.isLocalFile())
        return url;
    if (!text.isEmpty() && QDir::isAbsolutePath(text))
        return QUrl::fromLocalFile(text);
    return QUrl();
}

}  // namespace

void syncPicture(const std::string& picture, PictureLabel& label) {
    if (label.anyShown && label.shownPicture == picture)
        return;
    label.setPixmap(loadPicture(picture, *label.style()));
    label.shownPicture = picture;
    label.anyShown = true;
}

void syncWebBrowser(const common::forms::WebBrowser& browser, LocationBrowser& widget) {
    if (widget.shownNavigation == browser.navigationCount())
        return;
    widget.shownNavigation = browser.navigationCount();
    QUrl url = localUrl(browser.locationUrl());
    if (url.isEmpty() || !QFileInfo(url.toLocalFile()).isFile()) {
        widget.setSource(QUrl());
        widget.clear();
        return;
    }
    // The same address again is a reload: the page may have been written anew.
    if (widget.source() == url) {
        widget.reload();
    } else {
        widget.setSource(url);
    }
}

}  // namespace norvel::host::qt
