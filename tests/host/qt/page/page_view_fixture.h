// Page views over real pages: an editor stand-in on a temporary web (tests/host's fixture),
// pages written there and opened through it, each shown in a PageView on screen.
#pragma once

#include <QTest>
#include <QWebEnginePage>

#include <memory>
#include <optional>
#include <string>

#include "common/editor/web.h"
#include "host/editor/host_document.h"
#include "host/editor/host_page_window.h"
#include "host/editor/web_paths.h"
#include "host/qt/page/page_view.h"
#include "host/qt/page/preview_view.h"
#include "host/web/disk_web.h"
#include "tests/host/editor/editor_fixture.h"

namespace norvel::host::qt {

// A page with CR LF line breaks around the given body and head content.
inline std::string htmlPage(const std::string& body, const std::string& head = "") {
    return "<html>\r\n<head>\r\n<title>t</title>\r\n" + head + "</head>\r\n<body>\r\n" + body +
           "\r\n</body>\r\n</html>\r\n";
}

// Waits until the Preview has loaded the page last shown (the browser engine loads it in
// processes of its own).
inline bool waitForPreview(PageView& view) {
    return QTest::qWaitFor(
        [&] { return view.previewView() != nullptr && view.previewView()->isLoaded(); }, 60000);
}

// The value of a script run in the previewed page; invalid when it gave none in time.
inline QVariant inPreview(PreviewView& preview, const QString& script) {
    auto result = std::make_shared<std::optional<QVariant>>();
    preview.page()->runJavaScript(script, [result](const QVariant& value) { *result = value; });
    QTest::qWaitFor([&] { return result->has_value(); }, 60000);
    return result->value_or(QVariant());
}

// The text the Preview shows, once it has loaded.
inline QString previewText(PageView& view) {
    if (!waitForPreview(view))
        return QStringLiteral("(the preview did not load)");
    return inPreview(*view.previewView(), QStringLiteral("document.body.innerText")).toString();
}

class PageViewFixture : public EditorFixture {
  protected:
    std::shared_ptr<HostPageWindow> openPage(const std::string& path, const std::string& bytes,
                                             int mode = common::editor::kViewNormal) {
        writePage(path, bytes);
        if (app->web() == nullptr)
            app->openWeb(web.path());
        // The views must hold up on any bytes: the file is opened as the editor opens files
        // for the suite, without the question whether it is a page.
        return std::static_pointer_cast<HostPageWindow>(
            app->openPage(resolveWebFile(*app->web(), path), mode));
    }

    std::unique_ptr<PageView> showWindow(const std::shared_ptr<HostPageWindow>& window) {
        auto view = std::make_unique<PageView>(window);
        view->resize(800, 600);
        view->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        return view;
    }
};

}  // namespace norvel::host::qt
