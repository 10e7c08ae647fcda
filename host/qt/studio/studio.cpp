#include "host/qt/studio/studio.h"

#include "common/error.h"
#include "host/components/registration.h"
#include "host/qt/studio/help_viewer.h"
#include "host/qt/studio/studio_window.h"

namespace norvel::host::qt {

namespace {

// The component registry's file. A fresh configuration gets what came with the program
// registered first, so that the registry read next holds it.
std::filesystem::path registryFileAfterFirstStart(
    const std::function<void(const std::string&)>& report) {
    std::filesystem::path registryFile = ComponentRegistry::defaultRegistryFile();
    try {
        if (auto done = registerBundledLibrariesOnFirstUse(registryFile, defaultAddinListFile()))
            report("registered " + std::to_string(done->identifiers.size()) + " components and " +
                   std::to_string(done->addins.size()) + " add-in(s) of this installation");
    } catch (const common::Error& e) {
        // The editor still runs, only without the suite's menu.
        report("the bundled libraries could not be registered: " + e.description());
    }
    return registryFile;
}

}  // namespace

Studio::Studio(std::function<void(const std::string&)> report)
    : report_(report ? std::move(report) : [](const std::string&) {}),
      settings_(common::IniSettingsStore::defaultFile(),
                [this](const std::string& problem) { report_(problem); }),
      components_(registryFileAfterFirstStart(report_)),
      help_(nullptr) {
    help_.setWindowHooks(
        [this](intptr_t handle, const std::string& file) { openHelp(handle, file); },
        [this](intptr_t handle) { closeHelp(handle); });
    app_ = std::make_unique<EditorApp>(ui_, settings_, components_, help_, defaultAddinListFile());
    window_ = std::make_unique<StudioWindow>(*app_, ui_);
    window_->setHelpOpener([this](const std::string& file) { help_.htmlHelp(0, file, 0, 0); });
    ui_.setParentWindow(window_.get());
}

Studio::~Studio() {
    // The add-ins disconnect while the editor and its windows still exist.
    app_->shutdown();
    helpViewers_.clear();
    window_.reset();
    app_.reset();
}

void Studio::start(const std::filesystem::path& web) {
    app_->start();
    window_->syncFromModel();
    window_->show();
    if (!web.empty()) {
        window_->openWeb(web);
        return;
    }
    // No web asked for: the one opened last, when it is still there.
    QStringList recent = window_->recentWebs();
    std::error_code error;
    if (!recent.isEmpty() && std::filesystem::is_directory(recent.first().toStdString(), error))
        window_->openWeb(recent.first().toStdString());
}

void Studio::openHelp(intptr_t handle, const std::string& file) {
    auto viewer = std::make_unique<HelpViewer>(handle, window_.get());
    // The help engine must know when the person closes it, so that the suite opens it anew.
    QObject::connect(viewer.get(), &HelpViewer::closedByUser, [this](intptr_t closed) {
        help_.closeByUser(closed);
        closeHelp(closed);
    });
    viewer->showFile(file);
    helpViewers_.push_back(std::move(viewer));
}

void Studio::closeHelp(intptr_t handle) {
    for (auto it = helpViewers_.begin(); it != helpViewers_.end(); ++it)
        if ((*it)->handle() == handle) {
            // Deleted later: this may run inside the viewer's own close event.
            (*it)->hide();
            it->release()->deleteLater();
            helpViewers_.erase(it);
            return;
        }
}

}  // namespace norvel::host::qt
