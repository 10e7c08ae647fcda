#include "apps/norvel-studio/open_pages.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWindow>

#include <memory>

#include "common/editor/web.h"
#include "host/editor/editor_app.h"
#include "host/qt/page/page_view.h"
#include "host/qt/studio/studio_window.h"

namespace norvel::studio {
namespace {

struct Opening {
    host::qt::StudioWindow* window;
    std::vector<std::string> pages;
    int viewMode;
    std::function<void(const std::string&, int64_t, bool)> drawn;
    std::function<void()> done;
    size_t next = 0;
    QElapsedTimer clock;
};

void openNext(const std::shared_ptr<Opening>& opening);

// Waits, in the event loop, until the window is on the screen and the page's view has drawn
// it (the Preview loads in the browser engine's processes).
void reportWhenDrawn(const std::shared_ptr<Opening>& opening, host::qt::PageView* view) {
    QWindow* handle = opening->window->windowHandle();
    if (view != nullptr && (handle == nullptr || !handle->isExposed() || !view->isDrawn())) {
        QTimer::singleShot(5, opening->window, [opening, view] { reportWhenDrawn(opening, view); });
        return;
    }
    opening->window->repaint();
    opening->drawn(opening->pages[opening->next], opening->clock.elapsed(), view != nullptr);
    ++opening->next;
    QTimer::singleShot(0, opening->window, [opening] { openNext(opening); });
}

void openNext(const std::shared_ptr<Opening>& opening) {
    if (opening->next == opening->pages.size()) {
        opening->done();
        return;
    }
    opening->clock.start();
    host::qt::StudioWindow& window = *opening->window;
    host::qt::PageView* before = window.activePageView();
    // Straight into the view asked for: drawing it in another first would only cost time.
    window.runCommand(
        [&] { window.app().openPageByPath(opening->pages[opening->next], opening->viewMode); });
    host::qt::PageView* view = window.activePageView();
    if (view == before && before != nullptr)
        view = nullptr;  // the page did not open (the message has been shown)
    reportWhenDrawn(opening, view);
}

}  // namespace

void openPagesInTurn(host::qt::StudioWindow& window, std::vector<std::string> pages, int viewMode,
                     std::function<void(const std::string&, int64_t, bool)> drawn,
                     std::function<void()> done) {
    auto opening = std::make_shared<Opening>(
        Opening{&window, std::move(pages), viewMode, std::move(drawn), std::move(done), 0, {}});
    QTimer::singleShot(0, &window, [opening] { openNext(opening); });
}

}  // namespace norvel::studio
