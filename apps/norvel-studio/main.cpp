// norvel-studio: the editor stand-in in a window.
//   norvel-studio [WEB]                      open the web in the folder WEB
//   norvel-studio --exit-when-ready [WEB]    start, show the window, then quit (for timing)
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

#include "host/qt/studio/studio.h"
#include "host/qt/studio/studio_window.h"

int main(int argc, char* argv[]) {
    QElapsedTimer clock;
    clock.start();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Norvel Studio");

    bool exitWhenReady = false;
    std::filesystem::path web;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--exit-when-ready") {
            exitWhenReady = true;
        } else if (args[i].startsWith("-") || !web.empty()) {
            std::cerr << "usage: norvel-studio [--exit-when-ready] [WEB]\n";
            return 2;
        } else {
            web = args[i].toStdString();
        }
    }
    if (!web.empty() && !std::filesystem::is_directory(web)) {
        std::cerr << "norvel-studio: " << web.string() << " is no folder\n";
        return 1;
    }

    // A settings or registry file that cannot be used ends the start with a message, not an
    // abort.
    std::unique_ptr<norvel::host::qt::Studio> studio;
    try {
        studio = std::make_unique<norvel::host::qt::Studio>(
            [](const std::string& note) { std::cerr << "norvel-studio: " << note << '\n'; });
        studio->start(web);
    } catch (const std::exception& e) {
        std::cerr << "norvel-studio: " << e.what() << '\n';
        QMessageBox::critical(nullptr, "Norvel Studio", QString::fromStdString(e.what()));
        return 1;
    }
    if (exitWhenReady) {
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
