// norvel-studio: the editor stand-in in a window. `norvel-studio --help` tells its
// arguments; they are read in studio_command_line.cpp.
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "apps/norvel-studio/open_pages.h"
#include "apps/norvel-studio/studio_command_line.h"
#include "common/editor/web.h"
#include "host/qt/page/browser_engine.h"
#include "host/qt/studio/studio.h"
#include "host/qt/studio/studio_window.h"

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    using norvel::studio::StudioInvocation;
    // Asked before QApplication, which needs a display: --help and --version work without one.
    switch (norvel::studio::earlyRequest(std::vector<std::string>(argv + 1, argv + argc))) {
        case StudioInvocation::Kind::help:
            std::cout << norvel::studio::studioHelp();
            return 0;
        case StudioInvocation::Kind::version:
            std::cout << norvel::studio::studioVersion();
            return 0;
        case StudioInvocation::Kind::start:
            break;
    }

    norvel::host::qt::prepareBrowserEngine();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Norvel Studio");

    std::vector<std::string> args;
    const QStringList qtArgs = QApplication::arguments();
    for (int i = 1; i < qtArgs.size(); ++i)
        args.push_back(qtArgs[i].toStdString());
    auto parsed = norvel::studio::parseStudioCommandLine(args);
    if (auto* wrong = std::get_if<std::string>(&parsed)) {
        std::cerr << "norvel-studio: " << *wrong << '\n' << norvel::studio::studioUsage();
        return 2;
    }
    const auto& invocation = std::get<StudioInvocation>(parsed);
    auto resolved = norvel::studio::resolveNamed(invocation.named, invocation.pages);
    if (auto* missing = std::get_if<std::string>(&resolved)) {
        std::cerr << "norvel-studio: " << *missing << '\n';
        return 1;
    }
    const auto& open = std::get<norvel::studio::WebAndPage>(resolved);

    // A settings or registry file that cannot be used ends the start with a message, not an
    // abort.
    std::unique_ptr<norvel::host::qt::Studio> studio;
    try {
        studio = std::make_unique<norvel::host::qt::Studio>(
            [](const std::string& note) { std::cerr << "norvel-studio: " << note << '\n'; });
        studio->start(open.web);
    } catch (const std::exception& e) {
        std::cerr << "norvel-studio: " << e.what() << '\n';
        QMessageBox::critical(nullptr, "Norvel Studio", QString::fromStdString(e.what()));
        return 1;
    }
    if (!open.pages.empty()) {
        const int viewMode = invocation.view == "preview" ? norvel::common::editor::kViewPreview
                             : invocation.view == "html"  ? norvel::common::editor::kViewHtml
                                                          : norvel::common::editor::kViewNormal;
        auto allOpened = std::make_shared<bool>(true);
        norvel::studio::openPagesInTurn(
            studio->window(), open.pages, viewMode,
            [&, allOpened](const std::string& page, int64_t ms, bool opened) {
                *allOpened = *allOpened && opened;
                if (invocation.exitWhenReady && opened)
                    std::cout << "drawn " << page << " in " << ms << " ms\n" << std::flush;
            },
            [&, allOpened] {
                if (invocation.exitWhenReady)
                    QApplication::exit(*allOpened ? 0 : 1);
            });
    } else if (invocation.exitWhenReady) {
        // Ready once the window is on the screen and painted: the moment a person could work.
        auto whenExposed = std::make_shared<std::function<void()>>();
        *whenExposed = [&, whenExposed] {
            QWindow* handle = studio->window().windowHandle();
            if (handle == nullptr || !handle->isExposed()) {
                QTimer::singleShot(5, *whenExposed);
                return;
            }
            studio->window().repaint();
            std::cout << "ready in " << clock.elapsed() << " ms\n" << std::flush;
            QApplication::quit();
        };
        QTimer::singleShot(0, *whenExposed);
    }
    return QApplication::exec();
}
